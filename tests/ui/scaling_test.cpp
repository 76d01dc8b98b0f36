// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window painted at the scales real screens give: every picture exactly where
// the model puts it, to the device pixel; no text cut off. (The bars: e2e_window_size.)
#include <cmath>

#include <QImage>
#include <QTest>

#include "app/frm_haupt.h"
#include "test_forms.h"
#include "ui/form_layout.h"
#include "ui/form_view.h"
#include "ui/letterbox.h"
#include "ui/picture_cache.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class ScalingTest : public QObject {
    Q_OBJECT
private slots:
    void spritesLandOnTheirDevicePixels_data() { scales(); }
    void spritesLandOnTheirDevicePixels();
    void textIsNotCut_data() { scales(); }
    void textIsNotCut();

private:
    static void scales();
    PictureCache pictures_;
};

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

// A busy field: gravoks of every kind, shots, an explosion and the heart, all apart.
void spreadPictures(Form& form)
{
    const int kinds[] = {101, 104, 105, 106, 107, 112, 151, 102, 110, 153};
    for (int i = 1; i <= 10; ++i) {
        Control& g = form.at("imgGravok", i);
        g.setPicture(kinds[i - 1]);
        const int column = (i - 1) % 5, row = (i - 1) / 5;
        g.Left = static_cast<float>(column * 1800 + 300 + i * 7);
        g.Top = static_cast<float>(row * 2400 + 450 + i * 11);
    }
    for (int i = 0; i < 10; ++i) {
        Control& s = form.at("imgSchuss", i);
        s.setPicture(i % 2 ? 51 : 50);
        s.Left = static_cast<float>(i * 900 + 120 + i);
        s.Top = static_cast<float>(5700 + (i % 3) * 13);
    }
    Control& heart = form.at("imgHerz");
    heart.Left = 8700;
    heart.Top = 6300;
    Control& shuttle = form.at("imgShuttle");
    shuttle.setPicture(7);
    shuttle.Left = 8000;
    shuttle.Top = 4500;
}

} // namespace

void ScalingTest::scales()
{
    QTest::addColumn<double>("scale");
    for (double s : {1.0, 1.5, 1.875, 3.0, 3.75})
        QTest::newRow(qPrintable(QStringLiteral("x%1").arg(s))) << s;
}

// Each picture is the one made for the scale, its corner on the device pixel its model
// position rounds to: not a pixel off, not resampled on the way.
void ScalingTest::spritesLandOnTheirDevicePixels()
{
    QFETCH(double, scale);
    PlayingGame playing;
    Form& form = playing.game.frmHaupt();
    spreadPictures(form);
    FormView view(form, pictures_);
    const QImage image = rendered(view, areaFor(scale));
    const Letterbox box = view.letterbox();
    QCOMPARE(box.deviceScale(), scale);

    int checked = 0;
    for (const auto& owned : form.controls()) {
        const Control& c = *owned;
        if (c.Kind != ControlKind::Image || c.Picture() == 0 || !shown(c))
            continue;
        const QRect model = controlBox(c);
        if (!formBox(form).contains(model))
            continue; // parked off the field
        const QPixmap& expected = pictures_.picture(c.Picture(), scale);
        const QPoint at = devicePixel(box, QPointF(model.topLeft()));
        const QImage want = expected.toImage().convertToFormat(QImage::Format_RGB32);
        const QRect clip = deviceBox(box, model) & deviceBox(box, clipBox(form, c));
        int wrong = 0;
        for (int y = clip.top(); y <= clip.bottom(); ++y)
            for (int x = clip.left(); x <= clip.right(); ++x)
                if (want.rect().contains(x - at.x(), y - at.y()) &&
                    image.pixel(x, y) != want.pixel(x - at.x(), y - at.y()))
                    ++wrong;
        if (wrong != 0)
            qWarning() << c.fullName().c_str() << "at" << at << wrong << "pixels differ";
        QCOMPARE(wrong, 0);
        // The picture is the size the model's box has at this scale.
        QCOMPARE(expected.width(), static_cast<int>(std::lround(model.width() * scale)));
        ++checked;
    }
    QVERIFY(checked >= 20);
}

// Every caption shows whole: drawn in its own box it leaves as much ink as in a box
// with room to spare below.
void ScalingTest::textIsNotCut()
{
    QFETCH(double, scale);
    PlayingGame playing;
    const Form& haupt = playing.game.frmHaupt();
    const auto ink = [&](const Control& label, float growth) {
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
    };
    int checked = 0;
    for (const auto& owned : haupt.controls()) {
        Control c = *owned;
        if (c.Kind != ControlKind::Label || !shown(*owned))
            continue;
        if (c.Caption.empty())
            c.Caption = c.fullName() == "lblAnzeige" ? "Game over!" : "0";
        // The roomy box may lay out the line a little differently (a wrap), never with a
        // row of glyphs more: a cut foot costs several per cent of a digit's ink.
        const int inBox = ink(c, 1.0f);
        const int roomy = ink(c, 3.0f);
        QVERIFY(inBox > 0);
        // A one-line label's line is placed by its own advance, the roomy box's by the
        // box: their edges round apart a little, so only ink lost counts as a cut.
        if (roomy - inBox > roomy / 50)
            qWarning() << c.fullName().c_str() << "cut:" << inBox << "of" << roomy;
        QVERIFY(roomy - inBox <= roomy / 50);
        ++checked;
    }
    QVERIFY(checked >= 6);
}

namespace {
const Register<ScalingTest> registered;
}

} // namespace gravok::ui::test

#include "scaling_test.moc"
