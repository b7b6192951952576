#pragma once

#include "parameters.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

class DrvMenus;

// One drive menu of one string set. A menu with a number below 0 is mapped (the trips
// menu): it owns no parameters, and whatever is asked of it as a whole is done to the
// menus on its forward list.
class DrvMenu {
public:
    const std::string& menuKey() const { return menuKey_; }
    void setMenuKey(std::string key) { menuKey_ = std::move(key); }
    const std::string& menuName() const { return menuName_; }
    void setMenuName(std::string name) { menuName_ = std::move(name); }
    std::int16_t menuNumber() const { return menuNumber_; }
    void setMenuNumber(std::int16_t number);
    bool isMapped() const { return menuNumber_ < 0; }

    bool hidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; }
    bool dirty() const { return dirty_; }
    void setDirty(bool dirty) { dirty_ = dirty; }

    // The key of the parameter last shown in the editor; the first parameter until then.
    std::string browseParKey() const;
    void setBrowseParKey(std::string key) { browseParKey_ = std::move(key); }

    kpd::Parameters& Parameters() { return parameters_; }
    const kpd::Parameters& Parameters() const { return parameters_; }

    DrvMenus* owner() const { return owner_; }
    void setMenus(DrvMenus* aMenuCol) { owner_ = aMenuCol; }

    std::vector<std::string> modeNames() const { return {modeNames_.begin(), modeNames_.end()}; }
    std::vector<std::string> getModeNames() const { return modeNames(); }
    // An option menu (menus of option modules) brings a mode list of its own.
    void setModeNames(const std::vector<SharedKey>& names, bool optionMenu);
    void setModeNames(const std::vector<std::string>& names, bool optionMenu);
    bool isOptionMenu() const { return optionMenu_; }
    void buildModes(const std::string& paraKey);

    void AddClone(std::int16_t menuNum) { cloneMenus_.push_back(menuNum); }
    bool canClone() const { return !cloneMenus_.empty(); }
    std::vector<std::int16_t> getCloneMenus(std::int16_t& nOfMenus) const;

    void AddFwdMenu(const std::string& menuKey);
    std::string GetFwdMenu(std::int16_t index) const;
    std::int16_t nOfFwdMenus() const { return static_cast<std::int16_t>(forwardMenus_.size()); }

    void copyParams(const DrvMenu& aMenu, bool noUserData);
    void clearAll();

    // The menu alone as a document (the trips menu: each forward menu). The file is
    // replaced only when written whole; false, with the reason shown, on failure. The
    // application's DataFiles write it: a menu of no application raises ModelError.
    // confinedTo as for TheApp::xmlSave.
    bool xmlSaveM(const std::string& fname, const std::string& confinedTo = {}) const;

private:
    // The menus on the forward list, taken from the same string set.
    std::vector<DrvMenu*> forwardTargets() const;

    std::string menuKey_;
    std::string menuName_;
    std::int16_t menuNumber_ = 0;
    bool hidden_ = false;
    bool dirty_ = false;
    bool optionMenu_ = false;
    std::string browseParKey_;
    kpd::Parameters parameters_;
    DrvMenus* owner_ = nullptr;
    std::vector<SharedKey> modeNames_;
    std::vector<std::int16_t> cloneMenus_;
    std::vector<std::string> forwardMenus_;
};

} // namespace kpd
