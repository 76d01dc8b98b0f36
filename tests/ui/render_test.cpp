// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the views paint. The main window at the scales real screens give: every picture
// exactly where the model puts it, to the device pixel, and no caption cut off (the bars:
// e2e_window_size). Frames that repaint only what changed add up to a whole frame.
#include <cmath>

#include <QImage>
#include <QScreen>

#include "app/frm_haupt.h"
#include "test_forms.h"
#include "ui/form_layout.h"
#include "ui/form_view.h"
#include "ui/letterbox.h"
#include "ui/picture_cache.h"

namespace gravok::ui::test {
namespace {

// The window for a scale: the form fills its height, with room for bars at the sides.
QSize areaFor(double scale)
{
    return {static_cast<int>(std::ceil(640 * scale)) + 64, static_cast<int>(std::lround(576 * scale))};
}

QImage rendered(FormView& view, QSize area)
{
    view.resize(area);
    view.sync();
    QImage image(area, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    view.render(&image);
    return image;
}

// The device rectangle a control's box covers.
QRect deviceBox(const Letterbox& box, const QRect& formRect)
{
    const QPoint a = devicePixel(box, QPointF(formRect.topLeft()));
    const QPoint b = devicePixel(box, QPointF(formRect.topLeft() + QPoint(formRect.width(), formRect.height())));
    return {a, b - QPoint(1, 1)};
}

// A busy field: gravoks of every kind, shots, an explosion and the heart, all apart, at
// odd twips.
void spreadPictures(Form& form)
{
    const int kinds[] = {101, 104, 105, 106, 107, 112, 151, 102, 110, 153};
    for (int i = 1; i <= 10; ++i) {
        Control& g = form.at("imgGravok", i);
        g.setPicture(kinds[i - 1]);
        g.Left = static_cast<float>((i - 1) % 5 * 1800 + 300 + i * 7);
        g.Top = static_cast<float>((i - 1) / 5 * 2400 + 450 + i * 11);
        Control& s = form.at("imgSchuss", i - 1);
        s.setPicture(i % 2 ? 50 : 51);
        s.Left = static_cast<float>((i - 1) * 901 + 120);
        s.Top = static_cast<float>(5700 + (i - 1) % 3 * 13);
    }
    form.at("imgHerz").Left = 8700;
    form.at("imgHerz").Top = 6300;
    Control& shuttle = form.at("imgShuttle");
    shuttle.setPicture(7);
    shuttle.Left = 8000;
    shuttle.Top = 4500;
}

} // namespace

class RenderTest : public QObject {
    Q_OBJECT
    PictureCache pictures_;

    // Lit pixels of LABEL drawn alone at SCALE in a box GROWTH times as high.
    int ink(const Control& label, float growth, double scale)
    {
        LoggingForm alone(640, 576);
        Control copy = label;
        const QRect inForm = controlBox(label); // a frame's children come out in form pixels
        copy.Container = nullptr;
        copy.Left = static_cast<float>(inForm.left() * 15);
        copy.Top = static_cast<float>(inForm.top() * 15);
        copy.Height *= growth;
        alone.add(copy);
        FormView view(alone, pictures_);
        const QImage image = rendered(view, areaFor(scale));
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
            if (frame == 10)
                form.lblAnzeige->Caption = "Pause!";
            if (frame == 15)
                form.lblAnzeige->Caption.clear();
            if (frame == 15)
                form.lblPunkte->Visible = false;
            playing.game.clock.advance(50);
            view.sync();
            QTest::qWait(5);
        }
        spreadPictures(form);
        view.sync();
        QTest::qWait(30);
        QImage image(view.size(), QImage::Format_RGB32);
        view.render(&image);
        QVERIFY(view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32) == image);
        const Letterbox box = view.letterbox();
        QCOMPARE(box.deviceScale(), scale);
        int pictures = 0, captions = 0;
        for (const auto& owned : form.controls()) {
            Control c = *owned;
            if (!shown(*owned))
                continue;
            if (c.Kind == ControlKind::Label) {
                if (c.Caption.empty())
                    c.Caption = c.fullName() == "lblAnzeige" ? "Game over!" : "0";
                // A one-line label's line is placed by its own advance, the roomy box's by
                // the box: their edges round apart a little, but a cut foot costs several
                // per cent of a digit's ink.
                const int inBox = ink(c, 1.0f, scale);
                const int roomy = ink(c, 3.0f, scale);
                QVERIFY(inBox > 0);
                QVERIFY2(
                    roomy - inBox <= roomy / 50,
                    qPrintable(QStringLiteral("%1 cut: %2 of %3").arg(c.fullName().c_str()).arg(inBox).arg(roomy)));
                ++captions;
            }
            const QRect model = controlBox(c);
            if (c.Kind != ControlKind::Image || c.Picture() == 0 || !formBox(form).contains(model))
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
            QVERIFY2(wrong == 0,
                     qPrintable(QStringLiteral("%1: %2 pixels differ").arg(c.fullName().c_str()).arg(wrong)));
            // The picture is the size the model's box has at this scale.
            QCOMPARE(expected.width(), static_cast<int>(std::lround(model.width() * scale)));
            ++pictures;
        }
        QVERIFY(pictures >= 20);
        QVERIFY(captions >= 6);
    }
};

static const Register<RenderTest> registered;

} // namespace gravok::ui::test

#include "render_test.moc"
