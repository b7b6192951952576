#include "paramposition.h"

#include "model/theapp.h"

#include <algorithm>

void ParamPosition::setMyData(kpd::TheApp& appData, const std::string& aMenuKey, const std::string& aParakey,
                              const std::string& modeKey, bool tripMode)
{
    app_ = &appData;
    menuKey_ = aMenuKey;
    paraKey_ = aParakey;
    refKey_ = appData.getRefKey();
    custKey_ = appData.getCustKey();
    resolveRef();
    resolveCust();
    maxRecChars_ = appData.maxRecChars();
    modeKey_ = modeKey.empty() ? refModes().keyAt(0) : modeKey;
    keepModeKey();
    refMenu_->setBrowseParKey(aParakey);
    tripMode_ = tripMode;
}

kpd::modes& ParamPosition::refModes() const
{
    return refParam_->modes();
}

kpd::modes& ParamPosition::custModes() const
{
    return custParam_->modes();
}

kpd::ModeData& ParamPosition::modeData(EditPanel panel) const
{
    return (panel == EditPanel::Ref ? refModes() : custModes()).Item(modeKey_);
}

const kpd::ModeData& ParamPosition::constants(EditPanel panel) const
{
    const kpd::ModeData& own = modeData(panel);
    const kpd::stringData* first = app_->stringDatas().find(app_->getLangDBKey(0));
    const kpd::DrvMenu* menu = first ? first->DrvMenus().find(menuKey_) : nullptr;
    const kpd::Parameter* param = menu ? menu->Parameters().find(paraKey_) : nullptr;
    const kpd::ModeData* record = param ? param->modes().find(modeKey_) : nullptr;
    return record ? *record : own;
}

bool ParamPosition::modeAvailable() const
{
    return modeData(EditPanel::Ref).defined();
}

std::vector<std::string> ParamPosition::modeKeys() const
{
    return refModes().keys();
}

std::vector<std::string> ParamPosition::otherModeKeys() const
{
    std::vector<std::string> keys = custModes().keys();
    keys.erase(std::remove(keys.begin(), keys.end(), modeKey_), keys.end());
    return keys;
}

std::optional<std::string> ParamPosition::neighbourMode(int direction) const
{
    const std::vector<std::string> keys = modeKeys();
    const auto at = std::find(keys.begin(), keys.end(), modeKey_);
    if (at == keys.end()) return std::nullopt;
    const auto index = (at - keys.begin()) + direction;
    if (index < 0 || index >= static_cast<std::ptrdiff_t>(keys.size())) return std::nullopt;
    return keys[static_cast<std::size_t>(index)];
}

void ParamPosition::stepParameter(bool forward)
{
    kpd::Parameters& params = refMenu_->Parameters();
    params.locate(paraKey_);
    const kpd::Parameter& next = forward ? params.nextPara() : params.lastPara();
    paraKey_ = tripMode_ ? next.tripKey() : next.paraKey();
    resolveRef();
    resolveCust();
    refMenu_->setBrowseParKey(paraKey_);
    keepModeKey();
}

void ParamPosition::changeMenu(int direction)
{
    kpd::DrvMenus& menus = app_->stringDatas().Item(custKey_).DrvMenus();
    menus.locate(menuKey_);
    // A menu without parameters has nothing to edit: step over it.
    for (std::int32_t tries = 0; tries < menus.Count(); ++tries) {
        const kpd::DrvMenu& next = direction > 0 ? menus.nextMenu() : menus.lastMenu();
        if (next.Parameters().Count() == 0) continue;
        menuKey_ = next.menuKey();
        tripMode_ = next.isMapped();
        break;
    }
    // The editor records the parameter last shown in the reference set's menu.
    paraKey_ = app_->stringDatas().Item(refKey_).DrvMenus().Item(menuKey_).browseParKey();
    resolveRef();
    resolveCust();
    keepModeKey();
}

void ParamPosition::changeLang(int direction)
{
    kpd::stringDatas& sets = app_->stringDatas();
    sets.locate(refKey_);
    refKey_ = (direction > 0 ? sets.nextStrData(true) : sets.lastStrData(true)).dbKey();
    resolveRef();
    keepModeKey();
}

void ParamPosition::selectMode(const std::string& key)
{
    modeKey_ = key;
    keepModeKey();
}

void ParamPosition::resolveRef()
{
    refMenu_ = &app_->stringDatas().Item(refKey_).DrvMenus().Item(menuKey_);
    refParam_ = &refMenu_->Parameters().Item(paraKey_);
}

void ParamPosition::resolveCust()
{
    custMenu_ = &app_->stringDatas().Item(custKey_).DrvMenus().Item(menuKey_);
    custParam_ = &custMenu_->Parameters().Item(paraKey_);
}

// Menus of option modules bring their own modes: a mode the new parameter lacks falls
// back to its first one instead of failing.
void ParamPosition::keepModeKey()
{
    if (!refModes().keyExists(modeKey_)) modeKey_ = refModes().keyAt(0);
}
