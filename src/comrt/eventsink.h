#pragma once

#include "comtypes.h"

#include <QVariantList>

namespace comrt {

// What a host connects to an object to hear its events, each named by its dispatch
// identifier in the object's event interface.
class EventSink {
public:
    virtual ~EventSink();
    virtual void fire(DispId event, const QVariantList& args) = 0;
};

} // namespace comrt
