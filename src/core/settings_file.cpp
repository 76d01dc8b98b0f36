// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_file.h"

#include <cerrno>
#include <unistd.h>

#include "core/files.h"
#include "core/text_lines.h"

namespace gravok {
namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Keys without a group stand under "General", as earlier versions wrote them.
constexpr std::string_view General = "General";

} // namespace

SettingsFile::SettingsFile(std::filesystem::path file, std::filesystem::path old)
    : file_(std::move(file)), old_(std::move(old))
{}

std::map<std::string, std::string> SettingsFile::parse(std::string_view text)
{
    std::map<std::string, std::string> values;
    std::string group;
    TextLines lines(text);
    for (std::string_view line; lines.next(line);) {
        line = trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            group = std::string(trimmed(line.substr(1, line.size() - 2)));
            if (group == General)
                group.clear();
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq == 0)
            continue;
        const std::string key(trimmed(line.substr(0, eq)));
        values[group.empty() ? key : std::string(group).append("/").append(key)] =
            std::string(trimmed(line.substr(eq + 1)));
    }
    return values;
}

std::string SettingsFile::format(const std::map<std::string, std::string>& values)
{
    std::map<std::string, std::map<std::string, std::string>> groups;
    for (const auto& [key, value] : values) {
        // Line ends in a value would make lines of their own.
        if (key.find_first_of("\r\n=[]") != std::string::npos || value.find_first_of("\r\n") != std::string::npos)
            continue;
        const std::size_t slash = key.find('/');
        if (slash == std::string::npos)
            groups[std::string(General)][key] = value;
        else
            groups[key.substr(0, slash)][key.substr(slash + 1)] = value;
    }
    std::string text;
    for (const auto& [group, entries] : groups) {
        if (!text.empty())
            text += '\n';
        text.append("[").append(group).append("]\n");
        for (const auto& [key, value] : entries)
            text.append(key).append("=").append(value).append("\n");
    }
    return text;
}

std::vector<std::string> SettingsFile::load()
{
    std::vector<std::string> problems;
    values_.clear();
    changed_.clear();
    setAside_ = false;
    // A player's settings may be a link into a dotfiles folder: followed, to a regular file only.
    const ReadResult read = readBounded(file_, MaxBytes, Links::Follow);
    if (read.bytes) {
        values_ = parse(*read.bytes);
    } else if (read.error != ENOENT) {
        setAside_ = true;
        problems.push_back("Die Einstellungen " + nameOf(file_) + " bleiben unbeachtet: " + read.reason.text() +
                           "; das Spiel beginnt mit den Voreinstellungen.");
    }
    if (old_.empty())
        return problems;
    const ReadResult old = readBounded(old_, MaxBytes, Links::Follow);
    if (!old.bytes) {
        if (old.error != ENOENT)
            problems.push_back("Die alten Einstellungen " + nameOf(old_) + " bleiben unbeachtet: " + old.reason.text() +
                               ".");
        return problems;
    }
    for (auto& [key, value] : parse(*old.bytes))
        if (!values_.contains(key)) {
            values_[key] = value;
            changed_.insert(key);
        }
    // The old file goes once what it held is safe in the new one.
    if (!setAside_ && !save())
        (void)::unlink(old_.c_str());
    return problems;
}

std::optional<std::string> SettingsFile::value(const std::string& key) const
{
    const auto it = values_.find(key);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

void SettingsFile::set(const std::string& key, const std::string& value)
{
    values_[key] = value;
    changed_.insert(key);
}

std::optional<std::string> SettingsFile::save()
{
    if (setAside_)
        return std::nullopt;
    if (changed_.empty())
        return std::nullopt;
    // What another game saved meanwhile stays; only our changes go over it.
    std::map<std::string, std::string> now;
    const ReadResult read = readBounded(file_, MaxBytes, Links::Follow);
    if (read.bytes)
        now = parse(*read.bytes);
    else if (read.error != ENOENT)
        return "Die Einstellungen " + nameOf(file_) + " können nicht gespeichert werden: " + read.reason.text() + ".";
    for (const std::string& key : changed_)
        now[key] = values_[key];
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    if (const auto why = replaceFile(file_, format(now), Links::Follow))
        return "Die Einstellungen " + nameOf(file_) + " können nicht gespeichert werden: " + why->text() + ".";
    values_ = std::move(now);
    changed_.clear();
    return std::nullopt;
}

} // namespace gravok
