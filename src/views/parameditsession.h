#pragma once

#include "editbox.h"
#include "paramdisplaytext.h"
#include "paramposition.h"
#include "workingtexts.h"

#include <cstdint>
#include <string>
#include <vector>

// What the parameter editor knows and does, without its window: where it stands, the
// working strings and units of both panels, the active box, what the mimic shows, and
// every operation that writes the data model. Only the custom string set is ever written;
// every step elsewhere commits first and loads the new place's data.
class ParamEditSession {
public:
    using Box = EditBox;
    using Panel = EditPanel;
    using Limit = ParamDisplayText::Limit;
    enum class Source { Custom, Reference };

    void setMyData(kpd::TheApp& appData, const std::string& aMenuKey, const std::string& aParakey,
                   const std::string& modeKey = {}, bool tripMode = false);

    const ParamPosition& position() const { return position_; }
    kpd::TheApp& app() const { return position_.app(); }
    const std::string& refKey() const { return position_.refKey(); }
    const std::string& custKey() const { return position_.custKey(); }
    const std::string& menuKey() const { return position_.menuKey(); }
    const std::string& paraKey() const { return position_.paraKey(); }
    const std::string& modeKey() const { return position_.modeKey(); }
    bool tripMode() const { return position_.tripMode(); }
    std::int16_t maxRecChars() const { return position_.maxRecChars(); }
    kpd::DrvMenu& refMenu() const { return position_.refMenu(); }
    kpd::DrvMenu& custMenu() const { return position_.custMenu(); }
    kpd::Parameter& refParam() const { return position_.refParam(); }
    kpd::Parameter& custParam() const { return position_.custParam(); }
    kpd::modes& refModes() const { return position_.refModes(); }
    kpd::modes& custModes() const { return position_.custModes(); }
    kpd::ModeData& modeData(Panel panel) const { return position_.modeData(panel); }
    bool modeAvailable() const { return position_.modeAvailable(); }
    std::vector<std::string> modeKeys() const { return position_.modeKeys(); }
    std::vector<std::string> otherModeKeys() const { return position_.otherModeKeys(); }

    // Takes the working strings and units from the model and clears every change flag.
    void loadModeData();

    const std::string& working(Box box) const { return texts_.working(box); }
    const std::string& previous(Box box) const { return texts_.previous(box); }
    void readBack(Box box, const std::string& boxText) { texts_.readBack(box, boxText); }
    bool textChanged(Box box) const { return texts_.textChanged(box); }
    void markChanged(Box box) { texts_.markChanged(box); }
    std::int16_t unit(Panel panel) const { return texts_.unit(panel); }
    bool unitChanged(Panel panel) const { return texts_.unitChanged(panel); }
    void chooseUnit(Panel panel, std::int16_t unit) { texts_.chooseUnit(panel, unit); }
    void toggleUnit(Panel panel, std::int16_t unit) { texts_.toggleUnit(panel, unit); }
    bool anyChange() const { return texts_.anyChange(); }
    void clearChanges() { texts_.clearChanges(); }

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

    ParamDisplayText display() const { return ParamDisplayText(position_); }
    std::string paraNumberText() const { return display().paraNumberText(); }
    std::string valueText(Panel panel) const { return display().valueText(panel); }
    std::string limitText(Panel panel, Limit limit) const { return display().limitText(panel, limit); }
    std::string mimicText() const;
    // Counted on the escaped form, as the record stores it.
    bool helpTooLong(const std::string& boxText) const;

    static bool isHelp(Box box) { return box == Box::RefHelp || box == Box::CustHelp; }
    static bool isCustom(Box box) { return box == Box::CustDesc || box == Box::CustHelp; }

private:
    // Replaces the active box's working string, keeping the old one for Undo.
    void convertActive(char (*convert)(char));

    ParamPosition position_;
    WorkingTexts texts_;
    Box activeBox_ = Box::None;
    Source mimicSource_ = Source::Custom;
    bool showHelp_ = false;
};
