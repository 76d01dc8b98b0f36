// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

#include "core/form.h"
#include "ui/settings/window_settings.h"

namespace gravok::ui {

class FormView;
class GameHost;

// The keys that switch fullscreen on and off: F11, and Alt with Enter.
[[nodiscard]] bool isFullScreenKey(int key, Qt::KeyboardModifiers modifiers, bool bound = false);

// The program's top-level window: the main form's view filling a resizable window.
// Closing it ends the program. F11 and Alt+Enter switch fullscreen before the game
// sees a key; size, position, maximised and fullscreen are kept between runs.
class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow(GameHost& host, Form& form, WindowSettings* settings = nullptr);

    [[nodiscard]] FormView& view() const { return *view_; }
    // Puts the window where the form's Left asks, keeping its height on the screen. Left
    // was worked out for the window's size at scale 1, so its centre is what we keep.
    void placeFromForm();
    // Centres the window on its screen, where it stands until the game places it.
    void centreOnScreen();

    // The player turned to something else: a running game pauses itself.
    void lookedAway();

    // Shows the window as it was left last time, or centred at its opening size on the
    // first start (the game then places it as it always does).
    void showAsRemembered();
    void toggleFullScreen();
    // Writes the window's placement to the settings.
    void remember();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterFullScreen();
    void leaveFullScreen();

    GameHost& host_;
    Form& form_;
    FormView* view_;
    WindowSettings* settings_;
    // The player's own placement, restored: the game's start-up placement leaves it be.
    bool restored_ = false;
    bool maximizedBeforeFullScreen_ = false;
    QRect normalBeforeFullScreen_;
};

} // namespace gravok::ui
