#include "tempregistry.h"

#include "comrt/classfactory.h"
#include "comrt/comregistry.h"
#include "comrt/comruntime.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <unistd.h>

namespace result = comrt::result;

namespace {

QStringList warnings;

// The planted library in a folder of its own, registered for a class of its own; after
// plant has set the scene, the class is asked for. Whether its start-up code ran shows.
struct Planted {
    template <class Scene>
    explicit Planted(Scene plant)
    {
        const QFile::Permissions ownerOnlyWrites = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QDir().mkdir(folder);
        QFile::setPermissions(folder, ownerOnlyWrites);
        QFile::copy(QStringLiteral(PLANTED_LIBRARY), library);
        QFile::setPermissions(library, ownerOnlyWrites);
        plant(*this);
        const QUuid classId = QUuid::createUuid();
        comrt::ComRegistry registry;
        registry.load();
        registry.setValue(QStringLiteral("CLSID\\") + comrt::ComRegistry::keyOf(classId) + QStringLiteral("\\InprocServer32"),
                          QString(), library);
        registry.save();
        qputenv("KPD_PLANTED_MARK", QFile::encodeName(mark));
        comrt::ClassFactory* factory = nullptr;
        loaded = comrt::ComRuntime::getClassObject(classId, &factory);
        ran = QFile::exists(mark);
    }
    void allow(const QString& path, QFile::Permission write) const
    {
        QFile::setPermissions(path, QFile::permissions(path) | write);
    }

    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("components"));
    QString library = folder + QStringLiteral("/libplanted.so");
    QString mark = dir.filePath(QStringLiteral("start-up code ran"));
    comrt::Result loaded = result::ok;
    bool ran = false;
};

TEST(LibraryTrust, ALibraryThatOthersCouldHaveReplacedIsNeverLoaded)
{
    const TempRegistry registry;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        warnings.append(text);
    });
    const Planted groupFile([](Planted& p) { p.allow(p.library, QFile::WriteGroup); });
    const Planted everyoneFolder([](Planted& p) { p.allow(p.folder, QFile::WriteOther); });
    const Planted trusted([](Planted&) {});
    qInstallMessageHandler(previous);

    for (const Planted* refused : {&groupFile, &everyoneFolder}) {
        EXPECT_EQ(refused->loaded, result::accessDenied) << refused->library.toStdString();
        EXPECT_FALSE(refused->ran) << refused->library.toStdString();
    }
    const QString opening = QStringLiteral("The component library %1 is not loaded: ");
    EXPECT_EQ(warnings, (QStringList{opening.arg(groupFile.library) + QStringLiteral("it is writable by its group"),
                                     opening.arg(everyoneFolder.library) + QStringLiteral("its folder ") +
                                         everyoneFolder.folder + QStringLiteral(" is writable by every user")}));
    // Where only its owner may change it, the same library is loaded and its code runs.
    EXPECT_TRUE(trusted.ran);
    EXPECT_EQ(trusted.loaded, result::procedureNotFound);
    if (::geteuid() == 0) {
        const Planted othersFile([](Planted& p) { ::chown(QFile::encodeName(p.library).constData(), 4321, 0); });
        EXPECT_EQ(othersFile.loaded, result::accessDenied);
        EXPECT_FALSE(othersFile.ran);
    }
}

} // namespace
