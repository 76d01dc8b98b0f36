// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The layers: the dialogs drawn inside the main window, in one dialog style (name box, list, settings).
#pragma once
#include <QEventLoop>
#include <QPointF>
#include <QWidget>

#include "core/form.h"
#include "ui/view/letterbox.h"

namespace gravok::ui {

class FormView;
class GameHost;
struct KeyPress;

// Where a dialog's top-left corner lies in the main form, in form pixels: its Left and
// Top count from the main window's (both were worked out for the same screen), kept
// inside the main form so that the dialog never hangs out of the window.
[[nodiscard]] QPointF layerPlace(const Form& dialog, const Form& main);

// The layer's form on a view with that letterbox, in widget pixels, its corner at `at`
// (form pixels of the main form). Corner and size are rounded each on its own, so the
// dialog has its full size at the scale wherever it lies.
[[nodiscard]] QRect layerGeometry(const Letterbox& box, QPointF at, QSizeF formSize);

// A modal layer inside the main window: it covers the whole main view, so no click
// reaches what lies beneath, and shows a form at the view's scale where layerPlace puts
// it. It follows every resize of the view. run() waits in a nested event loop until
// finish().
class Layer : public QWidget {
    Q_OBJECT
public:
    Layer(GameHost& host, Form& form, FormView& main);
    ~Layer() override;

    [[nodiscard]] Form& form() const { return form_; }
    [[nodiscard]] FormView& view() const { return *view_; }
    // Keys the layer handles itself (typing); false sends the key to the form as usual.
    virtual bool takeKey(const KeyPress& /*press*/) { return false; }
    // A layer that types what the keys say: a key bound to a window action types its letter.
    [[nodiscard]] virtual bool typesText() const { return false; }
    // A layer waiting for any key to bind: no key is the window's own meanwhile.
    [[nodiscard]] virtual bool capturesKeys() const { return false; }

    void run();
    void finish();
    [[nodiscard]] bool running() const { return loop_.isRunning(); }

    // Puts the form where it belongs for the main view's current size and scale.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    GameHost& host_;

private:
    Form& form_;
    FormView& main_;
    FormView* view_;
    QEventLoop loop_;
    bool finished_ = false;
};

} // namespace gravok::ui
