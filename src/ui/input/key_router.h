// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Input: keys and pad buttons on their way to the game, by the player's bindings, and the mute key.
#pragma once
#include <functional>
#include <set>

#include <QObject>
#include <QString>

class QWidget;

namespace gravok::ui {

// A key press as it reaches the game's window: the Qt key, the modifiers held, and the
// text it types (for the name box).
struct KeyPress {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool autoRepeat = false; // the desktop repeats a held key
};

// Ctrl+Q and Alt+F4: they end the program in any of its windows.
[[nodiscard]] bool isQuitKey(int key, Qt::KeyboardModifiers modifiers);

// Installed on the application: takes key presses meant for one of the game's windows
// before any widget in it sees them (an option button would eat Space, arrows and Enter)
// and hands them to the game. In the program's other windows (a message box) only the
// quit keys are taken: the window closes and they reach the game as from its own window;
// every other key passes on untouched, as do keys nobody takes. Held-down keys repeat as further presses, except in a
// layer: there only presses made after it opened count, so a key still held from the game (Space, an arrow) does not
// pour into a dialog.
class KeyRouter : public QObject {
    Q_OBJECT
public:
    using IsGameWindow = std::function<bool(const QWidget* window)>;
    // True if the key was taken.
    using Deliver = std::function<bool(const KeyPress& press)>;

    KeyRouter(IsGameWindow isGameWindow, Deliver deliver, QObject* parent = nullptr);

    // A layer opens: keys down now are ignored until they are let go, and auto-repeat
    // counts no more until the last layer closes.
    void layerOpened();
    void layerClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IsGameWindow isGameWindow_;
    Deliver deliver_;
    std::set<int> down_;
    std::set<int> stale_;
    int layers_ = 0;
};

} // namespace gravok::ui
