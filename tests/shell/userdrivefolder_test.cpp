#include "shell/frame/controlregistration.h"
#include "shell/userdrivefolder.h"

#include "comrt/comruntime.h"
#include "install/installlayout.h"
#include "lcdtextbox/lcdtextboxids.h"
#include "modeltext/modeltext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void put(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A bundled drive as the package installs it: read-only files, the key map in a subfolder.
void makeBundle(const QString& folder)
{
    put(folder + QStringLiteral("/kpdconf.kpx"), "<App/>");
    put(folder + QStringLiteral("/English.kpl"), "english");
    put(folder + QStringLiteral("/maps/keymap.kpm"), "keys");
    for (const QString& name : {QStringLiteral("kpdconf.kpx"), QStringLiteral("English.kpl")})
        QFile::setPermissions(folder + QLatin1Char('/') + name, QFileDevice::ReadOwner | QFileDevice::ReadOther);
}

} // namespace

TEST(InstallLayout, TellsTheBuildTreeFromAnInstalledPrefixByWhereTheDriveDataLies)
{
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const kpd::InstallLayout bare = kpd::InstallLayout::of(toFileName(bin + QLatin1Char('/')));
    EXPECT_FALSE(bare.installed());
    EXPECT_EQ(bare.libraryFolder(), bare.programFolder());
    EXPECT_EQ(fromFileName(bare.programFolder().string()), bin);

    put(root.filePath(QStringLiteral("share/keypad-string-tool/kpdconf.kpx")), "<App/>");
    const kpd::InstallLayout installed = kpd::InstallLayout::of(toFileName(bin));
    EXPECT_TRUE(installed.installed());
    EXPECT_EQ(fromFileName(installed.libraryFolder().string()),
              root.filePath(QStringLiteral("lib/keypad-string-tool")));
    EXPECT_EQ(fromFileName(installed.bundledData().string()),
              root.filePath(QStringLiteral("share/keypad-string-tool")));

    // Data beside the program is a build tree, whatever else the prefix holds.
    put(bin + QStringLiteral("/kpdconf.kpx"), "<App/>");
    const kpd::InstallLayout built = kpd::InstallLayout::of(toFileName(bin));
    EXPECT_FALSE(built.installed());
    EXPECT_EQ(fromFileName(built.bundledData().string()), bin);
}

TEST(UserDriveFolder, SeedingCopiesTheWholeBundleOnceAndThenLeavesTheUsersFilesAlone)
{
    QTemporaryDir bundle, home;
    makeBundle(bundle.path());
    const QString target = home.filePath(QStringLiteral("data/drive"));

    EXPECT_TRUE(UserDriveFolder::seed(bundle.path(), target).isEmpty());
    EXPECT_EQ(contentOf(target + QStringLiteral("/maps/keymap.kpm")), "keys");
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/English.kpl")).permissions() & QFileDevice::WriteOwner);
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/kpdconf.kpx.part")));

    put(target + QStringLiteral("/English.kpl"), "edited");
    QFile::remove(target + QStringLiteral("/maps/keymap.kpm"));
    EXPECT_TRUE(UserDriveFolder::seed(bundle.path(), target).isEmpty());
    EXPECT_EQ(contentOf(target + QStringLiteral("/English.kpl")), "edited");
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/maps/keymap.kpm")));
}

TEST(UserDriveFolder, ASeedCutShortIsCompletedWithoutOverwritingWhatItCopied)
{
    QTemporaryDir bundle, home;
    makeBundle(bundle.path());
    put(home.filePath(QStringLiteral("English.kpl")), "edited");

    EXPECT_TRUE(UserDriveFolder::seed(bundle.path(), home.path()).isEmpty());
    EXPECT_EQ(contentOf(home.filePath(QStringLiteral("English.kpl"))), "edited");
    EXPECT_EQ(contentOf(home.filePath(QStringLiteral("kpdconf.kpx"))), "<App/>");
}

TEST(UserDriveFolder, AFolderThatCannotBeMadeIsReportedAndAnInstalledFirstStartWorksInTheUsersDataFolder)
{
    QTemporaryDir root;
    put(root.filePath(QStringLiteral("share/keypad-string-tool/kpdconf.kpx")), "<App/>");
    QDir().mkpath(root.filePath(QStringLiteral("bin")));
    const kpd::InstallLayout layout = kpd::InstallLayout::of(toFileName(root.filePath(QStringLiteral("bin"))));
    // A plain file where the folder should be.
    put(root.filePath(QStringLiteral("blocked")), "x");
    const QString target = root.filePath(QStringLiteral("blocked/drive"));

    const QString problem = UserDriveFolder::seed(fromFileName(layout.bundledData().string()), target);
    EXPECT_TRUE(problem.startsWith(QStringLiteral("Cannot copy the drive data to ") + target + QStringLiteral(" : ")))
        << problem.toStdString();

    const QString own = UserDriveFolder::location();
    ASSERT_FALSE(UserDriveFolder::holdsDrive(own)) << "the test's data location is not fresh";
    const UserDriveFolder::Start start = UserDriveFolder::choose(layout, QString(), QString());
    EXPECT_EQ(start.folder, own);
    EXPECT_TRUE(start.problem.isEmpty());
    EXPECT_TRUE(UserDriveFolder::holdsDrive(own));
    QDir(own).removeRecursively();
}

TEST(UserDriveFolder, TheFolderOptionWinsThenTheRememberedFolderWhileItStillHoldsADrive)
{
    QTemporaryDir program, chosen, remembered;
    put(program.filePath(QStringLiteral("kpdconf.kpx")), "<App/>");
    const kpd::InstallLayout layout = kpd::InstallLayout::of(toFileName(program.path()));

    EXPECT_EQ(UserDriveFolder::choose(layout, chosen.path(), remembered.path()).folder, chosen.path());
    // A remembered folder without a configuration (moved, emptied) is passed over.
    EXPECT_EQ(UserDriveFolder::choose(layout, QString(), remembered.path()).folder, program.path());
    put(remembered.filePath(QStringLiteral("KPDCONF.KPX")), "<App/>");
    EXPECT_EQ(UserDriveFolder::choose(layout, QString(), remembered.path()).folder, remembered.path());
}

TEST(ControlRegistration, AnEntryNamingALibraryThatHasGoneIsReplaced)
{
    QTemporaryDir scratch;
    const QByteArray previous = qgetenv("KPD_COMRT_REGISTRY");
    qputenv("KPD_COMRT_REGISTRY", scratch.filePath(QStringLiteral("registry.json")).toLocal8Bit());
    const QString gone = scratch.filePath(QStringLiteral("liblcdtextbox.so"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LCDTEXTBOX_FOLDER "/liblcdtextbox.so"), gone));
    ASSERT_TRUE(comrt::succeeded(ControlRegistration::ensure(scratch.path())));
    EXPECT_EQ(comrt::ComRuntime::serverPath(lcdtextbox::ids::controlClass), gone);
    QFile::remove(gone);

    EXPECT_TRUE(comrt::succeeded(ControlRegistration::ensure(QStringLiteral(LCDTEXTBOX_FOLDER))));
    EXPECT_EQ(QFileInfo(comrt::ComRuntime::serverPath(lcdtextbox::ids::controlClass)).canonicalPath(),
              QFileInfo(QStringLiteral(LCDTEXTBOX_FOLDER)).canonicalFilePath());
    qputenv("KPD_COMRT_REGISTRY", previous);
}
