// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace gravok {

// A name picked letter by letter, as at the arcade, for a player with a pad and no
// keyboard. The places are the name's letters, then the open place where the next letter
// is chosen, then "Fertig". Up and Down turn the letter at the place through the wheel;
// the text may also change from outside (the keyboard types into the same box).
class LetterPicker {
public:
    // Letters, the umlauts and ß, a blank, the digits and a few signs; Up goes forward.
    static constexpr std::u32string_view Wheel = U"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß 0123456789-.!?'";

    explicit LetterPicker(std::size_t maxLength) : max_(maxLength) {}

    [[nodiscard]] const std::u32string& text() const { return text_; }
    // Keeps the place where it was if the text is still long enough.
    void setText(std::u32string text);

    [[nodiscard]] std::size_t place() const { return place_; }
    // The place where the next letter goes; none once the name is full.
    [[nodiscard]] bool hasOpenPlace() const { return text_.size() < max_; }
    [[nodiscard]] std::size_t donePlace() const { return hasOpenPlace() ? text_.size() + 1 : text_.size(); }
    [[nodiscard]] bool onDone() const { return place_ == donePlace(); }
    // The letter shown at the place: the name's own, or the one offered at the open place.
    [[nodiscard]] char32_t shown() const;

    void up() { turn(1); }
    void down() { turn(Wheel.size() - 1); }
    void left();
    void right();
    // A: takes the offered letter and moves on. True on "Fertig": the name is entered.
    bool take();
    // B: deletes the letter at the place, or the last one from the open place and "Fertig".
    void erase();

private:
    void turn(std::size_t by);

    std::size_t max_;
    std::u32string text_;
    std::size_t place_ = 0;
    std::size_t offered_ = 0; // into Wheel, at the open place
};

} // namespace gravok
