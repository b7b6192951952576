#include "textfilter.h"

#include "model/theapp.h"

#include <algorithm>
#include <cctype>

namespace kpd {

namespace {

bool containsFolded(const std::string& text, const std::string& lowered)
{
    const auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
    };
    return std::search(text.begin(), text.end(), lowered.begin(), lowered.end(), same) != text.end();
}

} // namespace

bool TextFilter::accepts(const TextRows& rows, std::size_t i) const
{
    const TextRows::Row& row = rows.row(i);
    if (field && row.field != *field) return false;
    if (!menuKey.empty() && row.menu->menuKey() != menuKey) return false;
    if (status && !rows.has(i, *status)) return false;
    if (search.empty()) return true;
    std::string lowered = search;
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return containsFolded(rows.text(i), lowered) || containsFolded(rows.refText(i), lowered) ||
           containsFolded(row.param->paraName(), lowered) || containsFolded(row.param->paraKey(), lowered) ||
           containsFolded(row.menu->menuKey(), lowered);
}

std::vector<std::size_t> TextFilter::apply(const TextRows& rows) const
{
    std::vector<std::size_t> shown;
    shown.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (accepts(rows, i)) shown.push_back(i);
    return shown;
}

std::optional<std::size_t> TextFilter::nextNotDone(const TextRows& rows, const std::vector<std::size_t>& order,
                                                   std::size_t from, bool backwards)
{
    for (std::size_t pos = from; backwards ? pos > 0 : pos + 1 < order.size();) {
        pos = backwards ? pos - 1 : pos + 1;
        if (!rows.has(order[pos], TextRows::Status::Done)) return pos;
    }
    return std::nullopt;
}

} // namespace kpd
