// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scenes for the view tests: a started game over the recording desktop, the real desktop
// over a window, and small forms built in code. One executable runs every QtTest object;
// each file registers its own.
#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QTest>
#include <QTimer>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/form.h"
#include "core/recording_platform.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
#include "ui/qt_platform.h"

namespace gravok::ui::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& registry();

template <class T>
struct Register {
    Register()
    {
        registry().push_back([] { return std::make_unique<T>(); });
    }
};

// The game after Main, its start-up dialog closed at once.
struct StartedGame {
    RecordingPlatform platform{std::filesystem::temp_directory_path()};
    Game game{platform};
    StartedGame() { game.Main(); }
};

// A game being played: Enter in the start-up dialog chose the first episode, read from
// the shipped episode files.
struct PlayingGame {
    RecordingPlatform platform{GRAVOK_DATA_DIR};
    Game game{platform};
    PlayingGame()
    {
        platform.modalLoop = [](Form& f) { f.keyDown(13, 0); };
        game.Main();
    }
};

// Replaces the error box and the real exit, and counts them.
struct QuietEnd {
    explicit QuietEnd(GameHost& host)
    {
        host.reportError = [this](const QString& m) { errors << m; };
        host.quit = [this] { ++quits; };
    }
    QStringList errors;
    int quits = 0;
};

// The real desktop of the program over a window that is never shown to anyone.
struct Desktop {
    QtPlatform platform;
    Game game{platform};
    GameHost host{game};
    GameWindow window{host, game.frmHaupt()};
    QuietEnd end{host};
    Desktop() { platform.attach(game, host, window); }
    bool shown()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    // Runs OPEN in the game, which shows a layer, and INSIDE once the layer is up; a
    // failure that leaves the layer open ends the program instead of hanging.
    void withLayer(const std::function<void()>& open, const std::function<void()>& inside)
    {
        QTimer::singleShot(0, &window, inside);
        QTimer::singleShot(5000, &window, [this] { host.end(); });
        host.call(open);
    }
};

// A form that writes down the keys it gets and closes on Escape.
class LoggingForm : public Form {
public:
    explicit LoggingForm(float widthPx = 400, float heightPx = 300) : Form("frmTest")
    {
        Width = widthPx * 15;
        Height = heightPx * 15;
    }
    void keyDown(int code, int) override
    {
        log += (log.empty() ? "key " : "|key ") + std::to_string(code);
        if (code == 27)
            Unload();
    }
    std::string log;
};

} // namespace gravok::ui::test
