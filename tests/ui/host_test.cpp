// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's plumbing with a real game: errors end the program, dialogs live exactly
// as long as their form is open, the clock runs only when nothing holds it.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include "app/frm_haupt.h"
#include "test_forms.h"
#include "ui/clock_driver.h"
#include "ui/form_view.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
#include "ui/key_router.h"
#include "ui/layer.h"
#include "ui/name_box.h"
#include "ui/qt_platform.h"
#include "ui_tests.h"

namespace gravok::ui::test {
namespace {

// Replaces the error box and the real exit, and counts them.
struct QuietEnd {
    explicit QuietEnd(GameHost& host)
    {
        host.reportError = [this](const QString& m) { errors << m; };
        host.quit = [this] { ++quits; };
    }
    QStringList errors;
    int quits = 0;
};

// A dialog that closes on Escape and notes whether the clock stood still meanwhile.
class EscapeDialog : public LoggingForm {
public:
    explicit EscapeDialog(Game& game) : LoggingForm(200, 100), game_(game) {}
    void keyDown(int code, int shift) override
    {
        LoggingForm::keyDown(code, shift);
        clockHeld = clockHeld && game_.clock.held();
        if (code == 27)
            Unload();
    }
    bool clockHeld = true;

private:
    Game& game_;
};

// A key event as the window system sends it, through the application's filters.
void sendKey(QWidget* to, QEvent::Type type, Qt::Key key, const QString& text, bool autoRepeat = false,
             Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent event(type, key, mods, text, autoRepeat);
    QApplication::sendEvent(to, &event);
}

QRect formRect(const Layer& layer)
{
    return layer.view().geometry();
}

} // namespace

class HostTest : public QObject {
    Q_OBJECT
private slots:
    void gameErrorEndsTheProgram();
    void dialogLivesAsLongAsItsForm();
    void keysHeldBeforeALayerDoNotReachIt();
    void windowKeysEndTheProgramFromALayer_data();
    void windowKeysEndTheProgramFromALayer();
    void nameBox_data();
    void nameBox();
    void clockRunsOnlyWhenFree();
    void lookingAwayPausesTheGame_data();
    void lookingAwayPausesTheGame();
};

void HostTest::gameErrorEndsTheProgram()
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
// a resize of the window while it is open.
void HostTest::dialogLivesAsLongAsItsForm()
{
    Desktop d;
    d.window.resize(1280, 1152); // scale 2
    d.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.window));
    EscapeDialog dialog(d.game);
    dialog.Left = d.game.frmHaupt().Left + 3000; // 200 px from the main window's left
    dialog.Top = d.game.frmHaupt().Top + 1500;   // 100 px below its top
    QRect atScale2;
    QRect atScale3;
    bool layerOnTop = false;
    QTimer::singleShot(0, &d.window, [&] {
        Layer* layer = d.host.topLayer();
        QVERIFY(layer);
        layerOnTop = QApplication::activeModalWidget() == nullptr && layer->window() == &d.window;
        atScale2 = formRect(*layer);
        d.window.resize(1920, 1728);
        QApplication::processEvents();
        atScale3 = formRect(*layer);
        QTest::keyClick(&layer->view(), Qt::Key_Space);
        QTest::keyClick(&layer->view(), Qt::Key_Escape);
    });
    QTimer::singleShot(5000, &d.window, [&] { d.host.end(); }); // never hang on a failure
    d.host.call([&] { d.game.showModal(dialog); });
    QVERIFY(!d.host.ended());
    QVERIFY(layerOnTop);
    QCOMPARE(QString::fromStdString(dialog.joinedLog()), QStringLiteral("key 32|key 27"));
    QVERIFY(dialog.clockHeld);
    QVERIFY(!d.game.clock.held());
    QVERIFY(d.game.windows().empty());
    QVERIFY(!d.host.topLayer());
    QCOMPARE(atScale2, QRect(400, 200, 400, 200));
    QCOMPARE(atScale3, QRect(600, 300, 600, 300));
}

// Space held when the layer opens, and auto-repeat of any key, do not reach it; a fresh
// press after letting go does.
void HostTest::keysHeldBeforeALayerDoNotReachIt()
{
    Desktop d;
    d.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.window));
    QWidget* main = &d.window.view();
    sendKey(main, QEvent::KeyPress, Qt::Key_Space, " ");
    EscapeDialog dialog(d.game);
    QTimer::singleShot(0, &d.window, [&] {
        QWidget* view = &d.host.topLayer()->view();
        sendKey(view, QEvent::KeyPress, Qt::Key_Space, " ", true);
        sendKey(view, QEvent::KeyPress, Qt::Key_Space, " ");
        sendKey(view, QEvent::KeyPress, Qt::Key_Up, "", true);
        sendKey(view, QEvent::KeyRelease, Qt::Key_Space, " ");
        sendKey(view, QEvent::KeyPress, Qt::Key_Space, " ");
        sendKey(view, QEvent::KeyRelease, Qt::Key_Space, " ");
        sendKey(view, QEvent::KeyPress, Qt::Key_Escape, "");
    });
    QTimer::singleShot(5000, &d.window, [&] { d.host.end(); });
    d.host.call([&] { d.game.showModal(dialog); });
    QCOMPARE(QString::fromStdString(dialog.joinedLog()), QStringLiteral("key 32|key 27"));
}

void HostTest::windowKeysEndTheProgramFromALayer_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier);
    QTest::newRow("Alt+F4") << int(Qt::Key_F4) << int(Qt::AltModifier);
}

// Ctrl+Q and Alt+F4 end the program at once, also with a layer open; the game's call
// unwinds and the dialog never sees the key.
void HostTest::windowKeysEndTheProgramFromALayer()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Desktop d;
    d.window.show();
    EscapeDialog dialog(d.game);
    bool after = false;
    QTimer::singleShot(0, &d.window, [&] {
        sendKey(&d.host.topLayer()->view(), QEvent::KeyPress, Qt::Key(key), "", false,
                Qt::KeyboardModifiers(modifiers));
    });
    QTimer::singleShot(5000, &d.window, [&] { d.host.end(); });
    d.host.call([&] {
        d.game.showModal(dialog);
        after = true;
    });
    QVERIFY(d.host.ended());
    QCOMPARE(d.quits, 1);
    QVERIFY(!after);
    QVERIFY(d.errors.isEmpty());
    QCOMPARE(QString::fromStdString(dialog.joinedLog()), QString());
    QVERIFY(d.game.windows().empty());
}

void HostTest::nameBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("finish"); // enter, escape, ok, cancel: key or click
    QTest::addColumn<QString>("answer"); // "-" for none
    QTest::newRow("name given") << "Anna"
                                << "enter"
                                << "Anna";
    QTest::newRow("umlauts and sharp s") << "Jörg Süß"
                                         << "enter"
                                         << "Jörg Süß";
    QTest::newRow("backspace takes one back") << "Annax\b"
                                              << "enter"
                                              << "Anna";
    QTest::newRow("empty name") << ""
                                << "enter"
                                << "";
    QTest::newRow("escape") << "Anna"
                            << "escape"
                            << "-";
    QTest::newRow("OK clicked") << "Otto"
                                << "ok"
                                << "Otto";
    QTest::newRow("Abbrechen clicked") << "Otto"
                                       << "cancel"
                                       << "-";
}

void HostTest::nameBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, finish);
    QFETCH(QString, answer);
    Desktop d;
    d.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.window));
    bool heldWhileUp = false;
    QString title;
    QString prompt;
    QString startText;
    QString shown;
    QTimer::singleShot(0, &d.window, [&] {
        auto* layer = qobject_cast<NameLayer*>(d.host.topLayer());
        QVERIFY(layer);
        auto& box = static_cast<NameBoxForm&>(layer->form());
        heldWhileUp = d.game.clock.held();
        title = QString::fromStdString(box.lblTitel->Caption);
        prompt = QString::fromStdString(box.lblFrage->Caption);
        startText = box.text();
        QWidget* view = &layer->view();
        for (const QChar ch : typed) {
            if (ch == QLatin1Char('\b'))
                QTest::keyClick(view, Qt::Key_Backspace);
            else
                sendKey(view, QEvent::KeyPress, Qt::Key_unknown, QString(ch));
        }
        shown = QString::fromStdString(box.lblText->Caption);
        if (finish == "enter")
            QTest::keyClick(view, Qt::Key_Return);
        else if (finish == "escape")
            QTest::keyClick(view, Qt::Key_Escape);
        else {
            const Control& label = finish == "ok" ? *box.lblOK : *box.lblAbbrechen;
            const QPoint at(static_cast<int>((label.Left + label.Width / 2) / 15),
                            static_cast<int>((label.Top + label.Height / 2) / 15));
            QTest::mouseClick(view, Qt::LeftButton, {}, at);
        }
    });
    QTimer::singleShot(5000, &d.window, [&] { d.host.end(); });
    const auto got = d.platform.inputBox("Geben sie bitte ihren Namen ein:", "Namen?");
    QVERIFY(heldWhileUp);
    QVERIFY(!d.game.clock.held());
    QCOMPARE(title, QStringLiteral("Namen?"));
    QCOMPARE(prompt, QStringLiteral("Geben sie bitte ihren Namen ein:"));
    QCOMPARE(startText, QString());
    QVERIFY2(shown.startsWith(answer == "-" ? typed : answer), qPrintable(shown));
    QCOMPARE(got.has_value(), answer != "-");
    if (got)
        QCOMPARE(QString::fromStdString(*got), answer);
}

// The clock runs only while nothing holds it and stops with the host; with no timer
// running (paused) nothing wakes it, and the key that resumes starts it again.
void HostTest::clockRunsOnlyWhenFree()
{
    PlayingGame g;
    QCOMPARE(int(g.game.Start.Episode), 1);
    GameHost host(g.game);
    QuietEnd end(host);
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

    host.call([&] { g.game.frmHaupt().frmHaupt_Form_KeyDown(80, 0); });
    QCOMPARE(int(g.game.frmHaupt().Pausiert), 1);
    QVERIFY(stands());
    host.call([&] { g.game.frmHaupt().frmHaupt_Form_KeyDown(80, 0); });
    QCOMPARE(int(g.game.frmHaupt().Pausiert), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!stands(), 5000);
    QVERIFY2(end.errors.isEmpty(), qPrintable(end.errors.join('\n')));

    host.end();
    QCoreApplication::processEvents();
    QVERIFY(stands());
}

void HostTest::lookingAwayPausesTheGame_data()
{
    QTest::addColumn<bool>("minimise");
    QTest::newRow("focus went to another program") << false;
    QTest::newRow("window minimised") << true;
}

void HostTest::lookingAwayPausesTheGame()
{
    QFETCH(bool, minimise);
    PlayingGame g;
    GameHost host(g.game);
    QuietEnd end(host);
    GameWindow window(host, g.game.frmHaupt());
    FrmHaupt& haupt = g.game.frmHaupt();
    QCOMPARE(int(haupt.Pausiert), 0);

    if (minimise)
        window.setWindowState(Qt::WindowMinimized);
    else
        window.lookedAway();
    QCOMPARE(int(haupt.Pausiert), 1);
    QCOMPARE(QString::fromStdString(haupt.lblAnzeige->Caption), QStringLiteral("Pause!"));

    // Coming back changes nothing: P resumes, as after a pause by hand.
    window.setWindowState(Qt::WindowNoState);
    window.lookedAway();
    QCOMPARE(int(haupt.Pausiert), 1);
    host.call([&] { haupt.frmHaupt_Form_KeyDown(80, 0); });
    QCOMPARE(int(haupt.Pausiert), 0);
}

namespace {
const Register<HostTest> registered;
}

} // namespace gravok::ui::test

#include "host_test.moc"
