#pragma once

#include "comobject.h"
#include "comtypes.h"

#include <QString>

class QWidget;

namespace comrt {

class DispatchObject;

// A page of fields editing properties of one object, shown inside a host's property frame.
class PropertyPage : public Object {
public:
    ~PropertyPage() override;
    virtual QString title() const = 0;
    virtual QWidget* widget() = 0;
    // Loads the fields from the object's properties; the object must outlive the page's use.
    virtual Result setObject(DispatchObject* object) = 0;
    // Checks the fields and writes them to the object; a refused field keeps every
    // property unchanged and returns invalidPropertyValue.
    virtual Result apply() = 0;
};

} // namespace comrt
