#pragma once

#include "sharedkey.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kpd {

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

    // A value ends at its first NUL character: limits and defaults come from attributes
    // and number fields, which never hold one.
    std::string lLim() const { return std::string(constant(Constant::LowerLimit)); }
    void setLLim(std::string_view value) { setConstant(Constant::LowerLimit, value); }
    std::string uLim() const { return std::string(constant(Constant::UpperLimit)); }
    void setULim(std::string_view value) { setConstant(Constant::UpperLimit, value); }
    std::string dVal() const { return std::string(constant(Constant::Default)); }
    void setDVal(std::string_view value) { setConstant(Constant::Default, value); }

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

private:
    // What an undo slot stands for. Every record of the configuration starts with nothing
    // to undo, and a load moves the empty text into the slot: only a slot whose text is
    // not empty holds a string, so the few records ever edited pay for their undo texts.
    enum class Previous : std::uint8_t { NothingToUndo, Empty, Held };

    // The non-empty undo texts, kept apart; copies of a record copy them.
    class UndoTexts {
    public:
        UndoTexts() = default;
        UndoTexts(const UndoTexts& other) : texts_(other.texts_ ? std::make_unique<Texts>(*other.texts_) : nullptr) {}
        UndoTexts& operator=(const UndoTexts& other)
        {
            if (this != &other) texts_ = other.texts_ ? std::make_unique<Texts>(*other.texts_) : nullptr;
            return *this;
        }
        UndoTexts(UndoTexts&&) noexcept = default;
        UndoTexts& operator=(UndoTexts&&) noexcept = default;

        std::string& description() { return texts().description; }
        std::string& help() { return texts().help; }

    private:
        struct Texts {
            std::string description;
            std::string help;
        };
        Texts& texts()
        {
            if (!texts_) texts_ = std::make_unique<Texts>();
            return *texts_;
        }
        std::unique_ptr<Texts> texts_;
    };
    using UndoText = std::string& (UndoTexts::*)();

    enum class Constant { LowerLimit, UpperLimit, Default };
    std::string_view constant(Constant which) const;
    void setConstant(Constant which, std::string_view value);

    // The slot's text, taken out of it.
    std::string takePrevious(Previous& previous, UndoText text);
    void keepPrevious(std::string old, Previous& previous, UndoText text);
    void setText(std::string& current, Previous& previous, UndoText text, const std::string& newText);
    const std::string& undoText(std::string& current, Previous& previous, UndoText text);

    SharedKey modeKey_;
    std::string description_;
    std::string help_;
    UndoTexts undoTexts_;
    // The lower limit, upper limit and default, joined by NUL characters. Mostly short
    // numbers, they fit one string's own buffer together; three strings would make each
    // of the hundreds of thousands of records on a large drive 64 bytes larger.
    std::string constants_;
    std::int16_t unit_ = 0;
    std::int16_t nOfDp_ = 0;
    bool defined_ = true;
    bool textDVal_ = false;
    Previous previousDescription_ = Previous::NothingToUndo;
    Previous previousHelp_ = Previous::NothingToUndo;
};

} // namespace kpd
