// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pad_keys.h"

#include <algorithm>

#include "core/form.h" // the key codes

namespace gravok::pad {
namespace {

std::size_t slot(Button b)
{
    return static_cast<std::size_t>(b);
}

bool isArrow(Button b)
{
    return b == Button::Up || b == Button::Down || b == Button::Left || b == Button::Right;
}

} // namespace

std::optional<int> keyFor(Button button, Context context)
{
    const bool main = context == Context::Main;
    switch (button) {
    case Button::Up: return key::Up;
    case Button::Down: return key::Down;
    case Button::Left: return key::Left;
    case Button::Right: return key::Right;
    case Button::A: return main ? key::Space : key::Enter;
    case Button::B: return main ? key::F3 : key::Escape;
    case Button::Start: return main ? key::P : key::Enter;
    case Button::Back: return main ? std::optional<int>(key::F4) : std::nullopt;
    case Button::Y: return main ? std::optional<int>(key::F2) : std::nullopt;
    case Button::X: return key::F1;
    }
    return std::nullopt;
}

// Enter never repeats: one press closes a dialog, a second would close the next one.
bool repeats(Button button, Context context)
{
    return isArrow(button) || (button == Button::A && context == Context::Main);
}

MainKeys defaultMainKeys()
{
    MainKeys keys;
    for (std::size_t i = 0; i < ButtonCount; ++i)
        keys[i] = {keyFor(Button(i), Context::Main), repeats(Button(i), Context::Main)};
    return keys;
}

std::vector<int> PadKeys::press(Button button, Context context, long long nowMs, Source source)
{
    std::vector<int> out;
    Held& h = held_[slot(button)];
    const bool wasHeld = h.sources != 0;
    h.sources |= static_cast<unsigned>(source);
    if (wasHeld)
        return out;
    h.context = context;
    const bool main = context == Context::Main;
    h.key = main ? main_[slot(button)].code : keyFor(button, context);
    h.due.reset();
    if (h.key) {
        out.push_back(*h.key);
        if (main ? main_[slot(button)].repeats : repeats(button, context))
            h.due = nowMs + timing_.delayMs;
    }
    return out;
}

void PadKeys::release(Button button, Source source)
{
    Held& h = held_[slot(button)];
    h.sources &= ~static_cast<unsigned>(source);
    if (h.sources == 0)
        h = Held{};
}

void PadKeys::stickSide(Button button, bool pushed, Context context, long long nowMs, std::vector<int>& out)
{
    const bool was = (held_[slot(button)].sources & static_cast<unsigned>(Source::Stick)) != 0;
    if (pushed && !was) {
        const auto keys = press(button, context, nowMs, Source::Stick);
        out.insert(out.end(), keys.begin(), keys.end());
    } else if (!pushed && was) {
        release(button, Source::Stick);
    }
}

std::vector<int> PadKeys::axis(Axis axis, int value, Context context, long long nowMs)
{
    const Button minus = axis == Axis::LeftX ? Button::Left : Button::Up;
    const Button plus = axis == Axis::LeftX ? Button::Right : Button::Down;
    const auto pushed = [&](Button side, int sign) {
        const bool was = (held_[slot(side)].sources & static_cast<unsigned>(Source::Stick)) != 0;
        const int along = sign * value;
        return was ? along > ReleaseZone : along > DeadZone;
    };
    const bool toMinus = pushed(minus, -1);
    const bool toPlus = pushed(plus, +1);
    std::vector<int> out;
    stickSide(minus, toMinus, context, nowMs, out);
    stickSide(plus, toPlus, context, nowMs, out);
    return out;
}

std::vector<int> PadKeys::tick(Context context, long long nowMs)
{
    std::vector<int> out;
    for (Held& h : held_) {
        if (!h.due || *h.due > nowMs)
            continue;
        if (h.context != context) {
            h.due.reset();
            continue;
        }
        out.push_back(*h.key);
        // A late wake-up gives one repeat, not a burst of the ones it slept through.
        *h.due += timing_.intervalMs;
        if (*h.due <= nowMs)
            h.due = nowMs + timing_.intervalMs;
    }
    return out;
}

void PadKeys::releaseAll()
{
    held_.fill(Held{});
}

std::optional<long long> PadKeys::nextDue() const
{
    std::optional<long long> next;
    for (const Held& h : held_)
        if (h.due && (!next || *h.due < *next))
            next = h.due;
    return next;
}

bool PadKeys::held(Button button) const
{
    return held_[slot(button)].sources != 0;
}

} // namespace gravok::pad
