// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

#include "core/form.h"

namespace gravok::ui {

class FormView;
class GameHost;

// The program's top-level window: the main form's view filling a resizable window.
// Closing it ends the program.
class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow(GameHost& host, Form& form);

    [[nodiscard]] FormView& view() const { return *view_; }
    // Puts the window where the form's Left asks, keeping its height on the screen. Left
    // was worked out for the window's size at scale 1, so its centre is what we keep.
    void placeFromForm();
    // Centres the window on its screen, where it stands until the game places it.
    void centreOnScreen();

    // The player turned to something else: a running game pauses itself.
    void lookedAway();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    GameHost& host_;
    Form& form_;
    FormView* view_;
};

} // namespace gravok::ui
