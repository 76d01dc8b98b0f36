// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of file the game reads or writes, met by each thing a hostile user or a broken
// disk can leave under its name. A call that hangs fails by the ctest entry's TIMEOUT.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files.h"
#include "core/settings_file.h"
#include "replay/replay_io.h"
#include "replay/replay_links.h"
#include "scores/list_file.h"
#include "replay_run.h"
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::writeBytes;

// What a call gave: true and what it read, or false and the German reason.
struct Outcome {
    bool ok = false;
    std::string text;
};

Outcome fromProblem(const std::optional<std::string>& why, std::string read = {})
{
    return why ? Outcome{false, *why} : Outcome{true, std::move(read)};
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string out;
    for (const auto& p : parts)
        out += (out.empty() ? "" : "|") + p;
    return out;
}

struct Kind {
    const char* name;
    const char* file;
    std::string good; // a sound file of this kind, holding the text "alt"
    std::function<Outcome(const fs::path& dir)> read;
    std::function<Outcome(const fs::path& dir)> write; // adds or sets "neu"
};

std::string gzipped(const std::string& text)
{
    const TempDir dir("gravok-door");
    EXPECT_FALSE(replay::writeReplayText(dir.path() / "r", text, true));
    return bytesOf(dir.path() / "r");
}

const Kind Kinds[] = {
    {"list", "Punkte.lst", test::encoded("000100: alt (1)") + "\r\n",
     [](const fs::path& d) {
         const ListLines l = readList(d);
         std::vector<std::string> names;
         for (const auto& line : l.lines)
             names.push_back(line == test::encoded("000100: alt (1)")   ? "alt"
                             : line == test::encoded("000200: neu (1)") ? "neu"
                                                                        : "?");
         return fromProblem(l.problem ? std::optional(l.problem->reason) : std::nullopt, joined(names));
     },
     [](const fs::path& d) {
         const auto p = appendLine(d, test::encoded("000200: neu (1)"));
         return fromProblem(p ? std::optional(p->reason) : std::nullopt);
     }},
    {"links", replay::LinksName, "alt\t1\t0\t/p/Punkte.lst\n",
     [](const fs::path& d) {
         std::vector<std::string> names;
         for (const auto& l : replay::readLinks(d))
             names.push_back(l.replay);
         return Outcome{true, joined(names)};
     },
     [](const fs::path& d) {
         writeBytes(d / "neu", "");
         return fromProblem(replay::appendLink(d, {"/p/./Punkte.lst", 1, "neu", 1}));
     }},
    {"replay", "r.replay", gzipped("alt"),
     [](const fs::path& d) {
         auto t = replay::readReplayText(d / "r.replay");
         return t.index() == 0 ? Outcome{true, std::get<0>(t)} : Outcome{false, std::get<1>(t)};
     },
     [](const fs::path& d) { return fromProblem(replay::writeReplayText(d / "r.replay", "neu", true)); }},
    {"settings", "gravok.conf", "[sound]\nwert=alt\n",
     [](const fs::path& d) {
         SettingsFile s(d / "gravok.conf");
         const auto problems = s.load();
         return problems.empty() ? Outcome{true, s.value("sound/wert").value_or("")} : Outcome{false, problems[0]};
     },
     [](const fs::path& d) {
         SettingsFile s(d / "gravok.conf");
         const auto problems = s.load();
         s.set("sound/wert", "neu");
         const auto why = s.save();
         return problems.empty() ? fromProblem(why) : Outcome{false, problems[0]};
     }},
    // The episodes and the pad mapping are read through the same call, limits of their own.
    {"episode", "Episode1.gvk", "alt",
     [](const fs::path& d) {
         const ReadResult r = readBounded(d / "Episode1.gvk", 1 << 20, Links::Follow);
         return r.bytes ? Outcome{true, *r.bytes} : Outcome{false, r.reason};
     },
     nullptr},
    {"pad mapping", "gamecontrollerdb.txt", "alt",
     [](const fs::path& d) {
         const ReadResult r = readBounded(d / "gamecontrollerdb.txt", 4 << 20, Links::Follow);
         return r.bytes ? Outcome{true, *r.bytes} : Outcome{false, r.reason};
     },
     nullptr},
};

// The victim a link points at, in the case's own folder; its inode and bytes are compared.
void sparse(const fs::path& p, std::uintmax_t size)
{
    writeBytes(p, "");
    fs::resize_file(p, size);
}

enum class Plant { LinkToVictim, LinkToFifo, LinkToHuge, Fifo, Folder, HugeLine, CutLine, FullDisk };

void plant(Plant what, const Kind& k, const fs::path& dir)
{
    const fs::path file = dir / k.file, victim = dir / "opfer";
    switch (what) {
    case Plant::LinkToVictim: writeBytes(victim, k.good); break;
    case Plant::LinkToFifo: ASSERT_EQ(::mkfifo(victim.c_str(), 0644), 0); break;
    case Plant::LinkToHuge: sparse(victim, 4ull << 30); break;
    case Plant::Fifo: ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); return;
    case Plant::Folder: fs::create_directory(file); return;
    case Plant::HugeLine: sparse(file, 1ull << 30); return;
    case Plant::CutLine: writeBytes(file, k.good.substr(0, k.good.size() - 1)); return;
    case Plant::FullDisk: writeBytes(file, k.good); return;
    }
    fs::create_symlink(victim, file);
}

// "ok:TEXT" for a call that gave TEXT; otherwise a piece of the German reason.
struct Case {
    const char* kind;
    Plant plant;
    const char* read;
    const char* write; // "" where the kind is only read
};

constexpr const char* Link = "symbolischer Verweis";
constexpr const char* Pipe = "benannte Pipe (FIFO)";
constexpr const char* Large = "größer als";
constexpr const char* Folder = "ein Verzeichnis";
constexpr const char* Full = "größer, als erlaubt";

const Case Cases[] = {
    // The game's own files are never read or written through a link.
    {"list", Plant::LinkToVictim, Link, Link},
    {"links", Plant::LinkToVictim, "ok:", Link},
    {"replay", Plant::LinkToVictim, "ok:alt", Link}, // a replay a player names may be a link
    {"list", Plant::LinkToFifo, Link, Link},
    {"links", Plant::LinkToHuge, "ok:", Link},
    {"replay", Plant::LinkToHuge, "zu groß", Link},
    // The player's own files are followed, to a regular file only.
    {"settings", Plant::LinkToVictim, "ok:alt", "ok:neu"},
    {"episode", Plant::LinkToVictim, "ok:alt", ""},
    {"pad mapping", Plant::LinkToVictim, "ok:alt", ""},
    {"settings", Plant::LinkToFifo, Pipe, Pipe},
    {"episode", Plant::LinkToFifo, Pipe, ""},
    {"pad mapping", Plant::LinkToFifo, Pipe, ""},
    {"settings", Plant::LinkToHuge, Large, Large},
    {"episode", Plant::LinkToHuge, Large, ""},
    {"pad mapping", Plant::LinkToHuge, Large, ""},
    // Pipes and folders under the name itself.
    {"list", Plant::Fifo, Pipe, Pipe},
    {"links", Plant::Fifo, "ok:", Pipe},
    {"replay", Plant::Fifo, Pipe, Pipe},
    {"settings", Plant::Fifo, Pipe, Pipe},
    {"episode", Plant::Fifo, Pipe, ""},
    {"pad mapping", Plant::Fifo, Pipe, ""},
    {"list", Plant::Folder, Folder, Folder},
    {"links", Plant::Folder, "ok:", Folder},
    {"replay", Plant::Folder, Folder, Folder},
    {"settings", Plant::Folder, Folder, Folder},
    // One line of a gigabyte is never read whole; the links file is made small again.
    {"list", Plant::HugeLine, Large, Large},
    {"links", Plant::HugeLine, "ok:", "ok:neu"},
    {"replay", Plant::HugeLine, "zu groß", "ok:neu"},
    {"settings", Plant::HugeLine, Large, Large},
    {"episode", Plant::HugeLine, Large, ""},
    // A last line left without its end: the new line does not join it.
    {"list", Plant::CutLine, "ok:alt", "ok:alt|neu"},
    {"links", Plant::CutLine, "ok:alt", "ok:alt|neu"},
    {"replay", Plant::CutLine, "beschädigt", "ok:neu"},
    {"settings", Plant::CutLine, "ok:alt", "ok:neu"},
    // A full disk: the reason, and the file as it was.
    {"list", Plant::FullDisk, "ok:alt", Full},
    {"links", Plant::FullDisk, "ok:alt", Full},
    {"replay", Plant::FullDisk, "ok:alt", Full},
    {"settings", Plant::FullDisk, "ok:alt", Full},
};

std::string describe(const Outcome& o)
{
    return o.ok ? "ok:" + o.text : o.text;
}

void expectOutcome(const Outcome& got, const std::string& want, const std::string& what)
{
    if (want.rfind("ok:", 0) == 0)
        EXPECT_EQ(describe(got), want) << what;
    else
        EXPECT_TRUE(!got.ok && got.text.find(want) != std::string::npos)
            << what << ": \"" << describe(got) << "\" should name \"" << want << "\"";
}

// The kind of entry at PATH and, for a regular file, its inode and bytes (large ones by size).
std::string identity(const fs::path& p)
{
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0)
        return "none";
    std::string id = std::to_string(st.st_mode & S_IFMT) + " " + std::to_string(st.st_ino);
    if (S_ISREG(st.st_mode))
        id += st.st_size > (1 << 20) ? " size " + std::to_string(st.st_size) : " " + bytesOf(p);
    if (S_ISLNK(st.st_mode))
        id += " -> " + fs::read_symlink(p).string();
    return id;
}

// A full disk, injected: a file-size limit of one byte fails every write as ENOSPC would
// (a tmpfs filled to its end would still take bytes into a file's last, half-used page).
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit tight = old_;
        tight.rlim_cur = 1;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
};

class Door : public testing::TestWithParam<Case> {};

TEST_P(Door, RefusesOrCopesAndTouchesNothingElse)
{
    const Case& c = GetParam();
    const Kind& k = *std::find_if(std::begin(Kinds), std::end(Kinds),
                                  [&](const Kind& x) { return x.name == std::string_view(c.kind); });
    const TempDir temp("gravok-door");
    const fs::path& dir = temp.path();
    plant(c.plant, k, dir);
    const std::string what = std::string(c.kind) + ", case " + std::to_string(&c - Cases);
    const fs::path file = dir / k.file, victim = dir / "opfer";
    const std::string fileBefore = identity(file), victimBefore = identity(victim);

    expectOutcome(k.read(dir), c.read, what + ", read");
    if (!k.write)
        return;
    std::optional<FileSizeLimit> full;
    if (c.plant == Plant::FullDisk)
        full.emplace();
    const Outcome wrote = k.write(dir);
    full.reset();
    const std::string_view want = c.write;
    if (want.starts_with("ok:")) {
        EXPECT_TRUE(wrote.ok) << what << ", write: " << wrote.text;
        expectOutcome(k.read(dir), c.write, what + ", read after the write");
    } else {
        expectOutcome(wrote, c.write, what + ", write");
        expectOutcome(k.read(dir), c.read, what + ", read after the refused write");
        EXPECT_EQ(identity(file), fileBefore) << what << ": a refused file changed";
    }
    // Only a player's link to a regular file has that file replaced, and stays a link.
    if (c.plant == Plant::LinkToVictim && wrote.ok)
        EXPECT_TRUE(fs::is_symlink(file)) << what;
    else
        EXPECT_EQ(identity(victim), victimBefore) << what << ": the victim changed";
}

INSTANTIATE_TEST_SUITE_P(Plants, Door, testing::ValuesIn(Cases));

// A replay cut anywhere is refused, never played as if whole; an empty file is no replay.
TEST(DoorReplay, CutAtEveryByteIsRefused)
{
    const TempDir temp("gravok-door");
    const std::string whole = bytesOf(fs::path(GRAVOK_SOURCE_DIR) / "tests/replays/episode1.replay");
    ASSERT_FALSE(replay::writeReplayText(temp.path() / "ganz", whole, true));
    const std::string packed = bytesOf(temp.path() / "ganz");
    std::ostringstream out, err;
    EXPECT_EQ(runReplay(temp.path() / "ganz", GRAVOK_DATA_DIR, out, err), 0) << err.str();
    for (std::size_t cut = 0; cut < packed.size(); ++cut) {
        writeBytes(temp.path() / "kurz", packed.substr(0, cut));
        std::ostringstream o, e;
        EXPECT_EQ(runReplay(temp.path() / "kurz", GRAVOK_DATA_DIR, o, e), 2) << "cut at " << cut;
        EXPECT_NE(e.str().find(cut == 0 ? "keine Gravok-Aufzeichnung" : "beschädigt"), std::string::npos)
            << "cut at " << cut << ": " << e.str();
    }
}

} // namespace
} // namespace gravok
