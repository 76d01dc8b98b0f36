// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "episode_writer.h"

#include "core/numbers.h"

namespace gravok::fuzz {
namespace {

constexpr const char* Eol = "\r\n";

std::string differs(const std::string& where, int a, int b)
{
    return a == b ? std::string() : where + ": " + decimal(a) + " != " + decimal(b);
}

std::string heartText(const std::optional<HeartPlace>& h)
{
    return h ? "level " + decimal(h->level) + " at " + decimal(h->x) + "," + decimal(h->y) : "none";
}

} // namespace

std::string writeEpisode(const EpisodeData& episode)
{
    const LevelTable& levels = episode.levels;
    std::string out = decimal(levels.count()) + Eol;
    for (int level = 1; level <= levels.count(); ++level) {
        const LevelSatz& satz = levels(level);
        for (int slot = 1; slot <= satz.Anzahl; ++slot) {
            const GravokSatz& g = satz.Gravok(slot);
            out += decimal(g.Bild - 100) + "," + decimal(g.X) + "," + decimal(g.Y) + "," + decimal(g.DX) + "," +
                   decimal(g.DY) + Eol;
        }
        if (episode.heart && episode.heart->level == level)
            out += "0," + decimal(episode.heart->x) + "," + decimal(episode.heart->y) + Eol;
        out += Eol;
    }
    return out;
}

std::string firstDifference(const EpisodeData& a, const EpisodeData& b)
{
    if (auto d = differs("level count", a.levels.count(), b.levels.count()); !d.empty())
        return d;
    for (int level = 1; level <= a.levels.count(); ++level) {
        const LevelSatz& sa = a.levels(level);
        const LevelSatz& sb = b.levels(level);
        const std::string at = "level " + decimal(level);
        if (auto d = differs(at + " Anzahl", sa.Anzahl, sb.Anzahl); !d.empty())
            return d;
        // Unused slots are compared too: a reader must leave them as it found them.
        for (int slot = 1; slot <= 10; ++slot) {
            const GravokSatz& ga = sa.Gravok(slot);
            const GravokSatz& gb = sb.Gravok(slot);
            const std::string s = at + " slot " + decimal(slot) + " ";
            for (auto d : {differs(s + "Bild", ga.Bild, gb.Bild), differs(s + "X", ga.X, gb.X),
                           differs(s + "Y", ga.Y, gb.Y), differs(s + "DX", ga.DX, gb.DX),
                           differs(s + "DY", ga.DY, gb.DY), differs(s + "Treffer", ga.Treffer, gb.Treffer)})
                if (!d.empty())
                    return d;
        }
    }
    const auto& ha = a.heart;
    const auto& hb = b.heart;
    const bool same =
        ha.has_value() == hb.has_value() && (!ha || (ha->level == hb->level && ha->x == hb->x && ha->y == hb->y));
    return same ? std::string() : "heart: " + heartText(ha) + " != " + heartText(hb);
}

} // namespace gravok::fuzz
