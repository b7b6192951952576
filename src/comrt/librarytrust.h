#pragma once

#include <QString>

namespace comrt {

// Whether a component library may be loaded. Loading runs the library's start-up code
// with the user's rights, so a library that anyone but its owner and root could have
// replaced, or that another user owns, is as good as someone else's program.
class LibraryTrust {
public:
    // Empty when the library may be loaded; otherwise the message for the user, naming the
    // library and the reason.
    static QString refusal(const QString& libraryPath);
};

} // namespace comrt
