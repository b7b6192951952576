#include "lcdtextboxmodule.h"

#include "ckeymap.h"
#include "clcdtextboxproppage.h"
#include "keypadclipboard.h"
#include "lcdtextboxfactory.h"
#include "lcdtextboxids.h"
#include "lcdtextboxobject.h"
#include "lcdtextboxtypelib.h"

#include "comrt/comregistry.h"

#include <QFileInfo>

namespace {

using comrt::ComRegistry;
namespace result = comrt::result;

// Activate when visible, set client site first, inside-out, cannot link inside,
// recompose on resize.
constexpr unsigned miscStatus = 0x20191;

QString classKey(const QUuid& id)
{
    return QStringLiteral("CLSID\\") + ComRegistry::keyOf(id);
}

QString typeLibKey()
{
    const comrt::TypeLibrary& library = LcdtextboxTypeLib::library();
    return QStringLiteral("TypeLib\\") + ComRegistry::keyOf(library.id) + QLatin1Char('\\')
           + library.versionString();
}

QString interfaceKey(const QUuid& id)
{
    return QStringLiteral("Interface\\") + ComRegistry::keyOf(id);
}

void registerClass(ComRegistry& registry, const QUuid& id, const QString& userTypeName, const QString& progId,
                   const QString& modulePath)
{
    const QString key = classKey(id);
    registry.setValue(key, QString(), userTypeName);
    registry.setValue(key + QStringLiteral("\\InprocServer32"), QString(), modulePath);
    registry.setValue(key + QStringLiteral("\\InprocServer32"), QStringLiteral("ThreadingModel"),
                      QStringLiteral("Apartment"));
    registry.setValue(key + QStringLiteral("\\ProgID"), QString(), progId);
    registry.setValue(progId, QString(), userTypeName);
    registry.setValue(progId + QStringLiteral("\\CLSID"), QString(), ComRegistry::keyOf(id));
}

// Started with the library: the application object, its factories, the shared key map
// and the paste buffer all exist before the first host call.
const bool moduleStarted = (LcdtextboxModule::instance(), true);

} // namespace

LcdtextboxModule& LcdtextboxModule::instance()
{
    static LcdtextboxModule module;
    return module;
}

LcdtextboxModule::LcdtextboxModule()
{
    CKeyMap::instance();
    KeypadClipboard::pasteBuffer();
    factory(lcdtextbox::ids::controlClass);
}

comrt::ClassFactory* LcdtextboxModule::factory(const QUuid& classId) const
{
    static LcdtextboxFactory control([](QWidget* parent) -> comrt::Object* { return new LcdtextboxObject(parent); });
    static LcdtextboxFactory page([](QWidget* parent) -> comrt::Object* { return new CLcdtextboxPropPage(parent); });
    if (classId == lcdtextbox::ids::controlClass) return &control;
    if (classId == lcdtextbox::ids::propertyPageClass) return &page;
    return nullptr;
}

comrt::Result LcdtextboxModule::registerServer(const QString& modulePath) const
{
    const comrt::Result r = registerTypeLib(modulePath);
    if (!comrt::succeeded(r)) return r;
    return registerClasses(modulePath);
}

comrt::Result LcdtextboxModule::registerTypeLib(const QString& modulePath) const
{
    ComRegistry registry;
    if (modulePath.isEmpty() || !comrt::succeeded(registry.load())) return result::selfRegTypeLib;
    const comrt::TypeLibrary& library = LcdtextboxTypeLib::library();
    const QString key = typeLibKey();
    registry.setValue(key, QString(), library.helpString);
    registry.setValue(key + QStringLiteral("\\0\\module"), QString(), modulePath);
    registry.setValue(key + QStringLiteral("\\FLAGS"), QString(), QStringLiteral("0"));
    registry.setValue(key + QStringLiteral("\\HELPDIR"), QString(), QFileInfo(modulePath).absolutePath());
    registry.setValue(key + QStringLiteral("\\HELPFILE"), QString(), library.helpFile);
    registry.setValue(key + QStringLiteral("\\LCID"), QString(), QString::number(library.locale, 16));
    for (const comrt::TypeInfo& type : library.types) {
        if (type.kind != comrt::TypeInfo::DispInterface) continue;
        const QString typeKey = interfaceKey(type.id);
        registry.setValue(typeKey, QString(), type.name);
        registry.setValue(typeKey + QStringLiteral("\\TypeLib"), QString(), ComRegistry::keyOf(library.id));
        registry.setValue(typeKey + QStringLiteral("\\TypeLib"), QStringLiteral("Version"), library.versionString());
    }
    return comrt::succeeded(registry.save()) ? result::ok : result::selfRegTypeLib;
}

comrt::Result LcdtextboxModule::registerClasses(const QString& modulePath) const
{
    ComRegistry registry;
    if (!comrt::succeeded(registry.load())) return result::selfRegClass;
    const comrt::TypeLibrary& library = LcdtextboxTypeLib::library();
    const QString control = classKey(lcdtextbox::ids::controlClass);
    registerClass(registry, lcdtextbox::ids::controlClass, QStringLiteral("Lcdtextbox Control"),
                  QString::fromLatin1(lcdtextbox::ids::controlProgId), modulePath);
    registry.setValue(control + QStringLiteral("\\Control"), QString(), QString());
    registry.setValue(control + QStringLiteral("\\MiscStatus"), QString(), QStringLiteral("0"));
    registry.setValue(control + QStringLiteral("\\MiscStatus\\1"), QString(), QString::number(miscStatus));
    registry.setValue(control + QStringLiteral("\\ToolboxBitmap32"), QString(), modulePath + QStringLiteral(", 1"));
    registry.setValue(control + QStringLiteral("\\TypeLib"), QString(), ComRegistry::keyOf(library.id));
    registry.setValue(control + QStringLiteral("\\Version"), QString(), library.versionString());
    registerClass(registry, lcdtextbox::ids::propertyPageClass, QStringLiteral("Lcdtextbox Property Page"),
                  QString::fromLatin1(lcdtextbox::ids::propertyPageProgId), modulePath);
    return comrt::succeeded(registry.save()) ? result::ok : result::selfRegClass;
}

comrt::Result LcdtextboxModule::unregisterServer() const
{
    ComRegistry registry;
    if (!comrt::succeeded(registry.load()) || !registry.hasKey(typeLibKey())) return result::selfRegTypeLib;
    const comrt::TypeLibrary& library = LcdtextboxTypeLib::library();
    registry.deleteTree(typeLibKey());
    for (const comrt::TypeInfo& type : library.types)
        if (type.kind == comrt::TypeInfo::DispInterface) registry.deleteTree(interfaceKey(type.id));
    if (!comrt::succeeded(registry.save())) return result::selfRegTypeLib;

    registry.deleteTree(classKey(lcdtextbox::ids::controlClass));
    registry.deleteTree(QString::fromLatin1(lcdtextbox::ids::controlProgId));
    registry.deleteTree(classKey(lcdtextbox::ids::propertyPageClass));
    registry.deleteTree(QString::fromLatin1(lcdtextbox::ids::propertyPageProgId));
    return comrt::succeeded(registry.save()) ? result::ok : result::selfRegClass;
}
