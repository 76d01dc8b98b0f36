// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the views paint, and when: a view repaints only when what it shows has changed.
#include <functional>

#include <QScreen>
#include <QFontMetricsF>
#include <QPainter>
#include <QTest>

#include "app/frm_haupt.h"
#include "test_forms.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"
#include "ui/form_painter.h"
#include "ui/form_view.h"
#include "ui/picture_cache.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class RenderTest : public QObject {
    Q_OBJECT
private slots:
    void repaintsOnlyWhatChanged();
    void partialRepaintsAddUp();
    void bigWordsStandWhole_data();
    void bigWordsStandWhole();

private:
    PictureCache pictures_;
};

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

// Frames of a running game repaint only where something moved; on the screen they add
// up to the picture a whole repaint gives, bars and all.
void RenderTest::partialRepaintsAddUp()
{
    PlayingGame playing;
    Form& form = playing.game.frmHaupt();
    FormView view(form, pictures_);
    view.resize(1280, 1080); // 1.875, with bars at the sides
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    PaintCounter paints(view);
    form.keyDown(38, 0); // speed up: the shuttle flies
    form.keyDown(32, 0); // and a shot
    for (int frame = 0; frame < 30; ++frame) {
        playing.game.clock.advance(50);
        view.sync();
        QTest::qWait(5);
    }
    QTest::qWait(30);
    QVERIFY(paints.count > 0);
    const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    QImage whole(view.size(), QImage::Format_RGB32);
    view.render(&whole);
    QCOMPARE(onScreen.size(), whole.size());
    int differ = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            differ += onScreen.pixel(x, y) != whole.pixel(x, y);
    QCOMPARE(differ, 0);
}

void RenderTest::bigWordsStandWhole_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<double>("scale");
    for (const char* words : {"Game over!", "Geschafft!", "Pause!"})
        for (double scale : {1.0, 1.5, 2.0, 3.0})
            QTest::addRow("%s at %.1f", words, scale) << QString::fromUtf8(words) << scale;
}

// lblAnzeige's one-line words are painted on one line, whole and centred: as much grey
// on the left of the label's middle as on the right, none below the first line.
void RenderTest::bigWordsStandWhole()
{
    QFETCH(QString, words);
    QFETCH(double, scale);
    StartedGame g;
    FrmHaupt& h = g.game.frmHaupt();
    h.lblAnzeige->Caption = words.toStdString();
    const QRect box = controlBox(*h.lblAnzeige).translated(controlBox(*h.fraHintergrund).topLeft());
    QImage image((QSizeF(formBox(h).size()) * scale).toSize(), QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.scale(scale, scale);
        FormPainter(p, pictures_).paint(h);
    }
    const QRgb grey = qRgb(0x80, 0x80, 0x80);
    int left = 0, right = 0, leftmost = image.width(), rightmost = 0;
    const int middle = static_cast<int>(box.center().x() * scale);
    for (int y = static_cast<int>(box.top() * scale); y < static_cast<int>((box.bottom() + 1) * scale); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == grey) {
                (x < middle ? left : right) += 1;
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    QVERIFY2(left > 0 && right > 0, qPrintable(QStringLiteral("left %1, right %2").arg(left).arg(right)));
    const double balance = static_cast<double>(std::min(left, right)) / std::max(left, right);
    QVERIFY2(balance > 0.6, qPrintable(QStringLiteral("left %1, right %2 pixels").arg(left).arg(right)));
    const double wide = QFontMetricsF(qtFont(h.lblAnzeige->TextFont)).horizontalAdvance(words) * scale;
    QVERIFY2(rightmost - leftmost >= 0.9 * wide,
             qPrintable(QStringLiteral("ink %1 px wide, the words %2 px").arg(rightmost - leftmost).arg(wide)));
    const int centre = (leftmost + rightmost) / 2;
    QVERIFY2(std::abs(centre - middle) <= 3 * scale,
             qPrintable(QStringLiteral("text %1..%2, label middle %3").arg(leftmost).arg(rightmost).arg(middle)));
}

namespace {
const Register<RenderTest> registered;
}

} // namespace gravok::ui::test

#include "render_test.moc"
