#pragma once

#include "comobject.h"
#include "comtypes.h"

#include <QVariant>
#include <QVariantList>

class QDataStream;
class QWidget;

namespace comrt {

class EventSink;
struct TypeLibrary;
struct TypeInfo;

// A control as its host sees it: late-bound properties and methods by dispatch identifier,
// events to one connected sink, a window, persistence of its state, and verbs.
class DispatchObject : public Object {
public:
    ~DispatchObject() override;

    virtual const TypeLibrary& typeLibrary() const = 0;
    virtual QUuid classId() const = 0;

    virtual Result getProperty(DispId id, QVariant& value) = 0;
    virtual Result setProperty(DispId id, const QVariant& value) = 0;
    // Arguments passed by reference come back through args.
    virtual Result invoke(DispId id, QVariantList& args, QVariant& result) = 0;
    // Connects the one sink (nullptr disconnects); the host keeps the sink alive meanwhile.
    virtual Result advise(EventSink* sink) = 0;

    virtual QWidget* widget() = 0;

    virtual Result save(QDataStream& out) = 0;
    virtual Result load(QDataStream& in) = 0;
    // Resets the persisted state to its defaults, as for a newly placed control.
    virtual Result initNew() = 0;
    // Whether the persisted state changed since the last save or load.
    virtual bool isDirty() const = 0;

    virtual Result doVerb(int verb) = 0;

    // The class's default dispatch interface and default event interface, from typeLibrary().
    const TypeInfo* dispatchInterface() const;
    const TypeInfo* eventInterface() const;
    Result idOfName(const QString& name, DispId& id) const;
    Result idOfEvent(const QString& name, DispId& id) const;
};

} // namespace comrt
