#pragma once

#include "comrt/comtypes.h"

#include <QString>
#include <QUuid>

namespace comrt {
class ClassFactory;
}

// The control module's application object: started when the library loads, it owns the
// class factories, keeps the count of live objects and server locks that decides whether
// the library may be unloaded, and writes and removes the module's registry entries.
class LcdtextboxModule {
public:
    static LcdtextboxModule& instance();

    comrt::ClassFactory* factory(const QUuid& classId) const;

    void objectCreated() { ++m_objects; }
    void objectDestroyed() { --m_objects; }
    // An unlock without a lock is ignored rather than hiding a later lock.
    void lock(bool on)
    {
        if (on)
            ++m_locks;
        else if (m_locks > 0)
            --m_locks;
    }
    bool canUnload() const { return m_objects == 0 && m_locks == 0; }

    // The registry entries of the type library, then of both classes; ok,
    // selfRegTypeLib or selfRegClass.
    comrt::Result registerServer(const QString& modulePath) const;
    comrt::Result unregisterServer() const;

private:
    LcdtextboxModule();

    comrt::Result registerTypeLib(const QString& modulePath) const;
    comrt::Result registerClasses(const QString& modulePath) const;

    int m_objects = 0;
    int m_locks = 0;
};
