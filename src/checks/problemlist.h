#pragma once

#include "checkinput.h"
#include "problem.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kpd {

// The problems of one check run with what the editor asks of them: counts, the problems
// of one text or one grid cell, and the next or previous one from where the user is.
class ProblemList {
public:
    struct Location {
        std::string menuKey;
        std::string paraKey;
        std::string modeKey;
        bool operator==(const Location&) const = default;
    };

    ProblemList() = default;
    // The problems must be in the order of the input, as TextChecker lists them.
    ProblemList(const CheckInput& input, std::vector<Problem> problems);

    const std::vector<Problem>& problems() const { return problems_; }
    std::map<ProblemKind, int> countsByKind() const;
    // Menus in set order, only those with problems.
    std::vector<std::pair<std::string, int>> countsByMenu() const;
    // "kind: message" lines of the problems of one parameter in one mode.
    std::vector<std::string> describe(const Location& at) const;

    // The index of the first problem of the kinds at a parameter and mode after (before)
    // the given one, going round at the end; a place the list does not know counts as the
    // start. Nothing when no problem of the kinds is left.
    std::optional<std::size_t> next(const Location& from, bool backwards, const std::set<ProblemKind>& kinds) const;

    static Location locationOf(const Problem& problem) { return {problem.menuKey, problem.paraKey, problem.modeKey}; }

private:
    static std::string keyOf(const Location& at);
    std::optional<std::size_t> ordinal(const Location& at) const;

    std::vector<Problem> problems_;
    std::vector<std::string> menuOrder_;
    std::unordered_map<std::string, std::size_t> ordinals_;
    std::unordered_map<std::string, std::vector<std::size_t>> byLocation_;
};

} // namespace kpd
