#pragma once

#include "startupsettings.h"

#include <cstdint>
#include <string>

namespace kpd {
class TheApp;
class UserInterface;
}

// What the editor's start-up loads after the data root has read the configuration: the
// constants into every language, each language's reference file, the file edited last,
// and the settings. It reports through the user-interface seam and the splash status.
class StartupSequence {
public:
    struct Result {
        std::string currentFile;
        // The last file when it loaded only up to a fault: shown, but not current.
        std::string incompleteFile;
        std::string autoSaveFile;
        bool autoSaveOn = true;
        std::int16_t languageIndex = 0;
    };

    StartupSequence(kpd::TheApp& app, kpd::UserInterface& ui, std::string programFolder);

    void loadConstants();
    void loadLanguages();
    // Reopens the last file and reads the auto-save and language settings.
    Result restore(const StartupSettings& settings);

private:
    kpd::TheApp& app_;
    kpd::UserInterface& ui_;
    std::string folder_;
    int progress_ = 0;
};
