#include "modedata.h"

#include "numbertext.h"

#include "xmlfiles/keypaddatawriter.h"

#include <utility>

namespace kpd {

ModeData::ModeData(SharedKey key)
    : modeKey_(std::move(key))
{
}

namespace {

// The new text is copied first: it may be this record's own current text.
void setText(std::string& current, std::string& previous, bool& previousHeld, const std::string& newText)
{
    std::string text = newText;
    previous = std::exchange(current, std::move(text));
    previousHeld = true;
}

const std::string& undoText(std::string& current, std::string& previous, bool& previousHeld)
{
    if (!previousHeld) {
        previous = std::exchange(current, kNothingToUndo);
        previousHeld = true;
    } else {
        std::swap(current, previous);
    }
    return current;
}

} // namespace

bool ModeData::setDesc(const std::string& newDesc)
{
    setText(description_, previousDescription_, previousDescriptionHeld_, newDesc);
    return true;
}

bool ModeData::setHelp(const std::string& newHelp)
{
    setText(help_, previousHelp_, previousHelpHeld_, newHelp);
    return true;
}

const std::string& ModeData::undoD()
{
    return undoText(description_, previousDescription_, previousDescriptionHeld_);
}

const std::string& ModeData::undoH()
{
    return undoText(help_, previousHelp_, previousHelpHeld_);
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

void ModeData::xmlSave(XMLutils& xmlU, bool constMode) const
{
    KeypadDataWriter::writeMode(xmlU, *this, constMode);
}

} // namespace kpd
