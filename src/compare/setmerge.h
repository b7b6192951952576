#pragma once

#include "difference.h"

#include <set>
#include <string>
#include <vector>

namespace kpd {

class stringData;

// What a merge did, for the summary a user reads afterwards.
struct MergeSummary {
    int applied = 0;
    // Our side kept by choice, or the two sides already alike.
    int kept = 0;
    // Our field was edited after the comparison: taking their side would lose that edit.
    int stale = 0;
    std::set<std::string> menus;

    std::string text() const;
};

// Applies chosen sides of differences to our set (the custom set). Each field taken from
// their side is written the way an edit writes it: texts through setDesc and setHelp, so
// the parameter editor's Undo brings back what was replaced, and the menu marked unsaved.
// A field is only overwritten while it still holds what the comparison saw.
class SetMerge {
public:
    explicit SetMerge(stringData& ours) : ours_(ours) {}

    void take(const Difference& difference, Side side);
    void take(const std::vector<const Difference*>& differences, Side side);
    // "Take theirs where we did not change it": every difference only their side made.
    void takeNonConflicting(const std::vector<Difference>& differences);
    // A whole file laid over our set, the differences taken against the reference it was
    // made from: every field their side holds of its own (not empty, not the reference's),
    // also where we changed it too. A field they left as the reference or empty keeps ours.
    void takeTheirOwnChanges(const std::vector<Difference>& differences);

    const MergeSummary& summary() const { return summary_; }

private:
    stringData& ours_;
    MergeSummary summary_;
};

} // namespace kpd
