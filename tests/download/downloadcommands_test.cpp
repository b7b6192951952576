#include "scriptednetwork.h"

#include "build/buildmessages.h"
#include "build/compress.h"
#include "download/downloadcommands.h"
#include "model/theapp.h"
#include "librarytosimulator.h"
#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using kpd::MessageAnswer;
using kpd::MessageButtons;
using kpd::test::RecordingUserInterface;
using Result = DownloadCommands::Result;

namespace {

const char* const kEnableQuestion =
    "If you have not already done so, please set parameter 40.08 to enabled, then press OK";

class DownloadCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("dlSegs")));
        kpd::test::buildSmallDrive(app);
        const std::vector<std::string>& modes = kpd::test::smallDriveModes();
        for (std::size_t m = 0; m < modes.size(); ++m) app.modeDefMap().Add("mode" + std::to_string(m + 2), modes[m]);
        // The build has four mode slots; the small drive fills three.
        app.modeDefMap().Add("mode5", "Regen");
        mode("m1", "p1", "Open loop").setDesc("Speed reference");
    }

    kpd::ModeData& mode(const char* menu, const char* para, const char* name)
    {
        return app.getCustMenus().Item(menu).Parameters().Item(para).modes().Item(name);
    }

    DownloadCommands commands(kpd::DriveNetwork& over)
    {
        return DownloadCommands(app, ui, 0, folder.path().toStdString(), over, clock);
    }

    static DownloadCommands::NodeAddressPrompt address(std::optional<std::string> typed)
    {
        return [typed] { return typed; };
    }

    // The segments of an image whose end lies in segment 0 or 1, then 063, 064 and 127.
    std::vector<std::string> expectedOrder()
    {
        kpd::Compress compress;
        compress.setData(app, 0);
        EXPECT_EQ(compress.compress(), kpd::CompressResult::Fits);
        const std::int32_t size = compress.getTotalBytes();
        EXPECT_LT(size, 2048);
        if (size < 1024) return {"000", "063", "064", "127"};
        return {"000", "001", "063", "064", "127"};
    }

    QStringList segmentFiles() const { return QDir(folder.filePath(QStringLiteral("dlSegs"))).entryList(QDir::Files); }

    // Help texts of long random words, enough to pass the keypad's 131,072 bytes.
    void fillBeyondTheKeypad()
    {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> letter('a', 'z');
        for (const char* para : {"p1", "p2", "p3"}) {
            for (const char* name : {"Open loop", "Closed loop"}) {
                std::string text;
                while (text.size() < 24000) {
                    for (int i = 0; i < 120; ++i) text += static_cast<char>(letter(random));
                    text += ' ';
                }
                mode("m1", para, name).setHelp(text);
            }
        }
    }

    QTemporaryDir folder;
    RecordingUserInterface ui;
    kpd::TheApp app{ui, folder.path().toStdString()};
    FakeClock clock;
    ScriptedNetwork network{clock};
};

TEST_F(DownloadCommandsTest, NoAddressMeansNothingHappens)
{
    EXPECT_EQ(commands(network).download(address(std::nullopt)), Result::Declined);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(network.calls.empty());
    EXPECT_TRUE(segmentFiles().isEmpty());
}

TEST_F(DownloadCommandsTest, CancellingTheEnableReminderBuildsAndSendsNothing)
{
    ui.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(commands(network).download(address("12")), Result::Declined);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kEnableQuestion);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(network.calls.empty());
    EXPECT_TRUE(segmentFiles().isEmpty());
}

TEST_F(DownloadCommandsTest, WritesEverySegmentThenSendsTheKeypadsShareToTheAddressGiven)
{
    EXPECT_EQ(commands(network).download(address("12")), Result::Downloaded);
    EXPECT_EQ(segmentFiles().size(), 128);
    EXPECT_EQ(network.sentNames(), expectedOrder());
    EXPECT_EQ(network.transfers[0].node, "12.4");
    EXPECT_EQ(network.transfers[0].path, QDir(folder.path()).filePath(QStringLiteral("dlSegs/000")).toStdString());
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{kEnableQuestion, "Download complete"}));
}

TEST_F(DownloadCommandsTest, ADatabaseTooLargeForTheKeypadNeverReachesTheNetwork)
{
    fillBeyondTheKeypad();
    EXPECT_EQ(commands(network).download(address("1")), Result::TooLarge);
    EXPECT_EQ(ui.texts().back(), kpd::kTooLargeMessage);
    EXPECT_TRUE(network.calls.empty());
    EXPECT_TRUE(segmentFiles().isEmpty());
}

TEST_F(DownloadCommandsTest, SegmentFilesThatCannotBeWrittenAreReportedAndNothingIsSent)
{
    ASSERT_TRUE(QDir(folder.path()).rmdir(QStringLiteral("dlSegs")));
    EXPECT_EQ(commands(network).download(address("1")), Result::WriteFailed);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "ERROR");
    EXPECT_TRUE(network.calls.empty());
}

TEST_F(DownloadCommandsTest, ASegmentFolderLinkedOutOfTheDriveFolderIsRefused)
{
    QTemporaryDir outside;
    ASSERT_TRUE(QDir(folder.path()).rmdir(QStringLiteral("dlSegs")));
    ASSERT_TRUE(QFile::link(outside.path(), folder.filePath(QStringLiteral("dlSegs"))));
    EXPECT_EQ(commands(network).download(address("1")), Result::WriteFailed);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[1].text.find("a symbolic link leads it out of the folder"), std::string::npos)
        << ui.messages[1].text;
    EXPECT_TRUE(QDir(outside.path()).isEmpty());
    EXPECT_TRUE(network.calls.empty());
}

TEST_F(DownloadCommandsTest, SetupCommsKeepsTheLibrarysOtherSettings)
{
    int owner = 0;
    commands(network).setupComms(&owner);
    EXPECT_EQ(network.settings, (kpd::DriveNetwork::Settings{3, 2, 3, 4, 5}));
    EXPECT_EQ(network.extended, (kpd::DriveNetwork::ExtendedSettings{1, 6000, 6000, 4, 5, 6000, 7}));
    EXPECT_EQ(network.calls, (std::vector<std::string>{"GetParameters", "SetParameters", "GetParametersEx",
                                                       "SetParametersEx", "OpenSetupDialogEx"}));
    EXPECT_EQ(network.dialogOwner, &owner);
    EXPECT_EQ(network.dialogFlags, 0x1007);
    EXPECT_EQ(network.dialogReserved, 0);
}

TEST_F(DownloadCommandsTest, AMissingLibraryIsAnErrorMessageNotACrash)
{
    QTemporaryDir empty;
    // A name no folder and no system path holds, so the real library cannot stand in.
    kpd::ZvnApiLibrary absent({empty.path().toStdString()}, "libzvnapi32-absent.so");
    commands(absent).setupComms(nullptr);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
    EXPECT_NE(ui.messages[0].text.find("Unable to load libzvnapi32-absent.so"), std::string::npos);
    EXPECT_FALSE(absent.loaded());

    ui.messages.clear();
    EXPECT_EQ(commands(absent).download(address("1")), Result::NotDownloaded);
    EXPECT_EQ(ui.messages.back().title, "ERROR");
    EXPECT_EQ(ui.busyDepth, 0);
    ASSERT_FALSE(ui.progressWindows.empty());
    EXPECT_EQ(ui.progressWindows.back().caption, "Downloading to custom area");
    EXPECT_TRUE(ui.progressWindows.back().closed);
}

// The editor's own library, loaded by name from the build, sends the database to the
// simulated keypad, which puts the image back together.
TEST_F(DownloadCommandsTest, TheKeypadReceivesTheImageThroughTheNetworkLibrary)
{
    NodeSimulator::Config config;
    config.nodeAddress = 12;
    NodeSimulator keypad(config);
    ASSERT_NE(keypad.start(), 0);
    const auto owned = libraryTalkingTo(keypad, KPD_LIBRARY_DIR);
    kpd::ZvnApiLibrary& library = *owned;
    EXPECT_TRUE(library.loaded());

    EXPECT_EQ(commands(library).download(address("12")), Result::Downloaded);
    EXPECT_EQ(keypad.accepted(), expectedOrder());
    EXPECT_EQ(ui.texts().back(), "Download complete");

    kpd::Compress compress;
    compress.setData(app, 0);
    ASSERT_EQ(compress.compress(), kpd::CompressResult::Fits);
    const std::vector<std::uint8_t>& bytes = compress.image().bytes();
    // The segment that ends the image also carries the zero just past it.
    EXPECT_EQ(keypad.image(), std::string(bytes.begin(), bytes.end()) + '\0');
    EXPECT_EQ(keypad.segment("063"), std::string(2048, '\0'));
}

// A keypad that answers the first transfer of 000 after the library gave up waiting, then
// refuses 063 every time: the late answer must not be taken for a later request's, which
// would shift every answer by one and pass the refused segment as sent.
TEST_F(DownloadCommandsTest, ALateAnswerAndARefusedSegmentEndInTheFailureMessage)
{
    NodeSimulator::Config config;
    config.nodeAddress = 12;
    config.answerMs = 100;
    config.lateAnswers["000"] = 1;
    config.lateMs = 1200;
    config.refusals["063"] = 3;
    NodeSimulator keypad(config);
    ASSERT_NE(keypad.start(), 0);
    const auto owned = libraryTalkingTo(keypad, KPD_LIBRARY_DIR);
    kpd::ZvnApiLibrary& library = *owned;
    kpd::DriveNetwork::ExtendedSettings extended{};
    library.KNR_GetParametersEx(extended);
    // Long enough for every answer but the late one.
    extended[5] = 1000;
    library.KNR_SetParametersEx(extended);

    EXPECT_EQ(commands(library).download(address("12")), Result::NotDownloaded);
    EXPECT_EQ(ui.texts().back(), "The download failed at segment 063.\r\n"
                                 "The keypad refused the segment.\r\nStart the download again.\r\n"
                                 "You should download the whole database before trying to use the keypad");
    const std::vector<std::string> accepted = keypad.accepted();
    EXPECT_EQ(std::count(accepted.begin(), accepted.end(), "063"), 0);
}

// The node counts check, read and segment 000 as its requests 1 to 3.
TEST_F(DownloadCommandsTest, AConnectionDroppedOrAnAnswerGarbledIsMadeGoodByTheRetry)
{
    for (const bool drop : {true, false}) {
        NodeSimulator::Config config;
        config.nodeAddress = 12;
        (drop ? config.dropAt : config.garbleAt) = 3;
        NodeSimulator keypad(config);
        ASSERT_NE(keypad.start(), 0);
        const auto library = libraryTalkingTo(keypad, KPD_LIBRARY_DIR);
        ui.messages.clear();
        EXPECT_EQ(commands(*library).download(address("12")), Result::Downloaded) << drop;
        const std::string what = drop ? "The keypad closed the connection" : "The keypad's answer could not be read";
        EXPECT_EQ(ui.progressWindows.back().statuses,
                  (std::vector<std::string>{what + " (segment 000); retry 2 of 3...", ""}));
        EXPECT_EQ(ui.texts(), (std::vector<std::string>{kEnableQuestion, "Download complete"}));
        EXPECT_EQ(keypad.accepted(), expectedOrder());
    }
}

TEST_F(DownloadCommandsTest, AKeypadFallingSilentIsShownAtEachRetryAndNamedInTheEnd)
{
    NodeSimulator::Config config;
    config.nodeAddress = 12;
    config.silentFrom = 4;
    NodeSimulator keypad(config);
    ASSERT_NE(keypad.start(), 0);
    const auto library = libraryTalkingTo(keypad, KPD_LIBRARY_DIR);
    kpd::DriveNetwork::ExtendedSettings extended{};
    library->KNR_GetParametersEx(extended);
    extended[5] = 100;
    library->KNR_SetParametersEx(extended);

    EXPECT_EQ(commands(*library).download(address("12")), Result::NotDownloaded);
    const std::vector<std::string> statuses = ui.progressWindows.back().statuses;
    const std::string second = expectedOrder()[1];
    const std::string what = "No answer from the keypad within 0.1 s";
    EXPECT_EQ(statuses,
              (std::vector<std::string>{what + " (segment " + second + "); retry 2 of 3...",
                                        what + " (segment " + second + "); retry 3 of 3...",
                                        what + " (segment " + second + "); no attempt left"}));
    EXPECT_EQ(ui.texts().back().rfind("The download failed at segment " + second + ".\r\n" + what + ".\r\n", 0), 0u);
}

} // namespace
