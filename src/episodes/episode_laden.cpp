// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "episode_laden.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "app/frm_haupt.h"
#include "core/numbers.h"
#include "episodes/episode_parser.h"

namespace gravok {
namespace {

std::optional<std::string> readFile(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int err = errno;
        return std::string(err == ENOENT ? "Die Datei fehlt." : std::strerror(err));
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return std::string("Die Datei kann nicht gelesen werden.");
    bytes = std::move(buffer).str();
    return std::nullopt;
}

std::string failure(const std::filesystem::path& path, const std::string& why)
{
    // One line, so that it reads well in a message box and in a log alike.
    return "Die Episode kann nicht geladen werden: " + path.string() + ": " + why;
}

// Puts the gravoks of level 1 on the field.
void startLevel1(Game& game)
{
    FrmHaupt& h = game.frmHaupt();
    LevelSatz& level = game.Start.LevelDaten(1);
    for (int k = 1; k <= level.Anzahl; ++k) {
        const GravokSatz& g = level.Gravok(k);
        Control& img = *h.imgGravok(k);
        img.setPicture(g.Bild);
        img.Tag = "1";
        img.Left = static_cast<float>(g.X);
        img.Top = static_cast<float>(g.Y);
    }
}

} // namespace

std::optional<std::string> EpisodeLaden(Game& game, int n)
{
    const auto path = game.platform.programDir() / ("Episode" + decimal(n) + ".gvk");
    std::string bytes;
    const EpisodeTap& tap = game.episodeTap;
    const auto why = tap.source ? tap.source(n, bytes) : readFile(path, bytes);
    if (tap.loaded)
        tap.loaded(n, why ? nullptr : &bytes);
    if (why)
        return failure(path, *why);
    EpisodeParse parsed = parseEpisode(bytes);
    if (!parsed.data)
        return failure(path, "Zeile " + decimal(parsed.error.line) + ": " + parsed.error.what);

    StartModule& s = game.Start;
    s.AnzahlLevel = parsed.data->levels.count();
    s.LevelDaten = std::move(parsed.data->levels);
    if (const auto& heart = parsed.data->heart) {
        s.HerzLevel = heart->level;
        s.HerzX = heart->x;
        s.HerzY = heart->y;
    }
    startLevel1(game);
    s.Level = 1;
    s.Richtung = 1;
    s.Tempo = 0;
    s.Schaden = 0;
    return std::nullopt;
}

} // namespace gravok
