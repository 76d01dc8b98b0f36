// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

#include <QObject>

class QWidget;

namespace gravok::ui {

// Installed on the application: takes key presses meant for one of the game's windows
// before any widget in it sees them (an option button would eat Space, arrows and Enter)
// and hands their virtual-key codes to the game. Keys for other windows (a message box,
// an input box) and keys the game has no code for pass on untouched. Held-down keys
// repeat as further presses.
class KeyRouter : public QObject {
    Q_OBJECT
public:
    using IsGameWindow = std::function<bool(const QWidget* window)>;
    using Deliver = std::function<void(int virtualKey)>;

    KeyRouter(IsGameWindow isGameWindow, Deliver deliver, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IsGameWindow isGameWindow_;
    Deliver deliver_;
};

} // namespace gravok::ui
