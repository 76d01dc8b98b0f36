// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/game.h"

namespace gravok {

class FrmHaupt;

// The rules a game may never break between two ticks, whatever the player does. The check
// allocates nothing and is cheap enough to run after every tick; only a broken rule is
// put into words.
class InvariantChecker {
public:
    // Nothing when every rule holds, else what broke; the text lives until the next call.
    [[nodiscard]] const char* check(Game& game);

private:
    bool broken(const char* format, ...) __attribute__((format(printf, 2, 3)));
    bool stateBroken(const StartModule& s, bool started);
    bool damageBarBroken(FrmHaupt& h, int schaden);
    bool stepsBroken(const StartModule& s);
    bool picturesBroken(FrmHaupt& h, const StartModule& s);
    bool tagsBroken(FrmHaupt& h);
    bool pauseBroken(FrmHaupt& h);

    char text_[256] = {};
};

} // namespace gravok
