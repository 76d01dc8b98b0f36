// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scenes for the view tests: a started game over the recording desktop, the real desktop
// over a window, and small forms built in code.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "app/game.h"
#include "core/form.h"
#include "core/recording_platform.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
#include "ui/qt_platform.h"

namespace gravok::ui::test {

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

// The real desktop of the program over a window that is never shown to anyone; errors and
// the program's end are counted instead of shown and done.
struct Desktop {
    QtPlatform platform;
    Game game{platform};
    GameHost host{game};
    GameWindow window{host, game.frmHaupt()};
    QStringList errors;
    int quits = 0;
    Desktop()
    {
        host.reportError = [this](const QString& m) { errors << m; };
        host.quit = [this] { ++quits; };
        platform.attach(game, host, window);
    }
};

// A form that writes down its events.
class LoggingForm : public Form {
public:
    explicit LoggingForm(float widthPx = 400, float heightPx = 300) : Form("frmTest")
    {
        Width = widthPx * 15;
        Height = heightPx * 15;
    }
    void keyDown(int code, int) override { log.push_back("key " + std::to_string(code)); }
    void mouseDown(Control& c) override { log.push_back("down " + c.fullName()); }
    void mouseUp(Control& c) override { log.push_back("up " + c.fullName()); }
    void click(Control& c) override { log.push_back("click " + c.fullName()); }

    std::string joinedLog() const
    {
        std::string out;
        for (const std::string& line : log)
            out += (out.empty() ? "" : "|") + line;
        return out;
    }
    std::vector<std::string> log;
};

// Positions in whole pixels, turned into twips.
inline Control pixelControl(ControlKind kind, std::string name, int x, int y, int w, int h)
{
    const auto twips = [](int px) { return static_cast<float>(px * 15); };
    return makeControl(kind, std::move(name), twips(x), twips(y), twips(w), twips(h));
}

} // namespace gravok::ui::test
