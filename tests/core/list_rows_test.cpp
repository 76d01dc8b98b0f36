// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replay/replay_links.h"
#include "scores/kodierer.h"
#include "scores/score_list.h"

namespace gravok {
namespace {

// Two lists as the dialog reads them: the home list with a damaged line in the middle
// (so indexes and line numbers part), and the user's list. Shown highest first:
//   row 0  000900: Cleo (1)   user  line 1
//   row 1  000500: Anna (1)   home  line 2
//   row 2  000300: Bert (2)   home  line 0
//   row 3  000100: Dora (3)   user  line 0
const std::filesystem::path Home = "/spiel/Punkte.lst";
const std::filesystem::path User = "/home/p/.local/share/gravok/Punkte.lst";

ShownList twoLists()
{
    const Kodierer k;
    DecodedList list;
    decodeInto(list, {k.encode("000300: Bert (2)", Schluessel), "kaputt", k.encode("000500: Anna (1)", Schluessel)}, k,
               Home);
    decodeInto(list, {k.encode("000100: Dora (3)", Schluessel), k.encode("000900: Cleo (1)", Schluessel)}, k, User);
    return shownList(std::move(list));
}

TEST(ListRows, RowsKeepTheirFileAndLine)
{
    const ShownList shown = twoLists();
    const std::vector<std::string> rows{"000900: Cleo (1)", "000500: Anna (1)", "000300: Bert (2)", "000100: Dora (3)"};
    const std::vector<EntryPlace> places{{User, 1}, {Home, 2}, {Home, 0}, {User, 0}};
    EXPECT_EQ(shown.rows, rows);
    EXPECT_EQ(shown.places, places);
}

TEST(ListRows, EachRowFindsItsOwnReplay)
{
    using replay::ReplayLink;
    const struct {
        const char* what;
        std::vector<ReplayLink> links;
        std::vector<std::string> perRow; // "" for a row without a replay
    } cases[] = {
        {"no links", {}, {"", "", "", ""}},
        // Line 1 of the home list is the damaged one: its index in the file's entries
        // would be Anna's, its line is nobody's.
        {"damaged line linked", {{Home, 1, "r-a", 1}}, {"", "", "", ""}},
        {"by line, not by index", {{Home, 2, "r-anna", 2}}, {"", "r-anna", "", ""}},
        {"same line, other list", {{User, 0, "r-dora", 1}, {Home, 0, "r-bert", 4}}, {"", "", "r-bert", "r-dora"}},
        {"every row",
         {{User, 1, "c", 1}, {Home, 2, "a", 1}, {Home, 0, "b", 1}, {User, 0, "d", 1}},
         {"c", "a", "b", "d"}},
        {"newest link of a line wins", {{Home, 2, "alt", 1}, {Home, 2, "neu", 3}}, {"", "neu", "", ""}},
        {"path written another way", {{"/spiel/./Punkte.lst", 0, "r-b", 1}}, {"", "", "r-b", ""}},
        {"other list's file", {{"/anders/Punkte.lst", 0, "x", 1}}, {"", "", "", ""}},
    };
    const ShownList shown = twoLists();
    for (const auto& c : cases) {
        const auto links = replay::rowLinks(c.links, shown.places);
        ASSERT_EQ(links.size(), c.perRow.size()) << c.what;
        for (std::size_t i = 0; i < links.size(); ++i)
            EXPECT_EQ(links[i] ? links[i]->replay : "", c.perRow[i]) << c.what << ", row " << i;
    }
}

TEST(ListRows, TheGameNumberComesAlong)
{
    const auto links = replay::rowLinks({{Home, 2, "r", 3}}, twoLists().places);
    ASSERT_TRUE(links[1]);
    EXPECT_EQ(links[1]->game, 3);
}

} // namespace
} // namespace gravok
