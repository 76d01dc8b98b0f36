// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"

namespace gravok {
namespace {

bool inside(float x, float y, const Control& t)
{
    return x >= t.Left && x <= t.Left + t.Width && y >= t.Top && y <= t.Top + t.Height;
}

// Does one of the mover's corners, after its step, lie inside or on the target? Only the
// mover's corners count, so the test is not symmetric: a small target wholly inside the
// mover is missed. All four corners are tested, bottom-right first.
bool cornerContact(const Control& m, float sx, float sy, const Control& t)
{
    const float x0 = m.Left + sx;
    const float y0 = m.Top + sy;
    const float x1 = m.Left + m.Width + sx;
    const float y1 = m.Top + m.Height + sy;
    bool hit = false;
    if (inside(x1, y1, t))
        hit = true;
    if (inside(x0, y1, t))
        hit = true;
    if (inside(x0, y0, t))
        hit = true;
    if (inside(x1, y0, t))
        hit = true;
    return hit;
}

} // namespace

bool FrmHaupt::KollisionShuttleGravok(int k, int sx, int sy)
{
    return cornerContact(*imgShuttle, static_cast<float>(sx), static_cast<float>(sy), *imgGravok(k));
}

bool FrmHaupt::KollisionGravokGravok(int i, int j)
{
    const GravokSatz& g = slot(i);
    return cornerContact(*imgGravok(i), static_cast<float>(g.DX), static_cast<float>(g.DY), *imgGravok(j));
}

bool FrmHaupt::KollisionGravokShuttle(int i)
{
    const GravokSatz& g = slot(i);
    return cornerContact(*imgGravok(i), static_cast<float>(g.DX), static_cast<float>(g.DY), *imgShuttle);
}

} // namespace gravok
