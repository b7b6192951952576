#include "comruntime.h"

#include "classfactory.h"
#include "comregistry.h"
#include "librarytrust.h"

#include <QFileInfo>
#include <QLibrary>

#include <dlfcn.h>

#include <map>
#include <set>

namespace comrt {

namespace {

// Libraries by canonical path; never unloaded (see the class comment).
std::map<QString, std::unique_ptr<QLibrary>>& loadedLibraries()
{
    static std::map<QString, std::unique_ptr<QLibrary>> libraries;
    return libraries;
}

// Says once per library why it is not loaded: every control of its classes asks again.
void reportRefusal(const QString& canonical, const QString& message)
{
    static std::set<QString> reported;
    if (reported.insert(canonical).second) qWarning("%s", qUtf8Printable(message));
}

Result loadLibrary(const QString& path, QLibrary*& loaded)
{
    loaded = nullptr;
    const QFileInfo info(path);
    if (!info.isFile()) return result::moduleNotFound;
    const QString canonical = info.canonicalFilePath();
    auto& libraries = loadedLibraries();
    const auto found = libraries.find(canonical);
    if (found != libraries.end()) {
        loaded = found->second.get();
        return result::ok;
    }
    if (const QString refused = LibraryTrust::refusal(path); !refused.isEmpty()) {
        reportRefusal(canonical, refused);
        return result::accessDenied;
    }
    auto library = std::make_unique<QLibrary>(canonical);
    library->setLoadHints(QLibrary::PreventUnloadHint);
    if (!library->load()) return result::moduleNotFound;
    loaded = libraries.emplace(canonical, std::move(library)).first->second.get();
    return result::ok;
}

QString classKey(const QUuid& classId)
{
    return QStringLiteral("CLSID\\") + ComRegistry::keyOf(classId);
}

} // namespace

Result ComRuntime::resolve(const QString& libraryPath, const char* symbol, void** function)
{
    QLibrary* library = nullptr;
    if (const Result r = loadLibrary(libraryPath, library); !succeeded(r)) return r;
    *function = reinterpret_cast<void*>(library->resolve(symbol));
    return *function ? result::ok : result::procedureNotFound;
}

Result ComRuntime::registerServer(const QString& libraryPath)
{
    void* function = nullptr;
    const Result r = resolve(libraryPath, "DllRegisterServer", &function);
    if (!succeeded(r)) return r;
    return reinterpret_cast<RegisterServerFunction>(function)();
}

Result ComRuntime::unregisterServer(const QString& libraryPath)
{
    void* function = nullptr;
    const Result r = resolve(libraryPath, "DllUnregisterServer", &function);
    if (!succeeded(r)) return r;
    return reinterpret_cast<RegisterServerFunction>(function)();
}

Result ComRuntime::classIdFromProgId(const QString& progId, QUuid& classId)
{
    ComRegistry registry;
    const Result r = registry.load();
    if (!succeeded(r)) return r;
    const QUuid found(registry.value(progId + QStringLiteral("\\CLSID")));
    if (found.isNull()) return result::invalidProgId;
    classId = found;
    return result::ok;
}

QString ComRuntime::serverPath(const QUuid& classId)
{
    ComRegistry registry;
    if (!succeeded(registry.load())) return QString();
    return registry.value(classKey(classId) + QStringLiteral("\\InprocServer32"));
}

Result ComRuntime::getClassObject(const QUuid& classId, ClassFactory** factory)
{
    if (!factory) return result::nullPointer;
    *factory = nullptr;
    const QString path = serverPath(classId);
    if (path.isEmpty()) return result::classNotRegistered;
    void* function = nullptr;
    const Result r = resolve(path, "DllGetClassObject", &function);
    if (!succeeded(r)) return r;
    return reinterpret_cast<GetClassObjectFunction>(function)(&classId, factory);
}

Result ComRuntime::createInstance(const QUuid& classId, QWidget* parent, Object** object)
{
    if (!object) return result::nullPointer;
    *object = nullptr;
    ClassFactory* factory = nullptr;
    const Result r = getClassObject(classId, &factory);
    if (!succeeded(r)) return r;
    return factory->createInstance(parent, object);
}

Result ComRuntime::canUnloadNow(const QUuid& classId)
{
    const QString path = serverPath(classId);
    if (path.isEmpty()) return result::classNotRegistered;
    void* function = nullptr;
    const Result r = resolve(path, "DllCanUnloadNow", &function);
    if (!succeeded(r)) return r;
    return reinterpret_cast<CanUnloadNowFunction>(function)();
}

Result ComRuntime::versionInfo(const QString& libraryPath, VersionInfo& info)
{
    void* function = nullptr;
    const Result r = resolve(libraryPath, "DllGetVersionInfo", &function);
    if (!succeeded(r)) return r;
    const VersionInfo* found = reinterpret_cast<GetVersionInfoFunction>(function)();
    if (!found) return result::fail;
    info = *found;
    return result::ok;
}

QString ComRuntime::modulePath(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname) return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

} // namespace comrt
