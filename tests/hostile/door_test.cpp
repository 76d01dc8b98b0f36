// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of file the game reads or writes, met by each thing a hostile user or a broken
// disk can leave under its name. A call that hangs fails by the ctest entry's TIMEOUT.
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::encoded;
using test::writeBytes;

// What a call gave: "ok:" and what it read, or the German reason.
std::string told(const std::optional<std::string>& why, const std::string& read = "")
{
    return why ? *why : "ok:" + read;
}

std::string bounded(const fs::path& file, std::size_t limit)
{
    const ReadResult r = readBounded(file, limit, Links::Follow);
    return r.bytes ? "ok:" + *r.bytes : r.reason.text();
}

std::string gzipped(const std::string& text)
{
    const TempDir dir("gravok-door");
    EXPECT_FALSE(replay::writeReplayText(dir.path() / "r", text, true));
    return bytesOf(dir.path() / "r");
}

struct Kind {
    const char* file;
    std::string good; // a sound file of this kind, holding the text "alt"
    std::function<std::string(const fs::path& dir)> read;
    std::function<std::string(const fs::path& dir)> write; // adds or sets "neu"; none where only read
};

// The episodes and the pad mapping are read through the same call, limits of their own.
const Kind Kinds[] = {
    {ListName, encoded("000100: alt (1)") + "\r\n",
     [](const fs::path& d) {
         const ListLines l = readList(d);
         std::string names;
         for (const auto& line : l.lines)
             names += std::string(names.empty() ? "" : "|") + (line == encoded("000100: alt (1)")   ? "alt"
                                                               : line == encoded("000200: neu (1)") ? "neu"
                                                                                                    : "?");
         return told(l.problem ? std::optional(l.problem->reason.text()) : std::nullopt, names);
     },
     [](const fs::path& d) {
         const auto p = appendLine(d, encoded("000200: neu (1)"));
         return told(p ? std::optional(p->reason.text()) : std::nullopt);
     }},
    {replay::LinksName, "alt\t1\t0\t/p/Punkte.lst\n",
     [](const fs::path& d) {
         std::string names;
         for (const auto& l : replay::readLinks(d))
             names += (names.empty() ? "" : "|") + l.replay;
         return "ok:" + names;
     },
     [](const fs::path& d) {
         writeBytes(d / "neu", "");
         return told(replay::appendLink(d, {"/p/./Punkte.lst", 1, "neu", 1}));
     }},
    {"r.replay", gzipped("alt"),
     [](const fs::path& d) {
         auto t = replay::readReplayText(d / "r.replay");
         return t.index() == 0 ? "ok:" + std::get<0>(t) : std::get<1>(t).text();
     },
     [](const fs::path& d) { return told(replay::writeReplayText(d / "r.replay", "neu", true)); }},
    {"gravok.conf", "[sound]\nwert=alt\n",
     [](const fs::path& d) {
         SettingsFile s(d / "gravok.conf");
         const auto problems = s.load();
         return problems.empty() ? "ok:" + s.value("sound/wert").value_or("") : problems[0];
     },
     [](const fs::path& d) {
         SettingsFile s(d / "gravok.conf");
         const auto problems = s.load();
         s.set("sound/wert", "neu");
         const auto why = s.save();
         return problems.empty() ? told(why) : problems[0];
     }},
    {"Episode1.gvk", "alt", [](const fs::path& d) { return bounded(d / "Episode1.gvk", 1 << 20); }, nullptr},
    {"gamecontrollerdb.txt", "alt", [](const fs::path& d) { return bounded(d / "gamecontrollerdb.txt", 4 << 20); },
     nullptr},
};

enum Plant { LinkToVictim, LinkToFifo, LinkToHuge, Fifo, Folder, HugeLine, CutLine, FullDisk };

// The victim a link points at lies in the case's own folder.
void plant(Plant what, const Kind& k, const fs::path& dir)
{
    const fs::path file = dir / k.file, victim = dir / "opfer";
    switch (what) {
    case LinkToVictim: writeBytes(victim, k.good); break;
    case LinkToFifo: ASSERT_EQ(::mkfifo(victim.c_str(), 0644), 0); break;
    case LinkToHuge: fs::resize_file((writeBytes(victim, ""), victim), 4ull << 30); break;
    case Fifo: ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); return;
    case Folder: fs::create_directory(file); return;
    case HugeLine: fs::resize_file((writeBytes(file, ""), file), 1ull << 30); return;
    case CutLine: writeBytes(file, k.good.substr(0, k.good.size() - 1)); return;
    case FullDisk: writeBytes(file, k.good); return;
    }
    fs::create_symlink(victim, file);
}

constexpr const char* Link = "symbolischer Verweis";
constexpr const char* Pipe = "benannte Pipe (FIFO)";
constexpr const char* Large = "größer als";
constexpr const char* Dir = "ein Verzeichnis";
constexpr const char* Full = "größer, als erlaubt";

// For each kind (in the order of Kinds) and plant (in the order of Plant): what a read and
// then a write (of the first four kinds) give, "ok:TEXT" or a piece of the reason. The game's own files (list, links,
// replay) are never read or written through a link, though a replay a player names may be
// one; the player's own files are followed, to a regular file only. One line of a gigabyte
// is never read whole, and the links file is made small again. A last line left without
// its end does not join the new one. A full disk gives the reason and leaves the file.
const char* const Reads[6][8] = {{Link, Link, Link, Pipe, Dir, Large, "ok:alt", "ok:alt"},
                                 {"ok:", "ok:", "ok:", "ok:", "ok:", "ok:", "ok:alt", "ok:alt"},
                                 {"ok:alt", Pipe, "zu groß", Pipe, Dir, "zu groß", "beschädigt", "ok:alt"},
                                 {"ok:alt", Pipe, Large, Pipe, Dir, Large, "ok:alt", "ok:alt"},
                                 {"ok:alt", Pipe, Large, Pipe, Dir, Large, "ok:al", "ok:alt"},
                                 {"ok:alt", Pipe, Large, Pipe, Dir, Large, "ok:al", "ok:alt"}};
const char* const Writes[4][8] = {{Link, Link, Link, Pipe, Dir, Large, "ok:alt|neu", Full},
                                  {Link, Link, Link, Pipe, Dir, "ok:neu", "ok:alt|neu", Full},
                                  {Link, Link, Link, Pipe, Dir, "ok:neu", "ok:neu", Full},
                                  {"ok:neu", Pipe, Large, Pipe, Dir, Large, "ok:neu", Full}};

void expectOutcome(const std::string& got, const std::string& want, const std::string& what)
{
    if (want.starts_with("ok:"))
        EXPECT_EQ(got, want) << what;
    else
        EXPECT_TRUE(!got.starts_with("ok:") && got.find(want) != std::string::npos)
            << what << ": \"" << got << "\" should name \"" << want << "\"";
}

class Door : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(Door, RefusesOrCopesAndTouchesNothingElse)
{
    const auto [kind, plantNo] = GetParam();
    const Kind& k = Kinds[kind];
    const char* read = Reads[kind][plantNo];
    const TempDir temp("gravok-door");
    const fs::path& dir = temp.path();
    plant(Plant(plantNo), k, dir);
    const std::string what = std::string(k.file) + ", plant " + std::to_string(plantNo);
    const fs::path file = dir / k.file, victim = dir / "opfer";
    const std::string fileBefore = test::identity(file), victimBefore = test::identity(victim);

    expectOutcome(k.read(dir), read, what + ", read");
    if (!k.write)
        return;
    const char* write = Writes[kind][plantNo];
    std::optional<test::FileSizeLimit> fullDisk;
    if (plantNo == FullDisk)
        fullDisk.emplace(1);
    const std::string wrote = k.write(dir);
    fullDisk.reset();
    if (std::string_view(write).starts_with("ok:")) {
        EXPECT_TRUE(wrote.starts_with("ok:")) << what << ", write: " << wrote;
        expectOutcome(k.read(dir), write, what + ", read after the write");
    } else {
        expectOutcome(wrote, write, what + ", write");
        expectOutcome(k.read(dir), read, what + ", read after the refused write");
        EXPECT_EQ(test::identity(file), fileBefore) << what << ": a refused file changed";
    }
    // Only a player's link to a regular file has that file replaced, and stays a link.
    if (plantNo == LinkToVictim && wrote.starts_with("ok:"))
        EXPECT_TRUE(fs::is_symlink(file)) << what;
    else
        EXPECT_EQ(test::identity(victim), victimBefore) << what << ": the victim changed";
}

INSTANTIATE_TEST_SUITE_P(Plants, Door, testing::Combine(testing::Range(0, 6), testing::Range(0, 8)));

// A replay cut anywhere is refused, never played as if whole; an empty file is no replay.
TEST(DoorReplay, CutAtEveryByteIsRefused)
{
    const TempDir temp("gravok-door");
    const std::string packed = gzipped(bytesOf(fs::path(GRAVOK_SOURCE_DIR) / "tests/replays/episode1.replay"));
    for (std::size_t cut = 0; cut <= packed.size(); ++cut) {
        writeBytes(temp.path() / "r", packed.substr(0, cut));
        std::ostringstream out, err;
        EXPECT_EQ(runReplay(temp.path() / "r", GRAVOK_DATA_DIR, out, err), cut == packed.size() ? 0 : 2) << cut;
        if (cut < packed.size()) {
            EXPECT_NE(err.str().find(cut == 0 ? "keine Gravok-Aufzeichnung" : "beschädigt"), std::string::npos)
                << "cut at " << cut << ": " << err.str();
        }
    }
}

} // namespace
} // namespace gravok
