// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/aim_sight.h"

#include <cmath>
#include <numbers>

#include "app/frm_haupt.h"

namespace gravok {
namespace {

constexpr double FieldWidth = 9600, FieldHeight = 7200, ShotSize = 135;
constexpr double ShotX[17] = {0, 0, 150, 300, 300, 300, 300, 300, 150, 0, -150, -300, -300, -300, -300, -300, -150};
constexpr double ShotY[17] = {0, -300, -300, -300, -150, 0, 150, 300, 300, 300, 300, 300, 150, 0, -150, -300, -300};

// Where the game puts a new shot: on the shuttle's outline, where the heading points. Its
// left is the shuttle's left plus parts of the shuttle's width and of the shot's size, its
// top likewise.
Box launchBox(const Box& s, int heading)
{
    constexpr double OfWidth[17] = {0, .5, 1, 1, 1, 1, 1, 1, 1, .5, .25, 0, 0, 0, 0, 0, .25};
    constexpr double LeftShots[17] = {0, -.5, -2, -.5, 0, 0, 0, 0, -1, -.5, -.5, -.5, -1, -1, -1, -1, -.5};
    constexpr double OfHeight[17] = {0, 0, 0, 0, .25, .5, 1, 1, 1, 1, 1, 1, 1, .5, .25, 0, 0};
    constexpr double TopShots[17] = {0, -1, -1, -1, -.5, -.5, -2, 0, 0, 0, 0, 0, -2, -.5, -.5, -1, -1};
    return {s.left + OfWidth[heading] * s.width + LeftShots[heading] * ShotSize,
            s.top + OfHeight[heading] * s.height + TopShots[heading] * ShotSize, ShotSize, ShotSize};
}

bool inside(double x, double y, const Box& g)
{
    return x >= g.left && x <= g.left + g.width && y >= g.top && y <= g.top + g.height;
}

bool outsideField(const Box& s)
{
    return s.top + s.height < 0 || s.left + s.width < 0 || s.top > FieldHeight || s.left > FieldWidth;
}

// Where to aim so that a shot from (fromX, fromY) meets a gravok moving by VELOCITY.
Step interceptPoint(double fromX, double fromY, const Box& target, Step velocity)
{
    Step aim{target.centreX(), target.centreY()};
    for (int round = 0; round < 3; ++round) {
        const double ticks = std::hypot(aim.x - fromX, aim.y - fromY) / 300.0 + 1;
        aim = {target.centreX() + velocity.x * ticks, target.centreY() + velocity.y * ticks};
    }
    return aim;
}

} // namespace

Box boxOf(const Control& c)
{
    return {c.Left, c.Top, c.Width, c.Height};
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

int headingToward(double fromX, double fromY, double toX, double toY)
{
    const double dx = toX - fromX;
    const double dy = toY - fromY;
    if (dx == 0 && dy == 0)
        return 0;
    // Clockwise from up: atan2 of (right, up) instead of the usual (up, right).
    double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    const int sector = static_cast<int>(std::floor((degrees + 11.25) / 22.5)) % 16;
    return sector + 1;
}

int turnToward(int from, int to)
{
    const int clockwise = ((to - from) % 16 + 16) % 16;
    return clockwise == 0 ? 0 : (clockwise <= 8 ? +1 : -1);
}

int turnsBetween(int from, int to)
{
    const int clockwise = ((to - from) % 16 + 16) % 16;
    return clockwise <= 8 ? clockwise : 16 - clockwise;
}

} // namespace gravok
