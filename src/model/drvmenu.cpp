#include "drvmenu.h"

#include "drvmenus.h"
#include "theapp.h"

#include <algorithm>

namespace kpd {

void DrvMenu::setMenuNumber(std::int16_t number)
{
    menuNumber_ = number;
    parameters_.setAddExisting(number < 0);
}

std::string DrvMenu::browseParKey() const
{
    return browseParKey_.empty() ? parameters_.getFirstKey() : browseParKey_;
}

void DrvMenu::setModeNames(const std::vector<SharedKey>& names, bool optionMenu)
{
    modeNames_ = names;
    optionMenu_ = optionMenu;
}

void DrvMenu::setModeNames(const std::vector<std::string>& names, bool optionMenu)
{
    setModeNames(std::vector<SharedKey>(names.begin(), names.end()), optionMenu);
}

void DrvMenu::buildModes(const std::string& paraKey)
{
    parameters_.Item(paraKey).createSharedModes(modeNames_);
}

std::vector<std::int16_t> DrvMenu::getCloneMenus(std::int16_t& nOfMenus) const
{
    nOfMenus = static_cast<std::int16_t>(cloneMenus_.size());
    return cloneMenus_;
}

void DrvMenu::AddFwdMenu(const std::string& menuKey)
{
    if (!isMapped()) return;
    if (std::find(forwardMenus_.begin(), forwardMenus_.end(), menuKey) == forwardMenus_.end())
        forwardMenus_.push_back(menuKey);
}

std::string DrvMenu::GetFwdMenu(std::int16_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= forwardMenus_.size()) return {};
    return forwardMenus_[static_cast<std::size_t>(index)];
}

std::vector<DrvMenu*> DrvMenu::forwardTargets() const
{
    if (!owner_)
        throw ModelError(ModelError::InvalidCall, "The menu \"" + menuKey_ + "\" belongs to no string set");
    std::vector<DrvMenu*> targets;
    for (const std::string& key : forwardMenus_) targets.push_back(&owner_->Item(key));
    return targets;
}

void DrvMenu::copyParams(const DrvMenu& aMenu, bool noUserData)
{
    if (isMapped()) {
        // A mapped menu's texts come from the reference set, menu by menu.
        if (!owner_ || !owner_->app())
            throw ModelError(ModelError::InvalidCall, "The menu \"" + menuKey_ + "\" belongs to no application");
        const kpd::DrvMenus& reference = owner_->app()->getRefMenus();
        for (DrvMenu* target : forwardTargets()) target->copyParams(reference.Item(target->menuKey()), false);
        return;
    }
    for (Parameter& parameter : parameters_)
        parameter.copyModes(aMenu.parameters_.Item(parameter.paraKey()), noUserData);
    dirty_ = true;
}

void DrvMenu::clearAll()
{
    if (isMapped()) {
        for (DrvMenu* target : forwardTargets()) target->clearAll();
        return;
    }
    for (Parameter& parameter : parameters_) parameter.clearAll();
    dirty_ = true;
}

bool DrvMenu::xmlSaveM(const std::string& fname, const std::string& confinedTo) const
{
    if (!owner_ || !owner_->app())
        throw ModelError(ModelError::InvalidCall, "The menu \"" + menuKey_ + "\" belongs to no application");
    return owner_->app()->dataFiles().saveMenu(*this, fname, confinedTo);
}

} // namespace kpd
