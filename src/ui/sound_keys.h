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

class WindowSettings;

// Whether the player last left the sound muted, kept with the other settings.
bool storedMute(const WindowSettings& settings);
void storeMute(WindowSettings& settings, bool muted);
// The volume in percent, 0 to 100 in steps of 10; 100 when nothing usable is kept.
int storedVolume(const WindowSettings& settings);
void storeVolume(WindowSettings& settings, int percent);

} // namespace gravok::ui
