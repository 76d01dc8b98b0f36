// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "episode_laden.h"

#include <cerrno>

#include "app/frm_haupt.h"
#include "core/files.h"
#include "core/numbers.h"
#include "episodes/episode_parser.h"

namespace gravok {
namespace {

// No episode a game can play comes near this; a larger file is refused unread.
constexpr std::size_t MaxEpisodeBytes = std::size_t{1024} * 1024;

std::optional<Message> readFile(const std::filesystem::path& path, std::string& bytes)
{
    // Links are followed: an installed game may keep its episodes as links into a data folder.
    ReadResult read = readBounded(path, MaxEpisodeBytes, Links::Follow);
    if (!read.bytes)
        return read.reason == errnoReason(ENOENT) ? Message(GRAVOK_TEXT("Meldungen", "Die Datei fehlt."))
                                                  : Message(GRAVOK_TEXT("Meldungen", "%1."), {read.reason});
    bytes = std::move(*read.bytes);
    return std::nullopt;
}

// One line, so that it reads well in a message box and in a log alike.
Message failure(const std::filesystem::path& path, const Message& why)
{
    return {GRAVOK_TEXT("Meldungen", "Die Episode kann nicht geladen werden: %1: %2"),
            {Message::literal(nameOf(path)), why}};
}

} // namespace

std::optional<Message> EpisodeLaden(Game& game, int n)
{
    const auto path = game.platform.gameFile("Episode" + decimal(n) + ".gvk");
    std::string bytes;
    const EpisodeTap& tap = game.episodeTap;
    const auto why = tap.source ? tap.source(n, bytes) : readFile(path, bytes);
    if (tap.loaded)
        tap.loaded(n, why ? nullptr : &bytes);
    if (why)
        return failure(path, *why);
    EpisodeParse parsed = parseEpisode(bytes);
    if (!parsed.data)
        return Message(
            GRAVOK_TEXT("Meldungen", "Die Episode kann nicht geladen werden: %1: Zeile %2: %3"),
            {Message::literal(nameOf(path)), Message::literal(decimal(parsed.error.line)), parsed.error.what});

    StartModule& s = game.Start;
    s.AnzahlLevel = parsed.data->levels.count();
    s.LevelDaten = std::move(parsed.data->levels);
    if (const auto& heart = parsed.data->heart) {
        s.HerzLevel = heart->level;
        s.HerzX = heart->x;
        s.HerzY = heart->y;
    }
    I16 k;
    game.frmHaupt().startLevel(1, k);
    s.Level = 1;
    s.Richtung = 1;
    s.Tempo = 0;
    s.Schaden = 0;
    return std::nullopt;
}

} // namespace gravok
