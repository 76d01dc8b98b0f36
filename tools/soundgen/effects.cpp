// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds, each from a few tones and noises. Frequent ones (the shot) are short
// and quiet; the events that end something are longer and carry a tune.
#include <cmath>

#include "synth.h"

namespace gravok::soundgen {
namespace {

using Fn = std::function<double(double)>;

const std::vector<double> Sine = {1.0};
const std::vector<double> Soft = {1.0, 0.0, 0.12, 0.0, 0.04};  // a rounded triangle
const std::vector<double> Hollow = {1.0, 0.0, 0.33, 0.0, 0.2}; // a mellow square

Fn steady(double f)
{
    return [f](double) { return f; };
}

Fn sweep(double from, double to, double over)
{
    return [=](double t) { return glide(from, to, t, over); };
}

Fn struck(double attack, double tau)
{
    return [=](double t) { return strike(t, attack, tau); };
}

// A laser chirp falling fast.
Wave shot()
{
    Wave w;
    addTone(w, 0, 0.11, sweep(1700, 420, 0.11), {1.0, 0.35}, struck(0.002, 0.035));
    return w;
}

// A dull knock with a ring: the shot struck but the gravok holds.
Wave hit()
{
    Wave w;
    addNoise(w, 0, 0.05, 11, steady(2500), struck(0.001, 0.010), true);
    addTone(w, 0, 0.09, sweep(1150, 850, 0.09), Sine, struck(0.001, 0.025));
    return w;
}

// Rumbling noise closing down, over a falling thump.
Wave explosion()
{
    Wave w;
    // Low-passed noise is faint beside a tone of the same level: it gets the larger share.
    addNoise(w, 0, 0.75, 23, sweep(3500, 180, 0.6), [](double t) { return 3.5 * strike(t, 0.003, 0.18); });
    addTone(w, 0, 0.45, sweep(95, 38, 0.45), Sine, [](double t) { return 0.5 * strike(t, 0.004, 0.14); });
    return w;
}

// A soft falling blip: the shot is lost.
Wave miss()
{
    Wave w;
    addTone(w, 0, 0.17, sweep(720, 260, 0.17), Soft, struck(0.004, 0.06));
    return w;
}

// A heavy thud on the hull.
Wave bump()
{
    Wave w;
    addTone(w, 0, 0.26, sweep(150, 52, 0.2), Sine, struck(0.002, 0.08));
    addNoise(w, 0, 0.12, 37, steady(900), [](double t) { return 0.7 * strike(t, 0.001, 0.035); });
    return w;
}

// Adds notes one after the other: semitones from A4, each `step` seconds after the last.
void arpeggio(Wave& w, double start, std::initializer_list<int> notes, double step, double length, double tau,
              const std::vector<double>& timbre)
{
    double at = start;
    for (int n : notes) {
        addTone(w, at, length, steady(note(n)), timbre, struck(0.005, tau));
        at += step;
    }
}

// Four bright notes upwards.
Wave heart()
{
    Wave w;
    arpeggio(w, 0, {15, 19, 22, 27}, 0.065, 0.22, 0.09, Soft);
    return w;
}

// Two chords, the second resolving: on to the next level.
Wave level()
{
    Wave w;
    for (int n : {10, 14, 17})
        addTone(w, 0, 0.24, steady(note(n)), Soft, struck(0.006, 0.12));
    for (int n : {15, 19, 22, 27})
        addTone(w, 0.2, 0.6, steady(note(n)), Soft, struck(0.006, 0.2));
    return w;
}

// A minor line going down and a low note that fades with a slow wobble.
Wave gameover()
{
    Wave w;
    arpeggio(w, 0, {-2, -6, -9}, 0.24, 0.3, 0.14, Hollow);
    const auto wobble = [](double t) { return note(-21) * (1.0 + 0.012 * std::sin(2 * 3.14159265 * 5 * t)); };
    addTone(w, 0.72, 0.6, wobble, Hollow, struck(0.008, 0.22));
    return w;
}

// A quick major run and the full chord held: the episode is won.
Wave done()
{
    Wave w;
    arpeggio(w, 0, {3, 7, 10, 15}, 0.08, 0.16, 0.08, Soft);
    for (int n : {3, 7, 10, 15})
        addTone(w, 0.34, 1.0, steady(note(n)), Soft, struck(0.01, 0.32));
    return w;
}

} // namespace

std::vector<Effect> makeEffects()
{
    return {
        {"shot", finish(shot(), 0.30)},           {"hit", finish(hit(), 0.40)},
        {"explosion", finish(explosion(), 0.70)}, {"miss", finish(miss(), 0.25)},
        {"bump", finish(bump(), 0.70)},           {"heart", finish(heart(), 0.45)},
        {"level", finish(level(), 0.50)},         {"gameover", finish(gameover(), 0.55)},
        {"done", finish(done(), 0.55)},
    };
}

} // namespace gravok::soundgen
