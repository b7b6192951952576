#include "setmerge.h"

#include "model/stringdata.h"

namespace kpd {

std::string MergeSummary::text() const
{
    std::string summary = std::to_string(applied) + (applied == 1 ? " change" : " changes") + " taken from the other file in " +
                          std::to_string(menus.size()) + (menus.size() == 1 ? " menu" : " menus");
    if (kept) summary += ", " + std::to_string(kept) + " kept as they were";
    if (stale)
        summary += ", " + std::to_string(stale) + " left alone because they were edited after the comparison or are not in this drive";
    return summary;
}

void SetMerge::take(const Difference& difference, Side side)
{
    if (side == Side::Ours || fieldText(difference.ours, difference.field) ==
                                  fieldText(difference.theirs, difference.field)) {
        ++summary_.kept;
        return;
    }
    // A record our drive does not have (a file of another drive version) cannot take anything.
    DrvMenu* menu = ours_.DrvMenus().find(difference.menuKey());
    Parameter* parameter = menu ? menu->Parameters().find(difference.paraKey()) : nullptr;
    ModeData* mode = parameter ? parameter->modes().find(difference.modeKey()) : nullptr;
    if (!mode || fieldText(*mode, difference.field) != fieldText(difference.ours, difference.field)) {
        ++summary_.stale;
        return;
    }
    assignField(*mode, difference.theirs, difference.field);
    menu->setDirty(true);
    ++summary_.applied;
    summary_.menus.insert(difference.menuKey());
}

void SetMerge::take(const std::vector<const Difference*>& differences, Side side)
{
    for (const Difference* difference : differences) take(*difference, side);
}

void SetMerge::takeNonConflicting(const std::vector<Difference>& differences)
{
    for (const Difference& difference : differences) {
        if (difference.takesTheirsUnasked()) take(difference, Side::Theirs);
    }
}

void SetMerge::takeTheirOwnChanges(const std::vector<Difference>& differences)
{
    for (const Difference& difference : differences) {
        const bool theirOwn = difference.takesTheirsUnasked() || difference.isConflict();
        if (theirOwn && !fieldText(difference.theirs, difference.field).empty()) take(difference, Side::Theirs);
    }
}

} // namespace kpd
