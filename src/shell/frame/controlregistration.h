#pragma once

#include "comrt/comtypes.h"

#include <QString>

// The editor places keypad text boxes by class id, so the control must be registered for
// the user before the first window opens. Each user's first start registers the library
// that came with the editor; nothing is ever registered for the whole system.
class ControlRegistration {
public:
    // Registers the control library of `libraryFolder` unless the class is registered to
    // a library that still exists. An entry left by a build tree or an older install that
    // has since gone would otherwise keep every keypad text box from being created.
    static comrt::Result ensure(const QString& libraryFolder);
    // Why the library registered for the control will not be loaded, or "" when it will
    // be (or when none is registered, or it has gone).
    static QString refusal();
};
