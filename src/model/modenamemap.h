#pragma once

#include "keyedcollection.h"

#include <string>

namespace kpd {

// A key/value pair of two strings: a mode attribute name and the mode's name, the latter
// shared with the parameters' records of that mode.
struct ClsString {
    std::string key;
    SharedKey value;
};

// Mode attribute names ("mode2", "mode3", ...) to mode names, as the configuration gives them.
class modeNameMap : public KeyedCollection<ClsString> {
public:
    ClsString& Add(const std::string& key, const std::string& value);
    ClsString& Add(const std::string& key, const SharedKey& value);

    // The mode name of an attribute name, or "" when the map does not know it.
    std::string valueOf(const std::string& key) const;
};

} // namespace kpd
