// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The order of the high-score list.
//
// The game lists the lines by a selection procedure: a first pass picks the first line with
// the highest key; every further pass walks j over the lines not yet listed and, for each,
// starts from j and scans all lines for a strictly greater unlisted key, listing what it
// ends on. Done literally, every pick scans every line: quadratic, seconds for a long list.
//
// Every pick ends on the highest key still unlisted, so the list comes out sorted by key;
// only equal keys need the procedure's own rule. Starting from j, the scan keeps j when j
// already has that highest key; otherwise it moves to the first unlisted line that has it.
// So a pass is: for each unlisted j in file order, list j itself if its key is the highest
// left, else the earliest line with the highest key. Keys are ranked once by sorting; each
// rank keeps its lines in file order and a cursor to its first unlisted line. Every line a
// pass visits and does not list causes another line to be listed, so each pass at least
// halves what is left: O(N log N) in all.
#include <algorithm>
#include <cstdint>

#include "scores/score_list.h"

namespace gravok {
namespace {

// A key packed for sorting: its first seven bytes, zero-padded and big-endian, then its
// length. Such numbers order like the keys themselves, and score fields always fit; longer
// keys (other characters than digits) fall back to comparing their text.
struct PackedKey {
    std::uint64_t bits;
    std::uint32_t line;
    std::string_view text;

    static PackedKey of(std::string_view key, std::size_t line)
    {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < 7; ++i)
            bits = bits << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
        bits = bits << 8 | std::min<std::size_t>(key.size(), 255);
        return {bits, static_cast<std::uint32_t>(line), key};
    }
    [[nodiscard]] bool longKey() const { return text.size() > 7; }
    // Order of keys only: negative below, 0 equal, positive above.
    [[nodiscard]] int compare(const PackedKey& o) const
    {
        if ((bits >> 8) != (o.bits >> 8) || !longKey() || !o.longKey())
            return bits < o.bits ? -1 : bits > o.bits ? 1 : 0;
        return text.compare(o.text);
    }
};

class Selection {
public:
    explicit Selection(const std::vector<std::string>& lines) : shown_(lines.size(), false)
    {
        std::vector<PackedKey> keys;
        keys.reserve(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            keys.push_back(PackedKey::of(sortKey(lines[i]), i));
        std::sort(keys.begin(), keys.end(), [](const PackedKey& a, const PackedKey& b) {
            const int c = a.compare(b);
            return c != 0 ? c > 0 : a.line < b.line;
        });
        byKey_.resize(lines.size());
        rank_.resize(lines.size());
        for (std::size_t pos = 0; pos < keys.size(); ++pos) {
            if (pos == 0 || keys[pos].compare(keys[pos - 1]) != 0)
                cursor_.push_back(pos);
            byKey_[pos] = keys[pos].line;
            rank_[keys[pos].line] = cursor_.size() - 1;
        }
        ends_ = cursor_;
        ends_.push_back(byKey_.size());
        ends_.erase(ends_.begin());
        order_.reserve(lines.size());
    }

    std::vector<std::size_t> run()
    {
        const std::size_t n = shown_.size();
        if (n == 0)
            return {};
        list(firstOfTop());
        while (order_.size() < n) {
            for (std::size_t j = 0; j < n && order_.size() < n; ++j) {
                if (shown_[j])
                    continue;
                list(rank_[j] == topRank() ? j : firstOfTop());
            }
        }
        return std::move(order_);
    }

private:
    void list(std::size_t line)
    {
        shown_[line] = true;
        order_.push_back(line);
    }

    // The highest rank with a line not yet listed; its cursor then points at that line.
    std::size_t topRank()
    {
        for (;;) {
            std::size_t& c = cursor_[top_];
            while (c < ends_[top_] && shown_[byKey_[c]])
                ++c;
            if (c < ends_[top_])
                return top_;
            ++top_;
        }
    }

    std::size_t firstOfTop() { return byKey_[cursor_[topRank()]]; }

    std::vector<bool> shown_;
    std::vector<std::size_t> byKey_;  // line numbers, highest key first, equal keys in file order
    std::vector<std::size_t> rank_;   // per line: its key's rank, 0 for the highest
    std::vector<std::size_t> cursor_; // per rank: position in byKey_ of its first unlisted line
    std::vector<std::size_t> ends_;   // per rank: end of its lines in byKey_
    std::size_t top_ = 0;
    std::vector<std::size_t> order_;
};

} // namespace

std::vector<std::size_t> listingOrder(const std::vector<std::string>& lines)
{
    return Selection(lines).run();
}

} // namespace gravok
