// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_player.h"

#include <charconv>
#include <map>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/form.h"
#include "core/text_lines.h"

namespace gravok::replay {
namespace {

const std::map<std::string, int, std::less<>> KeyCodes = {
    {"F1", key::F1}, {"F2", key::F2},       {"F4", key::F4},        {"Left", key::Left},
    {"Up", key::Up}, {"Right", key::Right}, {"Down", key::Down},    {"Space", key::Space},
    {"P", key::P},   {"Enter", key::Enter}, {"Escape", key::Escape}};

std::pair<std::string_view, std::string_view> split(std::string_view line)
{
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

std::uint64_t number(std::string_view t)
{
    std::uint64_t v = 0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

bool isAdvance(const std::string& line)
{
    return line.starts_with("advance ");
}

} // namespace

ReplayPlayer::ReplayPlayer(Game& game, const Replay& replay) : game_(game), episodes_(replay.episodes)
{
    TextLines lines(replay.inputs);
    for (std::string_view line; lines.next(line);)
        lines_.emplace_back(line);
    done_.assign(lines_.size(), false);
    game_.episodeTap.source = [this](int n, std::string& bytes) -> std::optional<Message> {
        if (static_cast<std::size_t>(loads_) >= episodes_.size())
            return GRAVOK_TEXT("Meldungen", "Die Aufzeichnung enthält keine weitere Episode.");
        const EpisodeLoad& load = episodes_[static_cast<std::size_t>(loads_++)];
        if (load.episode != n || !load.bytes)
            return GRAVOK_TEXT("Meldungen", "Die Datei fehlt.");
        bytes = *load.bytes;
        return std::nullopt;
    };
}

ReplayPlayer::~ReplayPlayer()
{
    game_.episodeTap.source = nullptr;
}

void ReplayPlayer::start()
{
    game_.Main();
}

bool ReplayPlayer::finished() const
{
    return pos_ >= lines_.size();
}

// The first line still to deliver that is no advance: what a dialog up now reads.
std::size_t ReplayPlayer::nextInput() const
{
    std::size_t i = pos_;
    while (i < lines_.size() && (done_[i] || isAdvance(lines_[i])))
        ++i;
    return i;
}

void ReplayPlayer::play(std::uint64_t ms, std::optional<int> stopAtLoad)
{
    while (!finished()) {
        if (stopAtLoad && loads_ >= *stopAtLoad)
            return;
        // A dialog that has just closed must be left first, as the harness's loop leaves it.
        if (!game_.windows().empty() && game_.activeWindow().closed())
            return;
        if (done_[pos_]) {
            ++pos_;
            continue;
        }
        const std::string& line = lines_[pos_];
        if (!isAdvance(line)) {
            ++pos_;
            deliver(line);
            continue;
        }
        if (game_.clock.held()) {
            // A tick opened a dialog in the middle of this advance: its inputs follow it.
            // With none left the run was recorded up to here, the dialog open: the time
            // after it was never played, and nothing can close the dialog now.
            if (!deliverNext())
                stop();
            continue;
        }
        if (ms == 0)
            return;
        const std::uint64_t total = number(line.substr(8));
        const std::uint64_t take = std::min(total - playedOfLine_, ms);
        ms -= take;
        // The place is moved on first: a dialog that opens in this advance reads on from it.
        playedOfLine_ += take;
        if (playedOfLine_ >= total) {
            ++pos_;
            playedOfLine_ = 0;
        }
        game_.clock.advance(take);
    }
}

bool ReplayPlayer::deliverNext()
{
    const std::size_t i = nextInput();
    if (i >= lines_.size())
        return false;
    done_[i] = true;
    deliver(lines_[i]);
    return true;
}

std::optional<std::string> ReplayPlayer::answer()
{
    const std::size_t i = nextInput();
    if (i >= lines_.size())
        return std::nullopt;
    const auto [verb, rest] = split(lines_[i]);
    if (verb != "input" && verb != "input-cancel")
        return std::nullopt; // the game went its own way; a cancel is the harmless answer
    done_[i] = true;
    ++delivered_;
    if (verb == "input-cancel")
        return std::nullopt;
    return std::string(rest);
}

void ReplayPlayer::deliver(const std::string& line)
{
    ++delivered_;
    const auto [verb, rest] = split(line);
    if (verb == "key") {
        const auto named = KeyCodes.find(rest);
        const int code = named != KeyCodes.end() ? named->second : static_cast<int>(number(rest));
        game_.activeWindow().keyDown(code, 0);
    } else if (verb == "click" || verb == "down" || verb == "up") {
        Form& form = game_.activeWindow();
        const std::size_t paren = rest.find('(');
        const std::string name(rest.substr(0, paren));
        const int index = paren == std::string_view::npos ? -1 : static_cast<int>(number(rest.substr(paren + 1)));
        Control* c = form.find(name, index);
        if (!c)
            return;
        if (verb != "up")
            form.mouseDown(*c);
        if (verb != "down")
            form.mouseUp(*c);
        if (verb == "click") {
            if (c->Kind == ControlKind::OptionButton)
                form.selectOption(*c);
            form.click(*c);
        }
    } else if (verb == "away") {
        game_.frmHaupt().pauseWhileAway();
    }
    // An input line outside an input box is an answer given ahead, as in the harness; the
    // window's recordings never hold one.
}

} // namespace gravok::replay
