// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's plumbing with a real game: errors end the program, layers live exactly as
// long as their form is open and get only fresh keys, the window keys end the program,
// the game stands still exactly when it should, M mutes, and what the program keeps
// between runs. What the real window shows of the same: the e2e scripts.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include "test_forms.h"
#include "ui/clock_driver.h"
#include "ui/form_view.h"
#include "ui/layer.h"
#include "ui/name_box.h"
#include "ui/sound_keys.h"
#include "ui/start_up.h"
#include "ui/window_settings.h"

namespace gravok::ui::test {
namespace {

// A key event as the window system sends it, through the application's filters.
void sendKey(QWidget* to, int key, const QString& text = {}, bool autoRepeat = false,
             Qt::KeyboardModifiers mods = Qt::NoModifier, QEvent::Type type = QEvent::KeyPress)
{
    QKeyEvent event(type, key, mods, text, autoRepeat);
    QApplication::sendEvent(to, &event);
}

} // namespace

class HostTest : public QObject {
    Q_OBJECT
private slots:
    void gameErrorEndsTheProgram()
    {
        StartedGame g;
        GameHost host(g.game);
        QuietEnd end(host);
        host.call([&] { g.game.frmHaupt().imgShuttle->setPicture(999); });
        QCOMPARE(end.errors.size(), 1);
        QVERIFY2(end.errors[0].contains("999"), qPrintable(end.errors[0]));
        QVERIFY(host.ended());
        QCOMPARE(end.quits, 1);
        bool ran = false;
        host.call([&] { ran = true; });
        QVERIFY(!ran);
    }

    // The layer stands where its Left and Top put it, at the main view's scale, and follows
    // a resize of the window; the clock stands while it is open. Space held when it opens
    // and auto-repeat of any key do not reach it; a fresh press after letting go does.
    void layerLivesAsLongAsItsFormAndGetsOnlyFreshKeys()
    {
        Desktop d;
        d.window.resize(1280, 1152); // scale 2
        QVERIFY(d.shown());
        sendKey(&d.window.view(), Qt::Key_Space, " ");
        LoggingForm dialog(200, 100);
        dialog.Left = d.game.frmHaupt().Left + 3000; // 200 px from the main window's left
        dialog.Top = d.game.frmHaupt().Top + 1500;   // 100 px below its top
        QRect atScale2, atScale3;
        bool layerOnTop = false, clockHeld = false;
        d.withLayer([&] { d.game.showModal(dialog); },
                    [&] {
                        Layer* layer = d.host.topLayer();
                        QVERIFY(layer);
                        layerOnTop = !QApplication::activeModalWidget() && layer->window() == &d.window;
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
        QVERIFY(!d.host.ended());
        QVERIFY(layerOnTop);
        QCOMPARE(QString::fromStdString(dialog.log), QStringLiteral("key 32|key 27"));
        QVERIFY(clockHeld);
        QVERIFY(!d.game.clock.held());
        QVERIFY(d.game.windows().empty());
        QVERIFY(!d.host.topLayer());
        QCOMPARE(atScale2, QRect(400, 200, 400, 200));
        QCOMPARE(atScale3, QRect(600, 300, 600, 300));
    }

    void windowKeysEndTheProgram_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier);
        QTest::newRow("Alt+F4") << int(Qt::Key_F4) << int(Qt::AltModifier);
    }

    // Ctrl+Q and Alt+F4 end the program at once, also with a layer open: the game's call
    // unwinds and the dialog never sees the key. A message box beside the game does the
    // same, and leaves the key without its modifier alone.
    void windowKeysEndTheProgram()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        Desktop d;
        d.window.show();
        LoggingForm dialog;
        bool after = false;
        d.withLayer([&] { d.game.showModal(dialog), after = true; },
                    [&] { sendKey(&d.host.topLayer()->view(), key, {}, false, mods); });
        QVERIFY(d.host.ended());
        QCOMPARE(d.end.quits, 1);
        QVERIFY(!after);
        QVERIFY(d.end.errors.isEmpty());
        QCOMPARE(dialog.log, std::string());
        QVERIFY(d.game.windows().empty());
        for (const auto m : {mods, Qt::KeyboardModifiers()}) {
            QMessageBox box(QMessageBox::Information, QStringLiteral("Gravok"), QStringLiteral("Nachricht"));
            int ended = 0;
            endOnQuitKeys(box, [&ended] { ++ended; });
            box.show();
            QTest::keyClick(&box, Qt::Key(key), m);
            QCOMPARE(ended, m == mods ? 1 : 0);
            QCOMPARE(box.isVisible(), m != mods);
        }
    }

    void nameBox_data()
    {
        QTest::addColumn<QString>("finish"); // a key or a click on OK or Abbrechen
        QTest::addColumn<QString>("answer"); // "-" for none
        QTest::newRow("Enter") << QStringLiteral("enter") << QStringLiteral("Jörg");
        QTest::newRow("OK clicked") << QStringLiteral("ok") << QStringLiteral("Jörg");
        QTest::newRow("Abbrechen clicked") << QStringLiteral("cancel") << QStringLiteral("-");
    }

    // The name box holds the clock while it is up, takes back a letter with Backspace, and
    // answers with the name, or with nothing when cancelled. (Typing and Escape in the
    // real window: e2e_real_window.)
    void nameBox()
    {
        QFETCH(QString, finish);
        QFETCH(QString, answer);
        Desktop d;
        QVERIFY(d.shown());
        bool heldWhileUp = false;
        std::optional<std::string> got;
        d.withLayer([&] { got = d.platform.inputBox("Geben sie bitte ihren Namen ein:", "Namen?"); },
                    [&] {
                        auto* layer = qobject_cast<NameLayer*>(d.host.topLayer());
                        QVERIFY(layer);
                        auto& box = static_cast<NameBoxForm&>(layer->form());
                        heldWhileUp = d.game.clock.held();
                        QWidget* view = &layer->view();
                        for (const QChar ch : QStringLiteral("Jörgx"))
                            sendKey(view, Qt::Key_unknown, QString(ch));
                        QTest::keyClick(view, Qt::Key_Backspace);
                        if (finish == "enter")
                            return QTest::keyClick(view, Qt::Key_Return);
                        const Control& label = finish == "ok" ? *box.lblOK : *box.lblAbbrechen;
                        QTest::mouseClick(view, Qt::LeftButton, {},
                                          QPoint(static_cast<int>((label.Left + label.Width / 2) / 15),
                                                 static_cast<int>((label.Top + label.Height / 2) / 15)));
                    });
        QVERIFY(heldWhileUp);
        QVERIFY(!d.game.clock.held());
        QCOMPARE(got.has_value(), answer != "-");
        if (got)
            QCOMPARE(QString::fromStdString(*got), answer);
    }

    // The game's clock runs only while nothing holds it, stops with the host, and does not
    // run in a pause: by hand (P) or because the window was minimised. Coming back changes
    // nothing: P resumes, as after a pause by hand. (Focus gone to another program in
    // the real window: e2e_real_window.)
    void gameStandsStillWhenItShould()
    {
        PlayingGame g;
        GameHost host(g.game);
        QuietEnd end(host);
        GameWindow window(host, g.game.frmHaupt());
        FrmHaupt& haupt = g.game.frmHaupt();
        ClockDriver driver(host, g.game.clock);
        driver.start();
        QTRY_VERIFY_WITH_TIMEOUT(g.game.clock.now() >= 200, 5000);
        const auto stands = [&] {
            const auto before = g.game.clock.now();
            QTest::qWait(100);
            return g.game.clock.now() == before;
        };
        g.game.clock.hold();
        QVERIFY(stands());
        g.game.clock.release();
        QTRY_VERIFY_WITH_TIMEOUT(!stands(), 5000);
        const auto pressP = [&] { host.call([&] { haupt.frmHaupt_Form_KeyDown(80, 0); }); };
        pressP();
        QCOMPARE(int(haupt.Pausiert), 1);
        QVERIFY(stands());
        pressP();
        QCOMPARE(int(haupt.Pausiert), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!stands(), 5000);
        window.setWindowState(Qt::WindowMinimized);
        QCOMPARE(int(haupt.Pausiert), 1);
        QCOMPARE(QString::fromStdString(haupt.lblAnzeige->Caption), QStringLiteral("Pause!"));
        window.setWindowState(Qt::WindowNoState);
        window.lookedAway();
        QCOMPARE(int(haupt.Pausiert), 1);
        QVERIFY(stands());
        pressP();
        QCOMPARE(int(haupt.Pausiert), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!stands(), 5000);
        QVERIFY2(end.errors.isEmpty(), qPrintable(end.errors.join('\n')));
        host.end();
        QCoreApplication::processEvents();
        QVERIFY(stands());
    }

    void muteKey_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("repeats");
        QTest::addColumn<int>("toggles");
        QTest::newRow("M on the game window") << "game" << int(Qt::NoModifier) << 0 << 1;
        QTest::newRow("held down, once") << "game" << int(Qt::NoModifier) << 3 << 1;
        QTest::newRow("Shift+M as well") << "game" << int(Qt::ShiftModifier) << 0 << 1;
        QTest::newRow("Ctrl+M is not M") << "game" << int(Qt::ControlModifier) << 0 << 0;
        QTest::newRow("typing a name") << "edit" << int(Qt::NoModifier) << 0 << 0;
        QTest::newRow("another program's window") << "other" << int(Qt::NoModifier) << 0 << 0;
    }

    // M mutes or unmutes in the game's windows; a box taking text keeps its letter.
    void muteKey()
    {
        QFETCH(QString, target);
        QFETCH(int, modifiers);
        QFETCH(int, repeats);
        QFETCH(int, toggles);
        QWidget game, other;
        QWidget button(&game);
        QLineEdit edit(&game);
        int toggled = 0;
        MuteKey key([&game](const QWidget* w) { return w == &game; }, [&toggled] { ++toggled; });
        qApp->installEventFilter(&key);
        QWidget* to = target == "game" ? &button : target == "edit" ? &edit : &other;
        for (int i = 0; i <= repeats; ++i)
            sendKey(to, Qt::Key_M, QStringLiteral("m"), i > 0, Qt::KeyboardModifiers(modifiers));
        qApp->removeEventFilter(&key);
        QCOMPARE(toggled, toggles);
        QCOMPARE(edit.text(), target == "edit" ? QStringLiteral("m") : QString());
    }

    // One file for everything, kept between runs; an old gravok.ini beside it is merged
    // once and gone; a size nobody can use is a first start. (The size and the mute kept
    // over a restart of the real window: e2e_window_size, sound_disk.)
    void settingsAreKeptInOneFile()
    {
        QTemporaryDir dir;
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("gravok")));
        QFile ini(dir.filePath(QStringLiteral("gravok/gravok.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[window]\nnormal=@Rect(10 20 700 500)\nmaximized=true\n");
        ini.close();
        {
            WindowSettings settings;
            QVERIFY(!storedMute(settings));
            QVERIFY(!ini.exists());
            storeMute(settings, true);
        }
        WindowSettings again;
        QVERIFY(storedMute(again));
        QFile conf(WindowSettings::playerFile());
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QCOMPARE(conf.readAll(),
                 QByteArray("[sound]\nmuted=true\n\n[window]\nmaximized=true\nnormal=@Rect(10 20 700 500)\n"));
        again.setPlacement({QRect(100, 50, 1000, 900), false, true});
        again.flush();
        QVERIFY(WindowSettings().placement()->fullScreen);
        again.setPlacement({QRect(0, 0, 4, 4), false, false});
        QVERIFY(!again.placement());
        qputenv("XDG_CONFIG_HOME", old);
    }

    // Qt's own buttons (a message box's) speak German, as the game does.
    void qtSpeaksGerman()
    {
        const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
        if (!QFileInfo::exists(qm))
            QSKIP("Qt's German translations (qt6-translations-l10n) are not installed");
        QVERIFY(loadQtGerman(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }
};

static const Register<HostTest> registered;

} // namespace gravok::ui::test

#include "host_test.moc"
