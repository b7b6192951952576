#pragma once

#include "sharedkey.h"

#include <cstdint>
#include <string>

namespace kpd {

class XMLutils;

// What an undo slot holds before its text was ever set: undo shows it as the text,
// and a second undo brings the empty text back.
inline constexpr const char* kNothingToUndo = "Nothing to undo! Press undo again to go back";

// The texts and constant data of one parameter in one operating mode. Texts are held
// in the keypad's escaped string form; each text has a one-level undo that toggles.
class ModeData {
public:
    explicit ModeData(SharedKey key = {});
    explicit ModeData(const std::string& key) : ModeData(SharedKey(key)) {}

    const std::string& modeKey() const { return modeKey_.text(); }
    // The key as shared with every other record of this mode.
    const SharedKey& sharedModeKey() const { return modeKey_; }
    void setModeKey(SharedKey key) { modeKey_ = std::move(key); }

    const std::string& getDesc() const { return description_; }
    const std::string& getHelp() const { return help_; }
    bool setDesc(const std::string& newDesc);
    bool setHelp(const std::string& newHelp);
    const std::string& undoD();
    const std::string& undoH();

    const std::string& lLim() const { return lLim_; }
    void setLLim(std::string value) { lLim_ = std::move(value); }
    const std::string& uLim() const { return uLim_; }
    void setULim(std::string value) { uLim_ = std::move(value); }
    const std::string& dVal() const { return dVal_; }
    void setDVal(std::string value) { dVal_ = std::move(value); }

    // Decimal places as text, the form the files and the editor's fields use.
    std::string nOfDp() const { return std::to_string(nOfDp_); }
    void setNOfDp(const std::string& text);
    std::int16_t decimalPlaces() const { return nOfDp_; }
    void setDecimalPlaces(std::int16_t places) { nOfDp_ = places; }

    std::int16_t unit() const { return unit_; }
    void setUnit(std::int16_t unit) { unit_ = unit; }

    bool defined() const { return defined_; }
    void setDefined(bool defined) { defined_ = defined; }
    bool getBoolDefined() const { return defined_; }
    std::string getStrDefined() const { return defined_ ? "true" : "false"; }
    void setStrDefined(const std::string& newVal);

    bool textDVal() const { return textDVal_; }
    void setTextDVal(bool textDVal) { textDVal_ = textDVal; }

    void clone(const ModeData& aModedata, bool noUserData);
    void clearAll();

    // A mode that is not defined is written with unit 0 and without texts.
    void xmlSave(XMLutils& xmlU, bool constMode = false) const;

private:
    SharedKey modeKey_;
    std::string description_;
    std::string previousDescription_;
    std::string help_;
    std::string previousHelp_;
    std::string lLim_;
    std::string uLim_;
    std::string dVal_;
    std::int16_t unit_ = 0;
    std::int16_t nOfDp_ = 0;
    bool defined_ = true;
    bool textDVal_ = false;
    // Every record of the configuration starts with nothing to undo, and most are never
    // undone: until a text is first set its undo slot stands for kNothingToUndo rather
    // than holding a copy of it.
    bool previousDescriptionHeld_ = false;
    bool previousHelpHeld_ = false;
};

} // namespace kpd
