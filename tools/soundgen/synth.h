// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gravok::soundgen {

constexpr int Rate = 48000;

// A sound under construction: samples in [-1, 1] at 48 kHz, mono.
using Wave = std::vector<double>;

// Noise that is the same on every run: xorshift32 from a fixed seed.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double next();

private:
    std::uint32_t state_;
};

// A frequency or level moving from a to b over the time, exponentially (a, b > 0).
double glide(double a, double b, double t, double duration);

// 0 → 1 over the attack, then falling with time constant tau (seconds).
double strike(double t, double attack, double tau);

// Adds a tone whose frequency follows freq(t), with the given overtones (amplitude of the
// 1st, 2nd, 3rd ... partial), shaped by env(t), starting at `start` seconds.
void addTone(Wave& w, double start, double duration, const std::function<double(double)>& freq,
             const std::vector<double>& partials, const std::function<double(double)>& env);

// Adds noise through a one-pole low-pass whose cutoff follows cutoff(t), shaped by env(t).
void addNoise(Wave& w, double start, double duration, std::uint32_t seed, const std::function<double(double)>& cutoff,
              const std::function<double(double)>& env, bool highPass = false);

// Scales to the given peak, fades the last milliseconds to silence and rounds to 16 bits.
std::vector<std::int16_t> finish(Wave w, double peak);

// The frequency of a note: semitones above or below A4 (440 Hz).
double note(int semitonesFromA4);

struct Effect {
    std::string name;
    std::vector<std::int16_t> pcm;
};

// Every sound of the game, in the catalogue's order.
std::vector<Effect> makeEffects();

} // namespace gravok::soundgen
