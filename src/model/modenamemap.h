#pragma once

#include "keyedcollection.h"

#include <string>

namespace kpd {

// A key/value pair of two strings: a mode attribute name and the mode's name.
struct ClsString {
    std::string key;
    std::string value;
};

// Mode attribute names ("mode2", "mode3", ...) to mode names, as the configuration gives them.
class modeNameMap : public KeyedCollection<ClsString> {
public:
    ClsString& Add(const std::string& key, const std::string& value);

    // The mode name of an attribute name, or "" when the map does not know it.
    std::string valueOf(const std::string& key) const;
};

} // namespace kpd
