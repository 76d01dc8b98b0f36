// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Episode files come from players and editors: any bytes must give a level table or a
// message, never a crash, and whatever is read must survive being written back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "episode_writer.h"
#include "fuzz_check.h"

using namespace gravok;
using gravok::fuzz::check;

namespace {

// Lines as the game counts them: each CR ends one (an LF right after it belongs to it),
// and text after the last CR is one more.
int lineCount(std::string_view bytes)
{
    int lines = 0;
    std::size_t start = 0;
    for (std::size_t cr = bytes.find('\r'); cr != std::string_view::npos; cr = bytes.find('\r', start)) {
        ++lines;
        start = cr + 1 + (cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? 1 : 0);
    }
    return lines + (start < bytes.size() ? 1 : 0);
}

// What the game relies on when it plays a level read from a file.
void checkPlayable(const EpisodeData& e)
{
    check(e.levels.count() >= 1, "an episode without levels was accepted");
    for (int level = 1; level <= e.levels.count(); ++level) {
        const LevelSatz& satz = e.levels(level);
        check(satz.Anzahl >= 0 && satz.Anzahl <= 10, "Anzahl outside 0..10");
        for (int slot = 1; slot <= satz.Anzahl; ++slot) {
            const GravokSatz& g = satz.Gravok(slot);
            check(g.Bild >= 101 && g.Bild <= 112, "picture outside 101..112");
            // A bounce flips the step and adds up to 10 either way; that must stay in 16 bits.
            check(std::abs(g.DX) <= 32757 && std::abs(g.DY) <= 32757, "step out of range");
            check(g.Treffer == 0, "a gravok starts with hits");
        }
    }
    if (e.heart)
        check(e.heart->level >= 1 && e.heart->level <= e.levels.count(), "heart in a level that does not exist");
}

void checkRoundTrip(const EpisodeData& first)
{
    const std::string written = fuzz::writeEpisode(first);
    const EpisodeParse again = parseEpisode(written);
    check(again.data.has_value(), "written episode does not read back: line " + std::to_string(again.error.line) +
                                      ": " + again.error.what.text() + "\n" + written);
    const std::string diff = fuzz::firstDifference(first, *again.data);
    check(diff.empty(), "written episode reads back differently: " + diff + "\n" + written);

    // A lone CR ends a line just as CR LF does.
    std::string crOnly;
    for (char c : written)
        if (c != '\n')
            crOnly += c;
    const EpisodeParse bare = parseEpisode(crOnly);
    check(bare.data.has_value() && fuzz::firstDifference(first, *bare.data).empty(),
          "the same episode with CR line ends reads differently");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const EpisodeParse parsed = parseEpisode(bytes);
    if (!parsed.data) {
        check(!parsed.error.what.text().empty(), "a refused file without a message");
        check(parsed.error.line >= 1 && parsed.error.line <= std::max(1, lineCount(bytes)),
              "error line " + std::to_string(parsed.error.line) + " outside the file");
        return 0;
    }
    checkPlayable(*parsed.data);
    checkRoundTrip(*parsed.data);
    return 0;
}
