// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"

namespace gravok {

void throwOverflow16(long long value)
{
    throw GameError({GRAVOK_TEXT("Meldungen", "Überlauf: %1 passt in keine 16-Bit-Zahl"),
                     {Message::literal(std::to_string(value))}});
}

} // namespace gravok
