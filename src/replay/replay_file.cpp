// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_file.h"
#include "replay/number.h"

#include <charconv>

#include "core/text_lines.h"
#include "replay/base64.h"

namespace gravok::replay {
namespace {

constexpr std::string_view Magic = "#@gravok-replay ";
constexpr std::string_view RulesTag = "#@rules ";
constexpr std::string_view RandomTag = "#@random ";
constexpr std::string_view EpisodeTag = "#@episode ";
constexpr std::string_view SpeedTag = "#@speed ";

bool wholeNumber(std::string_view t)
{
    return number<long long>(t).has_value() && t[0] != '-';
}

Message damaged(int line, const char* why)
{
    return {GRAVOK_TEXT("Meldungen", "Der Kopf der Aufzeichnung ist beschädigt (Zeile %1): %2"),
            {Message::literal(std::to_string(line)), why}};
}

} // namespace

bool isInputCommand(std::string_view line)
{
    const std::size_t blank = line.find(' ');
    const std::string_view verb = line.substr(0, blank);
    const std::string_view rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    const bool bare = blank == std::string_view::npos;
    if (verb == "advance")
        return !bare && wholeNumber(rest);
    if (verb == "key" || verb == "click" || verb == "down" || verb == "up")
        return !bare && !rest.empty();
    if (verb == "input")
        return !bare;
    if (verb == "input-cancel" || verb == "away")
        return bare;
    return false;
}

std::string formatReplay(const Replay& replay)
{
    std::string out;
    out.reserve(replay.inputs.size() + 256);
    out += std::string(Magic) + std::to_string(FormatVersion) + "\n";
    out += std::string(RulesTag) + std::to_string(replay.rules) + "\n";
    out += std::string(RandomTag) + std::to_string(replay.random) + "\n";
    if (replay.speed != FullSpeed)
        out += std::string(SpeedTag) + std::to_string(replay.speed) + "\n";
    for (const EpisodeLoad& e : replay.episodes)
        out += std::string(EpisodeTag) + std::to_string(e.episode) + " " +
               (e.bytes ? toBase64(*e.bytes) : std::string("missing")) + "\n";
    out += replay.inputs;
    return out;
}

std::variant<Replay, Message> parseReplay(std::string_view text, int rules)
{
    TextLines lines(text);
    std::string_view line;
    if (!lines.next(line) || !line.starts_with(Magic))
        return GRAVOK_TEXT("Meldungen", "Die Datei ist keine Gravok-Aufzeichnung.");
    const auto format = number<int>(line.substr(Magic.size()));
    if (!format)
        return damaged(1, GRAVOK_TEXT("Meldungen", "die Formatangabe ist unlesbar."));
    if (*format != FormatVersion)
        return Message(
            GRAVOK_TEXT("Meldungen", "Die Aufzeichnung hat das Format %1; dieses Gravok kann nur Format %2 abspielen."),
            {Message::literal(std::to_string(*format)), Message::literal(std::to_string(FormatVersion))});

    Replay replay;
    if (!lines.next(line) || !line.starts_with(RulesTag))
        return damaged(lines.number(), GRAVOK_TEXT("Meldungen", "die Angabe der Regelversion fehlt."));
    const auto recordedRules = number<int>(line.substr(RulesTag.size()));
    if (!recordedRules)
        return damaged(lines.number(), GRAVOK_TEXT("Meldungen", "die Regelversion ist unlesbar."));
    if (*recordedRules != rules)
        return Message(GRAVOK_TEXT("Meldungen",
                                   "Die Aufzeichnung wurde nach den Regeln der Version %1 gespielt; "
                                   "dieses Gravok spielt nach Version %2 und kann sie nicht genau wiedergeben."),
                       {Message::literal(std::to_string(*recordedRules)), Message::literal(std::to_string(rules))});
    replay.rules = *recordedRules;

    if (!lines.next(line) || !line.starts_with(RandomTag))
        return damaged(lines.number(), GRAVOK_TEXT("Meldungen", "der Zufallszustand fehlt."));
    const auto random = number<std::uint64_t>(line.substr(RandomTag.size()));
    if (!random)
        return damaged(lines.number(), GRAVOK_TEXT("Meldungen", "der Zufallszustand ist unlesbar."));
    replay.random = *random;

    bool inHeader = true;
    while (lines.next(line)) {
        if (inHeader && line.starts_with(EpisodeTag)) {
            const std::string_view rest = line.substr(EpisodeTag.size());
            const std::size_t blank = rest.find(' ');
            const auto episode = number<int>(rest.substr(0, blank));
            if (blank == std::string_view::npos || !episode || *episode < 1)
                return damaged(lines.number(), GRAVOK_TEXT("Meldungen", "die Episodennummer ist unlesbar."));
            EpisodeLoad load{*episode, std::nullopt};
            const std::string_view data = rest.substr(blank + 1);
            if (data != "missing") {
                load.bytes = fromBase64(data);
                if (!load.bytes)
                    return damaged(lines.number(), GRAVOK_TEXT("Meldungen", "der Inhalt der Episode ist beschädigt."));
            }
            replay.episodes.push_back(std::move(load));
            continue;
        }
        if (inHeader && line.starts_with(SpeedTag)) {
            const auto speed = number<int>(line.substr(SpeedTag.size()));
            if (!speed || !isGameSpeed(*speed))
                return damaged(lines.number(), GRAVOK_TEXT("Meldungen", "die Angabe des Spieltempos ist unlesbar."));
            replay.speed = *speed;
            continue;
        }
        if (line.starts_with("#@"))
            return damaged(lines.number(), GRAVOK_TEXT("Meldungen", "unbekannte Kopfzeile."));
        inHeader = false;
        if (line.empty() || line[0] == '#')
            continue;
        if (!isInputCommand(line))
            return Message(
                GRAVOK_TEXT("Meldungen", "Die Aufzeichnung ist beschädigt (Zeile %1): keine Eingabe: %2"),
                {Message::literal(std::to_string(lines.number())), Message::literal(std::string(line.substr(0, 40)))});
        replay.inputs.append(line);
        replay.inputs += '\n';
    }
    return replay;
}

} // namespace gravok::replay
