// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The view: a form painted from the model at any scale, its layout, letterbox, pictures, fonts and the window.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QWidget>

#include "core/form.h"
#include "ui/view/form_painter.h"
#include "ui/view/letterbox.h"

namespace gravok::replay {
class InputDoor;
} // namespace gravok::replay

namespace gravok::ui {

class PictureCache;

// Shows any form of the model: paints its drawn controls, keeps real widgets for its
// option buttons and list boxes, and turns mouse actions into the form's events. The
// form is scaled uniformly into the widget and centred between black bars.
class FormView : public QWidget {
    Q_OBJECT
public:
    // Runs one call into the game; the host wraps it to catch errors and refresh views.
    using Dispatch = std::function<void(const std::function<void()>&)>;

    FormView(Form& form, PictureCache& pictures, QWidget* parent = nullptr);

    [[nodiscard]] Form& form() const { return form_; }
    void setDispatch(Dispatch dispatch) { dispatch_ = std::move(dispatch); }
    // Pointer events go through the game's input door (and its recorder) when one is set.
    void setDoor(replay::InputDoor* door) { door_ = door; }
    // A dialog keeps the main window's scale instead of fitting its own size.
    void setFixedScale(double scale);
    // The form's size in pixels at scale 1.
    [[nodiscard]] QSize formSize() const;
    [[nodiscard]] Letterbox letterbox() const;

    // Re-reads the model: geometry, captions, visibility and values of the widgets; then
    // repaints.
    void sync();

    [[nodiscard]] QSize sizeHint() const override;

    // Moving pictures drawn between two ticks; those not named stand where the model has
    // them. Repaints where they were and where they are.
    void setDrawn(DrawnPlaces places);
    [[nodiscard]] const DrawnPlaces& drawn() const { return drawn_; }
    // While frames are paced, repaints wait for the next frame; letting go paints them.
    void holdPaints(bool hold);
    // Paints what waited, and goes on holding.
    void paintHeld();
    // Told after every sync: the frame loop looks at the model there.
    std::function<void()> afterSync;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Child {
        Control* control;
        QWidget* widget;
    };

    void addWidgets();
    QWidget* makeOptionButton(Control& c);
    QWidget* makeListBox(Control& c);
    void syncChild(const Child& child, const Letterbox& box);
    void dispatch(const std::function<void()>& call);
    // Asks for a repaint of what changed since the last sync.
    void updateChanged(bool whole);
    [[nodiscard]] QRect drawnBox(const Control& c, QPointF at) const;
    void requestPaint(const QRegion& widgetRegion);
    void pointerDown(Control& c);
    void pointerUp(Control& c, bool click);
    void optionChosen(Control& c);

    Form& form_;
    PictureCache& pictures_;
    Dispatch dispatch_;
    replay::InputDoor* door_ = nullptr;
    std::optional<double> fixedScale_;
    std::vector<Child> children_;
    std::size_t seenControls_ = 0;
    Control* pressed_ = nullptr;
    // What the last repaint was asked for.
    bool synced_ = false;
    std::uint64_t syncedKey_ = 0;
    Letterbox syncedBox_;
    // Each control as last painted: its key and where it reached, so a frame repaints
    // only where something moved or changed.
    struct Painted {
        std::uint64_t key;
        QRect box;
    };
    std::vector<Painted> painted_;
    Color syncedBack_ = 0;
    DrawnPlaces drawn_;
    bool holding_ = false;
    QRegion held_;
};

} // namespace gravok::ui
