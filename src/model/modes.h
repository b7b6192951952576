#pragma once

#include "keyedcollection.h"
#include "modedata.h"

namespace kpd {

// The per-mode records of one parameter, keyed by mode name.
class modes : public KeyedCollection<ModeData> {
public:
    ModeData& Add(const SharedKey& key);

    // Description, help text and unit; the destination's old texts go to its undo slots.
    void copyMode2Mode(const std::string& srcKey, const std::string& destKey);
    void copyToAll(const std::string& srcKey);
};

} // namespace kpd
