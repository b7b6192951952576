#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kpd {
class DrvMenu;
class ModeData;
class Parameter;
class TheApp;
class modes;
}

// What the parameter editor knows and does, without its window: the keys being edited,
// the working strings and units of both panels with their change flags, the active box,
// what the mimic shows, and every operation that reads or writes the data model. Only
// the custom string set is ever written.
class ParaEditSession {
public:
    enum class Box { None, RefDesc, RefHelp, CustDesc, CustHelp };
    enum class Source { Custom, Reference };
    enum Panel { RefPanel = 0, CustPanel = 1 };
    enum class Limit { Lower, Upper };

    // Units 0 to 4: none, %, A, RPM, Hz.
    static constexpr std::int16_t kUnitCount = 5;

    void setMyData(kpd::TheApp& appData, const std::string& aMenuKey, const std::string& aParakey,
                   const std::string& modeKey = {}, bool tripMode = false);

    kpd::TheApp& app() const { return *app_; }
    const std::string& refKey() const { return refKey_; }
    const std::string& custKey() const { return custKey_; }
    const std::string& menuKey() const { return menuKey_; }
    const std::string& paraKey() const { return paraKey_; }
    const std::string& modeKey() const { return modeKey_; }
    bool tripMode() const { return tripMode_; }
    std::int16_t maxRecChars() const { return maxRecChars_; }

    kpd::DrvMenu& refMenu() const { return *refMenu_; }
    kpd::DrvMenu& custMenu() const { return *custMenu_; }
    kpd::Parameter& refParam() const { return *refParam_; }
    kpd::Parameter& custParam() const { return *custParam_; }
    kpd::modes& refModes() const;
    kpd::modes& custModes() const;
    kpd::ModeData& modeData(Panel panel) const;

    // Whether the reference data defines the current mode; the panels hide when not.
    bool modeAvailable() const;
    // Takes the working strings and units from the model and clears every change flag.
    void loadModeData();

    const std::string& working(Box box) const { return text(box).working; }
    const std::string& previous(Box box) const { return text(box).previous; }
    // A box's text read back after the user edited it: the old working string becomes
    // the previous value.
    void readBack(Box box, const std::string& boxText);
    bool textChanged(Box box) const { return text(box).changed; }
    void markChanged(Box box);

    std::int16_t unit(Panel panel) const { return units_[panel]; }
    bool unitChanged(Panel panel) const { return unitChanged_[panel]; }
    void chooseUnit(Panel panel, std::int16_t unit);
    // Clicking a selected indicator deselects it.
    void toggleUnit(Panel panel, std::int16_t unit);
    bool anyChange() const;
    void clearChanges();

    Box activeBox() const { return activeBox_; }
    void setActiveBox(Box box) { activeBox_ = box; }

    Source mimicSource() const { return mimicSource_; }
    void setMimicSource(Source source) { mimicSource_ = source; }
    bool showHelp() const { return showHelp_; }
    void toggleShowHelp() { showHelp_ = !showHelp_; }

    // Writes the custom working data when anything changed; true when it wrote. The
    // change flags are cleared even when the model refuses the write.
    bool commit();
    // Whether the custom working texts or unit differ from what the data holds, so that
    // closing now would lose them. A mode the custom set does not define keeps nothing.
    bool hasUncommittedEdits() const;
    void undo();
    void toUpper();
    void toLower();
    void underscoresToSpaces();
    void copyRefToCust();
    void copyToMode(const std::string& destKey);
    void copyToAllModes();

    void stepParameter(bool forward);
    void changeMenu(int direction);
    void changeLang(int direction);
    void selectMode(const std::string& key);
    // The mode left (-1) or right (+1) of the current one; false at either end.
    bool stepMode(int direction);
    std::vector<std::string> modeKeys() const;
    std::vector<std::string> otherModeKeys() const;

    std::string paraNumberText() const;
    // Default and limits as the keypad shows them, in every panel alike: scaled by the
    // decimal places of the constants, which only language 0 holds.
    std::string valueText(Panel panel) const;
    std::string limitText(Panel panel, Limit limit) const;
    std::string mimicText() const;
    bool helpTooLong(const std::string& boxText) const;

    static std::string mimicValue(const std::string& value);
    // The unit's icon file, or empty for a unit outside 0 to 4.
    static std::string iconFile(std::int16_t unit);
    static bool isHelp(Box box) { return box == Box::RefHelp || box == Box::CustHelp; }
    static bool isCustom(Box box) { return box == Box::CustDesc || box == Box::CustHelp; }

private:
    struct WorkingText {
        std::string working;
        std::string previous;
        bool changed = false;
    };

    WorkingText& text(Box box);
    const WorkingText& text(Box box) const;
    // The record of language 0 that holds the decimal places and the text-default flag,
    // or the panel's own when language 0 lacks it.
    const kpd::ModeData& constants(Panel panel) const;
    void resolveRef();
    void resolveCust();
    void keepModeKey();
    // Replaces the active box's working string, keeping the old one for Undo.
    template <typename Convert>
    void convertActive(Convert convert);

    kpd::TheApp* app_ = nullptr;
    std::string refKey_;
    std::string custKey_;
    std::string menuKey_;
    std::string paraKey_;
    std::string modeKey_;
    bool tripMode_ = false;
    std::int16_t maxRecChars_ = 0;
    kpd::DrvMenu* refMenu_ = nullptr;
    kpd::DrvMenu* custMenu_ = nullptr;
    kpd::Parameter* refParam_ = nullptr;
    kpd::Parameter* custParam_ = nullptr;
    std::array<WorkingText, 4> texts_;
    std::array<std::int16_t, 2> units_{};
    std::array<bool, 2> unitChanged_{};
    Box activeBox_ = Box::None;
    Source mimicSource_ = Source::Custom;
    bool showHelp_ = false;
};
