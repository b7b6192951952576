#include "countsort.h"

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <utility>

namespace kpd {

namespace {

using Entry = std::pair<std::int64_t, std::int32_t>;   // (key, element)

// The elements of one distinct count, ordered by position; the first and last keys are
// cached so the per-pass scans over all counts stay in one flat array.
struct Level {
    std::set<Entry> entries;
    std::int64_t firstKey = 0;
    std::int64_t lastKey = 0;

    void refresh()
    {
        if (entries.empty()) return;
        firstKey = entries.begin()->first;
        lastKey = entries.rbegin()->first;
    }
};

} // namespace

// One pass of the bubble sort carries an element to the right for as long as the next
// one is not smaller; it stops at the first smaller one, which is carried on instead.
// The carried elements are the first occurrences of each new strict minimum from the
// left. Each carrier lands just before the next carrier (the last one at the end of the
// pass) and every other element moves one place to the left. So a pass follows from the
// first position of every distinct count, and the uniform shift of all the others is
// one pass counter subtracted from a stored key. Elements past the end of the next pass
// never move again and are settled at once.
std::vector<std::int32_t> bubbleOrder(const std::vector<std::int32_t>& counts)
{
    const auto n = static_cast<std::int32_t>(counts.size());
    std::vector<std::int32_t> order(counts.size());
    if (n == 0) return order;

    std::vector<Level> levels;   // ascending count
    {
        std::map<std::int32_t, std::vector<std::int32_t>> byCount;
        for (std::int32_t i = 0; i < n; ++i) byCount[counts[static_cast<std::size_t>(i)]].push_back(i);
        levels.reserve(byCount.size());
        for (const auto& [count, elements] : byCount) {
            Level level;
            for (std::int32_t e : elements) level.entries.emplace_hint(level.entries.end(), e, e);
            level.refresh();
            levels.push_back(std::move(level));
        }
    }

    std::int64_t shift = 0;         // passes done: position = key - shift
    std::int64_t rangeEnd = n - 1;  // last position a pass may touch
    std::vector<std::size_t> carriers;

    for (;;) {
        // Found from the smallest count up, the carriers come last-to-first by position.
        carriers.clear();
        std::int64_t firstOfSmaller = std::numeric_limits<std::int64_t>::max();
        for (std::size_t l = 0; l < levels.size(); ++l) {
            if (levels[l].firstKey < firstOfSmaller) {
                firstOfSmaller = levels[l].firstKey;
                carriers.push_back(l);
            }
        }
        std::reverse(carriers.begin(), carriers.end());

        std::int64_t last = 0;
        const std::int64_t nextShift = shift + 1;
        for (std::size_t k = 0; k < carriers.size(); ++k) {
            Level& level = levels[carriers[k]];
            const std::int64_t position = level.firstKey - shift;
            const std::int64_t end = k + 1 < carriers.size() ? levels[carriers[k + 1]].firstKey - shift - 1 : rangeEnd;
            if (end > position) last = end - 1;
            const std::int32_t element = level.entries.begin()->second;
            level.entries.erase(level.entries.begin());
            level.entries.emplace(end + nextShift, element);
            level.refresh();
        }
        shift = nextShift;
        if (last == 0) break;

        rangeEnd = last;
        for (Level& level : levels) {
            if (level.lastKey - shift <= rangeEnd) continue;
            while (!level.entries.empty() && level.entries.rbegin()->first - shift > rangeEnd) {
                const Entry settled = *level.entries.rbegin();
                order[static_cast<std::size_t>(settled.first - shift)] = settled.second;
                level.entries.erase(std::prev(level.entries.end()));
            }
            level.refresh();
        }
        std::erase_if(levels, [](const Level& level) { return level.entries.empty(); });
    }
    for (const Level& level : levels)
        for (const auto& [key, element] : level.entries) order[static_cast<std::size_t>(key - shift)] = element;
    return order;
}

} // namespace kpd
