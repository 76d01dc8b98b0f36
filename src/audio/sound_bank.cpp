// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/sound_bank.h"

namespace gravok::audio {

const Sound* findSound(std::string_view name)
{
    for (const Sound& s : soundBank())
        if (s.name == name)
            return &s;
    return nullptr;
}

} // namespace gravok::audio
