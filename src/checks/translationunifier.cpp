#include "translationunifier.h"

#include "problemfixer.h"

#include "model/theapp.h"

#include <algorithm>

namespace kpd {

namespace {

const ModeData* counterpart(const DrvMenus& menus, const std::string& menuKey, const std::string& paraKey,
                            const std::string& modeKey)
{
    const DrvMenu* menu = menus.find(menuKey);
    const Parameter* parameter = menu ? menu->Parameters().find(paraKey) : nullptr;
    return parameter ? parameter->modes().find(modeKey) : nullptr;
}

} // namespace

std::vector<Problem> TranslationUnifier::group(const Problem& problem) const
{
    std::vector<Problem> members;
    const DrvMenus& reference = app_.getRefMenus();
    const ModeData* origin = counterpart(reference, problem.menuKey, problem.paraKey, problem.modeKey);
    if (!origin || !origin->defined() || textOf(*origin, problem.field).empty()) return members;
    const std::string& source = textOf(*origin, problem.field);
    for (const DrvMenu& menu : app_.getCustMenus()) {
        if (menu.isMapped()) continue;
        for (const Parameter& parameter : menu.Parameters())
            for (const ModeData& record : parameter.modes()) {
                if (!record.defined() || textOf(record, problem.field).empty()) continue;
                const ModeData* ref = counterpart(reference, menu.menuKey(), parameter.paraKey(), record.modeKey());
                if (!ref || !ref->defined() || textOf(*ref, problem.field) != source) continue;
                Problem member = problem;
                member.menuKey = menu.menuKey();
                member.paraKey = parameter.paraKey();
                member.modeKey = record.modeKey();
                member.suggestion = textOf(record, problem.field);
                members.push_back(std::move(member));
            }
    }
    return members;
}

std::vector<std::pair<std::string, int>> TranslationUnifier::forms(const Problem& problem) const
{
    std::vector<std::pair<std::string, int>> forms;
    for (const Problem& member : group(problem)) {
        auto form =
            std::find_if(forms.begin(), forms.end(), [&](const auto& f) { return f.first == *member.suggestion; });
        if (form == forms.end())
            forms.emplace_back(*member.suggestion, 1);
        else
            ++form->second;
    }
    std::stable_sort(forms.begin(), forms.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return forms;
}

int TranslationUnifier::unify(const Problem& problem, const std::string& form)
{
    ProblemFixer fixer(app_.getCustMenus());
    int changed = 0;
    for (const Problem& member : group(problem))
        if (fixer.replace(member, form)) ++changed;
    return changed;
}

} // namespace kpd
