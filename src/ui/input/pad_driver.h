// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "core/files.h"
#include "core/pad_keys.h"
#include "sdl/gamepad.h"

class QWidget;

namespace gravok::ui {

class GameHost;

// The gamepad, as keys: reads SDL's controller events from the event loop and turns
// them into the key presses a player at the keyboard would make, sent to the window that
// has the keyboard now. The game cannot tell them from real keys. While no pad is there,
// a look-out once a second is all it costs.
// The desktop's pace of a held key where Qt knows it: a held pad button and the toggled
// fire repeat at it.
[[nodiscard]] pad::Timing desktopTiming();

class PadDriver : public QObject {
    Q_OBJECT
public:
    PadDriver(GameHost& host, QWidget& mainWindow, QObject* parent = nullptr);
    ~PadDriver() override;

    void start();

    // Test hook (GRAVOK_PAD_SCRIPT): plugs in a virtual pad and follows FILE as it grows,
    // one command a line (VirtualPad::command), one line per look at the pad.
    bool followScript(const QString& file);

    // How often the pad is read while one is there, and looked for while none is.
    static constexpr int ReadMs = 16;
    static constexpr int LookOutMs = 1000;

    // While set, a button pressed goes here and makes no key (the settings wait for one).
    std::function<void(pad::Button)> capture;

private:
    void pump();
    void replan();
    void readScript();
    [[nodiscard]] pad::Context context() const;
    void send(const std::vector<int>& keys, pad::Context context, std::optional<pad::Button> button = std::nullopt);
    void sendNow(int virtualKey, pad::Context context, std::optional<pad::Button> button);

    GameHost& host_;
    QWidget& main_;
    sdl::Gamepad pad_;
    pad::PadKeys keys_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::unique_ptr<sdl::VirtualPad> virtual_;
    Fd script_;
    QByteArray scriptRest_;
    std::deque<QByteArray> scriptLines_;
};

} // namespace gravok::ui
