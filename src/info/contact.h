// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The maker's details shown in the about dialog. A packager sets their own at build time.
namespace gravok::contact {

#ifndef GRAVOK_MAKER
#define GRAVOK_MAKER "Das Gravok-Team"
#endif
#ifndef GRAVOK_COPYRIGHT
#define GRAVOK_COPYRIGHT "Copyright (C) 2026 Das Gravok-Team"
#endif
#ifndef GRAVOK_WEB
#define GRAVOK_WEB "https://gravok.example.org/"
#endif
#ifndef GRAVOK_MAIL
#define GRAVOK_MAIL "gravok@example.org"
#endif
#ifndef GRAVOK_ADDRESS1
#define GRAVOK_ADDRESS1 "Das Gravok-Team"
#endif
#ifndef GRAVOK_ADDRESS2
#define GRAVOK_ADDRESS2 "Sternenweg 1"
#endif
#ifndef GRAVOK_ADDRESS3
#define GRAVOK_ADDRESS3 "12345 Musterstadt"
#endif

#ifndef GRAVOK_NOTICE1
#define GRAVOK_NOTICE1                                                                                                 \
    "Gravok ist freie Software: Sie dürfen es unter der GNU General Public License, "                                 \
    "Version 3 oder später, weitergeben und verändern."
#endif
#ifndef GRAVOK_NOTICE2
#define GRAVOK_NOTICE2 "Für dieses Spiel gibt es keinerlei Garantie, soweit das Gesetz es zulässt."
#endif

inline constexpr const char* Maker = GRAVOK_MAKER;
inline constexpr const char* Copyright = GRAVOK_COPYRIGHT;
inline constexpr const char* Web = GRAVOK_WEB;
inline constexpr const char* Mail = GRAVOK_MAIL;
inline constexpr const char* Address1 = GRAVOK_ADDRESS1;
inline constexpr const char* Address2 = GRAVOK_ADDRESS2;
inline constexpr const char* Address3 = GRAVOK_ADDRESS3;
inline constexpr const char* Notice1 = GRAVOK_NOTICE1;
inline constexpr const char* Notice2 = GRAVOK_NOTICE2;

} // namespace gravok::contact
