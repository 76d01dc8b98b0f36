// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's plumbing with a real game: errors end the program, dialogs live exactly
// as long as their form is open, the clock runs only when nothing holds it.
#include <QApplication>
#include <QInputDialog>
#include <QTest>
#include <QTimer>

#include "app/frm_haupt.h"
#include "test_forms.h"
#include "ui/clock_driver.h"
#include "ui/form_view.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
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

// The real desktop of the program, over a window that is never shown to anyone.
struct Desktop {
    QtPlatform platform;
    Game game{platform};
    GameHost host{game};
    QuietEnd end{host};
    GameWindow window{host, game.frmHaupt()};
    Desktop() { platform.attach(game, host, window); }
};

} // namespace

class HostTest : public QObject {
    Q_OBJECT
private slots:
    void gameErrorEndsTheProgram();
    void dialogLivesAsLongAsItsForm();
    void inputBoxHoldsTheClock_data();
    void inputBoxHoldsTheClock();
    void clockRunsOnlyWhenFree();
    void pausedGameLetsTheClockSleep();
    void lookingAwayPausesTheGame_data();
    void lookingAwayPausesTheGame();
    void arrowKeysMoveTheOptionChoice();
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

void HostTest::dialogLivesAsLongAsItsForm()
{
    Desktop d;
    d.window.resize(1280, 1152); // scale 2
    d.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.window));
    EscapeDialog dialog(d.game);
    dialog.Left = 3000; // its centre 300 px from the screen's left edge
    dialog.Top = 1500;  // 100 px below the field's top
    QSize shownSize;
    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        shownSize = modal->size();
        shownAt = modal->pos();
        QTest::keyClick(modal, Qt::Key_Space);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTimer::singleShot(5000, [&] { d.host.end(); }); // never hang on a failure
    d.host.call([&] { d.game.showModal(dialog); });
    QVERIFY(!d.host.ended());
    QCOMPARE(QString::fromStdString(dialog.joinedLog()), QStringLiteral("key 32|key 27"));
    QVERIFY(dialog.clockHeld);
    QVERIFY(!d.game.clock.held());
    QVERIFY(d.game.windows().empty());
    QCOMPARE(shownSize, QSize(400, 200));
    const QRect screen = d.window.screen()->geometry();
    QCOMPARE(shownAt.x(), screen.x() + 300 - 200);
    QCOMPARE(shownAt.y(), d.window.view().mapToGlobal(QPoint(0, 0)).y() + 200);
}

void HostTest::inputBoxHoldsTheClock_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::newRow("name given") << true << "Anna";
    QTest::newRow("empty name") << true << "";
    QTest::newRow("cancelled") << false << "Anna";
}

void HostTest::inputBoxHoldsTheClock()
{
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    Desktop d;
    bool heldWhileUp = false;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        heldWhileUp = d.game.clock.held();
        title = box->windowTitle();
        box->setTextValue(typed);
        accept ? box->accept() : box->reject();
    });
    const auto answer = d.platform.inputBox("Name?", "Highscore");
    QVERIFY(heldWhileUp);
    QVERIFY(!d.game.clock.held());
    QCOMPARE(title, QStringLiteral("Highscore"));
    QCOMPARE(answer.has_value(), accept);
    if (accept)
        QCOMPARE(QString::fromStdString(*answer), typed);
}

void HostTest::clockRunsOnlyWhenFree()
{
    PlayingGame g;
    QCOMPARE(int(g.game.Start.Episode), 1);
    GameHost host(g.game);
    QuietEnd end(host);
    ClockDriver driver(host, g.game.clock);
    driver.start();
    QTRY_VERIFY_WITH_TIMEOUT(g.game.clock.now() >= 200, 5000);
    QVERIFY2(end.errors.isEmpty(), qPrintable(end.errors.join('\n')));

    g.game.clock.hold();
    const auto frozen = g.game.clock.now();
    QTest::qWait(60);
    QCOMPARE(g.game.clock.now(), frozen);
    g.game.clock.release();
    QTRY_VERIFY_WITH_TIMEOUT(g.game.clock.now() > frozen, 5000);

    host.end();
    QCoreApplication::processEvents();
    const auto stopped = g.game.clock.now();
    QTest::qWait(60);
    QCOMPARE(g.game.clock.now(), stopped);
}

// With no timer running nothing wakes the clock; the key that resumes starts it again.
void HostTest::pausedGameLetsTheClockSleep()
{
    PlayingGame g;
    GameHost host(g.game);
    QuietEnd end(host);
    ClockDriver driver(host, g.game.clock);
    driver.start();
    host.call([&] { g.game.frmHaupt().frmHaupt_Form_KeyDown(80, 0); });
    QCOMPARE(int(g.game.frmHaupt().Pausiert), 1);
    const auto paused = g.game.clock.now();
    QTest::qWait(120);
    QCOMPARE(g.game.clock.now(), paused);

    host.call([&] { g.game.frmHaupt().frmHaupt_Form_KeyDown(80, 0); });
    QCOMPARE(int(g.game.frmHaupt().Pausiert), 0);
    QTRY_VERIFY_WITH_TIMEOUT(g.game.clock.now() >= paused + 100, 5000);
    QVERIFY2(end.errors.isEmpty(), qPrintable(end.errors.join('\n')));
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

// Through the key router, as the keyboard and the pad's D-pad both come: the dialog sees
// the arrow first, then the choice moves by a click on the option, as the mouse's.
void HostTest::arrowKeysMoveTheOptionChoice()
{
    Desktop d;
    d.window.resize(640, 576);
    d.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.window));
    EscapeDialog dialog(d.game);
    Control* options[3];
    for (int i = 0; i < 3; ++i)
        options[i] = &dialog.add(pixelControl(ControlKind::OptionButton, "opt" + std::to_string(i + 1), 10, 10 + 30 * i, 150, 20));
    options[0]->Value = true;
    bool chosen[3] = {};
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QTest::keyClick(modal, Qt::Key_Down);
        QTest::keyClick(modal, Qt::Key_Down);
        QTest::keyClick(modal, Qt::Key_Right);   // round to the first
        QTest::keyClick(modal, Qt::Key_Up);
        for (int i = 0; i < 3; ++i)
            chosen[i] = options[i]->Value;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTimer::singleShot(5000, [&] { d.host.end(); });
    d.host.call([&] { d.game.showModal(dialog); });
    QVERIFY(!d.host.ended());
    QCOMPARE(QString::fromStdString(dialog.joinedLog()),
             QStringLiteral("key 40|down opt2|up opt2|click opt2|key 40|down opt3|up opt3|click opt3|"
                            "key 39|down opt1|up opt1|click opt1|key 38|down opt3|up opt3|click opt3|key 27"));
    QVERIFY(!chosen[0] && !chosen[1] && chosen[2]);
}

namespace {
const Register<HostTest> registered;
}

} // namespace gravok::ui::test

#include "host_test.moc"
