// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

#include <QObject>

class QWidget;

namespace gravok::ui {

// M in one of the game's windows mutes or unmutes the sound. It is a window matter: the
// game never sees the key. A widget that takes text (a name being typed) keeps its M.
class MuteKey : public QObject {
    Q_OBJECT
public:
    using IsGameWindow = std::function<bool(const QWidget* window)>;

    MuteKey(IsGameWindow isGameWindow, std::function<void()> toggle, QObject* parent = nullptr);
    // The key is the player's choice: IS says whether a Qt key is it (M without one).
    void setKey(std::function<bool(int qtKey)> is) { is_ = std::move(is); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IsGameWindow isGameWindow_;
    std::function<void()> toggle_;
    std::function<bool(int qtKey)> is_;
};

} // namespace gravok::ui
