// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/form_painter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

#include "ui/language/language.h"
#include "ui/view/fonts.h"
#include "ui/view/form_layout.h"
#include "ui/view/picture_cache.h"

namespace gravok::ui {
namespace {

QColor color(Color rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

int alignment(Align a)
{
    switch (a) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// The box a one-line text is drawn in: the label's own, widened for a text wider than it
// (with a little slack for the glyphs' overhang at other scales).
QRect oneLineBox(const QRect& box, int textWidth, Align a)
{
    const int extra = std::max(0, textWidth + 4 - box.width());
    if (extra == 0)
        return box;
    switch (a) {
    case Align::Center: return box.adjusted(-extra / 2 - 1, 0, extra - extra / 2 + 1, 0);
    case Align::Right: return box.adjusted(-extra, 0, 0, 0);
    case Align::Left: break;
    }
    return box.adjusted(0, 0, extra, 0);
}

bool painted(ControlKind kind)
{
    return kind != ControlKind::Timer && kind != ControlKind::OptionButton && kind != ControlKind::ListBox;
}

} // namespace

// Opaque frames and labels paint their own background over their box, so the form's
// need not go there first: on a large screen each full fill is a good part of a frame.
QRegion FormPainter::uncovered(const Form& form)
{
    QRegion open(formBox(form));
    for (const auto& c : form.controls()) {
        const bool opaque = (c->Kind == ControlKind::Frame || c->Kind == ControlKind::Label) && !c->BackTransparent;
        if (opaque && shown(*c))
            open -= controlBox(*c) & clipBox(form, *c);
    }
    return open;
}

void FormPainter::paint(const Form& form, const QRegion* only)
{
    form_ = &form;
    const QColor back = color(form.BackColor);
    for (const QRect& r : uncovered(form))
        p_.fillRect(r, back);
    for (const auto& c : form.controls()) {
        if (!painted(c->Kind) || !shown(*c))
            continue;
        // Where a moving picture is drawn between two ticks, if it is.
        const QPointF* drawnAt = nullptr;
        if (drawn_)
            if (const auto moved = drawn_->find(c.get()); moved != drawn_->end())
                drawnAt = &moved->second;
        if (only) {
            QRect reach = drawnAt ? QRectF(*drawnAt, QSizeF(controlBox(*c).size())).toAlignedRect()
                          : c->Kind == ControlKind::Line ? paintedBox(form, *c)
                                                         : controlBox(*c);
            // A one-line caption may stand wider than its label, and its font taller.
            if (c->Kind == ControlKind::Label)
                reach.adjust(-reach.width(), 0, reach.width(), 2 * reach.height());
            if (!only->intersects(reach.adjusted(-1, -1, 1, 1)))
                continue;
        }
        p_.save();
        p_.setClipRect(clipBox(form, *c), Qt::IntersectClip);
        if (drawnAt && c->Kind == ControlKind::Image)
            paintImageAt(*c, *drawnAt);
        else
            paintControl(*c, controlBox(*c));
        p_.restore();
    }
}

QString FormPainter::caption(const Control& c) const
{
    return shown(form_ ? form_->Name.c_str() : "", c.Caption);
}

void FormPainter::paintControl(const Control& c, const QRect& box)
{
    switch (c.Kind) {
    case ControlKind::Frame: paintFrame(c, box); break;
    case ControlKind::Label: paintLabel(c, box); break;
    case ControlKind::Shape: paintShape(c, box); break;
    case ControlKind::Line: paintLine(c); break;
    case ControlKind::Image: paintImage(c, box); break;
    default: break;
    }
}

// A captioned frame looks like a group box: a thin line round it whose top edge runs
// through the middle of the caption.
void FormPainter::paintFrame(const Control& c, const QRect& box)
{
    if (!c.BackTransparent)
        p_.fillRect(box, color(c.BackColor));
    if (!c.Bordered)
        return;
    p_.setRenderHint(QPainter::Antialiasing, false);
    const QFont font = qtFont(c.TextFont);
    const QFontMetrics fm(font);
    const QColor ink = color(c.ForeColor);
    const int lineY = box.top() + fm.height() / 2;
    const int textX = box.left() + 8;
    const QString text = caption(c);
    const int gapEnd = textX + fm.horizontalAdvance(text) + 2;
    p_.fillRect(QRect(box.left(), lineY, textX - 2 - box.left(), 1), ink);
    p_.fillRect(QRect(gapEnd, lineY, box.right() + 1 - gapEnd, 1), ink);
    p_.fillRect(QRect(box.left(), lineY, 1, box.bottom() + 1 - lineY), ink);
    p_.fillRect(QRect(box.right(), lineY, 1, box.bottom() + 1 - lineY), ink);
    p_.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), ink);
    p_.setFont(font);
    p_.setPen(ink);
    p_.drawText(QRect(textX, box.top(), box.width() - 8, fm.height()), Qt::AlignLeft | Qt::AlignTop, text);
}

void FormPainter::paintLabel(const Control& c, const QRect& box)
{
    if (!c.BackTransparent)
        p_.fillRect(box, color(c.BackColor));
    if (c.Caption.empty())
        return;
    const QFont font = qtFont(c.TextFont);
    const QString text = caption(c);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    p_.setFont(font);
    p_.setPen(color(c.ForeColor));
    const QFontMetrics fm(font);
    // A label with room for one line never wraps: a word a little wider than the box
    // ("Game over!" in lblAnzeige) stands whole, spilling evenly (or away from its
    // aligned side) over the box's edges, and a font taller than the box keeps its
    // descent; only the frame it sits in clips it.
    if (box.height() < 2 * fm.lineSpacing() && !text.contains(QLatin1Char('\n'))) {
        QRect line = oneLineBox(box, fm.horizontalAdvance(text), c.Alignment);
        line.setHeight(std::max(line.height(), fm.height()));
        p_.setClipRect(line, Qt::IntersectClip);
        p_.drawText(line, alignment(c.Alignment) | Qt::AlignTop | Qt::TextSingleLine, text);
        return;
    }
    p_.setClipRect(box, Qt::IntersectClip);
    p_.drawText(box, alignment(c.Alignment) | Qt::AlignTop | Qt::TextWordWrap, text);
}

void FormPainter::paintShape(const Control& c, const QRect& box)
{
    const QColor ink = color(c.ForeColor);
    const int width = std::max(1, c.BorderWidth);
    if (c.Shape == ShapeKind::Rectangle) {
        if (c.Filled)
            p_.fillRect(box, ink);
        else
            outline(box, width, ink);
        return;
    }
    QRectF round(box);
    if (c.Shape == ShapeKind::Circle) {
        const int side = std::min(box.width(), box.height());
        round = QRectF(box.left() + (box.width() - side) / 2.0, box.top() + (box.height() - side) / 2.0, side, side);
    }
    // The pen runs inside the box, as the outline of a rectangle does.
    const double inset = width / 2.0;
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setPen(QPen(ink, width));
    p_.setBrush(c.Filled ? QBrush(ink) : Qt::NoBrush);
    p_.drawEllipse(round.adjusted(inset, inset, -inset, -inset));
}

void FormPainter::outline(const QRect& box, int width, const QColor& ink)
{
    p_.fillRect(QRect(box.left(), box.top(), box.width(), width), ink);
    p_.fillRect(QRect(box.left(), box.bottom() + 1 - width, box.width(), width), ink);
    p_.fillRect(QRect(box.left(), box.top(), width, box.height()), ink);
    p_.fillRect(QRect(box.right() + 1 - width, box.top(), width, box.height()), ink);
}

// One pixel wide, through the centres of the pixels at its ends.
void FormPainter::paintLine(const Control& c)
{
    const QLine ends = lineEnds(c);
    const QColor ink = color(c.ForeColor);
    p_.setRenderHint(QPainter::Antialiasing, false);
    if (ends.dy() == 0) {
        const int x = std::min(ends.x1(), ends.x2());
        p_.fillRect(QRect(x, ends.y1(), std::abs(ends.dx()) + 1, 1), ink);
    } else if (ends.dx() == 0) {
        const int y = std::min(ends.y1(), ends.y2());
        p_.fillRect(QRect(ends.x1(), y, 1, std::abs(ends.dy()) + 1), ink);
    } else {
        p_.setPen(QPen(ink, 1));
        p_.drawLine(QLineF(ends).translated(0.5, 0.5));
    }
}

// Bitmaps keep their own size: black is part of the picture. They are drawn pixel for
// pixel on the device, from art made for its scale, their corner on a whole device pixel.
void FormPainter::paintImage(const Control& c, const QRect& box)
{
    if (c.Picture() == 0)
        return;
    p_.setClipRect(box, Qt::IntersectClip);
    const double dpr = p_.device() ? p_.device()->devicePixelRatio() : 1.0;
    const QTransform world = p_.worldTransform();
    const QPointF at = world.map(QPointF(box.topLeft())) * dpr;
    const QPixmap& pix = pictures_.picture(c.Picture(), world.m11() * dpr);
    p_.setWorldTransform(QTransform::fromScale(1.0 / dpr, 1.0 / dpr));
    p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p_.drawPixmap(QPointF(std::round(at.x()), std::round(at.y())), pix);
}

// The same between two ticks, at a place in form pixels with fractions: the corner on the
// device pixel it rounds to, clipped to the box as it rounds on the device.
void FormPainter::paintImageAt(const Control& c, QPointF at)
{
    if (c.Picture() == 0)
        return;
    const double dpr = p_.device() ? p_.device()->devicePixelRatio() : 1.0;
    const QTransform world = p_.worldTransform();
    const QRect size = controlBox(c);
    const auto device = [&](QPointF form) {
        const QPointF d = world.map(form) * dpr;
        return QPoint(static_cast<int>(std::round(d.x())), static_cast<int>(std::round(d.y())));
    };
    const QPoint corner = device(at);
    const QPoint far = device(at + QPointF(size.width(), size.height()));
    const QPixmap& pix = pictures_.picture(c.Picture(), world.m11() * dpr);
    p_.setWorldTransform(QTransform::fromScale(1.0 / dpr, 1.0 / dpr));
    p_.setClipRect(QRect(corner, far - QPoint(1, 1)), Qt::IntersectClip);
    p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p_.drawPixmap(corner, pix);
}

namespace {

// FNV-1a over the bytes of each value.
class Fingerprint {
public:
    template <typename T>
    void add(const T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        bytes(&value, sizeof value);
    }
    void add(const std::string& text)
    {
        add(text.size());
        bytes(text.data(), text.size());
    }
    [[nodiscard]] std::uint64_t value() const { return hash_; }

private:
    void bytes(const void* data, std::size_t n)
    {
        const auto* b = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < n; ++i)
            hash_ = (hash_ ^ b[i]) * 0x100000001b3ULL;
    }
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

} // namespace

std::uint64_t FormPainter::controlKey(const Control& c)
{
    Fingerprint f;
    const bool visible = shown(c);
    f.add(visible);
    if (!visible)
        return f.value();
    for (float v : {c.Left, c.Top, c.Width, c.Height, c.X2, c.Y2})
        f.add(v);
    f.add(c.Caption);
    f.add(Translations::epoch()); // another language, another text
    f.add(c.ForeColor);
    f.add(c.BackColor);
    f.add(c.BackTransparent);
    f.add(c.Picture());
    f.add(c.Filled);
    f.add(c.Shape);
    f.add(c.BorderWidth);
    f.add(c.Alignment);
    f.add(c.Bordered);
    f.add(c.TextFont.face);
    for (const bool b : {c.TextFont.bold, c.TextFont.italic, c.TextFont.underline})
        f.add(b);
    f.add(c.TextFont.points);
    return f.value();
}

std::uint64_t FormPainter::stateKey(const Form& form)
{
    Fingerprint f;
    f.add(form.BackColor);
    f.add(form.controls().size());
    for (const auto& owned : form.controls())
        f.add(controlKey(*owned));
    return f.value();
}

QRect FormPainter::paintedBox(const Form& form, const Control& c)
{
    QRect box = c.Kind == ControlKind::Line ? QRect(lineEnds(c).p1(), lineEnds(c).p2()).normalized() : controlBox(c);
    if (c.Kind == ControlKind::Label) {
        const int lineHeight = static_cast<int>(std::ceil(QFontMetricsF(qtFont(c.TextFont)).height()));
        if (lineHeight > box.height())
            box.setHeight(box.height() + lineHeight);
    }
    return box.adjusted(-1, -1, 1, 1) & clipBox(form, c);
}

} // namespace gravok::ui
