#include "modes.h"

#include "modelerror.h"

#include <algorithm>

namespace kpd {

namespace {

[[noreturn]] void noSuchKey(const std::string& key)
{
    throw ModelError(ModelError::SubscriptOutOfRange, "No item with the key \"" + key + "\"");
}

} // namespace

ModeData& modes::Add(const SharedKey& key)
{
    if (find(key))
        throw ModelError(ModelError::DuplicateKey, "The key \"" + key.text() + "\" is already in use");
    return records_.emplace_back(key);
}

std::size_t modes::indexOf(const std::string& key) const
{
    const auto found = std::find_if(records_.begin(), records_.end(),
                                    [&](const ModeData& record) { return record.modeKey() == key; });
    return static_cast<std::size_t>(found - records_.begin());
}

std::size_t modes::checkedIndex(std::int32_t position) const
{
    if (position < 1 || position > Count())
        throw ModelError(ModelError::SubscriptOutOfRange, "Position " + std::to_string(position) + " is out of range");
    return static_cast<std::size_t>(position - 1);
}

const ModeData& modes::Item(const std::string& key) const
{
    const ModeData* record = find(key);
    if (!record) noSuchKey(key);
    return *record;
}

const ModeData& modes::Item(const SharedKey& key) const
{
    const ModeData* record = find(key);
    if (!record) noSuchKey(key.text());
    return *record;
}

const ModeData& modes::Item(std::int32_t position) const
{
    return records_[checkedIndex(position)];
}

const ModeData* modes::find(const std::string& key) const
{
    const std::size_t index = indexOf(key);
    return index < records_.size() ? &records_[index] : nullptr;
}

const ModeData* modes::find(const SharedKey& key) const
{
    for (const ModeData& record : records_) {
        if (&record.modeKey() == &key.text()) return &record;
    }
    return find(key.text());
}

void modes::Remove(const std::string& key)
{
    const std::size_t index = indexOf(key);
    if (index == records_.size()) noSuchKey(key);
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
}

void modes::Remove(std::int32_t position)
{
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(checkedIndex(position)));
}

const std::string& modes::keyAt(std::int32_t index) const
{
    static const std::string spare;
    return index >= 0 && index < Count() ? records_[static_cast<std::size_t>(index)].modeKey() : spare;
}

std::vector<std::string> modes::keys() const
{
    std::vector<std::string> result;
    result.reserve(records_.size());
    for (const ModeData& record : records_) result.push_back(record.modeKey());
    return result;
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
    for (ModeData& record : records_) {
        if (record.modeKey() != srcKey) copyMode2Mode(srcKey, record.modeKey());
    }
}

} // namespace kpd
