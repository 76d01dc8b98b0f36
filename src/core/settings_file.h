// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's settings: one file of "[group]" headings and "key=value" lines, the format
// earlier versions wrote, read and written only through the file door.
#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace gravok {

class SettingsFile {
public:
    // Larger than any settings of ours; a larger file is set aside, not read.
    static constexpr std::size_t MaxBytes = std::size_t{64} * 1024;

    // FILE is the settings file; OLD, when given, a file of an earlier version, merged once
    // and then removed.
    explicit SettingsFile(std::filesystem::path file, std::filesystem::path old = {});

    // Reads the file (and merges OLD). A file that is no regular file, or too large, is set
    // aside: nothing read from it, nothing written to it. One German line for each problem.
    std::vector<std::string> load();

    [[nodiscard]] std::optional<std::string> value(const std::string& key) const;
    // Keys are "group/name"; a change is written at the next save.
    void set(const std::string& key, const std::string& value);
    // Writes the changes over what the file holds now (another game may have saved
    // meanwhile); nothing when set aside. The German reason on failure.
    std::optional<std::string> save();

    [[nodiscard]] bool setAside() const { return setAside_; }
    [[nodiscard]] const std::filesystem::path& file() const { return file_; }

    // The text of VALUES as the file holds them, and back; lines that mean nothing are skipped.
    [[nodiscard]] static std::string format(const std::map<std::string, std::string>& values);
    [[nodiscard]] static std::map<std::string, std::string> parse(std::string_view text);

private:
    std::filesystem::path file_;
    std::filesystem::path old_;
    std::map<std::string, std::string> values_;
    std::set<std::string> changed_;
    bool setAside_ = false;
};

} // namespace gravok
