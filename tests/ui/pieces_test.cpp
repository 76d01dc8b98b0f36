// The small pure pieces of the window: key codes, the letterbox, fonts, the pacing of
// real time into game time.
#include <QTest>

#include "ui/clock_driver.h"
#include "ui/fonts.h"
#include "ui/key_map.h"
#include "ui/letterbox.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class PiecesTest : public QObject {
    Q_OBJECT
private slots:
    void virtualKeys_data();
    void virtualKeys();
    void letterbox_data();
    void letterbox();
    void fonts_data();
    void fonts();
    void pacing_data();
    void pacing();
    void pacingForgetsHeldTime();
};

void PiecesTest::virtualKeys_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("code"); // -1: the game never sees it
    QTest::newRow("F1") << int(Qt::Key_F1) << 112;
    QTest::newRow("F2") << int(Qt::Key_F2) << 113;
    QTest::newRow("F4") << int(Qt::Key_F4) << 115;
    QTest::newRow("F12") << int(Qt::Key_F12) << 123;
    QTest::newRow("F13") << int(Qt::Key_F13) << -1;
    QTest::newRow("Left") << int(Qt::Key_Left) << 37;
    QTest::newRow("Up") << int(Qt::Key_Up) << 38;
    QTest::newRow("Right") << int(Qt::Key_Right) << 39;
    QTest::newRow("Down") << int(Qt::Key_Down) << 40;
    QTest::newRow("Space") << int(Qt::Key_Space) << 32;
    QTest::newRow("Return") << int(Qt::Key_Return) << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 27;
    QTest::newRow("A") << int(Qt::Key_A) << 65;
    QTest::newRow("P") << int(Qt::Key_P) << 80;
    QTest::newRow("Z") << int(Qt::Key_Z) << 90;
    QTest::newRow("0") << int(Qt::Key_0) << 48;
    QTest::newRow("9") << int(Qt::Key_9) << 57;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << -1;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << -1;
    QTest::newRow("umlaut") << int(Qt::Key_Adiaeresis) << -1;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << -1;
}

void PiecesTest::virtualKeys()
{
    QFETCH(int, qtKey);
    QFETCH(int, code);
    QCOMPARE(virtualKey(qtKey).value_or(-1), code);
}

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

void PiecesTest::fonts_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::newRow("standard dialog font") << "" << 8.25 << 1.0 << "Liberation Sans" << 11;
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << 9.75 << 1.0 << "Liberation Sans" << 13;
    QTest::newRow("Arial big message") << "Arial" << 90.0 << 1.0 << "Liberation Sans" << 120;
    QTest::newRow("Courier New list") << "Courier New" << 12.0 << 1.0 << "Liberation Mono" << 16;
    QTest::newRow("Courier score") << "Courier" << 9.75 << 1.0 << "Liberation Mono" << 13;
    QTest::newRow("doubled") << "Arial" << 20.25 << 2.0 << "Liberation Sans" << 54;
    QTest::newRow("shrunk") << "Courier New" << 15.75 << 0.5 << "Liberation Mono" << 11;
}

void PiecesTest::fonts()
{
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(double, scale);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    const Font model{face.toStdString(), static_cast<float>(points), true, false, true};
    const QFont f = qtFont(model, scale);
    QCOMPARE(f.family(), family);
    QCOMPARE(f.pixelSize(), pixels);
    QVERIFY(f.bold());
    QVERIFY(!f.italic());
    QVERIFY(f.underline());
    // The face really is there, not a fallback.
    QCOMPARE(QFontInfo(f).family(), family);
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

void PiecesTest::pacingForgetsHeldTime()
{
    RealTimePacer pacer;
    pacer.restart(0);
    QCOMPARE(pacer.take(20'000'000), 20);
    pacer.restart(3'000'000'000); // three seconds behind a dialog
    QCOMPARE(pacer.take(3'050'000'000), 50);
}

namespace {
const Register<PiecesTest> registered;
}

} // namespace gravok::ui::test

#include "pieces_test.moc"
