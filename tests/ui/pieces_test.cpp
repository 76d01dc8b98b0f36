// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The small pure pieces of the window: the letterbox, the pacing of real time into game
// time and the key codes the handlers receive.
#include <QTest>

#include "ui/clock_driver.h"
#include "ui/key_map.h"
#include "ui/letterbox.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class PiecesTest : public QObject {
    Q_OBJECT
private slots:
    void letterbox_data();
    void letterbox();
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
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPointF>("origin");
    QTest::newRow("exact fit") << QSizeF(640, 576) << 1.0 << QPointF(0, 0);
    QTest::newRow("doubled") << QSizeF(1280, 1152) << 2.0 << QPointF(0, 0);
    QTest::newRow("bars both ways") << QSizeF(1400, 1200) << 2.0 << QPointF(60, 24);
    QTest::newRow("full HD keeps whole pixels") << QSizeF(1920, 1080) << 1.0 << QPointF(640, 252);
    QTest::newRow("just short of triple") << QSizeF(1919, 1727) << 2.0 << QPointF(319, 287);
    QTest::newRow("half size") << QSizeF(320, 288) << 0.5 << QPointF(0, 0);
    QTest::newRow("narrow shrinks") << QSizeF(500, 576) << 500.0 / 640.0 << QPointF(0, 63);
}

void PiecesTest::letterbox()
{
    QFETCH(QSizeF, area);
    QFETCH(double, scale);
    QFETCH(QPointF, origin);
    const Letterbox box = fitLetterbox(area, QSizeF(640, 576));
    QCOMPARE(box.scale, scale);
    QCOMPARE(box.origin, origin);
    // The form's corners land inside the area, and map back.
    const QPointF far = box.toWidget(QPointF(640, 576));
    QVERIFY(far.x() <= area.width() && far.y() <= area.height());
    QCOMPARE(box.toForm(far), QPointF(640, 576));
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
        {"F1", {Qt::Key_F1, 112}},       {"F2", {Qt::Key_F2, 113}},         {"F4", {Qt::Key_F4, 115}},
        {"F12", {Qt::Key_F12, 123}},     {"A", {Qt::Key_A, 65}},            {"P", {Qt::Key_P, 80}},
        {"Z", {Qt::Key_Z, 90}},          {"0", {Qt::Key_0, 48}},            {"9", {Qt::Key_9, 57}},
        {"Left", {Qt::Key_Left, 37}},    {"Up", {Qt::Key_Up, 38}},          {"Right", {Qt::Key_Right, 39}},
        {"Down", {Qt::Key_Down, 40}},    {"Space", {Qt::Key_Space, 32}},    {"Return", {Qt::Key_Return, 13}},
        {"Enter", {Qt::Key_Enter, 13}},  {"Escape", {Qt::Key_Escape, 27}}, {"Shift", {Qt::Key_Shift, -1}},
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
