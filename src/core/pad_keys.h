// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <optional>
#include <vector>

namespace gravok::pad {

// What a gamepad can do to the game: it has no keys of its own, only the ones a player at
// the keyboard would press. Knows no toolkit and no SDL, so every rule of it is testable.
enum class Button { A, B, X, Y, Back, Start, Up, Down, Left, Right };
inline constexpr std::size_t ButtonCount = 10;

// Where the keys go: the main window, or a dialog (window or layer) over it.
enum class Context { Main, Layer };

enum class Axis { LeftX, LeftY };

// The virtual-key code a button gives in a context, or nothing.
[[nodiscard]] std::optional<int> keyFor(Button button, Context context);
// Whether holding the button presses its key again and again, as a held key does.
[[nodiscard]] bool repeats(Button button, Context context);

// What a button does in the main window, where the player may choose it.
struct MainKey {
    std::optional<int> code;
    bool repeats = false;
    bool operator==(const MainKey&) const = default;
};
using MainKeys = std::array<MainKey, ButtonCount>;
[[nodiscard]] MainKeys defaultMainKeys();

// The pace of a held key: the first repeat after delayMs, then one every intervalMs.
struct Timing {
    int delayMs = 500;
    int intervalMs = 40;
};

// A stick counts as an arrow only past the dead zone, and lets go only back inside the
// smaller release zone, so a thumb resting near the edge does not chatter.
inline constexpr int DeadZone = 12000;
inline constexpr int ReleaseZone = 9000;

// Turns the pad's buttons and stick into key presses. Each call returns the presses it
// causes, in order. A direction held by both the D-pad and the stick is one held key.
// A held key repeats only while the context it was pressed in lasts: a Space still held
// when the name box opens must not type into it.
class PadKeys {
public:
    enum class Source : unsigned { Pad = 1, Stick = 2 };

    explicit PadKeys(Timing timing = {}) : timing_(timing), main_(defaultMainKeys()) {}

    // The buttons' keys in the main window from now on.
    void setMainKeys(const MainKeys& keys) { main_ = keys; }

    std::vector<int> press(Button button, Context context, long long nowMs, Source source = Source::Pad);
    void release(Button button, Source source = Source::Pad);
    // A stick axis moved to value (−32768 … 32767; up and left negative).
    std::vector<int> axis(Axis axis, int value, Context context, long long nowMs);
    // The repeats due by now.
    std::vector<int> tick(Context context, long long nowMs);
    // The pad went away: nothing stays held, nothing repeats.
    void releaseAll();

    // When tick() next has a repeat to give, if ever.
    [[nodiscard]] std::optional<long long> nextDue() const;
    [[nodiscard]] bool held(Button button) const;

private:
    struct Held {
        unsigned sources = 0;
        std::optional<int> key;
        Context context = Context::Main;
        std::optional<long long> due;
    };
    void stickSide(Button button, bool pushed, Context context, long long nowMs, std::vector<int>& out);

    Timing timing_;
    MainKeys main_;
    std::array<Held, ButtonCount> held_{};
};

} // namespace gravok::pad
