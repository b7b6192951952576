#pragma once

#include "comobject.h"
#include "comtypes.h"

class QWidget;

namespace comrt {

// Makes the objects of one class. A factory belongs to its library and lives as long as
// the library is loaded; the host never deletes it.
class ClassFactory {
public:
    virtual ~ClassFactory();
    // The new object's window, if it has one, is made a child of parent.
    virtual Result createInstance(QWidget* parent, Object** object) = 0;
    // A locked server stays loaded even when no object of it is alive.
    virtual Result lockServer(bool lock) = 0;
};

} // namespace comrt
