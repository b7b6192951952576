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

    // The name the store is kept under, as its organisation and its application alike; the
    // editor's other per-user values live in the same store.
    static QString storeName();
};
