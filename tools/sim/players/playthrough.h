// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/game.h"
#include "core/errors.h"
#include "core/recording_platform.h"
#include "players/invariants.h"
#include "players/scratch_dir.h"
#include "replay/input_door.h"
#include "replay/recorder.h"

namespace gravok {

// How a player answers what the game puts in front of it.
class DialogAnswers {
public:
    virtual ~DialogAnswers() = default;
    // Acts on an open dialog (frmNeu, frmPunkte, frmInfo) as a player at the keyboard would.
    virtual void answer(Game& game, Form& dialog) = 0;
    // The name typed at the end of a game; nothing for a cancel.
    virtual std::optional<std::string> name() = 0;

    // The way the player's keys and clicks reach the game, recorded or not.
    void actThrough(replay::InputDoor& door) { door_ = &door; }

protected:
    [[nodiscard]] replay::InputDoor& door() { return *door_; }

private:
    replay::InputDoor* door_ = nullptr;
};

// What the desktop saw during a run.
struct DesktopCounts {
    long dialogs = 0;
    long names = 0;
    long helpStarts = 0;
    long gamesStarted = 0;  // OK in frmNeu that loaded an episode
    long gamesFinished = 0; // frmPunkte opened to take an entry
    long completed = 0;     // of those, by "Geschafft!"
};

// The desktop of a headless player. Dialogs go to the player; everything else is only
// counted, so that a run of millions of ticks keeps no growing log. Nobody reads messages
// in a soak, and none is expected there, so the first one is kept as a finding, as is a
// dialog the player could not close and an attempt to end the program.
class PlayPlatform : public RecordingPlatform {
public:
    PlayPlatform(std::filesystem::path dir, std::uint64_t seed, DialogAnswers& answers);

    // The game, and the door through which the player's inputs reach it.
    void attach(Game& game, replay::InputDoor& door)
    {
        game_ = &game;
        door_ = &door;
        answers_.actThrough(door);
    }

    void runModal(Form& form) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override;
    bool startProgram(const std::string&, const std::string&) override { return ++counts_.helpStarts > 0; }
    void openUrl(const std::string& url) override { note("the game opened " + url); }
    void message(const Message& message) override { note("the game said: " + message.text()); }
    void notify(const Message& message) override { note("the game said: " + message.text()); }
    void setBusyCursor(bool) override {}
    void endProgram() override;
    // Millions of ticks ask for millions of sounds: none is kept.
    void playSound(const char*) override {}

    [[nodiscard]] const DesktopCounts& counts() const { return counts_; }
    // Empty while all went as expected.
    [[nodiscard]] const std::string& finding() const { return finding_; }

private:
    void note(const std::string& what);

    DialogAnswers& answers_;
    Game* game_ = nullptr;
    replay::InputDoor* door_ = nullptr;
    DesktopCounts counts_;
    std::string finding_;
};

// One run of the game for a headless player: the desktop, the game in a scratch program
// directory, and the checks after every step. Each step returns what broke, or nullptr.
class Playthrough {
public:
    Playthrough(const ScratchDir& scratch, std::uint64_t seed, DialogAnswers& answers);

    [[nodiscard]] Game& game() { return game_; }
    [[nodiscard]] replay::InputDoor& door() { return door_; }
    [[nodiscard]] const PlayPlatform& platform() const { return platform_; }

    // Main, with its start-up dialog answered by the player.
    const char* start();
    // The player's keys and clicks between two ticks.
    template <class Keys>
    const char* act(Keys&& keys)
    {
        if (const char* failed = guarded(keys))
            return failed;
        return findings();
    }
    // 50 ms of game time, then every check.
    const char* tick();
    // The player's keys, then a tick.
    template <class Keys>
    const char* turn(Keys&& keys)
    {
        const char* failed = act(keys);
        return failed ? failed : tick();
    }
    // Says on OUT what broke in GAME, and where; returns 1, the status of a run that broke a rule.
    int violation(std::ostream& out, std::uint64_t seed, long game, const char* what) const
    {
        out << "VIOLATION seed=" << seed << " tick=" << ticks_ << " game=" << game << ": " << what << "\n";
        return 1;
    }

    // Records the run through the door when given a file to write it to; the game's final
    // dump goes to FILE.dump beside it, for the replay's check.
    void recordTo(std::filesystem::path file);
    // Writes the recording, if any; false after saying on ERR why it could not be written.
    bool writeRecording(std::ostream& err);

    [[nodiscard]] std::uint64_t ticks() const { return ticks_; }
    [[nodiscard]] long levelsCleared() const { return levelsCleared_; }
    // Hits the shuttle took, over all games.
    [[nodiscard]] long hits() const { return hits_; }

private:
    template <class Step>
    const char* guarded(Step&& step)
    {
        try {
            step();
            return nullptr;
        } catch (const GameError& e) {
            problem_ = std::string("the game failed: ") + e.what();
        } catch (const std::exception& e) {
            problem_ = std::string("the run failed: ") + e.what();
        }
        return problem_.c_str();
    }
    const char* findings();
    void countProgress();

    const ScratchDir& scratch_;
    std::filesystem::path recordFile_;
    std::unique_ptr<replay::Recorder> recorder_; // outlives the door that writes to it
    PlayPlatform platform_;
    Game game_;
    replay::InputDoor door_;
    InvariantChecker checker_;
    std::string problem_;
    std::uint64_t ticks_ = 0;
    long levelsCleared_ = 0;
    long hits_ = 0;
    long seenStarted_ = 0;
    long seenFinished_ = 0;
    int lastLevel_ = 1;
    int lastSchaden_ = 0;
};

} // namespace gravok
