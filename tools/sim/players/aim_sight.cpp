// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/aim_sight.h"

#include <cmath>

#include "app/frm_haupt.h"
#include "players/heading.h"

namespace gravok {
namespace {

constexpr double FieldWidth = 9600, FieldHeight = 7200, ShotSize = 135;
constexpr double ShotX[17] = {0, 0, 150, 300, 300, 300, 300, 300, 150, 0, -150, -300, -300, -300, -300, -300, -150};
constexpr double ShotY[17] = {0, -300, -300, -300, -150, 0, 150, 300, 300, 300, 300, 300, 150, 0, -150, -300, -300};

// Where the game puts a new shot: on the shuttle's outline, where the heading points.
Box launchBox(const Box& s, int heading)
{
    const double L = s.left, T = s.top, W = s.width, H = s.height, w = ShotSize;
    const double left[17] = {0,
                             L + W / 2 - w / 2,
                             L + W - 2 * w,
                             L + W - w / 2,
                             L + W,
                             L + W,
                             L + W,
                             L + W,
                             L + W - w,
                             L + W / 2 - w / 2,
                             L + W / 4 - w / 2,
                             L - w / 2,
                             L - w,
                             L - w,
                             L - w,
                             L - w,
                             L + W / 4 - w / 2};
    const double top[17] = {0,     T - w, T - w, T - w, T + H / 4 - w / 2, T + H / 2 - w / 2, T + H - 2 * w,     T + H,
                            T + H, T + H, T + H, T + H, T + H - 2 * w,     T + H / 2 - w / 2, T + H / 4 - w / 2, T - w,
                            T - w};
    return {left[heading], top[heading], w, w};
}

bool inside(double x, double y, const Box& g)
{
    return x >= g.left && x <= g.left + g.width && y >= g.top && y <= g.top + g.height;
}

bool outsideField(const Box& s)
{
    return s.top + s.height < 0 || s.left + s.width < 0 || s.top > FieldHeight || s.left > FieldWidth;
}

} // namespace

Box boxOf(const Control& c)
{
    return {c.Left, c.Top, c.Width, c.Height};
}

Step shotStep(int heading)
{
    if (heading < 1 || heading > 16)
        return {};
    return {ShotX[heading], ShotY[heading]};
}

bool shotWouldHit(const Box& shuttle, int heading, int delay, const Box& target, Step velocity)
{
    if (heading < 1 || heading > 16)
        return false;
    Box shot = launchBox(shuttle, heading);
    Box g = target;
    // The launch tick places the shot without testing it; from the next tick on it flies.
    const int launch = delay + 1;
    g.left += velocity.x * launch;
    g.top += velocity.y * launch;
    for (int tick = 0; tick < 40; ++tick) {
        g.left += velocity.x;
        g.top += velocity.y;
        shot.left += ShotX[heading];
        shot.top += ShotY[heading];
        if (inside(shot.left, shot.top, g) || inside(shot.left + shot.width, shot.top + shot.height, g))
            return true;
        if (outsideField(shot))
            return false;
    }
    return false;
}

Step interceptPoint(double fromX, double fromY, const Box& target, Step velocity)
{
    Step aim{target.centreX(), target.centreY()};
    for (int round = 0; round < 3; ++round) {
        const double ticks = std::hypot(aim.x - fromX, aim.y - fromY) / 300.0 + 1;
        aim = {target.centreX() + velocity.x * ticks, target.centreY() + velocity.y * ticks};
    }
    return aim;
}

int nearestGravok(Game& game)
{
    FrmHaupt& h = game.frmHaupt();
    const StartModule& s = game.Start;
    if (s.Level < 1 || s.Level > s.AnzahlLevel)
        return 0;
    const Box shuttle = boxOf(*h.imgShuttle);
    int best = 0;
    double bestSquare = 0; // squared distances order the same way
    for (int k = 1; k <= s.LevelDaten(s.Level).Anzahl; ++k) {
        if (h.imgGravok(k)->Tag != "1")
            continue;
        const Box g = boxOf(*h.imgGravok(k));
        const double dx = g.centreX() - shuttle.centreX(), dy = g.centreY() - shuttle.centreY();
        const double d = dx * dx + dy * dy;
        if (best == 0 || d < bestSquare) {
            best = k;
            bestSquare = d;
        }
    }
    return best;
}

int headingToGravok(Game& game, int k)
{
    FrmHaupt& h = game.frmHaupt();
    const GravokSatz& g = game.Start.LevelDaten(game.Start.Level).Gravok(k);
    const Box shuttle = boxOf(*h.imgShuttle);
    const Step aim =
        interceptPoint(shuttle.centreX(), shuttle.centreY(), boxOf(*h.imgGravok(k)), {double(g.DX), double(g.DY)});
    return headingToward(shuttle.centreX(), shuttle.centreY(), aim.x, aim.y);
}

} // namespace gravok
