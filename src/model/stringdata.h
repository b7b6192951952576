#pragma once

#include "drvmenus.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

class TheApp;

// One complete copy of the keypad's strings in one language.
class stringData {
public:
    explicit stringData(std::string key, TheApp* app = nullptr);

    const std::string& dbKey() const { return dbKey_; }
    bool custom() const { return custom_; }
    void setCustom(bool custom) { custom_ = custom; }
    const std::string& rootName() const { return rootName_; }
    void setRootName(std::string name) { rootName_ = std::move(name); }

    kpd::DrvMenus& DrvMenus() { return menus_; }
    const kpd::DrvMenus& DrvMenus() const { return menus_; }

    std::vector<std::string> modeNames() const { return {modeNames_.begin(), modeNames_.end()}; }
    // The names as the configuration gave them, shared with the set's menus and records.
    const std::vector<SharedKey>& sharedModeNames() const { return modeNames_; }
    void setModeNames(const std::vector<SharedKey>& names) { modeNames_ = names; }
    void setModeNames(const std::vector<std::string>& names) { modeNames_.assign(names.begin(), names.end()); }

    // The highest 0-based menu position.
    std::int16_t menuCount() const { return static_cast<std::int16_t>(menus_.Count() - 1); }

    // Copies every menu that is not mapped from the set's namesake in aStringData.
    void copyMenus(const stringData& aStringData, bool noUserData);

private:
    std::string dbKey_;
    bool custom_ = false;
    kpd::DrvMenus menus_;
    std::vector<SharedKey> modeNames_{SharedKey()};
    std::string rootName_;
};

} // namespace kpd
