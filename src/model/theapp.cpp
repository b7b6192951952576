#include "theapp.h"

#include "numbertext.h"

namespace kpd {

TheApp::TheApp(UserInterface& ui, std::string appFolder, DataFiles& files)
    : ui_(ui), appFolder_(std::move(appFolder)), files_(files), sets_(this)
{
}

void TheApp::setLangDBKey(std::int16_t index, const std::string& key, const std::string& detail)
{
    if (getLangIndexFromKey(key) != -1) {
        ui_.message("Duplicated language key - cannot continue" + (detail.empty() ? std::string() : "\r\n" + detail),
                    "FATAL ERROR", MessageIcon::Critical);
        ui_.endProgram();
    }
    if (index < 0)
        throw ModelError(ModelError::SubscriptOutOfRange, "Language index " + std::to_string(index) + " is below 0");
    if (index >= lastLangIndex_) {
        lastLangIndex_ = index;
        langKeys_.resize(static_cast<std::size_t>(index) + 1);
    }
    langKeys_[static_cast<std::size_t>(index)] = key;
}

std::string TheApp::getLangDBKey(std::int16_t index) const
{
    if (index < 0 || index > lastLangIndex_) return {};
    return langKeys_[static_cast<std::size_t>(index)];
}

std::int16_t TheApp::getLangIndexFromKey(const std::string& key) const
{
    for (std::size_t i = 0; i < langKeys_.size(); ++i) {
        if (langKeys_[i] == key) return static_cast<std::int16_t>(i);
    }
    return -1;
}

void TheApp::setCustKey(const std::string& key)
{
    custKey_ = key;
    for (stringData& set : sets_) set.setCustom(false);
    if (stringData* custom = sets_.find(key)) custom->setCustom(true);
}

DrvMenus& TheApp::getRefMenus() const
{
    return sets_.Item(refKey_).DrvMenus();
}

DrvMenus& TheApp::getCustMenus() const
{
    return sets_.Item(custKey_).DrvMenus();
}

void TheApp::setMaxRecChars(const std::string& strVal)
{
    const Int16Result number = readInt16(strVal);
    if (number.status == NumberStatus::Ok) maxRecChars_ = number.value;
}

bool TheApp::readConfiguration()
{
    return files_.readConfiguration(*this);
}

bool TheApp::loadUserFile(const std::string& path, std::int16_t mNum)
{
    return files_.loadUserDocument(*this, path, mNum, LoadMode::Merge) != LoadResult::Missing;
}

LoadResult TheApp::loadUserDocument(const std::string& path, std::int16_t mNum, LoadMode mode)
{
    return files_.loadUserDocument(*this, path, mNum, mode);
}

bool TheApp::xmlSave(const std::string& fname, bool constMode, const std::string& confinedTo)
{
    return files_.saveApp(*this, fname, constMode, confinedTo);
}

bool TheApp::isAppDirty() const
{
    for (const stringData& set : sets_) {
        for (const DrvMenu& menu : set.DrvMenus()) {
            if (menu.dirty()) return true;
        }
    }
    return false;
}

void TheApp::setAppClean()
{
    for (stringData& set : sets_) {
        for (DrvMenu& menu : set.DrvMenus()) menu.setDirty(false);
    }
}

void TheApp::copyRef2Cust()
{
    sets_.Item(custKey_).copyMenus(sets_.Item(refKey_), false);
}

void TheApp::clearAll()
{
    // The mapped menu is passed over: its forward menus are in the same set, and clearing
    // them twice would leave "" in their undo slots instead of the cleared texts.
    for (DrvMenu& menu : getCustMenus()) {
        if (!menu.isMapped()) menu.clearAll();
    }
}

} // namespace kpd
