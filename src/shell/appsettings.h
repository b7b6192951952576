#pragma once

#include "startupsettings.h"

// The per-user settings store of the editor: application "VXKey pad tool", group "Settings".
class AppSettings {
public:
    static StartupSettings read();
    static void write(const StartupSettings& settings);
};
