// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <system_error>

namespace gravok {

std::filesystem::path Platform::gameFile(const std::string& name) const
{
    std::error_code ec;
    auto beside = programDir() / name;
    if (std::filesystem::exists(beside, ec))
        return beside;
    const auto data = dataDir();
    if (!data.empty() && std::filesystem::exists(data / name, ec))
        return data / name;
    return beside;
}

} // namespace gravok
