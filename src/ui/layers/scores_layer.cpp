// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layers/scores_layer.h"

#include <algorithm>
#include <optional>

#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>
#include <QTimer>

#include "scores/frm_punkte.h"
#include "ui/host/game_host.h"
#include "ui/input/key_router.h"
#include "ui/view/form_view.h"

namespace gravok::ui {
namespace {

// Paints a small "play" triangle at the right end of a row that has a replay, and before
// it the game speed of a game played slower ("60 %").
class ReplayMark : public QStyledItemDelegate {
public:
    // The speed of the row's recorded game, or nothing for a row without one.
    using Speed = std::function<std::optional<int>(int row)>;
    ReplayMark(Speed speed, QObject* parent) : QStyledItemDelegate(parent), speed_(std::move(speed)) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(p, option, index);
        const std::optional<int> speed = speed_(index.row());
        if (!speed)
            return;
        const QRectF r = option.rect;
        const double side = r.height() * 0.5;
        const QPointF at(r.right() - side * 1.5, r.center().y() - side / 2);
        QPainterPath triangle;
        triangle.moveTo(at);
        triangle.lineTo(at + QPointF(side * 0.9, side / 2));
        triangle.lineTo(at + QPointF(0, side));
        triangle.closeSubpath();
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const bool chosen = option.state.testFlag(QStyle::State_Selected);
        const QColor ink = option.palette.color(chosen ? QPalette::HighlightedText : QPalette::Text);
        p->fillPath(triangle, ink);
        if (*speed != FullSpeed) {
            const QRectF words(r.left(), r.top(), at.x() - side * 0.5 - r.left(), r.height());
            p->setPen(ink);
            p->setFont(option.font);
            p->drawText(words, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(*speed));
        }
        p->restore();
    }

private:
    Speed speed_;
};

} // namespace

ScoresLayer::ScoresLayer(GameHost& host, FrmPunkte& form, FormView& main, std::filesystem::path replays, Watch watch)
    : Layer(host, form, main), punkte_(form), replays_(std::move(replays)), watch_(std::move(watch))
{
    QListWidget* rows = list();
    if (!rows)
        return;
    rows->setItemDelegate(new ReplayMark(
        [this](int row) {
            const auto link = linkOfRow(row);
            return link ? std::optional(link->speed) : std::nullopt;
        },
        rows));
    connect(rows, &QListWidget::itemDoubleClicked, this,
            [this, rows](QListWidgetItem* item) { watchRow(rows->row(item)); });
    // The dialog has loaded, so the list is full: the entry just added is selected, and
    // Space shows the game just played.
    if (const auto added = punkte_.addedRow())
        selectRow(static_cast<int>(*added));
}

void ScoresLayer::selectRow(int row)
{
    QListWidget* rows = list();
    if (!rows || rows->count() == 0)
        return;
    rows->setCurrentRow(std::clamp(row, 0, rows->count() - 1));
    rows->scrollToItem(rows->currentItem());
}

QListWidget* ScoresLayer::list() const
{
    return view().findChild<QListWidget*>();
}

std::optional<replay::ReplayLink> ScoresLayer::linkOfRow(int row)
{
    const auto& places = punkte_.rowPlaces();
    if (!looked_ || places != seenPlaces_) {
        seenPlaces_ = places;
        links_ = replay::rowLinks(replay::readLinks(replays_), places);
        looked_ = true;
    }
    if (row < 0 || static_cast<std::size_t>(row) >= links_.size())
        return std::nullopt;
    return links_[static_cast<std::size_t>(row)];
}

// The arrows, Home and End choose a row and Space shows its game: they mean nothing else
// in the list.
bool ScoresLayer::takeKey(const KeyPress& press)
{
    const QListWidget* rows = list();
    if (press.modifiers != Qt::NoModifier || !rows)
        return false;
    const int now = rows->currentRow();
    // The pad's A gives Enter in a dialog; here it shows the entry, as Space does, and
    // Start or B close the list.
    const bool padA = host_.lastFromPad() && host_.lastPadButton() == pad::Button::A;
    if (padA && (press.key == Qt::Key_Return || press.key == Qt::Key_Enter)) {
        watchRow(now);
        return true;
    }
    switch (press.key) {
    case Qt::Key_Space: watchRow(now); return true;
    case Qt::Key_Up: selectRow(now < 0 ? 0 : now - 1); return true;
    case Qt::Key_Down: selectRow(now + 1); return true;
    case Qt::Key_Home: selectRow(0); return true;
    case Qt::Key_End: selectRow(rows->count() - 1); return true;
    default: return false;
    }
}

// Started from the event loop rather than from inside the key or click that asked for it,
// and once at a time: the showing runs its own loop until it ends.
void ScoresLayer::watchRow(int row)
{
    const auto link = linkOfRow(row);
    if (!link || watching_ || !watch_)
        return;
    watching_ = true;
    QTimer::singleShot(0, this, [this, link = *link] {
        watch_(link);
        watching_ = false;
        host_.refresh();
    });
}

} // namespace gravok::ui
