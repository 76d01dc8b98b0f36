// The order of the high-score list.
//
// The game lists the lines by a selection procedure: a first pass picks the first line with
// the highest key; every further pass walks j over the lines not yet listed and, for each,
// starts from j and scans all lines for a strictly greater unlisted key, listing what it
// ends on. Done literally that is quadratic per pass, seconds for a long list.
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
#include <numeric>

#include "scores/score_list.h"

namespace gravok {
namespace {

class Selection {
public:
    explicit Selection(const std::vector<std::string>& lines) : shown_(lines.size(), false)
    {
        std::vector<std::string_view> keys(lines.size());
        std::transform(lines.begin(), lines.end(), keys.begin(), [](const std::string& l) { return sortKey(l); });
        byKey_.resize(lines.size());
        std::iota(byKey_.begin(), byKey_.end(), std::size_t{0});
        std::stable_sort(byKey_.begin(), byKey_.end(), [&](std::size_t a, std::size_t b) { return keys[a] > keys[b]; });
        rank_.resize(lines.size());
        for (std::size_t pos = 0; pos < byKey_.size(); ++pos) {
            if (pos == 0 || keys[byKey_[pos]] != keys[byKey_[pos - 1]])
                cursor_.push_back(pos);
            rank_[byKey_[pos]] = cursor_.size() - 1;
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
