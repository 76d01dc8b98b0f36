// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/score_list.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/numbers.h"

namespace gravok {
namespace {

constexpr std::size_t FieldWidth = 6;

// The literal rule: zeros up to six characters, after the sign of a negative score.
std::string padded(std::string_view text)
{
    const std::string zeros(FieldWidth - text.size(), '0');
    if (!text.empty() && text[0] == '-')
        return "-" + zeros + std::string(text.substr(1));
    return zeros + std::string(text);
}

std::string clampedField(std::string_view text)
{
    const auto value = parseStrict(text);
    double v = value ? std::round(*value) : (text[0] == '-' ? -HUGE_VAL : HUGE_VAL);
    v = std::clamp(v, -99999.0, 999999.0);
    return padded(decimal(static_cast<long long>(v)));
}

} // namespace

std::string scoreField(std::string_view scoreText)
{
    if (scoreText.size() > FieldWidth)
        return clampedField(scoreText);
    return padded(scoreText);
}

std::string entryText(std::string_view scoreText, std::string_view name, int episode)
{
    return scoreField(scoreText) + ": " + std::string(name) + " (" + decimal(episode) + ")";
}

bool isOldLayout(std::string_view entry)
{
    return entry.size() >= FieldWidth && entry[FieldWidth - 1] == ':';
}

std::optional<std::string> convertOldLine(std::string_view entry)
{
    if (!isOldLayout(entry))
        return std::nullopt;
    const std::string_view field = entry.substr(0, FieldWidth - 1);
    const std::size_t hyphen = field.find('-');
    if (hyphen == std::string_view::npos)
        return "0" + std::string(entry);
    if (hyphen == 0 && field.find('-', 1) == std::string_view::npos)
        return "-0" + std::string(entry.substr(1));
    return std::nullopt; // a hyphen inside the digits: no score the game could write
}

std::string_view sortKey(std::string_view line)
{
    // Six characters, not bytes: a continuation byte of UTF-8 does not start one.
    std::size_t chars = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 && ++chars > FieldWidth)
            return line.substr(0, i);
    }
    return line;
}

void decodeInto(DecodedList& list, const std::vector<std::string>& lines, const Kodierer& kodierer,
                const std::filesystem::path& listFile)
{
    list.entries.reserve(list.entries.size() + lines.size());
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string& line = lines[at];
        auto text = kodierer.decode(line, Schluessel);
        if (!text) {
            ++list.unreadable;
            continue;
        }
        if (auto converted = convertOldLine(*text))
            text = std::move(converted);
        list.entries.push_back(std::move(*text));
        list.places.push_back({listFile, at});
    }
}

ShownList shownList(DecodedList list)
{
    ShownList shown;
    const auto order = listingOrder(list.entries);
    shown.rows.reserve(order.size());
    shown.places.reserve(order.size());
    for (const std::size_t i : order) {
        shown.rows.push_back(std::move(list.entries[i]));
        shown.places.push_back(std::move(list.places[i]));
    }
    return shown;
}

std::optional<std::vector<std::string>> convertedList(const std::vector<std::string>& lines, const Kodierer& kodierer)
{
    // The first line that can be read decides, as the game's first line did; a damaged
    // first line must not hide an old list.
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& l) { return kodierer.decode(l, Schluessel).has_value(); });
    if (first == lines.end() || !isOldLayout(*kodierer.decode(*first, Schluessel)))
        return std::nullopt;
    std::vector<std::string> out;
    out.reserve(lines.size());
    bool changed = false;
    for (const auto& line : lines) {
        const auto text = kodierer.decode(line, Schluessel);
        const auto converted = text ? convertOldLine(*text) : std::nullopt;
        changed = changed || converted;
        out.push_back(converted ? kodierer.encode(*converted, Schluessel) : line);
    }
    if (!changed)
        return std::nullopt;
    return out;
}

std::optional<std::string> unconvertibleFirst(const std::vector<std::string>& lines, const Kodierer& kodierer)
{
    for (const auto& line : lines) {
        auto text = kodierer.decode(line, Schluessel);
        if (!text)
            continue;
        if (isOldLayout(*text) && !convertOldLine(*text))
            return text;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace gravok
