#pragma once

#include "modedata.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kpd {

// The per-mode records of one parameter, keyed by mode name. A parameter has a handful
// of modes and the configuration gives them all at once, so the records sit in one
// vector sized once and are found by a linear search: a hash index would cost more
// memory than the records' own constant data and save nothing at this size.
class modes {
public:
    using iterator = std::vector<ModeData>::iterator;
    using const_iterator = std::vector<ModeData>::const_iterator;

    // Adding may move the records: call it while the skeleton is built, before anyone
    // holds on to a record.
    ModeData& Add(const SharedKey& key);
    void reserve(std::size_t count) { records_.reserve(count); }

    std::int32_t Count() const { return static_cast<std::int32_t>(records_.size()); }

    const ModeData& Item(const std::string& key) const;
    // A key shared with the records is recognised by its text's address first.
    const ModeData& Item(const SharedKey& key) const;
    // 1-based position.
    const ModeData& Item(std::int32_t position) const;
    ModeData& Item(const std::string& key) { return mutableRecord(std::as_const(*this).Item(key)); }
    ModeData& Item(const SharedKey& key) { return mutableRecord(std::as_const(*this).Item(key)); }
    ModeData& Item(std::int32_t position) { return mutableRecord(std::as_const(*this).Item(position)); }

    const ModeData* find(const std::string& key) const;
    const ModeData* find(const SharedKey& key) const;
    ModeData* find(const std::string& key) { return mutableRecord(std::as_const(*this).find(key)); }
    ModeData* find(const SharedKey& key) { return mutableRecord(std::as_const(*this).find(key)); }
    bool keyExists(const std::string& key) const { return find(key) != nullptr; }

    void Remove(const std::string& key);
    void Remove(std::int32_t position);

    // The key at a 0-based position; past the last key this is the empty spare slot.
    const std::string& keyAt(std::int32_t index) const;
    std::vector<std::string> keys() const;

    iterator begin() { return records_.begin(); }
    iterator end() { return records_.end(); }
    const_iterator begin() const { return records_.begin(); }
    const_iterator end() const { return records_.end(); }

    // Description, help text and unit; the destination's old texts go to its undo slots.
    void copyMode2Mode(const std::string& srcKey, const std::string& destKey);
    void copyToAll(const std::string& srcKey);

private:
    static ModeData& mutableRecord(const ModeData& record) { return const_cast<ModeData&>(record); }
    static ModeData* mutableRecord(const ModeData* record) { return const_cast<ModeData*>(record); }
    std::size_t indexOf(const std::string& key) const;
    std::size_t checkedIndex(std::int32_t position) const;

    std::vector<ModeData> records_;
};

} // namespace kpd
