#pragma once

#include "startupsettings.h"

#include <QString>

// The per-user settings store of the editor: under the application name, group "Settings".
class AppSettings {
public:
    static StartupSettings read();
    static void write(const StartupSettings& settings);

    // The drive folder the user last opened, kept apart from the four values above;
    // empty when the user never chose one.
    static QString driveFolder();
    static void setDriveFolder(const QString& folder);
};
