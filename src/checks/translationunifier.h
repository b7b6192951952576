#pragma once

#include "problem.h"

#include <string>
#include <utility>
#include <vector>

namespace kpd {

class TheApp;

// The fix of an inconsistent translation: every custom text whose reference text is the
// problem's gets the one form the user picks.
class TranslationUnifier {
public:
    explicit TranslationUnifier(TheApp& app) : app_(app) {}

    // The translations of the problem's reference text, each with how many texts use it,
    // the most used first.
    std::vector<std::pair<std::string, int>> forms(const Problem& problem) const;
    // The number of texts changed; each keeps its old text as its undo text.
    int unify(const Problem& problem, const std::string& form);

private:
    // Every text of the problem's field whose reference text is the problem's.
    std::vector<Problem> group(const Problem& problem) const;

    TheApp& app_;
};

} // namespace kpd
