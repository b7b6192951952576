#pragma once

#include "comtypes.h"
#include "versioninfo.h"

#include <QString>
#include <QUuid>

#include <memory>

class QWidget;

namespace comrt {

class ClassFactory;
class Object;

// The entry points every component library exports with C linkage.
extern "C" {
using RegisterServerFunction = Result (*)();
using GetClassObjectFunction = Result (*)(const QUuid* classId, ClassFactory** factory);
using CanUnloadNowFunction = Result (*)();
using GetVersionInfoFunction = const VersionInfo* (*)();
}

// Finds component libraries through the registry, loads them and asks them for objects.
// A library once loaded stays loaded for the life of the process: objects of its classes
// register Qt types that must not vanish while the process runs. A library that is not to
// be trusted (LibraryTrust) is never loaded: accessDenied, and a warning saying why.
class ComRuntime {
public:
    // Loads the library and calls its DllRegisterServer or DllUnregisterServer.
    static Result registerServer(const QString& libraryPath);
    static Result unregisterServer(const QString& libraryPath);

    static Result classIdFromProgId(const QString& progId, QUuid& classId);
    // The library registered for the class, or "" when the class is not registered.
    static QString serverPath(const QUuid& classId);

    static Result getClassObject(const QUuid& classId, ClassFactory** factory);
    static Result createInstance(const QUuid& classId, QWidget* parent, Object** object);
    // Creates an object and hands it out as T; noInterface when it is not a T.
    template <class T>
    static Result create(const QUuid& classId, QWidget* parent, std::unique_ptr<T>& out);

    // Asks the class's library whether it holds no objects and no locks: ok or falseOk.
    static Result canUnloadNow(const QUuid& classId);

    static Result versionInfo(const QString& libraryPath, VersionInfo& info);

    // The file of the loaded library or program holding the given address.
    static QString modulePath(const void* address);

private:
    static Result resolve(const QString& libraryPath, const char* symbol, void** function);
};

template <class T>
Result ComRuntime::create(const QUuid& classId, QWidget* parent, std::unique_ptr<T>& out)
{
    Object* object = nullptr;
    const Result r = createInstance(classId, parent, &object);
    if (!succeeded(r)) return r;
    std::unique_ptr<Object> owned(object);
    T* typed = dynamic_cast<T*>(object);
    if (!typed) return result::noInterface;
    owned.release();
    out.reset(typed);
    return result::ok;
}

} // namespace comrt
