#include "modedata.h"

#include "numbertext.h"

#include <utility>

namespace kpd {

ModeData::ModeData(SharedKey key)
    : modeKey_(std::move(key))
{
}

// The new text is copied first: it may be this record's own current text.
bool ModeData::setDesc(const std::string& newDesc)
{
    std::string text = newDesc;
    previousDescription_ = std::exchange(description_, std::move(text));
    return true;
}

bool ModeData::setHelp(const std::string& newHelp)
{
    std::string text = newHelp;
    previousHelp_ = std::exchange(help_, std::move(text));
    return true;
}

const std::string& ModeData::undoD()
{
    std::swap(description_, previousDescription_);
    return description_;
}

const std::string& ModeData::undoH()
{
    std::swap(help_, previousHelp_);
    return help_;
}

void ModeData::setNOfDp(const std::string& text)
{
    nOfDp_ = requireInt16(text);
}

void ModeData::setStrDefined(const std::string& newVal)
{
    if (newVal == "true")
        defined_ = true;
    else if (newVal == "false")
        defined_ = false;
}

void ModeData::clone(const ModeData& aModedata, bool noUserData)
{
    if (!noUserData) {
        setDesc(aModedata.description_);
        setHelp(aModedata.help_);
    }
    // Decimal places and the text-default flag stay with the destination.
    dVal_ = aModedata.dVal_;
    modeKey_ = aModedata.modeKey_;
    lLim_ = aModedata.lLim_;
    defined_ = aModedata.defined_;
    uLim_ = aModedata.uLim_;
    unit_ = aModedata.unit_;
}

void ModeData::clearAll()
{
    setDesc({});
    setHelp({});
}

} // namespace kpd
