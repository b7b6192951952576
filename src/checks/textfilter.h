#pragma once

#include "problem.h"
#include "textrows.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kpd {

// Which rows of the texts list show: by status, menu, field and a search of the texts,
// the reference, the parameter's name and its keys (letter case ignored).
struct TextFilter {
    std::optional<TextRows::Status> status;
    std::string menuKey;
    std::optional<TextField> field;
    std::string search;

    bool accepts(const TextRows& rows, std::size_t i) const;
    // The rows shown, in set order.
    std::vector<std::size_t> apply(const TextRows& rows) const;
    // The position in order of the next (previous) row after from that is not done;
    // nothing at the end. "Next untranslated" passes over texts already reviewed.
    static std::optional<std::size_t> nextNotDone(const TextRows& rows, const std::vector<std::size_t>& order,
                                                  std::size_t from, bool backwards);
};

} // namespace kpd
