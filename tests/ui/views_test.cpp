// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt views offscreen, with a real game: the main window painted at the scales real
// screens give, the window's plumbing (errors, layers, window keys, the clock, the mute
// key, the settings file) and watching a listed game. What the real window shows of the
// same (typing a name, F11, the mute over a restart, a showing): the e2e scripts.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <regex>
#include <set>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/files.h"
#include "core/message.h"
#include "core/recording_platform.h"
#include "core/rules.h"
#include "replay/recorder.h"
#include "episodes/frm_neu.h"
#include "info/frm_info.h"
#include "scores/frm_punkte.h"
#include "scores/kodierer.h"
#include "scores/list_file.h"
#include "ui/frames/clock_driver.h"
#include "ui/frames/frame_loop.h"
#include "ui/host/game_host.h"
#include "ui/host/qt_platform.h"
#include "ui/input/fire_toggle.h"
#include "ui/input/mute_key.h"
#include "ui/layers/layer.h"
#include "ui/layers/name_box.h"
#include "ui/layers/scores_layer.h"
#include "ui/layers/settings_layer.h"
#include "ui/settings/window_settings.h"
#include "ui/language/language.h"
#include "ui/view/form_layout.h"
#include "ui/view/form_painter.h"
#include "ui/view/form_view.h"
#include "ui/view/game_window.h"

namespace gravok::ui::test {
namespace {

namespace fs = std::filesystem;

// A game being played: Enter in the start-up dialog chose the first episode.
struct PlayingGame {
    RecordingPlatform platform{GRAVOK_DATA_DIR};
    Game game{platform};
    PlayingGame()
    {
        platform.modalLoop = [](Form& f) { f.keyDown(13, 0); };
        game.Main();
    }
};

// The real desktop of the program over a window that is never shown to anyone.
struct Desktop {
    QtPlatform platform;
    Game game{platform};
    GameHost host{game};
    GameWindow window{host, game.frmHaupt()};
    QStringList errors; // shown instead in an error box
    int quits = 0;      // instead of the program's end
    Desktop()
    {
        host.reportError = [this](const QString& m) { errors << m; };
        host.quit = [this] { ++quits; };
        platform.attach(game, host, window);
        window.show();
    }
    // Runs OPEN in the game, which shows a layer, and INSIDE once the layer is up; a
    // failure that leaves the layer open ends the program instead of hanging.
    void withLayer(const std::function<void()>& open, const std::function<void()>& inside)
    {
        QTimer::singleShot(0, &window, inside);
        QTimer::singleShot(5000, &window, [this] { host.end(); });
        host.call(open);
    }
};

// A dialog that writes down the keys it gets and closes on Escape.
struct LoggingForm : Form {
    LoggingForm() : Form("frmTest") { Width = 3000, Height = 1500; }
    void keyDown(int code, int) override
    {
        log += (log.empty() ? "key " : "|key ") + std::to_string(code);
        if (code == 27)
            Unload();
    }
    std::string log;
};

// A key event as the window system sends it, through the application's filters.
void sendKey(QWidget* to, int key, const QString& text = {}, bool autoRepeat = false,
             Qt::KeyboardModifiers mods = Qt::NoModifier, QEvent::Type type = QEvent::KeyPress)
{
    QKeyEvent event(type, key, mods, text, autoRepeat);
    QApplication::sendEvent(to, &event);
}

// The window for a scale: the form fills its height, with room for bars at the sides.
QSize areaFor(double scale)
{
    return {static_cast<int>(std::ceil(640 * scale)) + 64, static_cast<int>(std::lround(576 * scale))};
}

// The device rectangle a control's box covers.
QRect deviceBox(const Letterbox& box, const QRect& r)
{
    return {devicePixel(box, QPointF(r.topLeft())),
            devicePixel(box, QPointF(r.topLeft() + QPoint(r.width(), r.height()))) - QPoint(1, 1)};
}

// A busy field: gravoks of every kind, the shuttle and the heart, all apart, at odd twips.
void spreadPictures(Form& form)
{
    const int kinds[] = {101, 104, 105, 106, 107, 112, 151, 102, 110, 153};
    for (int i = 0; i < 10; ++i) {
        Control& g = form.at("imgGravok", i + 1);
        g.setPicture(kinds[i]);
        g.Left = static_cast<float>(i % 5 * 1800 + 307 + i * 7);
        g.Top = static_cast<float>((i < 5 ? 0 : 2400) + 461 + i * 11);
    }
    Control& shuttle = form.at("imgShuttle");
    shuttle.setPicture(7);
    shuttle.Left = 8000;
    shuttle.Top = 4500;
    form.at("imgHerz").Left = 8700;
    form.at("imgHerz").Top = 6300;
}

// $XDG_DATA_HOME in a directory of our own, holding the user's list in file order: Bert,
// Cleo, Dora; shown Cleo, Bert, Dora. Cleo's and Dora's games were recorded, Bert's not.
struct ListedGames {
    QTemporaryDir dir;
    QByteArray before = qgetenv("XDG_DATA_HOME");
    fs::path gravok = fs::path(dir.path().toStdString()) / "gravok";
    fs::path replays = gravok / "replays";
    ListedGames()
    {
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());
        fs::create_directories(replays);
        std::ofstream list(gravok / ListName);
        for (const char* entry : {"000300: Bert (2)", "000900: Cleo (1)", "000100: Dora (3)"})
            list << Kodierer().encode(entry, Schluessel) << "\r\n";
        (void)replay::appendLink(replays, {gravok / ListName, 1, "r-cleo", 2});
        (void)replay::appendLink(replays, {gravok / ListName, 2, "r-dora", 1});
    }
    ~ListedGames() { qputenv("XDG_DATA_HOME", before); }
};

} // namespace

class ViewsTest : public QObject {
    Q_OBJECT
    PictureCache pictures_;

    // Lit pixels of LABEL drawn alone at SCALE in a box GROWTH times as high.
    int ink(const Control& label, float growth, double scale)
    {
        Form alone("frmTest");
        alone.Width = 9600;
        alone.Height = 8640;
        Control copy = label;
        const QRect inForm = controlBox(label); // a frame's children come out in form pixels
        copy.Container = nullptr;
        copy.Left = static_cast<float>(inForm.left() * 15);
        copy.Top = static_cast<float>(inForm.top() * 15);
        copy.Height *= growth;
        alone.add(copy);
        FormView view(alone, pictures_);
        view.resize(areaFor(scale));
        view.sync();
        const QImage image = view.grab().toImage();
        int lit = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                lit += qGray(image.pixel(x, y)) >= 96;
        return lit;
    }

private slots:
    void mainWindowAtScale_data()
    {
        QTest::addColumn<double>("scale");
        for (double s : {1.0, 1.5, 1.875, 3.0, 3.75})
            QTest::newRow(qPrintable(QStringLiteral("x%1").arg(s))) << s;
    }

    // A running game whose frames repaint only what changed (the shuttle flies, a shot,
    // words shown and gone, a label hidden, a busy field) shows on the screen what a whole
    // repaint gives, bars and all. Each picture is the one made for the scale, its corner
    // on the device pixel its model position rounds to: not a pixel off, not resampled on
    // the way. Every caption shows whole: drawn in its own box it leaves as much ink as in
    // a box with room below.
    void mainWindowAtScale()
    {
        QFETCH(double, scale);
        PlayingGame playing;
        FrmHaupt& form = playing.game.frmHaupt();
        FormView view(form, pictures_);
        view.resize(areaFor(scale));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        form.keyDown(38, 0);
        form.keyDown(32, 0);
        for (int frame = 0; frame < 20; ++frame) {
            form.lblAnzeige->Caption = frame == 10 ? "Pause!" : "";
            form.lblPunkte->Visible = frame < 15;
            playing.game.clock.advance(50);
            view.sync();
            QTest::qWait(5);
        }
        spreadPictures(form);
        view.sync();
        QTest::qWait(30);
        const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32) == image);
        const Letterbox box = view.letterbox();
        QCOMPARE(box.deviceScale(), scale);
        int pictures = 0, captions = 0;
        for (const auto& owned : form.controls()) {
            Control c = *owned;
            if (c.Kind == ControlKind::Label && shown(c)) {
                if (c.Caption.empty())
                    c.Caption = c.fullName() == "lblAnzeige" ? "Game over!" : "0";
                // A one-line label's line is placed by its own advance, the roomy box's by
                // the box: their edges round apart a little, but a cut foot costs several
                // per cent of a digit's ink.
                const int inBox = ink(c, 1.0f, scale), roomy = ink(c, 3.0f, scale);
                QVERIFY2(inBox > 0 && roomy - inBox <= roomy / 50,
                         qPrintable(QStringLiteral("%1: %2 of %3").arg(c.fullName().c_str()).arg(inBox).arg(roomy)));
                ++captions;
            }
            const QRect model = controlBox(c);
            if (c.Kind != ControlKind::Image || c.Picture() == 0 || !shown(c) || !formBox(form).contains(model))
                continue; // no picture, or parked off the field
            const QPixmap& expected = pictures_.picture(c.Picture(), scale);
            const QPoint at = devicePixel(box, QPointF(model.topLeft()));
            const QImage want = expected.toImage().convertToFormat(QImage::Format_RGB32);
            const QRect clip = deviceBox(box, model) & deviceBox(box, clipBox(form, c));
            int wrong = 0;
            for (int y = clip.top(); y <= clip.bottom(); ++y)
                for (int x = clip.left(); x <= clip.right(); ++x)
                    wrong += want.rect().contains(x - at.x(), y - at.y()) &&
                             image.pixel(x, y) != want.pixel(x - at.x(), y - at.y());
            QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1: %2 pixels off").arg(c.fullName().c_str()).arg(wrong)));
            // The picture is the size the model's box has at this scale.
            QCOMPARE(expected.width(), static_cast<int>(std::lround(model.width() * scale)));
            ++pictures;
        }
        QVERIFY(pictures >= 12 && captions >= 6);
    }

    void gameErrorEndsTheProgram()
    {
        Desktop d;
        d.host.call([&] { d.game.frmHaupt().imgShuttle->setPicture(999); });
        QVERIFY2(d.errors.size() == 1 && d.errors[0].contains("999"), qPrintable(d.errors.join('\n')));
        QVERIFY(d.host.ended() && d.quits == 1);
        bool ran = false;
        d.host.call([&] { ran = true; });
        QVERIFY(!ran);
    }

    // In the settings the keys change the rows (the volume in tens, stopping at full; a switch flips), the
    // keys page binds the next key and stores it once, Escape leaves each page.
    void boundKeysReachTheGameAsItsOwnCodes()
    {
        Desktop d;
        QVERIFY(QTest::qWaitForWindowExposed(&d.window));
        int volume = 100, sound = 1;
        auto get = [](int& v) { return [&v] { return v; }; };
        auto set = [](int& v) { return [&v](int to) { v = to; }; };
        const std::vector<SettingRow> rows{{"Lautstärke", 100, 10, get(volume), set(volume)},
                                           {"Ton", 1, 1, get(sound), set(sound)},
                                           {"b", 1, 1, get(sound), set(sound)},
                                           {"c", 1, 1, get(sound), set(sound)}};
        SettingsForm form(rows);
        SettingsLayer layer(d.host, form, d.window.view(), rows);
        int stored = 0;
        layer.bindingsChanged = [&] { ++stored; };
        d.withLayer([&] { d.host.runLayer(layer); },
                    [&] {
                        QWidget* view = &layer.view();
                        for (const int k : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down, Qt::Key_Return,
                                            Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Down,
                                            Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Control})
                            sendKey(view, k);
                        QCOMPARE(form.lblTaste[4]->Caption, std::string("Strg"));
                        sendKey(view, Qt::Key_Escape);
                        sendKey(view, Qt::Key_Escape);
                    });
        QVERIFY(!d.host.topLayer() && form.closed());
        QCOMPARE(volume, 80);
        QCOMPARE(sound, 0);
        QCOMPARE(stored, 1);
        QCOMPARE(d.host.bindings().key(bind::Action::Fire), 17);
    }

    // The settings pause a running game and let it run on when they close. Fire bound to
    // Ctrl there: Ctrl in the main window reaches the game, and its recording, as Space.
    void settingsPauseAndARebindReachesTheGameAsSpace()
    {
        PlayingGame g;
        GameHost host{g.game};
        host.quit = [] {};
        FormView main(g.game.frmHaupt(), pictures_);
        host.addView(&main);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const FrmHaupt& haupt = g.game.frmHaupt();
        QCOMPARE(int(haupt.Pausiert), 0);
        int v = 1;
        const SettingRow row{"a", 1, 1, [&] { return v; }, [&](int to) { v = to; }};
        const std::vector<SettingRow> rows{row, row, row, row};
        SettingsForm form(rows);
        SettingsLayer layer(host, form, main, rows);
        QTimer::singleShot(0, &main, [&] {
            QVERIFY(haupt.Pausiert != 0);
            for (const int k :
                 {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Down, Qt::Key_Down,
                  Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Control, Qt::Key_Escape, Qt::Key_Escape})
                sendKey(&layer.view(), k);
        });
        QTimer::singleShot(5000, &main, [&] { host.end(); });
        host.call([&] { runSettings(host, layer); });
        QVERIFY(!host.topLayer() && !host.ended());
        QCOMPARE(int(haupt.Pausiert), 0);
        replay::Recorder recorder(RulesVersion);
        host.door().record(&recorder);
        sendKey(&main, Qt::Key_Control, {}, false, Qt::ControlModifier);
        host.door().record(nullptr);
        QVERIFY2(recorder.text().find("\nkey Space") != std::string::npos, recorder.text().c_str());
    }

    // A layer stands where its Left and Top put it, at the main view's scale, and follows
    // a resize of the window; the clock stands while it is open. Space held when it opens
    // and auto-repeat of any key do not reach it; a fresh press after letting go does.
    void layersLiveAsLongAsTheirFormAndGetOnlyFreshKeys()
    {
        Desktop d;
        d.window.resize(1280, 1152); // scale 2
        QVERIFY(QTest::qWaitForWindowExposed(&d.window));
        sendKey(&d.window.view(), Qt::Key_Space, " ");
        LoggingForm dialog;
        dialog.Left = d.game.frmHaupt().Left + 3000; // 200 px from the main window's left
        dialog.Top = d.game.frmHaupt().Top + 1500;   // 100 px below its top
        QRect atScale2, atScale3;
        bool clockHeld = false;
        d.withLayer([&] { d.game.showModal(dialog); },
                    [&] {
                        Layer* layer = d.host.topLayer();
                        QVERIFY(layer);
                        clockHeld = d.game.clock.held();
                        atScale2 = layer->view().geometry();
                        d.window.resize(1920, 1728);
                        QApplication::processEvents();
                        atScale3 = layer->view().geometry();
                        QWidget* view = &layer->view();
                        sendKey(view, Qt::Key_Space, " ", true);
                        sendKey(view, Qt::Key_Space, " ");
                        sendKey(view, Qt::Key_Up, "", true);
                        sendKey(view, Qt::Key_Space, " ", false, {}, QEvent::KeyRelease);
                        QTest::keyClick(view, Qt::Key_Space);
                        QTest::keyClick(view, Qt::Key_Escape);
                    });
        QVERIFY(!d.host.ended() && clockHeld);
        QCOMPARE(dialog.log, std::string("key 32|key 27"));
        QVERIFY(!d.game.clock.held() && d.game.windows().empty() && !d.host.topLayer());
        QCOMPARE(atScale2, QRect(400, 200, 400, 200));
        QCOMPARE(atScale3, QRect(600, 300, 600, 300));
        // The name box over the window at scale 3: Backspace takes a letter back, a click on
        // OK answers with the name. (Typing, Enter and Escape: e2e_real_window.)
        std::optional<std::string> name;
        d.withLayer([&] { name = d.platform.inputBox("Geben sie bitte ihren Namen ein:", "Namen?"); },
                    [&] {
                        auto* layer = qobject_cast<NameLayer*>(d.host.topLayer());
                        QVERIFY(layer);
                        const Control& ok = *static_cast<NameBoxForm&>(layer->form()).lblOK;
                        for (const QChar ch : QStringLiteral("Jörgx"))
                            sendKey(&layer->view(), Qt::Key_unknown, QString(ch));
                        QTest::keyClick(&layer->view(), Qt::Key_Backspace);
                        QTest::mouseClick(&layer->view(), Qt::LeftButton, {},
                                          QPoint(int((ok.Left + ok.Width / 2) / 5), int((ok.Top + ok.Height / 2) / 5)));
                    });
        QCOMPARE(name, std::optional<std::string>("Jörg"));
    }

    void windowKeysEndTheProgram_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("mods");
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("Alt+F4") << int(Qt::Key_F4) << Qt::KeyboardModifiers(Qt::AltModifier);
    }

    // Ctrl+Q and Alt+F4 end the program at once, also with a layer open: the game's call
    // unwinds and the dialog never sees the key. A message box beside the game does the
    // same, and leaves the key without its modifier alone.
    void windowKeysEndTheProgram()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, mods);
        Desktop d;
        LoggingForm dialog;
        bool after = false;
        d.withLayer([&] { d.game.showModal(dialog), after = true; },
                    [&] { sendKey(&d.host.topLayer()->view(), key, {}, false, mods); });
        QVERIFY(d.host.ended() && !after && d.errors.isEmpty() && d.game.windows().empty() && dialog.log.empty());
        QCOMPARE(d.quits, 1);
        for (const auto m : {mods, Qt::KeyboardModifiers()}) {
            Desktop beside;
            QMessageBox box(QMessageBox::Information, QStringLiteral("Gravok"), QStringLiteral("Nachricht"));
            box.show();
            QTest::keyClick(&box, Qt::Key(key), m);
            QCOMPARE(beside.host.ended(), m == mods);
            QCOMPARE(box.isVisible(), m != mods);
        }
    }

    // The game's clock runs only while nothing holds it, stops with the host, and does not
    // run in a pause: by hand (P) or because the window was minimised. Coming back changes
    // nothing: P resumes, as after a pause by hand.
    void gameStandsStillWhenItShould()
    {
        PlayingGame g;
        GameHost host(g.game);
        QStringList errors;
        host.reportError = [&](const QString& m) { errors << m; };
        host.quit = [] {}; // the end below must not end the test program
        GameWindow window(host, g.game.frmHaupt());
        FrmHaupt& haupt = g.game.frmHaupt();
        ClockDriver driver(host, g.game.clock);
        driver.start();
        // A running clock moves in every 100 ms; a stopped one may still take a wake-up that
        // was under way, so standing is asked until it holds.
        const auto stands = [&] {
            const auto before = g.game.clock.now();
            QTest::qWait(100);
            return g.game.clock.now() == before;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!stands(), 5000);
        g.game.clock.hold();
        QTRY_VERIFY_WITH_TIMEOUT(stands(), 2000);
        g.game.clock.release();
        QTRY_VERIFY_WITH_TIMEOUT(!stands(), 5000);
        const auto pressP = [&] { host.call([&] { haupt.frmHaupt_Form_KeyDown(80, 0); }); };
        pressP();
        QVERIFY(haupt.Pausiert);
        QTRY_VERIFY_WITH_TIMEOUT(stands(), 2000);
        pressP();
        QTRY_VERIFY_WITH_TIMEOUT(!haupt.Pausiert && !stands(), 5000);
        window.setWindowState(Qt::WindowMinimized);
        QCOMPARE(QString::fromStdString(haupt.lblAnzeige->Caption), QStringLiteral("Pause!"));
        window.setWindowState(Qt::WindowNoState);
        window.lookedAway();
        QVERIFY(haupt.Pausiert);
        QTRY_VERIFY_WITH_TIMEOUT(stands(), 2000);
        pressP();
        QTRY_VERIFY_WITH_TIMEOUT(!haupt.Pausiert && !stands(), 5000);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        host.end();
        QTRY_VERIFY_WITH_TIMEOUT(stands(), 2000);
    }

    // Half a tick after a tick, a frame draws the shuttle's picture at the device pixel half
    // way toward where the next tick puts it, and a drifting gravok half way too. Paused, the frame is exactly what the
    // stepped look paints.
    void framesBetweenTicks()
    {
        PlayingGame g;
        GameHost host(g.game);
        FrmHaupt& haupt = g.game.frmHaupt();
        FormView view(haupt, pictures_), stepped(haupt, pictures_);
        host.addView(&view);
        double now = 0;
        FrameLoop frames(view, host, [&] { return now; });
        for (FormView* v : {&view, &stepped})
            v->resize(areaFor(1.875));
        const auto tick = [&] {
            g.game.clock.advance(50);
            now = static_cast<double>(g.game.clock.now());
            host.refresh();
        };
        for (int i = 0; i < 7; ++i)
            host.call([&] { haupt.frmHaupt_Form_KeyDown(38, 0); });
        tick();
        const QPointF before(controlBox(*haupt.imgShuttle).topLeft());
        Control& gravok = *haupt.imgGravok(1); // drifting on its own, as the level has it
        const QPointF gravokBefore(controlBox(gravok).topLeft());
        QVERIFY(frames.running());
        now += 25;
        frames.frame();
        frames.frame();
        const QPointF drawn = view.drawn().at(haupt.imgShuttle), gravokDrawn = view.drawn().at(&gravok);
        const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        tick();
        const QPointF after(controlBox(*haupt.imgShuttle).topLeft());
        QVERIFY(before != after);
        const QPointF half = (before + after) / 2;
        QCOMPARE(drawn, half);
        QCOMPARE(gravokDrawn, (gravokBefore + QPointF(controlBox(gravok).topLeft())) / 2);
        const QImage want =
            pictures_.picture(haupt.imgShuttle->Picture(), 1.875).toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at = devicePixel(view.letterbox(), half);
        QCOMPARE(image.copy(QRect(at, want.size())), want);
        // Moved between two ticks, it is drawn where the model has it, and goes on from there.
        now += 25;
        haupt.imgShuttle->Left += 1500;
        host.refresh();
        frames.frame();
        QVERIFY(!view.drawn().contains(haupt.imgShuttle));
        host.call([&] { haupt.frmHaupt_Form_KeyDown(80, 0); });
        QVERIFY(!frames.running() && view.drawn().empty());
        QCOMPARE(view.grab().toImage(), stepped.grab().toImage());
    }

    void muteKey_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("repeats");
        QTest::addColumn<int>("toggles");
        QTest::newRow("Shift+M held down, once") << "game" << int(Qt::ShiftModifier) << 3 << 1;
        QTest::newRow("Ctrl+M is not M") << "game" << int(Qt::ControlModifier) << 0 << 0;
        QTest::newRow("another program's window") << "other" << int(Qt::NoModifier) << 0 << 0;
    }

    // M mutes or unmutes in the game's windows, with Shift too, once however long it is
    // held; Ctrl+M is no M. (Plain M in the window and a dialog, and a box taking text
    // keeping its letter: sound_disk.)
    void muteKey()
    {
        QFETCH(QString, target);
        QFETCH(int, modifiers);
        QFETCH(int, repeats);
        QFETCH(int, toggles);
        QWidget game, other;
        QWidget button(&game);
        int toggled = 0;
        MuteKey key([&game](const QWidget* w) { return w == &game; }, [&toggled] { ++toggled; });
        qApp->installEventFilter(&key);
        QWidget* to = target == "game" ? &button : &other;
        for (int i = 0; i <= repeats; ++i)
            sendKey(to, Qt::Key_M, QStringLiteral("m"), i > 0, Qt::KeyboardModifiers(modifiers));
        qApp->removeEventFilter(&key);
        QCOMPARE(toggled, toggles);
    }

    // One file for everything, kept between runs; an old gravok.ini beside it is merged
    // once and gone; a size nobody can use is a first start.
    void settingsAreKeptInOneFile()
    {
        QTemporaryDir dir;
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("gravok")));
        std::ofstream(dir.filePath(QStringLiteral("gravok/gravok.ini")).toStdString())
            << "[window]\nnormal=@Rect(10 20 700 500)\nmaximized=true\n";
        {
            WindowSettings settings;
            QVERIFY(!settings.flag(Setting::Muted) && !QDir(dir.path()).exists(QStringLiteral("gravok/gravok.ini")));
            settings.store(Setting::Muted, true);
        }
        WindowSettings again;
        QVERIFY(again.flag(Setting::Muted));
        QFile conf(WindowSettings::playerFile());
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QCOMPARE(conf.readAll(),
                 QByteArray("[sound]\nmuted=true\n\n[window]\nmaximized=true\nnormal=@Rect(10 20 700 500)\n"));
        again.setPlacement({QRect(100, 50, 1000, 900), false, true});
        again.flush();
        QCOMPARE(WindowSettings().placement()->normal, QRect(100, 50, 1000, 900));
        QVERIFY(WindowSettings().placement()->fullScreen);
        again.setPlacement({QRect(0, 0, 4, 400), false, false});
        QVERIFY(!again.placement());
        qputenv("XDG_CONFIG_HOME", old);
    }

    void rowsOfferTheirOwnGame_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("watched");
        QTest::newRow("space on the best") << 0 << false << QStringLiteral("r-cleo 2");
        QTest::newRow("space on an unrecorded row") << 1 << false << QString();
        QTest::newRow("space with no row chosen") << -1 << false << QString();
        QTest::newRow("double-click on the last") << 2 << true << QStringLiteral("r-dora 1");
    }

    // In the high-score layer only rows with a replay offer it, and the row found is the
    // right entry though the list is sorted; the list's own texts carry no mark.
    void rowsOfferTheirOwnGame()
    {
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(QString, watched);
        const ListedGames listed;
        Desktop d;
        QVERIFY(QTest::qWaitForWindowExposed(&d.window));
        QStringList seen, marked, texts;
        d.platform.watchListed = [&](const replay::ReplayLink& link) {
            seen << QStringLiteral("%1 %2").arg(QString::fromStdString(link.replay)).arg(link.game);
        };
        FrmPunkte punkte(d.game);
        d.withLayer([&] { d.game.showModal(punkte); },
                    [&] {
                        auto* layer = qobject_cast<ScoresLayer*>(d.host.topLayer());
                        QListWidget* list = layer ? layer->list() : nullptr;
                        QVERIFY(list);
                        for (int i = 0; i < list->count(); ++i) {
                            texts << list->item(i)->text();
                            marked << (layer->linkOfRow(i) ? QStringLiteral("mark") : QStringLiteral("-"));
                        }
                        list->setCurrentRow(row);
                        if (doubleClick) {
                            const QPoint at = list->visualItemRect(list->item(row)).center();
                            // QTest's double-click alone brings no press the view could pair it with.
                            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                        } else {
                            QTest::keyClick(&layer->view(), Qt::Key_Space);
                        }
                        QApplication::processEvents();
                        QTest::keyClick(&layer->view(), Qt::Key_Escape);
                    });
        QVERIFY(!d.host.ended());
        QCOMPARE(texts, QStringList({"000900: Cleo (1)", "000300: Bert (2)", "000100: Dora (3)"}));
        QCOMPARE(marked, QStringList({"mark", "-", "mark"}));
        QCOMPARE(seen, watched.isEmpty() ? QStringList() : QStringList{watched});
    }

    // Every text the window draws has its entry in the English catalogue: each form, drawn
    // through a translator that marks what it knows, shows no unmarked word but names and
    // the episodes' titles. English changes only the texts of a frame: with every text
    // control blacked out the two languages paint the same, and the model stays German.
    void everyDrawnTextIsInTheCatalogue()
    {
        struct Marking : QTranslator {
            QTranslator english;
            QString translate(const char* context, const char* source, const char* which, int n) const override
            {
                const QString t = english.translate(context, source, which, n);
                return t.isNull() ? t : QChar(0x2039) + t;
            }
        } marking;
        QVERIFY(marking.english.load(QStringLiteral(":/i18n/gravok_en.qm")));
        PlayingGame g;
        FrmHaupt& haupt = g.game.frmHaupt();
        haupt.frmHaupt_Form_KeyDown(80, 0);
        FrmNeu neu(g.game);
        FrmInfo info(g.game);
        info.load();
        FrmPunkte punkte(g.game);
        NameBoxForm name("Geben sie bitte ihren Namen ein:", "Namen?");
        const std::vector<SettingRow> rows{{"Lautstärke", 100, 10, {}, {}}, {"Sprache", 2, 1, {}, {}, {"English"}}};
        SettingsForm settings(rows), keys(rows);
        settings.show(false, 0, {50, 0}, bind::Bindings(), false);
        keys.show(true, 0, {50, 0}, bind::Bindings(), false);
        // Names pass as they are: the episodes' titles, the game's and the maker's, the pad's buttons.
        const std::set<std::string> names{"lbl1", "lbl2", "lbl3", "lbl4", "lblGravok", "lbl(1)", "lbl(2)", "lbl(4)"};
        QCoreApplication::installTranslator(&marking);
        for (Form* form : std::initializer_list<Form*>{&haupt, &neu, &info, &punkte, &name, &settings, &keys})
            for (const auto& c : form->controls())
                if (std::regex_search(c->Caption, std::regex("[A-Za-z]{2}")) && shown(*c) &&
                    !names.count(c->fullName()) && !(form == &keys && c->Name == "lblPad"))
                    QVERIFY2(shown(form->Name.c_str(), c->Caption).startsWith(QChar(0x2039)), c->Caption.c_str());
        QCoreApplication::removeTranslator(&marking);

        const auto captions = [&haupt] {
            std::vector<std::string> all;
            for (const auto& c : haupt.controls())
                all.push_back(c->Caption);
            return all;
        };
        const std::vector<std::string> german = captions();
        QImage frames[2];
        Translations translations;
        for (const Language language : {Language::German, Language::English}) {
            translations.use(language);
            FormView view(haupt, pictures_);
            view.resize(areaFor(1.875));
            view.sync();
            QImage& image = frames[int(language)] = view.grab().toImage();
            QPainter blank(&image);
            for (const auto& c : haupt.controls())
                if (!c->Caption.empty())
                    blank.fillRect(view.letterbox().toWidget(QRectF(FormPainter::paintedBox(haupt, *c))), Qt::black);
        }
        translations.use(Language::German);
        QCOMPARE(frames[0], frames[1]);
        QVERIFY(captions() == german);
    }

    // Every text of the layers stands out from the black behind it by 4.5 : 1 at least, in
    // each state the painter draws it: chosen or not, pressed or not, on either page.
    void layerTextsStandOut()
    {
        const auto luminance = [](Color c) {
            double sum = 0;
            const double weight[] = {0.2126, 0.7152, 0.0722};
            for (int i = 0; i < 3; ++i) {
                const double v = ((c >> (16 - 8 * i)) & 0xFF) / 255.0;
                sum += weight[i] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
            }
            return sum;
        };
        const auto check = [&](const Form& form, const char* state) {
            for (const auto& c : form.controls()) {
                if (!c->Visible || c->Caption.empty())
                    continue;
                const double a = luminance(c->ForeColor), b = luminance(form.BackColor);
                const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
                QVERIFY2(ratio >= 4.5,
                         (std::string(state) + " " + c->fullName() + ": " + std::to_string(ratio)).c_str());
            }
        };
        const std::vector<SettingRow> rows{{"Lautstärke", 100, 10, {}, {}}, {"Sprache", 2, 1, {}, {}, {"English"}}};
        SettingsForm settings(rows);
        for (int selected = 0; selected < 4; ++selected) {
            settings.show(false, selected, {50, 0}, bind::Bindings(), false);
            check(settings, "settings");
            settings.show(true, selected, {50, 0}, bind::Bindings(), selected == 1);
            check(settings, "keys");
        }
        NameBoxForm name("Geben sie bitte ihren Namen ein:", "Namen?");
        name.mouseDown(*name.lblOK);
        check(name, "name box");
    }

    // "Feuer: umschalten": a press starts the shots at a held key's pace, an auto-repeated
    // press is none, the next press stops them, and a pause or a dialog stops them too.
    void toggledFireStartsAndStops()
    {
        PlayingGame g;
        FrmHaupt& haupt = g.game.frmHaupt();
        bool layer = false;
        int shots = 0;
        FireToggle fire([&shots] { ++shots; }, [&] { return !layer && haupt.shotsWork(); }, {30, 10});
        QVERIFY(!fire.press(false)); // "halten": the press is the game's
        fire.setToggles(true);
        QVERIFY(fire.press(false) && fire.firing() && shots == 1);
        QVERIFY(fire.press(true) && shots == 1);
        QTRY_VERIFY(shots >= 4);
        QVERIFY(fire.press(false) && !fire.firing());
        const int stopped = shots;
        QTest::qWait(50);
        QCOMPARE(shots, stopped);
        for (const auto& stop : std::initializer_list<std::function<void()>>{
                 [&] { haupt.PauseUmschalten(); }, [&] { layer = true; }, [&] { fire.setToggles(false); }}) {
            fire.setToggles(true);
            QVERIFY(fire.press(false) && fire.firing());
            stop();
            QTRY_VERIFY(!fire.firing());
            if (haupt.Pausiert != 0)
                haupt.PauseUmschalten();
            layer = false;
        }
        haupt.PauseUmschalten();
        fire.setToggles(true);
        QVERIFY(!fire.press(false) && !fire.firing()); // paused: the press is the game's
        haupt.PauseUmschalten();
    }

    // A message the core builds is translated whole, its reason too; a name holding "%2"
    // stays as it is, and German shows exactly the core's own text.
    void messagesAreTranslatedWhole()
    {
        const Message unreadable(GRAVOK_TEXT("Meldungen", "Die Punkteliste kann nicht gelesen werden: %1: %2."),
                                 {Message::literal("50%2.lst"), errnoReason(EACCES)});
        Translations translations;
        translations.use(Language::English);
        QCOMPARE(shown(unreadable), QStringLiteral("The score list cannot be read: 50%2.lst: permission denied."));
        translations.use(Language::German);
        QCOMPARE(shown(unreadable), QString::fromStdString(unreadable.text()));
    }

    // Qt's own buttons (a message box's) speak the game's language, German or English.
    void qtSpeaksTheGamesLanguage()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
            QSKIP("Qt's German translations (qt6-translations-l10n) are not installed");
        Translations translations;
        translations.use(Language::German);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        translations.use(Language::English);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        translations.use(Language::German);
    }
};

} // namespace gravok::ui::test

QTEST_MAIN(gravok::ui::test::ViewsTest)
#include "views_test.moc"
