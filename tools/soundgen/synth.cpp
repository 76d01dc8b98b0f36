// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gravok::soundgen {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

std::size_t frameAt(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * Rate));
}

void ensureLength(Wave& w, std::size_t n)
{
    if (w.size() < n)
        w.resize(n, 0.0);
}

} // namespace

double Noise::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

double glide(double a, double b, double t, double duration)
{
    const double x = std::clamp(t / duration, 0.0, 1.0);
    return a * std::pow(b / a, x);
}

double strike(double t, double attack, double tau)
{
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / tau);
}

void addTone(Wave& w, double start, double duration, const std::function<double(double)>& freq,
             const std::vector<double>& partials, const std::function<double(double)>& env)
{
    const std::size_t first = frameAt(start);
    const std::size_t n = frameAt(duration);
    ensureLength(w, first + n);
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Rate;
        double v = 0.0;
        for (std::size_t k = 0; k < partials.size(); ++k)
            v += partials[k] * std::sin(phase * static_cast<double>(k + 1));
        w[first + i] += v * env(t);
        phase = std::fmod(phase + TwoPi * freq(t) / Rate, TwoPi);
    }
}

void addNoise(Wave& w, double start, double duration, std::uint32_t seed, const std::function<double(double)>& cutoff,
              const std::function<double(double)>& env, bool highPass)
{
    const std::size_t first = frameAt(start);
    const std::size_t n = frameAt(duration);
    ensureLength(w, first + n);
    Noise noise(seed);
    double low = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double a = 1.0 - std::exp(-TwoPi * cutoff(t) / Rate);
        const double x = noise.next();
        low += a * (x - low);
        w[first + i] += (highPass ? x - low : low) * env(t);
    }
}

std::vector<std::int16_t> finish(Wave w, double peak)
{
    double most = 0.0;
    for (double v : w)
        most = std::max(most, std::abs(v));
    const double gain = most > 0.0 ? peak / most : 0.0;
    // A short fade at the end: a sound cut off mid-wave clicks.
    const std::size_t fade = std::min<std::size_t>(w.size(), frameAt(0.008));
    std::vector<std::int16_t> out(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        double v = w[i] * gain;
        const std::size_t left = w.size() - 1 - i;
        if (left < fade)
            v *= static_cast<double>(left) / static_cast<double>(fade);
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return out;
}

double note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

} // namespace gravok::soundgen
