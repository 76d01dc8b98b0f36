// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The small pure pieces of the window: the letterbox, the pacing of real time into game
// time and the key codes the handlers receive.
#include <algorithm>

#include <QMessageBox>
#include <QTemporaryDir>
#include <tuple>
#include <QTest>

#include "core/form.h"
#include "ui/clock_driver.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
#include "ui/key_map.h"
#include "ui/layer.h"
#include "ui/letterbox.h"
#include "ui/window_settings.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class PiecesTest : public QObject {
    Q_OBJECT
private slots:
    void letterbox_data();
    void letterbox();
    void openingSize_data();
    void openingSize();
    void fullScreenKeys_data();
    void fullScreenKeys();
    void settingsKeepThePlacement();
    void messageBoxEndsOnQuitKeys();
    void layerPlace_data();
    void layerPlace();
    void pacing_data();
    void pacing();
    void pacingForgetsHeldTime();
    void keyCodes_data();
    void keyCodes();
    void padKeysAreKeysTheGameKnows();
};

void PiecesTest::letterbox_data()
{
    QTest::addColumn<QSizeF>("area");
    QTest::addColumn<double>("dpr");
    QTest::addColumn<double>("deviceScale");
    QTest::addColumn<QPointF>("deviceOrigin");
    QTest::newRow("exact fit") << QSizeF(640, 576) << 1.0 << 1.0 << QPointF(0, 0);
    QTest::newRow("doubled") << QSizeF(1280, 1152) << 1.0 << 2.0 << QPointF(0, 0);
    QTest::newRow("bars both ways") << QSizeF(1400, 1200) << 1.0 << 1200.0 / 576 << QPointF(33, 0);
    QTest::newRow("full HD fills the height") << QSizeF(1920, 1080) << 1.0 << 1.875 << QPointF(360, 0);
    QTest::newRow("4K fills the height") << QSizeF(3840, 2160) << 1.0 << 3.75 << QPointF(720, 0);
    QTest::newRow("4K at 200 %") << QSizeF(1920, 1080) << 2.0 << 3.75 << QPointF(720, 0);
    QTest::newRow("odd bar goes down") << QSizeF(1921, 1080) << 1.0 << 1.875 << QPointF(360, 0);
    QTest::newRow("width limits") << QSizeF(960, 1080) << 1.0 << 1.5 << QPointF(0, 108);
    QTest::newRow("half size") << QSizeF(320, 288) << 1.0 << 0.5 << QPointF(0, 0);
    QTest::newRow("fractional ratio") << QSizeF(1536, 864) << 1.25 << 1.875 << QPointF(360, 0);
}

// The form fills the area's height or width to the device pixel, centred on a whole
// device pixel.
void PiecesTest::letterbox()
{
    QFETCH(QSizeF, area);
    QFETCH(double, dpr);
    QFETCH(double, deviceScale);
    QFETCH(QPointF, deviceOrigin);
    const Letterbox box = fitLetterbox(area, QSizeF(640, 576), dpr);
    QCOMPARE(box.deviceScale(), deviceScale);
    QCOMPARE(box.deviceOrigin(), deviceOrigin);
    const QPointF far = box.toWidget(QPointF(640, 576));
    QVERIFY(far.x() <= area.width() + 1e-9 && far.y() <= area.height() + 1e-9);
    const double slackX = area.width() * dpr - 640 * deviceScale;
    const double slackY = area.height() * dpr - 576 * deviceScale;
    QVERIFY(std::min(slackX, slackY) < 1.0);
    QCOMPARE(box.toForm(far), QPointF(640, 576));
}

void PiecesTest::openingSize_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("size");
    QTest::newRow("room enough") << QSize(1920, 1040) << QSize(640, 576);
    QTest::newRow("just fits") << QSize(640, 576) << QSize(640, 576);
    QTest::newRow("1080p at 200 %") << QSize(960, 520) << QSize(577, 520);
    QTest::newRow("narrow") << QSize(480, 1000) << QSize(480, 432);
}

void PiecesTest::fullScreenKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("toggles");
    QTest::newRow("F11") << int(Qt::Key_F11) << int(Qt::NoModifier) << true;
    QTest::newRow("Alt+Enter") << int(Qt::Key_Return) << int(Qt::AltModifier) << true;
    QTest::newRow("Alt+keypad Enter") << int(Qt::Key_Enter) << int(Qt::AltModifier | Qt::KeypadModifier) << true;
    QTest::newRow("Enter alone is the game's") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    QTest::newRow("Ctrl+Alt+Enter") << int(Qt::Key_Return) << int(Qt::AltModifier | Qt::ControlModifier) << false;
    QTest::newRow("Shift+F11") << int(Qt::Key_F11) << int(Qt::ShiftModifier) << false;
    QTest::newRow("F1 is help") << int(Qt::Key_F1) << int(Qt::NoModifier) << false;
}

// A message box beside the game ends the program on Ctrl+Q and Alt+F4, as the window does.
void PiecesTest::messageBoxEndsOnQuitKeys()
{
    for (const auto& [key, modifiers, ends] :
         {std::tuple{Qt::Key_Q, Qt::ControlModifier, true}, std::tuple{Qt::Key_F4, Qt::AltModifier, true},
          std::tuple{Qt::Key_Q, Qt::NoModifier, false}}) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Gravok"), QStringLiteral("Nachricht"));
        int ended = 0;
        endOnQuitKeys(box, [&ended] { ++ended; });
        box.show();
        QTest::keyClick(&box, key, modifiers);
        QCOMPARE(ended, ends ? 1 : 0);
        QCOMPARE(box.isVisible(), !ends);
    }
}

void PiecesTest::fullScreenKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, toggles);
    QCOMPARE(isFullScreenKey(key, Qt::KeyboardModifiers(modifiers)), toggles);
}

// What one run keeps, the next finds; a file without a usable size is a first start.
void PiecesTest::settingsKeepThePlacement()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("gravok/gravok.conf"));
    {
        WindowSettings fresh(file);
        QVERIFY(!fresh.placement());
        fresh.setPlacement({QRect(100, 50, 1000, 900), true, true});
        fresh.setValue(QStringLiteral("sound/muted"), true);
        fresh.flush();
    }
    WindowSettings again(file);
    const auto kept = again.placement();
    QVERIFY(kept);
    QCOMPARE(kept->normal, QRect(100, 50, 1000, 900));
    QVERIFY(kept->maximized);
    QVERIFY(kept->fullScreen);
    QCOMPARE(again.value(QStringLiteral("sound/muted")).toBool(), true);
    again.setPlacement({QRect(0, 0, 4, 4), false, false});
    QVERIFY(!again.placement());
}

// A window never opens larger than the screen's free area.
void PiecesTest::openingSize()
{
    QFETCH(QSize, available);
    QFETCH(QSize, size);
    QCOMPARE(gravok::ui::openingSize(QSize(640, 576), available), size);
}

// Twips as the dialogs' handlers set them: Left by the screen's width, Top by the main
// window's height.
void PiecesTest::layerPlace_data()
{
    QTest::addColumn<QPointF>("mainAt");    // main window's Left, Top
    QTest::addColumn<QPointF>("dialogAt");  // dialog's Left, Top
    QTest::addColumn<QSizeF>("dialogSize"); // its Width, Height
    QTest::addColumn<QPointF>("place");     // form pixels in the main form
    QTest::newRow("frmNeu on a 1920 px screen")
        << QPointF(9600, 0) << QPointF(12135, 2512.5) << QSizeF(4530, 3615) << QPointF(169, 167.5);
    QTest::newRow("same on a 1280 px screen")
        << QPointF(4800, 0) << QPointF(7335, 2512.5) << QSizeF(4530, 3615) << QPointF(169, 167.5);
    QTest::newRow("main window moved down")
        << QPointF(9600, 1500) << QPointF(12135, 4012.5) << QSizeF(4530, 3615) << QPointF(169, 167.5);
    QTest::newRow("left of the window is kept inside")
        << QPointF(9600, 0) << QPointF(0, 2512.5) << QSizeF(4530, 3615) << QPointF(0, 167.5);
    QTest::newRow("below the window is kept inside")
        << QPointF(0, 0) << QPointF(1500, 9000) << QSizeF(4530, 3615) << QPointF(100, 335);
    QTest::newRow("bigger than the window sits at its corner")
        << QPointF(0, 0) << QPointF(-300, -300) << QSizeF(12000, 9000) << QPointF(0, 0);
}

void PiecesTest::layerPlace()
{
    QFETCH(QPointF, mainAt);
    QFETCH(QPointF, dialogAt);
    QFETCH(QSizeF, dialogSize);
    QFETCH(QPointF, place);
    Form main("frmHaupt");
    main.Width = 9600;
    main.Height = 8640;
    main.Left = static_cast<float>(mainAt.x());
    main.Top = static_cast<float>(mainAt.y());
    Form dialog("frmTest");
    dialog.Left = static_cast<float>(dialogAt.x());
    dialog.Top = static_cast<float>(dialogAt.y());
    dialog.Width = static_cast<float>(dialogSize.width());
    dialog.Height = static_cast<float>(dialogSize.height());
    QCOMPARE(ui::layerPlace(dialog, main), place);
}

void PiecesTest::pacing_data()
{
    QTest::addColumn<QList<double>>("readingsMs");
    QTest::addColumn<QList<int>>("advances");
    QTest::newRow("whole milliseconds") << QList<double>{5, 15, 65} << QList<int>{5, 10, 50};
    QTest::newRow("fractions carry over") << QList<double>{0.6, 1.2, 1.8, 2.4, 3.0} << QList<int>{0, 1, 0, 1, 1};
    QTest::newRow("60 Hz frames add up") << QList<double>{16.7, 33.4, 50.1} << QList<int>{16, 17, 17};
    QTest::newRow("stall is capped") << QList<double>{10, 5010, 5026} << QList<int>{10, 100, 16};
    QTest::newRow("cap is not exceeded") << QList<double>{100.9, 201.8} << QList<int>{100, 100};
}

void PiecesTest::pacing()
{
    QFETCH(QList<double>, readingsMs);
    QFETCH(QList<int>, advances);
    RealTimePacer pacer;
    pacer.restart(0);
    QList<int> got;
    for (double ms : readingsMs)
        got << static_cast<int>(pacer.take(static_cast<std::int64_t>(ms * 1e6)));
    QCOMPARE(got, advances);
}

// The codes are the handlers' own numbers, written out so that a changed constant shows.
void PiecesTest::keyCodes_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("code"); // -1: the game never sees it
    const std::pair<const char*, std::pair<int, int>> rows[] = {
        {"F1", {Qt::Key_F1, 112}},      {"F2", {Qt::Key_F2, 113}},        {"F4", {Qt::Key_F4, 115}},
        {"F12", {Qt::Key_F12, 123}},    {"A", {Qt::Key_A, 65}},           {"P", {Qt::Key_P, 80}},
        {"Z", {Qt::Key_Z, 90}},         {"0", {Qt::Key_0, 48}},           {"9", {Qt::Key_9, 57}},
        {"Left", {Qt::Key_Left, 37}},   {"Up", {Qt::Key_Up, 38}},         {"Right", {Qt::Key_Right, 39}},
        {"Down", {Qt::Key_Down, 40}},   {"Space", {Qt::Key_Space, 32}},   {"Return", {Qt::Key_Return, 13}},
        {"Enter", {Qt::Key_Enter, 13}}, {"Escape", {Qt::Key_Escape, 27}}, {"Shift", {Qt::Key_Shift, -1}},
        {"F13", {Qt::Key_F13, -1}}};
    for (const auto& [name, row] : rows)
        QTest::newRow(name) << row.first << row.second;
}

void PiecesTest::keyCodes()
{
    QFETCH(int, qtKey);
    QFETCH(int, code);
    QCOMPARE(virtualKey(qtKey).value_or(-1), code);
}

void PiecesTest::pacingForgetsHeldTime()
{
    RealTimePacer pacer;
    pacer.restart(0);
    QCOMPARE(pacer.take(20'000'000), 20);
    pacer.restart(3'000'000'000); // three seconds behind a dialog
    QCOMPARE(pacer.take(3'050'000'000), 50);
}

// The pad's keys go out as Qt keys and must come back as the same codes.
void PiecesTest::padKeysAreKeysTheGameKnows()
{
    for (const int code : {13, 27, 32, 37, 38, 39, 40, 80, 112, 113, 115}) {
        const auto key = qtKeyFor(code);
        QVERIFY2(key.has_value(), qPrintable(QString::number(code)));
        QCOMPARE(virtualKey(key->key), std::optional<int>(code));
    }
    QVERIFY(!qtKeyFor(65).has_value());
}

namespace {
const Register<PiecesTest> registered;
}

} // namespace gravok::ui::test

#include "pieces_test.moc"
