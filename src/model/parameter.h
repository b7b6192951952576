#pragma once

#include "modes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

// One drive parameter of one menu in one string set, with a record per operating mode.
// A parameter that is also a trip is held by its home menu and, under its trip key, by
// the trips menu: both paths reach this one object.
class Parameter {
public:
    const std::string& paraKey() const { return paraKey_; }
    void setParaKey(std::string key) { paraKey_ = std::move(key); }
    const std::string& tripKey() const { return tripKey_; }
    void setTripKey(std::string key) { tripKey_ = std::move(key); }
    const std::string& paraName() const { return paraName_; }
    void setParaName(std::string name) { paraName_ = std::move(name); }
    const std::string& mapName() const { return mapName_; }
    void setMapName(std::string name) { mapName_ = std::move(name); }
    std::int16_t paraNumber() const { return paraNumber_; }
    void setParaNumber(std::int16_t number) { paraNumber_ = number; }

    kpd::modes& modes() { return modes_; }
    const kpd::modes& modes() const { return modes_; }

    void createModes(const std::vector<std::string>& modeNames);
    // The records share the names' texts.
    void createSharedModes(const std::vector<SharedKey>& modeNames);
    void copyModes(const Parameter& aPara, bool noUserData);
    // An empty destination copies the source mode to every other mode.
    void cloneMode(const std::string& srcMode, const std::string& destMode = {});
    void clearAll();

private:
    std::string paraKey_;
    std::string tripKey_;
    std::string paraName_;
    std::string mapName_;
    std::int16_t paraNumber_ = 0;
    kpd::modes modes_;
};

} // namespace kpd
