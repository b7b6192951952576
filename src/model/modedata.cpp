#include "modedata.h"

#include "numbertext.h"

#include <utility>

namespace kpd {

ModeData::ModeData(SharedKey key)
    : modeKey_(std::move(key))
{
}

std::string ModeData::takePrevious(Previous& previous, UndoText text)
{
    switch (previous) {
    case Previous::NothingToUndo:
        return kNothingToUndo;
    case Previous::Empty:
        return {};
    case Previous::Held:
        break;
    }
    return std::move((undoTexts_.*text)());
}

void ModeData::keepPrevious(std::string old, Previous& previous, UndoText text)
{
    if (old.empty()) {
        // A text left behind in the slot would only hold memory.
        if (previous == Previous::Held) (undoTexts_.*text)() = std::string();
        previous = Previous::Empty;
    } else {
        (undoTexts_.*text)() = std::move(old);
        previous = Previous::Held;
    }
}

// The new text is copied first: it may be this record's own current text.
void ModeData::setText(std::string& current, Previous& previous, UndoText text, const std::string& newText)
{
    std::string copy = newText;
    keepPrevious(std::exchange(current, std::move(copy)), previous, text);
}

// Undo exchanges the text and its slot, so a second undo brings back what the first removed.
const std::string& ModeData::undoText(std::string& current, Previous& previous, UndoText text)
{
    std::string restored = takePrevious(previous, text);
    keepPrevious(std::exchange(current, std::move(restored)), previous, text);
    return current;
}

bool ModeData::setDesc(const std::string& newDesc)
{
    setText(description_, previousDescription_, &UndoTexts::description, newDesc);
    return true;
}

bool ModeData::setHelp(const std::string& newHelp)
{
    setText(help_, previousHelp_, &UndoTexts::help, newHelp);
    return true;
}

const std::string& ModeData::undoD()
{
    return undoText(description_, previousDescription_, &UndoTexts::description);
}

const std::string& ModeData::undoH()
{
    return undoText(help_, previousHelp_, &UndoTexts::help);
}

std::string_view ModeData::constant(Constant which) const
{
    std::string_view rest = constants_;
    for (int skip = static_cast<int>(which); skip > 0; --skip) {
        const std::size_t separator = rest.find('\0');
        if (separator == std::string_view::npos) return {};
        rest.remove_prefix(separator + 1);
    }
    return rest.substr(0, rest.find('\0'));
}

void ModeData::setConstant(Constant which, std::string_view value)
{
    value = value.substr(0, value.find('\0'));
    std::string_view parts[] = {constant(Constant::LowerLimit), constant(Constant::UpperLimit),
                                constant(Constant::Default)};
    parts[static_cast<int>(which)] = value;
    std::string joined;
    joined.reserve(parts[0].size() + parts[1].size() + parts[2].size() + 2);
    joined.append(parts[0]).append(1, '\0').append(parts[1]).append(1, '\0').append(parts[2]);
    constants_ = std::move(joined);
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
    constants_ = aModedata.constants_;
    modeKey_ = aModedata.modeKey_;
    defined_ = aModedata.defined_;
    unit_ = aModedata.unit_;
}

void ModeData::clearAll()
{
    setDesc({});
    setHelp({});
}

} // namespace kpd
