#include "parameter.h"

namespace kpd {

void Parameter::createSharedModes(const std::vector<SharedKey>& modeNames)
{
    modes_.reserve(modeNames.size());
    for (const SharedKey& name : modeNames) modes_.Add(name);
}

void Parameter::createModes(const std::vector<std::string>& modeNames)
{
    modes_.reserve(modeNames.size());
    for (const std::string& name : modeNames) modes_.Add(SharedKey(name));
}

void Parameter::copyModes(const Parameter& aPara, bool noUserData)
{
    for (ModeData& record : modes_) record.clone(aPara.modes_.Item(record.sharedModeKey()), noUserData);
}

void Parameter::cloneMode(const std::string& srcMode, const std::string& destMode)
{
    if (destMode.empty())
        modes_.copyToAll(srcMode);
    else
        modes_.copyMode2Mode(srcMode, destMode);
}

void Parameter::clearAll()
{
    for (ModeData& record : modes_) record.clearAll();
}

} // namespace kpd
