#include "problemfixer.h"

#include "glyphscan.h"
#include "keypadtextlayout.h"
#include "textchecker.h"

#include "model/drvmenus.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace kpd {

bool ProblemFixer::canFix(ProblemKind kind)
{
    return kind == ProblemKind::TrailingSpace || kind == ProblemKind::NoGlyph || kind == ProblemKind::NearDuplicate ||
           kind == ProblemKind::Inconsistent || kind == ProblemKind::Spelling;
}

bool ProblemFixer::canFix(const Problem& problem)
{
    return canFix(problem.kind) || (problem.kind == ProblemKind::Overflow && problem.suggestion);
}

bool ProblemFixer::canFixAll(ProblemKind kind)
{
    return kind == ProblemKind::TrailingSpace || kind == ProblemKind::NoGlyph;
}

std::optional<std::string> ProblemFixer::fixedText(ProblemKind kind, const std::string& current)
{
    if (kind == ProblemKind::TrailingSpace) return KeypadTextLayout::stripTrailingSpaces(current).text;
    if (kind == ProblemKind::NoGlyph) return GlyphScan::applySuggestions(current);
    return std::nullopt;
}

ModeData* ProblemFixer::record(const Problem& problem) const
{
    DrvMenu* menu = custom_.find(problem.menuKey);
    Parameter* parameter = menu ? menu->Parameters().find(problem.paraKey) : nullptr;
    return parameter ? parameter->modes().find(problem.modeKey) : nullptr;
}

bool ProblemFixer::store(const std::string& menuKey, ModeData& record, TextField field, const std::string& text)
{
    if (textOf(record, field) == text) return false;
    if (field == TextField::Description)
        record.setDesc(text);
    else
        record.setHelp(text);
    if (DrvMenu* menu = custom_.find(menuKey)) menu->setDirty(true);
    return true;
}

bool ProblemFixer::apply(const Problem& problem)
{
    ModeData* target = record(problem);
    if (!target) return false;
    if (problem.kind == ProblemKind::Spelling)
        return problem.suggestion && textOf(*target, problem.field) == problem.checkedText &&
               store(problem.menuKey, *target, problem.field, *problem.suggestion);
    const std::optional<std::string> fixed = fixedText(problem.kind, textOf(*target, problem.field));
    return fixed && store(problem.menuKey, *target, problem.field, *fixed);
}

bool ProblemFixer::replace(const Problem& problem, const std::string& text)
{
    ModeData* target = record(problem);
    return target && store(problem.menuKey, *target, problem.field, text);
}

int ProblemFixer::applyAll(ProblemKind kind, const std::vector<Problem>& problems)
{
    // A text with several problems of the kind is fixed whole by the first of them.
    std::set<std::tuple<std::string, std::string, std::string, TextField>> done;
    int changed = 0;
    for (const Problem& problem : problems) {
        if (problem.kind != kind) continue;
        if (!done.emplace(problem.menuKey, problem.paraKey, problem.modeKey, problem.field).second) continue;
        if (apply(problem)) ++changed;
    }
    return changed;
}

template <typename Visit> void ProblemFixer::forEachText(Visit visit) const
{
    for (DrvMenu& menu : custom_) {
        if (menu.isMapped()) continue;
        for (Parameter& parameter : menu.Parameters())
            for (ModeData& record : parameter.modes())
                if (record.defined())
                    for (TextField field : {TextField::Description, TextField::Help})
                        if (!textOf(record, field).empty()) visit(menu, record, field);
    }
}

std::vector<std::pair<std::string, int>> ProblemFixer::nearDuplicateForms(const Problem& problem) const
{
    std::vector<std::pair<std::string, int>> forms;
    const ModeData* target = record(problem);
    if (!target) return forms;
    const std::string key = TextChecker::nearDuplicateKey(problem.field, target->unit(), textOf(*target, problem.field));
    forEachText([&](DrvMenu&, ModeData& record, TextField field) {
        if (field != problem.field || TextChecker::nearDuplicateKey(field, record.unit(), textOf(record, field)) != key)
            return;
        const std::string& text = textOf(record, field);
        auto form = std::find_if(forms.begin(), forms.end(), [&](const auto& f) { return f.first == text; });
        if (form == forms.end())
            forms.emplace_back(text, 1);
        else
            ++form->second;
    });
    std::stable_sort(forms.begin(), forms.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return forms;
}

int ProblemFixer::unify(const Problem& problem, const std::string& form)
{
    const ModeData* target = record(problem);
    if (!target) return 0;
    const std::string key = TextChecker::nearDuplicateKey(problem.field, target->unit(), textOf(*target, problem.field));
    int changed = 0;
    forEachText([&](DrvMenu& menu, ModeData& record, TextField field) {
        if (field == problem.field && TextChecker::nearDuplicateKey(field, record.unit(), textOf(record, field)) == key
            && store(menu.menuKey(), record, field, form))
            ++changed;
    });
    return changed;
}

} // namespace kpd
