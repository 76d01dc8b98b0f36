// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scores/kodierer.h"

namespace gravok {

// The six-character score field of an entry from the score text of lblP: 000150, -00040.
// A text longer than six characters cannot come from play; it is stored at the field's
// nearest limit (999999 or -99999) so that every field keeps six characters and sorts right.
[[nodiscard]] std::string scoreField(std::string_view scoreText);

// The whole entry: "000150: Pilot (2)".
[[nodiscard]] std::string entryText(std::string_view scoreText, std::string_view name, int episode);

// An entry of the old layout has a five-character score field, so its sixth character is ":".
[[nodiscard]] bool isOldLayout(std::string_view entry);

// The entry in the current layout, converted by its score field, so a hyphen in the name
// stays part of the name. Nothing when the line is no old-layout entry.
[[nodiscard]] std::optional<std::string> convertOldLine(std::string_view entry);

// The sort key of a listed line: its first six characters, compared byte by byte.
[[nodiscard]] std::string_view sortKey(std::string_view line);

// Line numbers (from 0) in the order the list shows them: highest key first, and equal
// keys in the order the game's selection procedure gives them.
[[nodiscard]] std::vector<std::size_t> listingOrder(const std::vector<std::string>& lines);

// Where a shown entry stands: the list file and its line number there (from 0, as readList
// counts), which is what a replay link names.
struct EntryPlace {
    std::filesystem::path list;
    std::size_t line = 0;
    bool operator==(const EntryPlace&) const = default;
};

// The lines of list files as the dialog shows them, each with its place, and how many
// could not be decoded.
struct DecodedList {
    std::vector<std::string> entries;
    std::vector<EntryPlace> places;
    std::size_t unreadable = 0;
};

// Decodes every line of the list file LIST; entries of the old layout are shown converted,
// whether or not the file could be rewritten. Undecodable lines are skipped, so an entry's
// index is not its line number: its place says that.
void decodeInto(DecodedList& list, const std::vector<std::string>& lines, const Kodierer& kodierer,
                const std::filesystem::path& listFile = {});

// The entries as the dialog lists them, highest first, and the place of each row.
struct ShownList {
    std::vector<std::string> rows;
    std::vector<EntryPlace> places;
};
[[nodiscard]] ShownList shownList(DecodedList list);

// The file's lines with every decodable old-layout entry converted and everything else
// carried over as it stands; nothing when the first decodable line is in the current layout
// or when converting would change nothing (a first line of the old layout that no score
// could have written stays, and must not make every opening rewrite the list).
[[nodiscard]] std::optional<std::vector<std::string>> convertedList(const std::vector<std::string>& lines,
                                                                    const Kodierer& kodierer);

// The decoded first readable line when it is of the old layout but cannot be converted.
[[nodiscard]] std::optional<std::string> unconvertibleFirst(const std::vector<std::string>& lines,
                                                            const Kodierer& kodierer);

} // namespace gravok
