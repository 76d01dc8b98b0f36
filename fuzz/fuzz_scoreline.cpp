// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A line of the high-score list may be damaged or written by hand: decoding any bytes must
// give the line's text or nothing, never a crash, and encoding must survive the way back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "scores/kodierer.h"

using namespace gravok;
using gravok::fuzz::check;

namespace {

bool printableLine(std::string_view line)
{
    for (const char c : line)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

// Another hex digit in the text's part of the line: the checksum must notice. A change
// there alters at most two neighbouring text bytes, a burst the CRC always catches; the
// first eight digits carry the checksum itself and are left alone.
void checkDamageFound(const Kodierer& k, const std::string& line, std::string_view bytes)
{
    constexpr std::size_t ChecksumDigits = 8;
    if (line.size() <= ChecksumDigits || bytes.empty())
        return;
    const auto seed = static_cast<unsigned char>(bytes.front());
    const std::size_t at = ChecksumDigits + seed % (line.size() - ChecksumDigits);
    std::string damaged = line;
    const char digits[] = "0123456789ABCDEF";
    const std::size_t was = std::string_view(digits).find(damaged[at]);
    damaged[at] = digits[(was + 1 + seed / 16 % 15) % 16];
    check(damaged != line && !k.decode(damaged, Schluessel).has_value(),
          "a line with digit " + std::to_string(at) + " changed still decodes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Kodierer k;

    // The bytes as a line from the file.
    if (const auto text = k.decode(bytes, Schluessel)) {
        const auto again = k.decode(k.encode(*text, Schluessel), Schluessel);
        check(again && *again == *text, "a decoded text does not survive encode and decode");
    }

    // The bytes as an entry's text, which holds whatever the player typed.
    const std::string line = k.encode(bytes, Schluessel);
    check(printableLine(line), "an encoded line is not one line of printable ASCII");
    const auto back = k.decode(line, Schluessel);
    check(back && *back == bytes, "decode(encode(text)) differs from the text");
    check(Kodierer{}.encode(bytes, Schluessel) == line, "two encoders disagree");
    checkDamageFound(k, line, bytes);
    return 0;
}
