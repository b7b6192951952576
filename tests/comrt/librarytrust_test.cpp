#include "tempregistry.h"

#include "comrt/classfactory.h"
#include "comrt/comregistry.h"
#include "comrt/comruntime.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace result = comrt::result;

namespace {

QStringList& warnings()
{
    static QStringList seen;
    return seen;
}

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg) warnings().append(text);
}

// The planted library copied into a folder of its own, registered for a class of its own,
// after prepare has set the scene; what loading the class gave.
struct Planted {
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("components"));
    QString library = folder + QStringLiteral("/libplanted.so");
    QString mark = dir.filePath(QStringLiteral("start-up code ran"));
    comrt::Result loaded = result::ok;

    explicit Planted(const std::function<void(Planted&)>& prepare)
    {
        QDir().mkdir(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        QFile::copy(QStringLiteral(PLANTED_LIBRARY), library);
        QFile::setPermissions(library, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        prepare(*this);
        const QUuid classId = QUuid::createUuid();
        comrt::ComRegistry registry;
        registry.load();
        registry.setValue(QStringLiteral("CLSID\\") + comrt::ComRegistry::keyOf(classId) + QStringLiteral("\\InprocServer32"),
                          QString(), library);
        registry.save();
        qputenv("KPD_PLANTED_MARK", QFile::encodeName(mark));
        comrt::ClassFactory* factory = nullptr;
        loaded = comrt::ComRuntime::getClassObject(classId, &factory);
    }
    bool ran() const { return QFile::exists(mark); }
};

TEST(LibraryTrust, ALibraryThatOthersCouldHaveReplacedIsNeverLoaded)
{
    const TempRegistry registry;
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    const auto add = [](const QString& path, QFile::Permissions extra) {
        QFile::setPermissions(path, QFile::permissions(path) | extra);
    };
    const std::vector<std::pair<std::function<void(Planted&)>, QString>> scenes = {
        {[&](Planted& p) { add(p.library, QFile::WriteGroup); }, QStringLiteral("it is writable by its group")},
        {[&](Planted& p) { add(p.library, QFile::WriteOther); }, QStringLiteral("it is writable by every user")},
        {[&](Planted& p) { add(p.folder, QFile::WriteGroup); }, QStringLiteral(" is writable by its group")},
        {[&](Planted& p) { add(p.folder, QFile::WriteOther); }, QStringLiteral(" is writable by every user")},
    };
    for (const auto& [prepare, reason] : scenes) {
        warnings().clear();
        const Planted planted(prepare);
        EXPECT_EQ(planted.loaded, result::accessDenied) << reason.toStdString();
        EXPECT_FALSE(planted.ran()) << reason.toStdString();
        ASSERT_EQ(warnings().size(), 1) << reason.toStdString();
        EXPECT_TRUE(warnings()[0].startsWith(QStringLiteral("The component library ") + planted.library +
                                             QStringLiteral(" is not loaded: ")))
            << warnings()[0].toStdString();
        EXPECT_TRUE(warnings()[0].contains(reason)) << warnings()[0].toStdString();
    }
    if (::geteuid() == 0) {
        const Planted planted([](Planted& p) { ASSERT_EQ(::chown(QFile::encodeName(p.library).constData(), 4321, 0), 0); });
        EXPECT_EQ(planted.loaded, result::accessDenied);
        EXPECT_FALSE(planted.ran());
    }
    // The same library where only its owner may change it is loaded: its start-up code runs.
    const Planted trusted([](Planted&) {});
    EXPECT_TRUE(trusted.ran());
    EXPECT_EQ(trusted.loaded, result::procedureNotFound);
    qInstallMessageHandler(previous);
}

} // namespace
