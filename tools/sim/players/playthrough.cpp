// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/playthrough.h"

#include <fstream>

#include "app/frm_haupt.h"
#include "core/rules.h"
#include "dump.h"
#include "episodes/frm_neu.h"
#include "replay/replay_io.h"

namespace gravok {

PlayPlatform::PlayPlatform(std::filesystem::path dir, std::uint64_t seed, DialogAnswers& answers)
    : RecordingPlatform(std::move(dir)), answers_(answers)
{
    this->seed = seed;
}

void PlayPlatform::runModal(Form& form)
{
    ++counts_.dialogs;
    if (form.Name == "frmPunkte" && game_->Start.PunkteEintragen) {
        ++counts_.gamesFinished;
        if (game_->frmHaupt().lblAnzeige->Caption == "Geschafft!")
            ++counts_.completed;
    }
    answers_.answer(*game_, form);
    if (!form.closed()) {
        note(form.Name + " stayed open after the player's answer");
        form.Unload();
    }
    const auto* neu = dynamic_cast<const FrmNeu*>(&form);
    if (neu && neu->gameStarted())
        ++counts_.gamesStarted;
}

std::optional<std::string> PlayPlatform::inputBox(const std::string&, const std::string&)
{
    ++counts_.names;
    auto answer = answers_.name();
    door_->answered(answer);
    return answer;
}

void PlayPlatform::endProgram()
{
    note("the game ended the program");
    ended = true;
}

// Kept on one line, as the report of a run prints it on one.
void PlayPlatform::note(const std::string& what)
{
    if (!finding_.empty())
        return;
    finding_ = what;
    for (char& c : finding_)
        if (c == '\n' || c == '\r')
            c = ' ';
}

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

void Playthrough::recordTo(std::filesystem::path file)
{
    recordFile_ = std::move(file);
    if (recordFile_.empty())
        return;
    recorder_ = std::make_unique<replay::Recorder>(RulesVersion);
    door_.record(recorder_.get());
}

bool Playthrough::writeRecording(std::ostream& err)
{
    if (!recorder_)
        return true;
    const bool compress = recordFile_.extension() == ".gz";
    if (const auto why = replay::writeReplayText(recordFile_, recorder_->text(), compress)) {
        err << "gravok-sim: " << *why << "\n";
        return false;
    }
    std::ofstream dump(recordFile_.string() + ".dump", std::ios::binary | std::ios::trunc);
    dump << dumpJson(game_) << "\n";
    dump.close();
    if (dump)
        return true;
    err << "gravok-sim: cannot write " << recordFile_.string() << "\n";
    return false;
}

} // namespace gravok
