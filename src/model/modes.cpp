#include "modes.h"

#include <memory>

namespace kpd {

ModeData& modes::Add(const SharedKey& key)
{
    return appendOwned(key, std::make_unique<ModeData>(key));
}

void modes::copyMode2Mode(const std::string& srcKey, const std::string& destKey)
{
    const ModeData& source = Item(srcKey);
    ModeData& destination = Item(destKey);
    destination.setDesc(source.getDesc());
    destination.setHelp(source.getHelp());
    destination.setUnit(source.unit());
}

void modes::copyToAll(const std::string& srcKey)
{
    for (ModeData& record : *this) {
        if (record.modeKey() != srcKey) copyMode2Mode(srcKey, record.modeKey());
    }
}

} // namespace kpd
