// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The small pure pieces of the window: the letterbox and the pacing of real time into
// game time.
#include <QTest>

#include "core/form.h"
#include "ui/clock_driver.h"
#include "ui/layer.h"
#include "ui/letterbox.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class PiecesTest : public QObject {
    Q_OBJECT
private slots:
    void letterbox_data();
    void letterbox();
    void layerPlace_data();
    void layerPlace();
    void pacing_data();
    void pacing();
    void pacingForgetsHeldTime();
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

// Twips as the dialogs' handlers set them: Left by the screen's width, Top by the main
// window's height.
void PiecesTest::layerPlace_data()
{
    QTest::addColumn<QPointF>("mainAt");     // main window's Left, Top
    QTest::addColumn<QPointF>("dialogAt");   // dialog's Left, Top
    QTest::addColumn<QSizeF>("dialogSize");  // its Width, Height
    QTest::addColumn<QPointF>("place");      // form pixels in the main form
    QTest::newRow("frmNeu on a 1920 px screen") << QPointF(9600, 0) << QPointF(12135, 2512.5)
                                                << QSizeF(4530, 3615) << QPointF(169, 167.5);
    QTest::newRow("same on a 1280 px screen") << QPointF(4800, 0) << QPointF(7335, 2512.5) << QSizeF(4530, 3615)
                                              << QPointF(169, 167.5);
    QTest::newRow("main window moved down") << QPointF(9600, 1500) << QPointF(12135, 4012.5)
                                            << QSizeF(4530, 3615) << QPointF(169, 167.5);
    QTest::newRow("left of the window is kept inside") << QPointF(9600, 0) << QPointF(0, 2512.5)
                                                       << QSizeF(4530, 3615) << QPointF(0, 167.5);
    QTest::newRow("below the window is kept inside") << QPointF(0, 0) << QPointF(1500, 9000) << QSizeF(4530, 3615)
                                                     << QPointF(100, 335);
    QTest::newRow("bigger than the window sits at its corner") << QPointF(0, 0) << QPointF(-300, -300)
                                                               << QSizeF(12000, 9000) << QPointF(0, 0);
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
