// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "app/frm_haupt.h"

namespace gravok {

// A gravok drifts at most the level's largest DX or DY in one tick; the episode says how
// far, and a bounce only hands one gravok's drift to another.
float FrmHaupt::levelDrift() const
{
    float most = 0;
    if (!levelInPlay())
        return most;
    const LevelSatz& level = game_.Start.LevelDaten(game_.Start.Level);
    for (int k = imgGravok.first; k <= level.Anzahl && k <= imgGravok.last; ++k)
        most = std::max({most, std::fabs(float(level.Gravok(k).DX)), std::fabs(float(level.Gravok(k).DY))});
    return most;
}

void FrmHaupt::movingPictures(std::vector<Moving>& all) const
{
    all.clear();
    all.push_back({imgShuttle, shuttleStepMost(), true, true});
    const float drift = levelDrift();
    for (int k = imgGravok.first; k <= imgGravok.last; ++k)
        all.push_back({imgGravok(k), drift, true, imgGravok(k)->Tag != "0"}); // "0": exploding or parked
    for (int i = imgSchuss.first; i <= imgSchuss.last; ++i)
        all.push_back({imgSchuss(i), shotStepMost(), false, imgSchuss(i)->Tag == "2"}); // else waiting to launch
    all.push_back({imgHerz, 0, false, true}); // it only ever jumps: placed, parked, collected
}

} // namespace gravok
