#pragma once

#include "difference.h"
#include "setsnapshot.h"

#include <vector>

namespace kpd {

// Compares two string sets of one drive record by record, field by field. With a common
// base (the backup written before a merge, an older release) it tells who changed what.
// Records are matched by menu, parameter and mode key; a record one side lacks (a file of
// another drive version) is compared against an empty record.
class SetComparison {
public:
    static std::vector<Difference> compare(const SetSnapshot& ours, const SetSnapshot& theirs,
                                           const SetSnapshot* base = nullptr);

    // How one field's values compare; nullopt when there is nothing to show.
    static std::optional<Change> classify(const std::string& ours, const std::string& theirs,
                                          const std::string* base);
};

} // namespace kpd
