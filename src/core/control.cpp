// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control.h"

#include "errors.h"
#include "pictures.h"

namespace gravok {

void Control::setPicture(int n)
{
    if (n == 0) {
        picture_ = 0;
        return;
    }
    const auto size = pictureSize(n);
    if (!size)
        throw GameError({GRAVOK_TEXT("Meldungen", "Bild %1 gibt es nicht"), {Message::literal(std::to_string(n))}});
    picture_ = n;
    Width = static_cast<float>(size->width) * TwipsPerPixel;
    Height = static_cast<float>(size->height) * TwipsPerPixel;
}

void Control::setEnabled(bool on)
{
    if (on && !enabled_)
        ++epoch_;
    enabled_ = on;
}

std::string Control::fullName() const
{
    return Index < 0 ? Name : Name + "(" + std::to_string(Index) + ")";
}

bool shown(const Control& control)
{
    for (const Control* c = &control; c; c = c->Container)
        if (!c->Visible)
            return false;
    return true;
}

} // namespace gravok
