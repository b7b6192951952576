#pragma once

#include <string>

// The four values the editor keeps in the per-user settings store between runs.
struct StartupSettings {
    std::string lastFile;
    std::string autoSaveFile;
    std::string autoSaveState;
    std::string lang = "0";
};
