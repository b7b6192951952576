#pragma once

#include "editbox.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kpd {
class DrvMenu;
class ModeData;
class Parameter;
class TheApp;
class modes;
}

// Where the parameter editor stands in the data: the string sets, menu, parameter and mode
// being edited with the model objects they resolve to, and the steps to the neighbours.
// Stepping only moves; saving what was typed first is the session's business.
class ParamPosition {
public:
    void setMyData(kpd::TheApp& appData, const std::string& aMenuKey, const std::string& aParakey,
                   const std::string& modeKey, bool tripMode);

    kpd::TheApp& app() const { return *app_; }
    // Nothing before the first setMyData.
    kpd::TheApp* appIfSet() const { return app_; }
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
    kpd::ModeData& modeData(EditPanel panel) const;
    // The record of language 0 that holds the decimal places and the text-default flag,
    // or the panel's own when language 0 lacks it.
    const kpd::ModeData& constants(EditPanel panel) const;

    // Whether the reference data defines the current mode; the panels hide when not.
    bool modeAvailable() const;
    std::vector<std::string> modeKeys() const;
    std::vector<std::string> otherModeKeys() const;
    // The mode left (-1) or right (+1) of the current one; none at either end.
    std::optional<std::string> neighbourMode(int direction) const;

    void stepParameter(bool forward);
    void changeMenu(int direction);
    void changeLang(int direction);
    void selectMode(const std::string& key);

private:
    void resolveRef();
    void resolveCust();
    void keepModeKey();

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
};
