#include "stringdatas.h"

#include <memory>

namespace kpd {

namespace {
bool isCustom(const stringData& set) { return set.custom(); }
}

stringData& stringDatas::Add(const std::string& key)
{
    return appendOwned(key, std::make_unique<stringData>(key, app_));
}

stringData& stringDatas::nextStrData(bool skipCust)
{
    return skipCust ? stepNext(isCustom) : stepNext();
}

stringData& stringDatas::lastStrData(bool skipCust)
{
    return skipCust ? stepLast(isCustom) : stepLast();
}

} // namespace kpd
