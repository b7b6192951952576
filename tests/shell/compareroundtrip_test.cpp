#include "recordinguserinterface.h"

#include "shell/backgroundanalysis.h"
#include "shell/commands/comparecommands.h"
#include "shell/commands/setfilecommands.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainwindow.h"
#include "shell/panels/comparewindow.h"
#include "views/parameditsession.h"

#include "compare/comparedfile.h"
#include "compare/setcomparison.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Found = std::tuple<std::string, std::string, std::string, kpd::Field>;

std::vector<Found> keysOf(const std::vector<kpd::Difference>& differences)
{
    std::vector<Found> keys;
    for (const kpd::Difference& d : differences) keys.emplace_back(d.menuKey(), d.paraKey(), d.modeKey(), d.field);
    return keys;
}

// The sample drive's custom set, three texts in three menus changed through the parameter
// editor's own session and saved: comparing with the original file finds those three and
// nothing else, both in the editor's window and between the two files.
TEST(CompareRoundTrip, EditedAndSavedSampleSetDiffersFromTheOriginalInExactlyTheEditedTexts)
{
    QTemporaryDir registry;
    const QByteArray previousRegistry = qgetenv("KPD_COMRT_REGISTRY");
    qputenv("KPD_COMRT_REGISTRY", registry.filePath(QStringLiteral("registry.json")).toLocal8Bit());
    QSettings(QStringLiteral("VXKey pad tool"), QStringLiteral("VXKey pad tool")).clear();
    QTemporaryDir drive;
    const QDir data(QStringLiteral(KPD_SOURCE_DIR "/data"));
    for (const QString& name : data.entryList(QDir::Files)) QFile::copy(data.filePath(name), drive.filePath(name));
    const QString original = drive.filePath(QStringLiteral("original.kpd"));
    ASSERT_TRUE(QFile::copy(data.filePath(QStringLiteral("Custom.kpl")), original));

    kpd::test::RecordingUserInterface ui;
    {
        MainWindow window(ui, drive.path());
        ASSERT_TRUE(window.load());
        ASSERT_TRUE(window.setFileCommands().openFile(original));
        const std::vector<std::tuple<std::string, std::string, ParamEditSession::Box, std::string>> edits{
            {"m0", "p3", ParamEditSession::Box::CustDesc, "Accel~Mchanged"},
            {"m1", "p2", ParamEditSession::Box::CustHelp, "New help text"},
            {"m4", "p1", ParamEditSession::Box::CustDesc, "Torque~Medited"}};
        for (const auto& [menu, para, box, text] : edits) {
            ParamEditSession session;
            session.setMyData(*window.document().app(), menu, para);
            session.loadModeData();
            session.markChanged(box);
            session.readBack(box, text);
            ASSERT_TRUE(session.commit());
        }
        const QString edited = drive.filePath(QStringLiteral("edited.kpd"));
        ASSERT_TRUE(window.setFileCommands().saveAsFile(edited, SetFileCommands::KeypadFile));

        const std::vector<Found> expected{{"m0", "p3", "Open loop", kpd::Field::Description},
                                          {"m1", "p2", "Open loop", kpd::Field::Help},
                                          {"m4", "p1", "Open loop", kpd::Field::Description}};
        CompareWindow* compare = CompareCommands(window.document(), &window).openComparison(original);
        ASSERT_NE(compare, nullptr);
        ASSERT_TRUE(compare->analysis().waitUntilIdle(20000));
        EXPECT_EQ(keysOf(compare->differences()), expected);

        kpd::LoadResult result;
        const auto ours = kpd::ComparedFile::load(ui, toFileName(drive.path()), toFileName(edited), result);
        const auto theirs = kpd::ComparedFile::load(ui, toFileName(drive.path()), toFileName(original), result);
        EXPECT_EQ(keysOf(kpd::SetComparison::compare(ours->snapshot(), theirs->snapshot())), expected);
        EXPECT_TRUE(ui.texts().empty());
    }
    qputenv("KPD_COMRT_REGISTRY", previousRegistry);
}

} // namespace
