#pragma once

#include "recordinguserinterface.h"

#include "model/theapp.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kpd::test {

// A data root with one custom string set "cust" built in code. Modes mode2 to mode5 are
// named "OL", "CL", "SV", "RG" for ordinary menus and "A1" to "A4" for menus 15 to 17;
// every parameter gets all eight.
class DriveBuilder {
public:
    DriveBuilder();

    TheApp& app() { return *app_; }
    RecordingUserInterface& ui() { return ui_; }

    DrvMenu& menu(const std::string& key);
    Parameter& param(const std::string& menuKey, const std::string& paraKey);
    // modeKey is 2 to 5; the mode name follows from the menu's map.
    void text(const std::string& menuKey, const std::string& paraKey, int modeKey, const std::string& desc,
              const std::string& help = {}, std::int16_t unit = 0);
    // The same description and help in all four modes.
    void allModes(const std::string& menuKey, const std::string& paraKey, const std::string& desc,
                  const std::string& help = {});

private:
    RecordingUserInterface ui_;
    std::unique_ptr<TheApp> app_;
};

} // namespace kpd::test
