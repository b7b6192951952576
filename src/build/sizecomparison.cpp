#include "sizecomparison.h"

#include <algorithm>
#include <map>

namespace kpd {

namespace {

using Key = std::pair<std::string, std::string>;

std::vector<SizeChange> rows(const std::map<Key, SizeChange>& byKey)
{
    std::vector<SizeChange> result;
    result.reserve(byKey.size());
    for (const auto& [key, row] : byKey) result.push_back(row);
    std::stable_sort(result.begin(), result.end(), [](const SizeChange& a, const SizeChange& b) {
        return std::llabs(a.change()) > std::llabs(b.change());
    });
    return result;
}

SizeChange& row(std::map<Key, SizeChange>& byKey, const std::string& menuKey, const std::string& paraKey)
{
    SizeChange& r = byKey[{menuKey, paraKey}];
    r.menuKey = menuKey;
    r.paraKey = paraKey;
    return r;
}

} // namespace

std::vector<SizeChange> SizeComparison::menus(const SizeReport& before, const SizeReport& after)
{
    std::map<Key, SizeChange> byKey;
    for (const MenuSize& m : before.menus) row(byKey, m.menuKey, {}).before += m.bytes;
    for (const MenuSize& m : after.menus) row(byKey, m.menuKey, {}).after += m.bytes;
    return rows(byKey);
}

std::vector<SizeChange> SizeComparison::parameters(const SizeReport& before, const SizeReport& after)
{
    std::map<Key, SizeChange> byKey;
    for (const ParamSize& p : before.parameters) row(byKey, p.menuKey, p.paraKey).before += p.bytes;
    for (const ParamSize& p : after.parameters) row(byKey, p.menuKey, p.paraKey).after += p.bytes;
    return rows(byKey);
}

} // namespace kpd
