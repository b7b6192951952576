#pragma once

#include "keyedcollection.h"
#include "stringdata.h"

namespace kpd {

class TheApp;

// The string sets of the program, one per language key.
class stringDatas : public KeyedCollection<stringData> {
public:
    explicit stringDatas(TheApp* app = nullptr) : app_(app) {}

    stringData& Add(const std::string& key);

    stringData& nextStrData(bool skipCust = false);
    stringData& lastStrData(bool skipCust = false);

private:
    TheApp* app_;
};

} // namespace kpd
