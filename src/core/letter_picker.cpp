// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/letter_picker.h"

#include <algorithm>

namespace gravok {

void LetterPicker::setText(std::u32string text)
{
    text_ = std::move(text);
    if (text_.size() > max_)
        text_.resize(max_);
    place_ = std::min(place_, donePlace());
}

char32_t LetterPicker::shown() const
{
    if (place_ < text_.size())
        return text_[place_];
    return onDone() ? U'\0' : Wheel[offered_];
}

void LetterPicker::turn(std::size_t by)
{
    if (place_ < text_.size()) {
        // A letter the wheel lacks (typed at the keyboard) turns to the wheel's first or last.
        const std::size_t at = Wheel.find(text_[place_]);
        if (at == std::u32string_view::npos)
            text_[place_] = Wheel[by == 1 ? 0 : Wheel.size() - 1];
        else
            text_[place_] = Wheel[(at + by) % Wheel.size()];
    } else if (!onDone()) {
        offered_ = (offered_ + by) % Wheel.size();
    }
}

void LetterPicker::left()
{
    if (place_ > 0)
        --place_;
}

void LetterPicker::right()
{
    if (place_ < donePlace())
        ++place_;
}

bool LetterPicker::take()
{
    if (onDone())
        return true;
    if (place_ == text_.size())
        text_ += Wheel[offered_];
    ++place_;
    return false;
}

void LetterPicker::erase()
{
    if (text_.empty())
        return;
    if (place_ < text_.size()) {
        text_.erase(place_, 1);
    } else {
        text_.pop_back();
        place_ = text_.size();
    }
}

} // namespace gravok
