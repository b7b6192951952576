#include "paraeditsession.h"

#include "model/modelerror.h"
#include "model/theapp.h"
#include "scalednumber.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

std::string twoDigits(int number)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, number < 0 ? "-%02d" : "%02d", std::abs(number));
    return buffer;
}

} // namespace

void ParaEditSession::setMyData(kpd::TheApp& appData, const std::string& aMenuKey, const std::string& aParakey,
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

kpd::modes& ParaEditSession::refModes() const
{
    return refParam_->modes();
}

kpd::modes& ParaEditSession::custModes() const
{
    return custParam_->modes();
}

kpd::ModeData& ParaEditSession::modeData(Panel panel) const
{
    return (panel == RefPanel ? refModes() : custModes()).Item(modeKey_);
}

bool ParaEditSession::modeAvailable() const
{
    return modeData(RefPanel).defined();
}

void ParaEditSession::loadModeData()
{
    // Loaded even for a mode the reference does not define, so the mimic never shows
    // the strings of the parameter or mode shown before.
    const kpd::ModeData& ref = modeData(RefPanel);
    const kpd::ModeData& cust = modeData(CustPanel);
    text(Box::RefDesc).working = ref.getDesc();
    text(Box::RefHelp).working = ref.getHelp();
    text(Box::CustDesc).working = cust.getDesc();
    text(Box::CustHelp).working = cust.getHelp();
    units_ = {ref.unit(), cust.unit()};
    clearChanges();
}

void ParaEditSession::readBack(Box box, const std::string& boxText)
{
    WorkingText& t = text(box);
    t.previous = t.working;
    t.working = boxText;
}

void ParaEditSession::markChanged(Box box)
{
    if (box != Box::None) text(box).changed = true;
}

void ParaEditSession::chooseUnit(Panel panel, std::int16_t unit)
{
    units_[panel] = unit;
    unitChanged_[panel] = true;
}

void ParaEditSession::toggleUnit(Panel panel, std::int16_t unit)
{
    chooseUnit(panel, units_[panel] == unit ? std::int16_t{0} : unit);
}

bool ParaEditSession::anyChange() const
{
    return std::any_of(texts_.begin(), texts_.end(), [](const WorkingText& t) { return t.changed; }) ||
           unitChanged_[RefPanel] || unitChanged_[CustPanel];
}

bool ParaEditSession::commit()
{
    if (!anyChange()) return false;
    activeBox_ = Box::None;
    // Cleared before writing: a write the model refuses is not tried again.
    clearChanges();
    kpd::ModeData& cust = modeData(CustPanel);
    if (cust.getBoolDefined()) {
        cust.setDesc(working(Box::CustDesc));
        cust.setHelp(working(Box::CustHelp));
        cust.setUnit(units_[CustPanel]);
        custMenu_->setDirty(true);
    } else {
        cust.setDesc(std::string());
        cust.setHelp(std::string());
        cust.setUnit(0);
    }
    return true;
}

bool ParaEditSession::hasUncommittedEdits() const
{
    const kpd::ModeData& stored = modeData(CustPanel);
    if (!stored.getBoolDefined()) return false;
    return working(Box::CustDesc) != stored.getDesc() || working(Box::CustHelp) != stored.getHelp() ||
           units_[CustPanel] != stored.unit();
}

void ParaEditSession::undo()
{
    if (activeBox_ == Box::None) return;
    WorkingText& t = text(activeBox_);
    if (t.changed) {
        std::swap(t.working, t.previous);
        return;
    }
    kpd::ModeData& record = modeData(isCustom(activeBox_) ? CustPanel : RefPanel);
    t.working = isHelp(activeBox_) ? record.undoH() : record.undoD();
    // The model's own text changed: the custom set must be saved like any other edit.
    // The reference set is never saved, so it is never marked.
    if (isCustom(activeBox_)) custMenu_->setDirty(true);
}

template <typename Convert>
void ParaEditSession::convertActive(Convert convert)
{
    if (activeBox_ == Box::None) return;
    WorkingText& t = text(activeBox_);
    t.previous = t.working;
    std::transform(t.working.begin(), t.working.end(), t.working.begin(), convert);
    t.changed = true;
}

// Only the letters A to Z change: codes above 127 are keypad glyphs, not accented letters.
void ParaEditSession::toUpper()
{
    convertActive([](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
}

void ParaEditSession::toLower()
{
    convertActive([](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
}

void ParaEditSession::underscoresToSpaces()
{
    convertActive([](char c) { return c == '_' ? ' ' : c; });
}

void ParaEditSession::copyRefToCust()
{
    modeData(CustPanel).clone(modeData(RefPanel), false);
    custMenu_->setDirty(true);
    loadModeData();
}

void ParaEditSession::copyToMode(const std::string& destKey)
{
    commit();
    custModes().copyMode2Mode(modeKey_, destKey);
    custMenu_->setDirty(true);
}

void ParaEditSession::copyToAllModes()
{
    commit();
    custModes().copyToAll(modeKey_);
    custMenu_->setDirty(true);
}

void ParaEditSession::stepParameter(bool forward)
{
    commit();
    kpd::Parameters& params = refMenu_->Parameters();
    params.locate(paraKey_);
    const kpd::Parameter& next = forward ? params.nextPara() : params.lastPara();
    paraKey_ = tripMode_ ? next.tripKey() : next.paraKey();
    resolveRef();
    resolveCust();
    refMenu_->setBrowseParKey(paraKey_);
    keepModeKey();
    loadModeData();
}

void ParaEditSession::changeMenu(int direction)
{
    commit();
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
    loadModeData();
}

void ParaEditSession::changeLang(int direction)
{
    commit();
    kpd::stringDatas& sets = app_->stringDatas();
    sets.locate(refKey_);
    refKey_ = (direction > 0 ? sets.nextStrData(true) : sets.lastStrData(true)).dbKey();
    resolveRef();
    keepModeKey();
    loadModeData();
}

void ParaEditSession::selectMode(const std::string& key)
{
    commit();
    modeKey_ = key;
    keepModeKey();
    loadModeData();
}

bool ParaEditSession::stepMode(int direction)
{
    const std::vector<std::string> keys = modeKeys();
    const auto at = std::find(keys.begin(), keys.end(), modeKey_);
    if (at == keys.end()) return false;
    const auto index = (at - keys.begin()) + direction;
    if (index < 0 || index >= static_cast<std::ptrdiff_t>(keys.size())) return false;
    selectMode(keys[static_cast<std::size_t>(index)]);
    return true;
}

std::vector<std::string> ParaEditSession::modeKeys() const
{
    return refModes().keys();
}

std::vector<std::string> ParaEditSession::otherModeKeys() const
{
    std::vector<std::string> keys = custModes().keys();
    keys.erase(std::remove(keys.begin(), keys.end(), modeKey_), keys.end());
    return keys;
}

std::string ParaEditSession::paraNumberText() const
{
    if (tripMode_) return custParam_->tripKey().empty() ? std::string() : custParam_->tripKey().substr(1);
    return twoDigits(custMenu_->menuNumber()) + "." + twoDigits(custParam_->paraNumber());
}

const kpd::ModeData& ParaEditSession::constants(Panel panel) const
{
    const kpd::ModeData& own = modeData(panel);
    const kpd::stringData* first = app_->stringDatas().find(app_->getLangDBKey(0));
    const kpd::DrvMenu* menu = first ? first->DrvMenus().find(menuKey_) : nullptr;
    const kpd::Parameter* param = menu ? menu->Parameters().find(paraKey_) : nullptr;
    const kpd::ModeData* record = param ? param->modes().find(modeKey_) : nullptr;
    return record ? *record : own;
}

std::string ParaEditSession::valueText(Panel panel) const
{
    const kpd::ModeData& record = modeData(panel);
    const kpd::ModeData& scale = constants(panel);
    if (scale.textDVal()) return record.dVal();
    return scaledNumber(record.dVal(), scale.decimalPlaces());
}

std::string ParaEditSession::limitText(Panel panel, Limit limit) const
{
    const kpd::ModeData& record = modeData(panel);
    return scaledNumber(limit == Limit::Lower ? record.lLim() : record.uLim(), constants(panel).decimalPlaces());
}

std::string ParaEditSession::mimicValue(const std::string& value)
{
    constexpr std::size_t cells = 7;
    return value.size() >= cells ? value : std::string(cells - value.size(), ' ') + value;
}

std::string ParaEditSession::mimicText() const
{
    const bool custom = mimicSource_ == Source::Custom;
    if (showHelp_) return working(custom ? Box::CustHelp : Box::RefHelp);
    return working(custom ? Box::CustDesc : Box::RefDesc);
}

bool ParaEditSession::helpTooLong(const std::string& boxText) const
{
    return boxText.size() > static_cast<std::size_t>(std::max<std::int16_t>(maxRecChars_, 0));
}

std::string ParaEditSession::iconFile(std::int16_t unit)
{
    static const char* const files[kUnitCount] = {"noicon.bmp", "pcicon.bmp", "ampicon.bmp", "rpmicon.bmp",
                                                  "hzicon.bmp"};
    return unit >= 0 && unit < kUnitCount ? files[unit] : std::string();
}

ParaEditSession::WorkingText& ParaEditSession::text(Box box)
{
    if (box == Box::None) throw kpd::ModelError(kpd::ModelError::InvalidCall, "No text box is active");
    return texts_[static_cast<std::size_t>(box) - 1];
}

const ParaEditSession::WorkingText& ParaEditSession::text(Box box) const
{
    return const_cast<ParaEditSession*>(this)->text(box);
}

void ParaEditSession::resolveRef()
{
    refMenu_ = &app_->stringDatas().Item(refKey_).DrvMenus().Item(menuKey_);
    refParam_ = &refMenu_->Parameters().Item(paraKey_);
}

void ParaEditSession::resolveCust()
{
    custMenu_ = &app_->stringDatas().Item(custKey_).DrvMenus().Item(menuKey_);
    custParam_ = &custMenu_->Parameters().Item(paraKey_);
}

// Menus of option modules bring their own modes: a mode the new parameter lacks falls
// back to its first one instead of failing.
void ParaEditSession::keepModeKey()
{
    if (!refModes().keyExists(modeKey_)) modeKey_ = refModes().keyAt(0);
}

void ParaEditSession::clearChanges()
{
    for (WorkingText& t : texts_) t.changed = false;
    unitChanged_ = {false, false};
}
