// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/play_platform.h"

#include "app/frm_haupt.h"
#include "episodes/frm_neu.h"

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

} // namespace gravok
