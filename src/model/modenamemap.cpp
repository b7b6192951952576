#include "modenamemap.h"

#include <memory>

namespace kpd {

ClsString& modeNameMap::Add(const std::string& key, const std::string& value)
{
    return Add(key, SharedKey(value));
}

ClsString& modeNameMap::Add(const std::string& key, const SharedKey& value)
{
    return appendOwned(key, std::make_unique<ClsString>(ClsString{key, value}));
}

std::string modeNameMap::valueOf(const std::string& key) const
{
    const ClsString* pair = find(key);
    return pair ? pair->value.text() : std::string();
}

} // namespace kpd
