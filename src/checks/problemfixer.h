#pragma once

#include "problem.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kpd {

class DrvMenus;
class ModeData;

// The quick fixes of the problems that have one unambiguous fix. Each goes through the
// model's setDesc / setHelp, so every changed text keeps its old text as its undo text, and
// marks the menus it changes unsaved.
class ProblemFixer {
public:
    explicit ProblemFixer(DrvMenus& custom) : custom_(custom) {}

    static bool canFix(ProblemKind kind);
    // An overflow has a fix only where the glossary's short forms make the text fit.
    static bool canFix(const Problem& problem);
    // Kinds whose texts are each fixed on their own, so that all of them can be fixed at once.
    static bool canFixAll(ProblemKind kind);
    // What the fix of a trailing-space or no-glyph problem makes of the text as it is now;
    // nothing for other kinds.
    static std::optional<std::string> fixedText(ProblemKind kind, const std::string& current);

    // Fixes the text the problem names; false when it was not changed.
    bool apply(const Problem& problem);
    // Gives the text the problem names a fix worked out elsewhere, such as a shortening.
    bool replace(const Problem& problem, const std::string& text);
    // Fixes every text named by a problem of the kind; the number of texts changed.
    int applyAll(ProblemKind kind, const std::vector<Problem>& problems);

    // The forms of the near-duplicate group of the problem's text, each with how many texts
    // use it, the most used first.
    std::vector<std::pair<std::string, int>> nearDuplicateForms(const Problem& problem) const;
    // Gives every text of that group the chosen form; the number of texts changed.
    int unify(const Problem& problem, const std::string& form);

private:
    ModeData* record(const Problem& problem) const;
    bool store(const std::string& menuKey, ModeData& record, TextField field, const std::string& text);
    template <typename Visit>
    void forEachText(Visit visit) const;

    DrvMenus& custom_;
};

} // namespace kpd
