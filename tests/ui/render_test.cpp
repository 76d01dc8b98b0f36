// What the views draw, checked on real pixels of offscreen renders.
#include <functional>

#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "app/frm_haupt.h"
#include "episodes/frm_neu.h"
#include "test_forms.h"
#include "ui/picture_cache.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class RenderTest : public QObject {
    Q_OBJECT
private slots:
    void damageSegments_data();
    void damageSegments();
    void fieldAndSeparatingLine();
    void shapesAndFrames_data();
    void shapesAndFrames();
    void hiddenControlsAreNotDrawn();
    void bitmapPixelForPixel_data();
    void bitmapPixelForPixel();
    void fieldClipsItsImages();
    void frameClipsNegativeTops();
    void labelAlignmentAndClipping_data();
    void labelAlignmentAndClipping();
    void optionButtonsFollowTheModel();
    void listBoxFollowsTheModel();
    void repaintsOnlyWhatChanged();

private:
    PictureCache pictures_;
};

void RenderTest::damageSegments_data()
{
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");
    const QSize one(640, 576);
    QTest::newRow("light green") << one << 1.0 << QPoint() << 0 << QColor(0xC0FFC0);
    QTest::newRow("light yellow") << one << 1.0 << QPoint() << 7 << QColor(0xFFFF80);
    QTest::newRow("red") << one << 1.0 << QPoint() << 14 << QColor(0xFF0000);
    QTest::newRow("doubled dark green") << QSize(1280, 1152) << 2.0 << QPoint() << 5 << QColor(0x004000);
    QTest::newRow("doubled red") << QSize(1280, 1152) << 2.0 << QPoint() << 14 << QColor(0xFF0000);
    QTest::newRow("letterboxed") << QSize(1400, 1200) << 2.0 << QPoint(60, 24) << 14 << QColor(0xFF0000);
    QTest::newRow("half size") << QSize(320, 288) << 0.5 << QPoint() << 17 << QColor(0x400000);
}

// Segment i sits in fraSchaden (3360, 7320) at (240 + 240 i, 240), 135 × 255 twips.
void RenderTest::damageSegments()
{
    QFETCH(QSize, widget);
    QFETCH(double, scale);
    QFETCH(QPoint, origin);
    QFETCH(int, index);
    QFETCH(QColor, colour);
    StartedGame g;
    for (int i = 0; i <= 17; ++i)
        QVERIFY(g.game.frmHaupt().spe(i)->Visible);
    FormView view(g.game.frmHaupt(), pictures_);
    const QImage img = renderAt(view, widget);
    const double centreX = (3360 + 240 + 240 * index + 135 / 2.0) / 15.0;
    const double centreY = (7320 + 240 + 255 / 2.0) / 15.0;
    const QPoint centre = QPointF(origin.x() + centreX * scale, origin.y() + centreY * scale).toPoint();
    QCOMPARE(img.pixelColor(centre), colour);
    // The gap to the next segment is black: the segment is no wider than it should be.
    QVERIFY(isBlack(img, centre.x() + static_cast<int>(8 * scale), centre.y()));
    // The letterbox bars are black.
    QVERIFY(isBlack(img, 0, widget.height() - 1));
}

void RenderTest::fieldAndSeparatingLine()
{
    StartedGame g;
    FormView view(g.game.frmHaupt(), pictures_);
    const QImage img = renderAt(view, {640, 576});
    for (const QPoint p : {QPoint(160, 360), QPoint(600, 100), QPoint(320, 240), QPoint(20, 20)})
        QVERIFY2(isBlack(img, p.x(), p.y()), qPrintable(QStringLiteral("field at %1,%2").arg(p.x()).arg(p.y())));
    for (int x : {0, 320, 639})
        QCOMPARE(img.pixelColor(x, 480), QColor(Qt::white));
    QVERIFY(isBlack(img, 320, 479));
    QVERIFY(isBlack(img, 320, 481));
}

void RenderTest::shapesAndFrames_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("lit");
    // Shape1, a circle in (16, 496) 41 × 41: on the ring, and inside the box's corner.
    QTest::newRow("ring top") << QPoint(36, 496) << true;
    QTest::newRow("ring left") << QPoint(16, 516) << true;
    QTest::newRow("ring box corner") << QPoint(18, 498) << false;
    // Shape3, an oval in (392, 539) 65 × 25.
    QTest::newRow("oval left") << QPoint(392, 551) << true;
    QTest::newRow("oval top") << QPoint(424, 539) << true;
    QTest::newRow("oval box corner") << QPoint(394, 541) << false;
    // fraTempo (104, 488) 89 × 41: a one-pixel border, black inside.
    QTest::newRow("frame left edge") << QPoint(104, 520) << true;
    QTest::newRow("frame bottom edge") << QPoint(150, 528) << true;
    QTest::newRow("frame inside") << QPoint(106, 520) << false;
}

void RenderTest::shapesAndFrames()
{
    QFETCH(QPoint, at);
    QFETCH(bool, lit);
    StartedGame g;
    FormView view(g.game.frmHaupt(), pictures_);
    const QImage img = renderAt(view, {640, 576});
    QCOMPARE(isBright(img, at.x(), at.y()), lit);
}

void RenderTest::hiddenControlsAreNotDrawn()
{
    StartedGame g;
    FrmHaupt& haupt = g.game.frmHaupt();
    FormView view(haupt, pictures_);
    haupt.spe(3)->Visible = false;
    QImage img = renderAt(view, {640, 576});
    QVERIFY(isBlack(img, 292, 512)); // spe(3)
    QVERIFY(!isBlack(img, 308, 512)); // spe(4)
    // A hidden frame takes its controls with it.
    haupt.fraSchaden->Visible = false;
    img = renderAt(view, {640, 576});
    QVERIFY(allBlack(img, QRect(224, 488, 313, 41)));
}

void RenderTest::bitmapPixelForPixel_data()
{
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("1x") << QSize(640, 576) << 1 << QPoint();
    QTest::newRow("2x") << QSize(1280, 1152) << 2 << QPoint();
    QTest::newRow("3x letterboxed") << QSize(2000, 1800) << 3 << QPoint(40, 36);
}

// imgShuttle at (4372, 3172) twips: the bitmap at its own size, black pixels included,
// each pixel a sharp block when scaled.
void RenderTest::bitmapPixelForPixel()
{
    QFETCH(QSize, widget);
    QFETCH(int, scale);
    QFETCH(QPoint, origin);
    StartedGame g;
    g.game.frmHaupt().imgShuttle->setPicture(1);
    FormView view(g.game.frmHaupt(), pictures_);
    const QImage img = renderAt(view, widget);
    const QImage expected = bitmap(1, scale);
    QVERIFY(!expected.isNull());
    const QRect at(origin + QPoint(4372 / 15, 3172 / 15) * scale, expected.size());
    QCOMPARE(img.copy(at), expected);
    QVERIFY(isBlack(img, at.left() - 1, at.center().y()));
    QVERIFY(isBlack(img, at.right() + 1, at.center().y()));
}

// A gravok half over the field's bottom edge shows only its upper half.
void RenderTest::fieldClipsItsImages()
{
    StartedGame g;
    Control& gravok = *g.game.frmHaupt().imgGravok(1);
    gravok.setPicture(101);
    gravok.Left = 0;
    gravok.Top = 6960;
    FormView view(g.game.frmHaupt(), pictures_);
    const QImage img = renderAt(view, {640, 576});
    const QImage rock = bitmap(101);
    QVERIFY(!allBlack(rock, QRect(0, 17, 32, 15))); // there is something to clip
    QCOMPARE(img.copy(0, 464, 32, 16), rock.copy(0, 0, 32, 16));
    QVERIFY(allBlack(img, QRect(0, 481, 32, 15)));
}

// Shots and the heart wait at negative tops above the field: nothing of them shows above
// their frame.
void RenderTest::frameClipsNegativeTops()
{
    LoggingForm form(400, 400);
    Control* frame = &form.add(pixelControl(ControlKind::Frame, "fraFeld", 100, 100, 200, 200));
    Control& above = form.add(pixelControl(ControlKind::Image, "imgOben", 20, -16, 0, 0), frame);
    above.setPicture(101);
    Control& corner = form.add(pixelControl(ControlKind::Image, "imgEcke", 192, 192, 0, 0), frame);
    corner.setPicture(101);
    FormView view(form, pictures_);
    const QImage img = renderAt(view, {400, 400});
    const QImage rock = bitmap(101);
    QVERIFY(!allBlack(rock, QRect(0, 0, 32, 16)));
    QVERIFY(allBlack(img, QRect(120, 84, 32, 16)));
    QCOMPARE(img.copy(120, 100, 32, 16), rock.copy(0, 16, 32, 16));
    QCOMPARE(img.copy(292, 292, 8, 8), rock.copy(0, 0, 8, 8));
    QVERIFY(allBlack(img, QRect(300, 292, 24, 32)));
    QVERIFY(allBlack(img, QRect(292, 300, 32, 24)));
}

void RenderTest::labelAlignmentAndClipping_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("inkFrom"); // lit columns must lie in [inkFrom, inkTo]
    QTest::addColumn<int>("inkTo");
    QTest::newRow("left") << int(Align::Left) << "Ab" << 50 << 70;
    QTest::newRow("centred") << int(Align::Center) << "Ab" << 140 << 160;
    QTest::newRow("right") << int(Align::Right) << "Ab" << 230 << 249;
    QTest::newRow("clipped to its box") << int(Align::Left) << "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW" << 50 << 249;
}

// A 200-pixel label at (50, 20) on a 300-pixel form.
void RenderTest::labelAlignmentAndClipping()
{
    QFETCH(int, align);
    QFETCH(QString, caption);
    QFETCH(int, inkFrom);
    QFETCH(int, inkTo);
    LoggingForm form(300, 60);
    form.add(makeLabel("lblText", 750, 300, 3000, 255, caption.toStdString(), static_cast<Align>(align)));
    FormView view(form, pictures_);
    const QImage img = renderAt(view, {300, 60});
    int first = -1;
    int last = -1;
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 60; ++y)
            if (isBright(img, x, y)) {
                first = first < 0 ? x : first;
                last = x;
            }
    QVERIFY2(first >= inkFrom && last <= inkTo && first >= 0,
             qPrintable(QStringLiteral("ink from %1 to %2").arg(first).arg(last)));
}

void RenderTest::optionButtonsFollowTheModel()
{
    StartedGame g;
    FrmNeu dialog(g.game);
    FormView view(dialog, pictures_);
    renderAt(view, view.sizeHint());
    const auto buttons = view.findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), 4);
    QCOMPARE(buttons[2]->text(), QStringLiteral("Episode 3:"));
    QVERIFY(buttons[0]->isChecked());
    QCOMPARE(buttons[1]->geometry(), QRect(16, 56, 129, 17));
    dialog.selectOption(*dialog.opt3);
    view.sync();
    QVERIFY(!buttons[0]->isChecked());
    QVERIFY(buttons[2]->isChecked());
    view.setFixedScale(2);
    renderAt(view, view.sizeHint());
    QCOMPARE(view.size(), QSize(604, 482));
    QCOMPARE(buttons[1]->geometry(), QRect(32, 112, 258, 34));
    QCOMPARE(buttons[1]->font().pixelSize(), 26);
    QCOMPARE(buttons[1]->font().family(), QStringLiteral("Liberation Sans"));
}

void RenderTest::listBoxFollowsTheModel()
{
    LoggingForm form(360, 240);
    Control list = pixelControl(ControlKind::ListBox, "Liste", 16, 32, 345, 184);
    list.TextFont = Font{"Courier New", 12};
    list.List = {"Zweiter   500", "Erster    900"};
    Control& model = form.add(std::move(list));
    FormView view(form, pictures_);
    renderAt(view, {360, 240});
    const auto* widget = view.findChild<QListWidget*>();
    QVERIFY(widget);
    QCOMPARE(widget->count(), 2);
    QCOMPARE(widget->item(0)->text(), QStringLiteral("Zweiter   500")); // not sorted
    QCOMPARE(widget->font().family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(widget->font().pixelSize(), 16);
    model.List.push_back("Dritter   100");
    view.sync();
    QCOMPARE(widget->count(), 3);
    QCOMPARE(widget->item(2)->text(), QStringLiteral("Dritter   100"));
    model.Visible = false;
    view.sync();
    QVERIFY(!widget->isVisibleTo(&view));
}

namespace {
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        count += e->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};
} // namespace

// A sync that finds the model as it was painted asks for no new frame.
void RenderTest::repaintsOnlyWhatChanged()
{
    LoggingForm form;
    Control& label = form.add(pixelControl(ControlKind::Label, "lblText", 10, 10, 100, 20));
    FormView view(form, pictures_);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    PaintCounter paints(view);

    const auto framesAfter = [&](const std::function<void()>& change) {
        const int before = paints.count;
        change();
        view.sync();
        QTest::qWait(30);
        return paints.count - before;
    };
    QCOMPARE(framesAfter([] {}), 0);
    QCOMPARE(framesAfter([&] { label.Caption = "Pause!"; }), 1);
    QCOMPARE(framesAfter([&] { label.Caption = "Pause!"; }), 0);
    QCOMPARE(framesAfter([&] { label.Visible = false; }), 1);
    QCOMPARE(framesAfter([&] { label.Left += 15; }), 0); // hidden: nothing to see
    QCOMPARE(framesAfter([&] { view.resize(800, 600); }), 1);
}

namespace {
const Register<RenderTest> registered;
}

} // namespace gravok::ui::test

#include "render_test.moc"
