// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/playthrough.h"

#include "app/frm_haupt.h"

namespace gravok {

Playthrough::Playthrough(const ScratchDir& scratch, std::uint64_t seed, DialogAnswers& answers)
    : scratch_(scratch), platform_(scratch.programDir(), seed, answers), game_(platform_), door_(game_)
{
    platform_.attach(game_, door_);
    // The harness seeds the same way: the draws before Main come from the seed as well.
    game_.random.reseed(seed);
}

const char* Playthrough::start()
{
    if (const char* failed = guarded([this] { door_.main(); }))
        return failed;
    return findings();
}

const char* Playthrough::tick()
{
    ++ticks_;
    if (const char* failed = guarded([this] { door_.advance(50); }))
        return failed;
    if (const char* broken = checker_.check(game_))
        return broken;
    return findings();
}

// Things only the desktop and the files can tell, and the counts of a run.
const char* Playthrough::findings()
{
    if (!platform_.finding().empty())
        return platform_.finding().c_str();
    countProgress();
    const long finished = platform_.counts().gamesFinished;
    if (finished == seenFinished_)
        return nullptr;
    seenFinished_ = finished;
    const long lines = scratch_.listLines();
    if (lines == finished)
        return nullptr;
    problem_ = "the high-score lists hold " + std::to_string(lines) + " lines after " + std::to_string(finished) +
               " finished games";
    return problem_.c_str();
}

void Playthrough::countProgress()
{
    const StartModule& s = game_.Start;
    if (platform_.counts().gamesStarted != seenStarted_) {
        seenStarted_ = platform_.counts().gamesStarted;
        lastLevel_ = s.Level;
        lastSchaden_ = s.Schaden;
    }
    if (s.Level > lastLevel_)
        levelsCleared_ += s.Level - lastLevel_;
    lastLevel_ = s.Level;
    if (s.Schaden > lastSchaden_)
        hits_ += s.Schaden - lastSchaden_;
    lastSchaden_ = s.Schaden;
}

} // namespace gravok
