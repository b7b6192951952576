#pragma once

#include "startupsettings.h"

#include "xmlfiles/driveloader.h"

#include <cstdint>
#include <string>

namespace kpd {
class TheApp;
}

// What the editor's start-up loads after the data root has read the configuration: the
// drive's constants and reference files (as kpdtool loads them), the file edited last, and
// the settings. It reports through the user-interface seam and the splash status.
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

    explicit StartupSequence(kpd::TheApp& app);

    // The constants into every language, then each language's reference file.
    void loadReferences();
    // Reopens the last file and reads the auto-save and language settings.
    Result restore(const StartupSettings& settings);

private:
    kpd::TheApp& app_;
    kpd::DriveLoader loader_;
};
