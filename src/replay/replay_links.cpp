// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_links.h"
#include "replay/number.h"

#include <charconv>
#include <sys/stat.h>
#include <map>

#include "core/files.h"
#include "core/text_lines.h"
#include "scores/kodierer.h"
#include "scores/list_file.h"
#include "scores/score_list.h"

namespace gravok::replay {
namespace {

constexpr std::size_t MaxLinksBytes = 4u << 20;

std::string lineOf(const ReplayLink& link)
{
    const std::string speed = link.speed == FullSpeed ? "" : std::to_string(link.speed) + "%\t";
    return link.replay + '\t' + std::to_string(link.game) + '\t' + std::to_string(link.line) + '\t' + speed +
           link.list.lexically_normal().string();
}

std::vector<ReplayLink> parseLinks(std::string_view text)
{
    std::vector<ReplayLink> links;
    TextLines lines(text);
    for (std::string_view rest; lines.next(rest);) {
        std::string_view fields[3];
        bool ok = true;
        for (auto& field : fields) {
            const std::size_t tab = rest.find('\t');
            if (tab == std::string_view::npos) {
                ok = false;
                break;
            }
            field = rest.substr(0, tab);
            rest.remove_prefix(tab + 1);
        }
        const auto game = ok ? number<int>(fields[1]) : std::nullopt;
        const auto at = ok ? number<std::size_t>(fields[2]) : std::nullopt;
        // A game played slower says so in a field "60%" before the path, which holds no tab.
        int speed = FullSpeed;
        if (const std::size_t mark = rest.find("%\t"); mark != std::string_view::npos)
            if (const auto s = number<int>(rest.substr(0, mark)); s && isGameSpeed(*s)) {
                speed = *s;
                rest.remove_prefix(mark + 2);
            }
        if (!game || !at || fields[0].empty() || fields[0].find('/') != std::string_view::npos || rest.empty())
            continue;
        links.push_back({std::filesystem::path(rest).lexically_normal(), *at, std::string(fields[0]), *game, speed});
    }
    return links;
}

// Past its limit the file keeps only the links whose replay is still there, newest last;
// should those still not fit in half of it, the oldest go. A file an older version let
// grow past the limit is read whole while that is still sane, so its old links stay too.
std::optional<Message> compact(const std::filesystem::path& folder, const std::string& adding)
{
    std::vector<std::string> kept;
    std::size_t bytes = adding.size() + 1;
    const ReadResult whole = readBounded(folder / LinksName, 16 * MaxLinksBytes, Links::Refuse);
    const std::vector<ReplayLink> links = whole.bytes ? parseLinks(*whole.bytes) : readLinks(folder);
    for (auto it = links.rbegin(); it != links.rend(); ++it) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(folder / it->replay, ec))
            continue;
        std::string line = lineOf(*it);
        if ((bytes += line.size() + 1) > MaxLinksBytes / 2)
            break;
        kept.push_back(std::move(line));
    }
    std::string text;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        text.append(*it).append("\n");
    return replaceFile(folder / LinksName, text.append(adding).append("\n"), Links::Refuse);
}

} // namespace

// Fields by tabs, the list's path last, as it is the one that may hold anything but a tab.
std::optional<std::string> appendLink(const std::filesystem::path& folder, const ReplayLink& link)
{
    const std::filesystem::path file = folder / LinksName;
    const std::string line = lineOf(link);
    struct stat st {};
    const bool full = ::lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                      static_cast<std::uint64_t>(st.st_size) + line.size() + 1 > MaxLinksBytes;
    if (const auto why = full ? compact(folder, line) : appendLineTo(file, line))
        return "Die Verknüpfung mit der Aufzeichnung kann nicht geschrieben werden: " + nameOf(file) + ": " +
               why->text();
    return std::nullopt;
}

std::vector<ReplayLink> readLinks(const std::filesystem::path& folder)
{
    // The newest links are at the end: a file grown too large is read from there.
    const ReadResult read = readTail(folder / LinksName, MaxLinksBytes, Links::Refuse);
    return read.bytes ? parseLinks(*read.bytes) : std::vector<ReplayLink>();
}

std::set<std::string> bestReplays(const std::vector<ReplayLink>& links, std::size_t keep)
{
    std::map<std::filesystem::path, std::map<std::size_t, std::string>> byList;
    for (const ReplayLink& l : links)
        byList[l.list][l.line] = l.replay;
    std::set<std::string> best;
    const Kodierer kodierer;
    for (const auto& [list, lines] : byList) {
        const ListLines file = readList(list.parent_path());
        // Decoded in place, so that line numbers stay the file's; what cannot be decoded
        // sorts last.
        std::vector<std::string> entries;
        entries.reserve(file.lines.size());
        for (const std::string& l : file.lines)
            entries.push_back(kodierer.decode(l, Schluessel).value_or(""));
        const std::vector<std::size_t> order = listingOrder(entries);
        for (std::size_t i = 0; i < order.size() && i < keep; ++i)
            if (const auto it = lines.find(order[i]); it != lines.end())
                best.insert(it->second);
    }
    return best;
}

std::vector<std::optional<ReplayLink>> rowLinks(const std::vector<ReplayLink>& links,
                                                const std::vector<EntryPlace>& rows)
{
    // A map keeps a long list quick; a later link of a line overwrites an earlier one.
    std::map<std::pair<std::filesystem::path, std::size_t>, const ReplayLink*> byPlace;
    for (const ReplayLink& l : links)
        byPlace[{l.list, l.line}] = &l;
    std::vector<std::optional<ReplayLink>> out;
    out.reserve(rows.size());
    for (const EntryPlace& row : rows) {
        const auto it = byPlace.find({row.list.lexically_normal(), row.line});
        out.push_back(it == byPlace.end() ? std::nullopt : std::optional<ReplayLink>(*it->second));
    }
    return out;
}

} // namespace gravok::replay
