// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score list file can hold anything a crash, an editor or another program left:
// any bytes as its content must give the dialog's ordered list, never a crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "scores/list_file.h"
#include "scores/score_list.h"

using namespace gravok;
using gravok::fuzz::check;
using gravok::fuzz::fail;

namespace {

// One directory for the whole run, removed at its end; each input overwrites the list in it.
class ListDir {
public:
    ListDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "gravok-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            fail("no temporary directory");
        path_ = pattern;
    }
    ~ListDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ListDir(const ListDir&) = delete;
    ListDir& operator=(const ListDir&) = delete;
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& listDir()
{
    static const ListDir dir;
    return dir.path();
}

// The entries a reader should find: lines end at CR, LF or CR LF (so any run of CR and LF
// only separates lines), blank lines are none, and only lines that decode are shown.
std::size_t decodableLines(std::string_view bytes, std::size_t& lines)
{
    const Kodierer k;
    std::size_t decodable = 0;
    lines = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t start = bytes.find_first_not_of("\r\n", pos);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        ++lines;
        decodable += k.decode(bytes.substr(start, end - start), Schluessel).has_value() ? 1 : 0;
        pos = end;
    }
    return decodable;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(listDir() / ListName, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            fail("cannot write the list file");
    }
    const ListLines file = readList(listDir());
    check(!file.problem, "a readable list reported a problem");

    DecodedList list;
    decodeInto(list, file.lines, Kodierer{});
    std::size_t lines = 0;
    const std::size_t decodable = decodableLines(bytes, lines);
    check(list.entries.size() == decodable,
          "shown " + std::to_string(list.entries.size()) + " of " + std::to_string(decodable) + " decodable lines");
    check(list.unreadable == lines - decodable, "miscounted the damaged lines");

    // Every entry shown once, highest key first.
    const std::vector<std::size_t> order = listingOrder(list.entries);
    check(order.size() == list.entries.size(), "the listing leaves out or repeats lines");
    std::vector<bool> seen(order.size(), false);
    for (std::size_t i = 0; i < order.size(); ++i) {
        check(order[i] < seen.size() && !seen[order[i]], "the listing is no permutation");
        seen[order[i]] = true;
        if (i > 0)
            check(sortKey(list.entries[order[i - 1]]) >= sortKey(list.entries[order[i]]),
                  "the listing is out of order");
    }
    return 0;
}
