#include "problemlist.h"

#include <algorithm>

namespace kpd {

ProblemList::ProblemList(const CheckInput& input, std::vector<Problem> problems) : problems_(std::move(problems))
{
    std::size_t n = 0;
    for (const CheckInput::ParamTexts& param : input.params) {
        if (menuOrder_.empty() || menuOrder_.back() != param.menuKey) menuOrder_.push_back(param.menuKey);
        for (const CheckInput::ModeTexts& mode : param.modes)
            ordinals_.emplace(keyOf({param.menuKey, param.paraKey, mode.modeKey}), n++);
    }
    for (std::size_t i = 0; i < problems_.size(); ++i) byLocation_[keyOf(locationOf(problems_[i]))].push_back(i);
}

std::string ProblemList::keyOf(const Location& at)
{
    return at.menuKey + '\n' + at.paraKey + '\n' + at.modeKey;
}

std::optional<std::size_t> ProblemList::ordinal(const Location& at) const
{
    const auto found = ordinals_.find(keyOf(at));
    if (found == ordinals_.end()) return std::nullopt;
    return found->second;
}

std::map<ProblemKind, int> ProblemList::countsByKind() const
{
    std::map<ProblemKind, int> counts;
    for (const Problem& problem : problems_) ++counts[problem.kind];
    return counts;
}

std::vector<std::pair<std::string, int>> ProblemList::countsByMenu() const
{
    std::map<std::string, int> counts;
    for (const Problem& problem : problems_) ++counts[problem.menuKey];
    std::vector<std::pair<std::string, int>> ordered;
    for (const std::string& menu : menuOrder_)
        if (const auto found = counts.find(menu); found != counts.end()) ordered.emplace_back(menu, found->second);
    return ordered;
}

std::vector<std::string> ProblemList::describe(const Location& at) const
{
    std::vector<std::string> lines;
    const auto found = byLocation_.find(keyOf(at));
    if (found == byLocation_.end()) return lines;
    for (std::size_t i : found->second) {
        const Problem& problem = problems_[i];
        lines.push_back(std::string(kindName(problem.kind)) + " (" + std::string(fieldName(problem.field))
                        + "): " + problem.message);
    }
    return lines;
}

std::optional<std::size_t> ProblemList::next(const Location& from, bool backwards,
                                             const std::set<ProblemKind>& kinds) const
{
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < problems_.size(); ++i)
        if (kinds.count(problems_[i].kind)) candidates.push_back(i);
    if (candidates.empty()) return std::nullopt;
    const std::optional<std::size_t> here = ordinal(from);
    const auto at = [&](std::size_t i) { return ordinal(locationOf(problems_[i])).value_or(0); };
    if (!backwards) {
        if (here)
            for (std::size_t i : candidates)
                if (at(i) > *here) return i;
        return candidates.front();
    }
    if (here)
        for (auto it = candidates.rbegin(); it != candidates.rend(); ++it)
            if (at(*it) < *here) return *it;
    return candidates.back();
}

} // namespace kpd
