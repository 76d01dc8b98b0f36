// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/invariants.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>

#include "app/frm_haupt.h"

namespace gravok {
namespace {

// One character out of ALLOWED; checked by hand, as this runs some thirty times a tick.
bool oneOf(const std::string& tag, std::string_view allowed)
{
    return tag.size() == 1 && allowed.find(tag[0]) != std::string_view::npos;
}

// The score as the game writes it: plain decimal, no leading zeros, -99999 to 99999.
bool isScoreText(std::string_view text)
{
    if (text == "0")
        return true;
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 5 || text.front() == '0')
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

const char* InvariantChecker::check(Game& game)
{
    const StartModule& s = game.Start;
    FrmHaupt& h = game.frmHaupt();
    // Before the first game the designed start-up state holds, not that of a game.
    const bool started = s.Episode != 0;
    if (stateBroken(s, started) || tagsBroken(h) || pauseBroken(h))
        return text_;
    if (started && (damageBarBroken(h, s.Schaden) || stepsBroken(s) || picturesBroken(h, s)))
        return text_;
    if (started && !isScoreText(h.lblP->Caption)) {
        broken("lblP.Caption is \"%s\", no score from -99999 to 99999", h.lblP->Caption.c_str());
        return text_;
    }
    return nullptr;
}

bool InvariantChecker::broken(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(text_, sizeof text_, format, args);
    va_end(args);
    return true;
}

bool InvariantChecker::stateBroken(const StartModule& s, bool started)
{
    if (s.Schaden < 0 || s.Schaden > 19)
        return broken("Schaden is %d, outside 0..19", int(s.Schaden));
    if (s.Tempo < -100 || s.Tempo > 100)
        return broken("Tempo is %d, outside -100..100", int(s.Tempo));
    if (!started)
        return false;
    if (s.Richtung < 1 || s.Richtung > 16)
        return broken("Richtung is %d, outside 1..16", int(s.Richtung));
    if (s.AnzahlLevel != s.LevelDaten.count())
        return broken("AnzahlLevel is %d but %d levels are loaded", int(s.AnzahlLevel), s.LevelDaten.count());
    if (s.Level < 1 || s.Level > int(s.AnzahlLevel) + 1)
        return broken("Level is %d, outside 1..%d", int(s.Level), int(s.AnzahlLevel) + 1);
    return false;
}

// Segment i stands for damage i + 1; the bar has 18 segments and 19 is game over.
bool InvariantChecker::damageBarBroken(FrmHaupt& h, int schaden)
{
    const int lit = std::min(schaden, 18);
    for (int i = 0; i <= 17; ++i)
        if (h.spe(i)->Visible != (i < lit))
            return broken("spe(%d).Visible is %s at Schaden %d", i, h.spe(i)->Visible ? "True" : "False", schaden);
    return false;
}

// After the last level, Level points past the table: nothing is current then.
bool InvariantChecker::stepsBroken(const StartModule& s)
{
    if (s.Level > s.AnzahlLevel)
        return false;
    const LevelSatz& level = s.LevelDaten(s.Level);
    for (int k = 1; k <= 10; ++k) {
        const GravokSatz& g = level.Gravok(k);
        if (g.DX < -100 || g.DX > 100 || g.DY < -100 || g.DY > 100)
            return broken("LevelDaten(%d).Gravok(%d) steps DX %d DY %d, outside -100..100", int(s.Level), k, int(g.DX),
                          int(g.DY));
    }
    return false;
}

// A gravok in play that shows another picture, or none, is one the player cannot see right.
bool InvariantChecker::picturesBroken(FrmHaupt& h, const StartModule& s)
{
    if (s.Level > s.AnzahlLevel)
        return false;
    const LevelSatz& level = s.LevelDaten(s.Level);
    for (int k = 1; k <= level.Anzahl; ++k) {
        const Control& img = *h.imgGravok(k);
        if (oneOf(img.Tag, "1") && img.Picture() != level.Gravok(k).Bild)
            return broken("imgGravok(%d) is in play showing picture %d, not its %d", k, img.Picture(),
                          int(level.Gravok(k).Bild));
    }
    return false;
}

bool InvariantChecker::tagsBroken(FrmHaupt& h)
{
    if (!oneOf(h.Tag, "01"))
        return broken("frmHaupt.Tag is \"%s\", not 0 or 1", h.Tag.c_str());
    for (int k = 1; k <= 10; ++k)
        if (!oneOf(h.imgGravok(k)->Tag, "01"))
            return broken("imgGravok(%d).Tag is \"%s\", not 0 or 1", k, h.imgGravok(k)->Tag.c_str());
    for (int i = 0; i <= 9; ++i) {
        const std::string& tag = h.imgSchuss(i)->Tag;
        if (!oneOf(tag, "012"))
            return broken("imgSchuss(%d).Tag is \"%s\", not 0, 1 or 2", i, tag.c_str());
    }
    for (const Control* t : {h.tmeBewegung, h.tmeSchuss, h.tmeGravokiten, h.tmeAniGravok, h.tmeAniSchuss})
        if (!oneOf(t->Tag, "01"))
            return broken("%s.Tag is \"%s\", not 0 or 1", t->Name.c_str(), t->Tag.c_str());
    return false;
}

// Paused, nothing runs; running, the three timers of play run whatever the animations do.
bool InvariantChecker::pauseBroken(FrmHaupt& h)
{
    const std::array<const Control*, 5> timers = {h.tmeBewegung, h.tmeSchuss, h.tmeGravokiten, h.tmeAniGravok,
                                                  h.tmeAniSchuss};
    if (h.Pausiert == 1) {
        for (const Control* t : timers)
            if (t->Enabled())
                return broken("Pausiert is 1 but %s is enabled", t->Name.c_str());
        return false;
    }
    if (h.Pausiert != 0)
        return broken("Pausiert is %d, not 0 or 1", int(h.Pausiert));
    for (std::size_t i = 0; i < 3; ++i)
        if (!timers[i]->Enabled())
            return broken("Pausiert is 0 but %s is disabled", timers[i]->Name.c_str());
    return false;
}

} // namespace gravok
