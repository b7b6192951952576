#include "parameditsession.h"

#include "model/helplimit.h"
#include "model/theapp.h"

void ParamEditSession::setMyData(kpd::TheApp& appData, const std::string& aMenuKey, const std::string& aParakey,
                                 const std::string& modeKey, bool tripMode)
{
    position_.setMyData(appData, aMenuKey, aParakey, modeKey, tripMode);
}

void ParamEditSession::loadModeData()
{
    // Loaded even for a mode the reference does not define, so the mimic never shows
    // the strings of the parameter or mode shown before.
    const kpd::ModeData& ref = modeData(Panel::Ref);
    const kpd::ModeData& cust = modeData(Panel::Cust);
    texts_.load({ref.getDesc(), ref.getHelp(), cust.getDesc(), cust.getHelp()}, ref.unit(), cust.unit());
}

bool ParamEditSession::commit()
{
    if (!anyChange()) return false;
    activeBox_ = Box::None;
    // Cleared before writing: a write the model refuses is not tried again.
    clearChanges();
    kpd::ModeData& cust = modeData(Panel::Cust);
    if (cust.getBoolDefined()) {
        cust.setDesc(working(Box::CustDesc));
        cust.setHelp(working(Box::CustHelp));
        cust.setUnit(unit(Panel::Cust));
        custMenu().setDirty(true);
    } else {
        cust.setDesc(std::string());
        cust.setHelp(std::string());
        cust.setUnit(0);
    }
    return true;
}

bool ParamEditSession::hasUncommittedEdits() const
{
    const kpd::ModeData& stored = modeData(Panel::Cust);
    if (!stored.getBoolDefined()) return false;
    return working(Box::CustDesc) != stored.getDesc() || working(Box::CustHelp) != stored.getHelp() ||
           unit(Panel::Cust) != stored.unit();
}

void ParamEditSession::undo()
{
    if (activeBox_ == Box::None || texts_.swapWithPrevious(activeBox_)) return;
    kpd::ModeData& record = modeData(isCustom(activeBox_) ? Panel::Cust : Panel::Ref);
    texts_.replace(activeBox_, isHelp(activeBox_) ? record.undoH() : record.undoD());
    // The model's own text changed: the custom set must be saved like any other edit.
    // The reference set is never saved, so it is never marked.
    if (isCustom(activeBox_)) custMenu().setDirty(true);
}

void ParamEditSession::convertActive(char (*convert)(char))
{
    if (activeBox_ != Box::None) texts_.convert(activeBox_, convert);
}

// Only the letters A to Z change: codes above 127 are keypad glyphs, not accented letters.
void ParamEditSession::toUpper()
{
    convertActive([](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
}

void ParamEditSession::toLower()
{
    convertActive([](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
}

void ParamEditSession::underscoresToSpaces()
{
    convertActive([](char c) { return c == '_' ? ' ' : c; });
}

void ParamEditSession::copyRefToCust()
{
    modeData(Panel::Cust).clone(modeData(Panel::Ref), false);
    custMenu().setDirty(true);
    loadModeData();
}

void ParamEditSession::copyToMode(const std::string& destKey)
{
    commit();
    custModes().copyMode2Mode(modeKey(), destKey);
    custMenu().setDirty(true);
}

void ParamEditSession::copyToAllModes()
{
    commit();
    custModes().copyToAll(modeKey());
    custMenu().setDirty(true);
}

void ParamEditSession::stepParameter(bool forward)
{
    commit();
    position_.stepParameter(forward);
    loadModeData();
}

void ParamEditSession::changeMenu(int direction)
{
    commit();
    position_.changeMenu(direction);
    loadModeData();
}

void ParamEditSession::changeLang(int direction)
{
    commit();
    position_.changeLang(direction);
    loadModeData();
}

void ParamEditSession::selectMode(const std::string& key)
{
    commit();
    position_.selectMode(key);
    loadModeData();
}

bool ParamEditSession::stepMode(int direction)
{
    const std::optional<std::string> key = position_.neighbourMode(direction);
    if (key) selectMode(*key);
    return key.has_value();
}

std::string ParamEditSession::mimicText() const
{
    const bool custom = mimicSource_ == Source::Custom;
    if (showHelp_) return working(custom ? Box::CustHelp : Box::RefHelp);
    return working(custom ? Box::CustDesc : Box::RefDesc);
}

bool ParamEditSession::helpTooLong(const std::string& boxText) const
{
    return kpd::HelpLimit::exceeded(boxText.size(), maxRecChars());
}
