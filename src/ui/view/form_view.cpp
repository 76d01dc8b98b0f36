// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/form_view.h"

#include "replay/input_door.h"

#include <cmath>

#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QRegion>
#include <QSignalBlocker>

#include "ui/language/language.h"
#include "ui/view/fonts.h"
#include "ui/view/form_layout.h"
#include "ui/view/form_painter.h"
#include "ui/view/picture_cache.h"

namespace gravok::ui {
namespace {

QColor color(Color rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPoint pixelAt(QPointF p)
{
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

void syncOption(QRadioButton& button, const Control& c, const Form& form)
{
    const QString text = shown(form.Name.c_str(), c.Caption);
    if (button.text() != text)
        button.setText(text);
    const QSignalBlocker quiet(button);
    button.setChecked(c.Value);
}

// The selected option must show at a glance on the black dialogs: a white ring, filled
// white with a bold black dot when selected. Sizes follow the scale.
QString optionStyle(double scale, const QColor& ink, const QColor& back)
{
    const int side = std::max(8, static_cast<int>(std::lround(13 * scale)));
    const int ring = std::max(1, static_cast<int>(std::lround(2 * scale)));
    return QStringLiteral("QRadioButton { color: %3; background: %4; spacing: %5px; }"
                          "QRadioButton::indicator { width: %1px; height: %1px; border: %2px solid %3;"
                          " border-radius: %6px; background: %4; }"
                          "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5,"
                          " radius:0.5, fx:0.5, fy:0.5, stop:0 black, stop:0.5 black, stop:0.6 %3, stop:1 %3); }")
        .arg(side - 2 * ring)
        .arg(ring)
        .arg(ink.name(), back.name())
        .arg(std::max(2, static_cast<int>(std::lround(4 * scale))))
        .arg(side / 2);
}

void syncList(QListWidget& list, const Control& c)
{
    bool same = list.count() == static_cast<int>(c.List.size());
    for (int i = 0; same && i < list.count(); ++i)
        same = list.item(i)->text() == QString::fromStdString(c.List[static_cast<std::size_t>(i)]);
    if (same)
        return;
    list.clear();
    for (const std::string& item : c.List)
        list.addItem(QString::fromStdString(item));
}

} // namespace

FormView::FormView(Form& form, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), form_(form), pictures_(pictures)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    addWidgets();
    sync();
}

void FormView::setFixedScale(double scale)
{
    fixedScale_ = scale;
    sync();
}

QSize FormView::formSize() const
{
    return formBox(form_).size();
}

Letterbox FormView::letterbox() const
{
    const QSizeF content(formSize());
    const double dpr = devicePixelRatioF();
    if (fixedScale_)
        return centredLetterbox(QSizeF(size()), content, *fixedScale_, dpr);
    return fitLetterbox(QSizeF(size()), content, dpr);
}

QSize FormView::sizeHint() const
{
    return formSize() * fixedScale_.value_or(1.0);
}

void FormView::sync()
{
    if (form_.controls().size() != seenControls_)
        addWidgets();
    const Letterbox box = letterbox();
    for (const Child& child : children_)
        syncChild(child, box);
    // A tick that changed nothing visible (a paused game, a still dialog) paints nothing.
    const std::uint64_t key = FormPainter::stateKey(form_);
    const bool moved = box.scale != syncedBox_.scale || box.origin != syncedBox_.origin || box.dpr != syncedBox_.dpr;
    if (!synced_ || key != syncedKey_ || moved) {
        const bool whole =
            !synced_ || moved || form_.BackColor != syncedBack_ || painted_.size() != form_.controls().size();
        synced_ = true;
        syncedKey_ = key;
        syncedBox_ = box;
        syncedBack_ = form_.BackColor;
        updateChanged(whole);
    }
    if (afterSync)
        afterSync();
}

QRect FormView::drawnBox(const Control& c, QPointF at) const
{
    const QRectF moved(at, QSizeF(controlBox(c).size()));
    return letterbox().toWidget(moved.adjusted(-1, -1, 1, 1) & QRectF(clipBox(form_, c)));
}

void FormView::setDrawn(DrawnPlaces places)
{
    QRegion dirty;
    const auto placeOf = [](const DrawnPlaces& in, const Control* c) {
        const auto it = in.find(c);
        return it == in.end() ? std::optional<QPointF>() : std::optional<QPointF>(it->second);
    };
    const auto mark = [&](const Control* c) {
        const auto was = placeOf(drawn_, c), now = placeOf(places, c);
        if (was == now)
            return;
        const QPointF model(controlBox(*c).topLeft());
        dirty += drawnBox(*c, was.value_or(model));
        dirty += drawnBox(*c, now.value_or(model));
    };
    for (const auto& [c, at] : drawn_)
        mark(c);
    for (const auto& [c, at] : places)
        if (!drawn_.contains(c))
            mark(c);
    drawn_ = std::move(places);
    requestPaint(dirty);
}

void FormView::holdPaints(bool hold)
{
    holding_ = hold;
    if (!hold)
        paintHeld();
}

void FormView::paintHeld()
{
    if (!held_.isEmpty())
        update(held_);
    held_ = QRegion();
}

void FormView::requestPaint(const QRegion& widgetRegion)
{
    if (holding_)
        held_ += widgetRegion;
    else
        update(widgetRegion);
}

void FormView::updateChanged(bool whole)
{
    const auto& controls = form_.controls();
    QRegion dirty, drawnAt;
    painted_.resize(controls.size(), Painted{0, QRect()});
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = *controls[i];
        const std::uint64_t key = FormPainter::controlKey(c);
        if (!whole && key == painted_[i].key)
            continue;
        const QRect now = FormPainter::paintedBox(form_, c);
        dirty += painted_[i].box;
        dirty += now;
        painted_[i] = {key, now};
        // A picture changed at the tick is repainted where it is drawn.
        if (const auto moved = drawn_.find(&c); moved != drawn_.end())
            drawnAt += drawnBox(c, moved->second);
    }
    if (whole) {
        requestPaint(rect());
        return;
    }
    const Letterbox box = letterbox();
    QRegion widget = drawnAt;
    for (const QRect& r : dirty)
        widget += box.toWidget(QRectF(r));
    requestPaint(widget);
}

void FormView::addWidgets()
{
    const auto& controls = form_.controls();
    for (std::size_t i = seenControls_; i < controls.size(); ++i) {
        Control& c = *controls[i];
        if (c.Kind == ControlKind::OptionButton)
            children_.push_back({&c, makeOptionButton(c)});
        else if (c.Kind == ControlKind::ListBox)
            children_.push_back({&c, makeListBox(c)});
    }
    seenControls_ = controls.size();
}

// Keys never stop at these widgets: the form gets them all, so they take no focus.
QWidget* FormView::makeOptionButton(Control& c)
{
    auto* button = new QRadioButton(this);
    button->setAutoExclusive(false); // the form decides which option of a group is on
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoFillBackground(true);
    QPalette palette = button->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, color(c.BackColor));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, color(c.ForeColor));
    button->setPalette(palette);
    Control* control = &c;
    connect(button, &QAbstractButton::pressed, this,
            [this, control] { dispatch([this, control] { pointerDown(*control); }); });
    connect(button, &QAbstractButton::released, this,
            [this, control] { dispatch([this, control] { pointerUp(*control, false); }); });
    connect(button, &QAbstractButton::clicked, this,
            [this, control] { dispatch([this, control] { optionChosen(*control); }); });
    return button;
}

QWidget* FormView::makeListBox(Control& c)
{
    auto* list = new QListWidget(this);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSortingEnabled(false);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, color(c.BackColor));
    palette.setColor(QPalette::Text, color(c.ForeColor));
    // The chosen row in the list's own colours, turned round, as the game draws everything.
    palette.setColor(QPalette::Highlight, color(c.ForeColor));
    palette.setColor(QPalette::HighlightedText, color(c.BackColor));
    list->setPalette(palette);
    return list;
}

void FormView::syncChild(const Child& child, const Letterbox& box)
{
    const Control& c = *child.control;
    const QRect r = controlBox(c);
    const QPointF topLeft = box.toWidget(QPointF(r.topLeft()));
    child.widget->setGeometry(QRectF(topLeft, QSizeF(r.size()) * box.scale).toRect());
    const QFont font = qtFont(c.TextFont, box.scale);
    if (child.widget->font() != font) {
        child.widget->setFont(font);
        if (auto* button = qobject_cast<QRadioButton*>(child.widget))
            button->setStyleSheet(optionStyle(box.scale, color(c.ForeColor), color(c.BackColor)));
    }
    if (auto* button = qobject_cast<QRadioButton*>(child.widget))
        syncOption(*button, c, form_);
    else if (auto* list = qobject_cast<QListWidget*>(child.widget))
        syncList(*list, c);
    child.widget->setVisible(shown(c));
}

void FormView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const Letterbox box = letterbox();
    // The bars may run a pixel into the form's edge; the form paints over that.
    const QRectF form(box.origin, QSizeF(formSize()) * box.scale);
    const QRect inner(
        QPoint(static_cast<int>(std::ceil(form.left())), static_cast<int>(std::ceil(form.top()))),
        QPoint(static_cast<int>(std::floor(form.right())) - 1, static_cast<int>(std::floor(form.bottom())) - 1));
    for (const QRect& bar : QRegion(rect()) - QRegion(inner))
        p.fillRect(bar, letterboxBars);
    p.translate(box.origin);
    p.scale(box.scale, box.scale);
    p.setClipRect(formBox(form_));
    const QRegion only = box.toForm(event->region());
    FormPainter(p, pictures_, &drawn_).paint(form_, &only);
}

void FormView::resizeEvent(QResizeEvent*)
{
    sync();
}

void FormView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    Control* c = controlAt(form_, letterbox().toForm(event->position()));
    if (!c)
        return;
    pressed_ = c;
    dispatch([this, c] { pointerDown(*c); });
}

// The release goes to the control that was pressed; it is a click only if the mouse
// is still over that control.
void FormView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    Control* c = pressed_;
    pressed_ = nullptr;
    const QPoint at = pixelAt(letterbox().toForm(event->position()));
    const bool inside = controlBox(*c).contains(at) && clipBox(form_, *c).contains(at);
    dispatch([this, c, inside] { pointerUp(*c, inside); });
}

void FormView::mouseMoveEvent(QMouseEvent* event)
{
    const Control* c = controlAt(form_, letterbox().toForm(event->position()));
    if (c && c->HandCursor)
        setCursor(pictures_.handCursor());
    else
        unsetCursor();
}

void FormView::pointerDown(Control& c)
{
    if (door_)
        door_->down(form_, c);
    else
        form_.mouseDown(c);
}

void FormView::pointerUp(Control& c, bool click)
{
    if (door_) {
        door_->up(form_, c, click);
        return;
    }
    form_.mouseUp(c);
    if (click)
        form_.click(c);
}

void FormView::optionChosen(Control& c)
{
    if (door_) {
        door_->choose(form_, c);
        return;
    }
    form_.selectOption(c);
    form_.click(c);
}

void FormView::dispatch(const std::function<void()>& call)
{
    if (dispatch_) {
        dispatch_(call);
        return;
    }
    call();
    sync();
}

} // namespace gravok::ui
