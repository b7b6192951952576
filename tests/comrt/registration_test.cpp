#include "tempregistry.h"

#include "comrt/classfactory.h"
#include "comrt/comregistry.h"
#include "comrt/comruntime.h"
#include "comrt/dispatchobject.h"
#include "comrt/propertypage.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

using comrt::ComRegistry;
using comrt::ComRuntime;
namespace result = comrt::result;

namespace {

const QString library = QFileInfo(QStringLiteral(LCDTEXTBOX_LIBRARY)).canonicalFilePath();
const QString control = QStringLiteral("CLSID\\{A55A6798-60B0-4249-83AE-73EB8B65236F}");
const QString page = QStringLiteral("CLSID\\{5E0B0799-7122-4D5F-BB0E-92DEA7347DCE}");
const QString typeLib = QStringLiteral("TypeLib\\{A6643A7D-3130-49A7-95FD-E3B52D932022}\\1.0");
const QUuid controlClass(QStringLiteral("{A55A6798-60B0-4249-83AE-73EB8B65236F}"));
const QUuid pageClass(QStringLiteral("{5E0B0799-7122-4D5F-BB0E-92DEA7347DCE}"));

ComRegistry loaded()
{
    ComRegistry registry;
    EXPECT_EQ(registry.load(), result::ok);
    return registry;
}

// Runs regcomp on the built library with the current registry; its exit code and output.
std::pair<int, QString> regcomp(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(REGCOMP_PROGRAM), args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput())};
}

} // namespace

TEST(Registration, WritesTheClassesAndTheTypeLibrary)
{
    const TempRegistry temp;
    ASSERT_EQ(ComRuntime::registerServer(library), result::ok);
    const ComRegistry r = loaded();

    EXPECT_EQ(r.value(control), QStringLiteral("Lcdtextbox Control"));
    EXPECT_EQ(r.value(control + QStringLiteral("\\InprocServer32")), library);
    EXPECT_EQ(r.value(control + QStringLiteral("\\InprocServer32"), QStringLiteral("ThreadingModel")),
              QStringLiteral("Apartment"));
    EXPECT_EQ(r.value(control + QStringLiteral("\\ProgID")), QStringLiteral("LCDTEXTBOX.LcdtextboxCtrl.1"));
    EXPECT_TRUE(r.hasKey(control + QStringLiteral("\\Control")));
    // 0x20191 in decimal.
    EXPECT_EQ(r.value(control + QStringLiteral("\\MiscStatus\\1")), QStringLiteral("131473"));
    EXPECT_EQ(r.value(control + QStringLiteral("\\ToolboxBitmap32")), library + QStringLiteral(", 1"));
    EXPECT_EQ(r.value(control + QStringLiteral("\\TypeLib")), QStringLiteral("{A6643A7D-3130-49A7-95FD-E3B52D932022}"));
    EXPECT_EQ(r.value(control + QStringLiteral("\\Version")), QStringLiteral("1.0"));
    EXPECT_EQ(r.value(QStringLiteral("LCDTEXTBOX.LcdtextboxCtrl.1\\CLSID")),
              QStringLiteral("{A55A6798-60B0-4249-83AE-73EB8B65236F}"));

    EXPECT_EQ(r.value(page), QStringLiteral("Lcdtextbox Property Page"));
    EXPECT_EQ(r.value(page + QStringLiteral("\\InprocServer32")), library);
    EXPECT_EQ(r.value(QStringLiteral("LCDTEXTBOX.LcdtextboxPropPage.1\\CLSID")),
              QStringLiteral("{5E0B0799-7122-4D5F-BB0E-92DEA7347DCE}"));

    EXPECT_EQ(r.value(typeLib), QStringLiteral("lcdtextbox ActiveX Control module"));
    EXPECT_EQ(r.value(typeLib + QStringLiteral("\\HELPFILE")), QStringLiteral("lcdtextbox.hlp"));
    EXPECT_EQ(r.value(typeLib + QStringLiteral("\\LCID")), QStringLiteral("409"));
    EXPECT_EQ(r.value(QStringLiteral("Interface\\{F6C1CDCB-98CD-4D04-8434-28C26281246D}")),
              QStringLiteral("_DLcdtextbox"));
    EXPECT_EQ(r.value(QStringLiteral("Interface\\{AAD7FDC4-74D1-49F3-8FF7-81C72B0049A4}")),
              QStringLiteral("_DLcdtextboxEvents"));
}

TEST(Registration, RegisteringTwiceChangesNothing)
{
    const TempRegistry temp;
    ASSERT_EQ(ComRuntime::registerServer(library), result::ok);
    const QByteArray once = temp.bytes();
    ASSERT_EQ(ComRuntime::registerServer(library), result::ok);
    EXPECT_EQ(temp.bytes(), once);
}

TEST(Registration, RegcompAndUnregisterLeaveTheRegistryAsItWas)
{
    const TempRegistry temp;
    ComRegistry other;
    ASSERT_EQ(other.load(), result::ok);
    other.setValue(QStringLiteral("CLSID\\{00000000-0000-0000-0000-000000000001}\\InprocServer32"), QString(),
                   QStringLiteral("/elsewhere/libother.so"));
    other.setValue(QStringLiteral("TypeLib\\{A6643A7D-3130-49A7-95FD-E3B52D932022}\\2.0"), QString(),
                   QStringLiteral("a later version of the library"));
    ASSERT_EQ(other.save(), result::ok);
    const QByteArray before = temp.bytes();

    const auto [registered, registerOutput] = regcomp({library});
    EXPECT_EQ(registered, 0);
    EXPECT_TRUE(registerOutput.contains(QStringLiteral("0x00000000"))) << registerOutput.toStdString();
    EXPECT_NE(temp.bytes(), before);

    const auto [unregistered, unregisterOutput] = regcomp({QStringLiteral("/u"), library});
    EXPECT_EQ(unregistered, 0);
    EXPECT_TRUE(unregisterOutput.contains(QStringLiteral("0x00000000"))) << unregisterOutput.toStdString();
    EXPECT_EQ(temp.bytes(), before);
}

TEST(Registration, UnregisteringWhatIsNotRegisteredFailsOnTheTypeLibrary)
{
    const TempRegistry temp;
    EXPECT_EQ(ComRuntime::unregisterServer(library), result::selfRegTypeLib);
    const auto [code, output] = regcomp({QStringLiteral("/u"), library});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(output.contains(QStringLiteral("0x80040200"))) << output.toStdString();
}

TEST(Registration, RegistryThatCannotBeWrittenFailsOnTheTypeLibrary)
{
    const TempRegistry temp;
    // A file where the registry's folder should be.
    temp.write("not a folder");
    qputenv("KPD_COMRT_REGISTRY", (temp.path() + QStringLiteral("/registry.json")).toLocal8Bit());
    EXPECT_EQ(ComRuntime::registerServer(library), result::selfRegTypeLib);
}

TEST(Registration, DamagedRegistryIsLeftAlone)
{
    const TempRegistry temp;
    temp.write("{ damaged");
    EXPECT_EQ(ComRuntime::registerServer(library), result::selfRegTypeLib);
    EXPECT_EQ(ComRuntime::unregisterServer(library), result::selfRegTypeLib);
    EXPECT_EQ(temp.bytes(), QByteArray("{ damaged"));
}

TEST(Registration, RegcompRefusesMissingLibrariesAndBadCommandLines)
{
    const TempRegistry temp;
    const auto [code, output] = regcomp({temp.folder() + QStringLiteral("/libnothing.so")});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(output.contains(QStringLiteral("0x8007007E"))) << output.toStdString();
    EXPECT_EQ(regcomp({}).first, 2);
    EXPECT_FALSE(QFile::exists(temp.path()));
}

TEST(Registration, TheBuildRegisteredTheLibraryInItsOwnRegistry)
{
    const TempRegistry restoresTheVariable;
    qputenv("KPD_COMRT_REGISTRY", BUILD_REGISTRY);
    EXPECT_EQ(ComRuntime::serverPath(controlClass), library);
    std::unique_ptr<comrt::DispatchObject> object;
    EXPECT_EQ(ComRuntime::create(controlClass, nullptr, object), result::ok);
    EXPECT_NE(object, nullptr);
}

TEST(Module, VersionResource)
{
    comrt::VersionInfo info{};
    ASSERT_EQ(ComRuntime::versionInfo(library, info), result::ok);
    EXPECT_EQ(QString::fromLatin1(info.fileDescription), QStringLiteral("lcdtextbox ActiveX Control Module"));
    EXPECT_EQ(QString::fromLatin1(info.productDescription), QStringLiteral("lcdtextbox ActiveX Control Module"));
    const std::uint16_t expected[4] = {1, 0, 0, 1};
    EXPECT_TRUE(std::equal(expected, expected + 4, info.fileVersion));
    EXPECT_TRUE(std::equal(expected, expected + 4, info.productVersion));
    EXPECT_TRUE(info.selfRegistering);
}

TEST(Module, CanUnloadOnlyWithoutObjectsAndLocks)
{
    const TempRegistry temp;
    ASSERT_EQ(ComRuntime::registerServer(library), result::ok);
    EXPECT_EQ(ComRuntime::canUnloadNow(controlClass), result::ok);

    auto object = std::make_unique<std::unique_ptr<comrt::DispatchObject>>();
    ASSERT_EQ(ComRuntime::create(controlClass, nullptr, *object), result::ok);
    std::unique_ptr<comrt::PropertyPage> propertyPage;
    ASSERT_EQ(ComRuntime::create(pageClass, nullptr, propertyPage), result::ok);
    EXPECT_EQ(ComRuntime::canUnloadNow(controlClass), result::falseOk);
    object.reset();
    EXPECT_EQ(ComRuntime::canUnloadNow(controlClass), result::falseOk);
    propertyPage.reset();
    EXPECT_EQ(ComRuntime::canUnloadNow(controlClass), result::ok);

    comrt::ClassFactory* factory = nullptr;
    ASSERT_EQ(ComRuntime::getClassObject(controlClass, &factory), result::ok);
    factory->lockServer(true);
    EXPECT_EQ(ComRuntime::canUnloadNow(controlClass), result::falseOk);
    factory->lockServer(false);
    EXPECT_EQ(ComRuntime::canUnloadNow(controlClass), result::ok);
    // An unlock without its lock must not hide the next lock.
    factory->lockServer(false);
    factory->lockServer(true);
    EXPECT_EQ(ComRuntime::canUnloadNow(controlClass), result::falseOk);
    factory->lockServer(false);
}

TEST(Runtime, UnknownClassesAndProgIds)
{
    const TempRegistry temp;
    ASSERT_EQ(ComRuntime::registerServer(library), result::ok);
    std::unique_ptr<comrt::DispatchObject> object;
    EXPECT_EQ(ComRuntime::create(QUuid::createUuid(), nullptr, object), result::classNotRegistered);
    QUuid id;
    EXPECT_EQ(ComRuntime::classIdFromProgId(QStringLiteral("LCDTEXTBOX.Nothing.1"), id), result::invalidProgId);
    ASSERT_EQ(ComRuntime::classIdFromProgId(QStringLiteral("LCDTEXTBOX.LcdtextboxCtrl.1"), id), result::ok);
    EXPECT_EQ(id, controlClass);
    // A class registered against a library that does not make it.
    const QUuid stranger = QUuid::createUuid();
    ComRegistry r = loaded();
    r.setValue(QStringLiteral("CLSID\\") + ComRegistry::keyOf(stranger) + QStringLiteral("\\InprocServer32"), QString(),
               library);
    ASSERT_EQ(r.save(), result::ok);
    EXPECT_EQ(ComRuntime::create(stranger, nullptr, object), result::classNotAvailable);
    // The property page is no dispatch object.
    EXPECT_EQ(ComRuntime::create(pageClass, nullptr, object), result::noInterface);
    EXPECT_EQ(ComRuntime::canUnloadNow(controlClass), result::ok);
}
