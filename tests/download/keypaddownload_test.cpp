#include "scriptednetwork.h"

#include "download/keypaddownload.h"
#include "recordinguserinterface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>

using kpd::KeypadDownload;
using kpd::MessageAnswer;
using kpd::MessageButtons;
using kpd::MessageIcon;
using kpd::test::RecordingUserInterface;
using Outcome = KeypadDownload::Outcome;

namespace {

const char* const kTargetNotFound = "ERROR: Unable to find the target. Check comms settings and node address.";
const char* const kNotSent = "The connection to the keypad was lost and could not be made again";
const char* const kUndefinedState = "You should download the whole database before trying to use the keypad";

std::vector<std::string> names(int from, int to)
{
    std::vector<std::string> result;
    for (int s = from; s <= to; ++s) result.push_back((s < 10 ? "00" : s < 100 ? "0" : "") + std::to_string(s));
    return result;
}

std::vector<std::string> join(std::vector<std::vector<std::string>> parts)
{
    std::vector<std::string> result;
    for (const auto& part : parts) result.insert(result.end(), part.begin(), part.end());
    return result;
}

class KeypadDownloadTest : public ::testing::Test {
protected:
    Outcome run(std::int16_t lastSegment) { return download.run("7.4", lastSegment); }

    std::chrono::milliseconds gapAfter(const std::string& name) const
    {
        for (std::size_t i = 0; i < network.transfers.size(); ++i) {
            if (network.transfers[i].name != name) continue;
            const std::chrono::milliseconds next =
                i + 1 < network.transfers.size() ? network.transfers[i + 1].at : network.deletedAt;
            return next - network.transfers[i].at;
        }
        ADD_FAILURE() << name << " was never sent";
        return {};
    }

    void expectCleanedUp() const
    {
        ASSERT_EQ(ui.progressWindows.size(), 1u);
        EXPECT_EQ(ui.progressWindows[0].caption, "Downloading to custom area");
        EXPECT_EQ(ui.progressWindows[0].range, 127);
        EXPECT_TRUE(ui.progressWindows[0].closed);
        EXPECT_EQ(ui.busyDepth, 0);
        EXPECT_GE(ui.waitOnCount, 1);
    }

    FakeClock clock;
    ScriptedNetwork network{clock};
    RecordingUserInterface ui;
    KeypadDownload download{network, ui, clock, "/prog/dlSegs/"};
};

TEST(KeypadDownloadOrder, ImageSegmentsThenTheFlashHalfClosersEachOnce)
{
    auto walk = [](std::int16_t last) {
        std::vector<std::string> order;
        for (int s = 0; s != KeypadDownload::kEnd; s = KeypadDownload::nextSegment(s + 1, last))
            order.push_back(KeypadDownload::segmentName(s));
        return order;
    };
    EXPECT_EQ(walk(0), (std::vector<std::string>{"000", "063", "064", "127"}));
    EXPECT_EQ(walk(1), (std::vector<std::string>{"000", "001", "063", "064", "127"}));
    EXPECT_EQ(walk(62), join({names(0, 64), {"127"}}));
    EXPECT_EQ(walk(63), join({names(0, 64), {"127"}}));
    EXPECT_EQ(walk(64), join({names(0, 64), {"127"}}));
    EXPECT_EQ(walk(65), join({names(0, 65), {"127"}}));
    EXPECT_EQ(walk(126), names(0, 127));
    EXPECT_EQ(walk(127), names(0, 127));
}

TEST_F(KeypadDownloadTest, AnImageOf1036BytesSendsFiveSegmentsAndReportsCompletion)
{
    EXPECT_EQ(run(1), Outcome::Complete);
    EXPECT_EQ(network.sentNames(), (std::vector<std::string>{"000", "001", "063", "064", "127"}));
    EXPECT_EQ(network.transfers[2].path, "/prog/dlSegs/063");
    for (const std::string& node : network.nodes) EXPECT_EQ(node, "7.4");
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Download complete"});
    EXPECT_EQ(network.registerArguments, (std::vector<std::int32_t>{1, 0, 0, 0}));
    EXPECT_EQ(network.deletedUsers, std::vector<std::int32_t>{9});
    EXPECT_EQ(download.progress(), 5);
    expectCleanedUp();
}

TEST_F(KeypadDownloadTest, TheKeypadGetsItsLongPauseAfterSegments063And127Only)
{
    run(1);
    EXPECT_GE(gapAfter("063"), KeypadDownload::kLongWait);
    EXPECT_GE(gapAfter("127"), KeypadDownload::kLongWait);
    for (const char* name : {"000", "001", "064"}) {
        EXPECT_GE(gapAfter(name), KeypadDownload::kShortWait) << name;
        EXPECT_LT(gapAfter(name), KeypadDownload::kLongWait) << name;
    }
    // Waiting lets the interface run, so the Stop button works meanwhile.
    EXPECT_GT(ui.eventRuns, 10);
}

TEST_F(KeypadDownloadTest, TheWholeImageGoesOutInOrder)
{
    run(127);
    EXPECT_EQ(network.sentNames(), names(0, 127));
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Download complete"});
}

TEST_F(KeypadDownloadTest, ASegmentRefusedTwiceIsSentAgainAndTheDownloadGoesOn)
{
    network.transferAnswers["001"] = {{16, 0}, {1, 0}};
    EXPECT_EQ(run(1), Outcome::Complete);
    EXPECT_EQ(network.sentNames(), (std::vector<std::string>{"000", "001", "001", "001", "063", "064", "127"}));
    EXPECT_EQ(download.progress(), 5);
}

TEST_F(KeypadDownloadTest, ASegmentFailingThreeTimesEndsTheLoopAndSaysWhatWentWrong)
{
    network.transferAnswers["001"] = {{16, 0}, {16, 0}, {1, 2}};
    EXPECT_EQ(run(1), Outcome::SegmentFailed);
    EXPECT_EQ(network.sentNames(), (std::vector<std::string>{"000", "001", "001", "001"}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, std::string("The download failed at segment 001.\r\n"
                                               "The keypad closed the connection.\r\n"
                                               "Check the keypad's connection, then start the download again.\r\n") +
                                       kUndefinedState);
    expectCleanedUp();
    EXPECT_EQ(ui.progressWindows[0].statuses,
              (std::vector<std::string>{"The keypad refused the segment (segment 001); retry 2 of 3...",
                                        "The keypad refused the segment (segment 001); retry 3 of 3...",
                                        "The keypad closed the connection (segment 001); no attempt left"}));
    EXPECT_EQ(network.deletedUsers, std::vector<std::int32_t>{9});
}

// A silent keypad costs three time-outs and three pauses: the progress window says so
// from the first, before the retry goes out, and drops the line once a retry got through.
TEST_F(KeypadDownloadTest, ARetryIsShownInTheProgressWindowWhileItIsUnderWay)
{
    network.extended[5] = 6000;
    network.transferAnswers["063"] = {{1, 1}};
    std::vector<std::string> shownAtRetry;
    network.onTransfer = [&](const std::string& name) {
        if (name == "063" && !ui.progressWindows[0].statuses.empty())
            shownAtRetry.push_back(ui.progressWindows[0].statuses.back());
    };
    EXPECT_EQ(run(0), Outcome::Complete);
    const std::string retry = "No answer from the keypad within 6 s (segment 063); retry 2 of 3...";
    EXPECT_EQ(shownAtRetry, std::vector<std::string>{retry});
    EXPECT_EQ(ui.progressWindows[0].statuses, (std::vector<std::string>{retry, ""}));
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Download complete"});
}

TEST_F(KeypadDownloadTest, OnlyAMissingSegmentFileIsBlamedOnTheFile)
{
    network.transferNotIssued["000"] = 1;
    EXPECT_EQ(run(0), Outcome::Complete);
    EXPECT_EQ(network.sentNames(), (std::vector<std::string>{"000", "000", "063", "064", "127"}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "ERROR: Unable to issue download request. Does the file specified exist?\r\n"
                                   "The segment file /prog/dlSegs/000 is missing.");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ui.messages[1].text, "Download complete");

    // The file is there: the request failed on the way, and the retry says so.
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "keypaddownload-segments";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "000") << "segment";
    ScriptedNetwork lost(clock);
    lost.transferNotIssued["000"] = 3;
    RecordingUserInterface lostUi;
    KeypadDownload drive(lost, lostUi, clock, (folder / "").string());
    EXPECT_EQ(drive.run("7.4", 0), Outcome::SegmentFailed);
    EXPECT_EQ(lostUi.texts(), std::vector<std::string>{std::string("The download failed at segment 000.\r\n") +
                                                       kNotSent +
                                                       ".\r\nCheck that the keypad node is running and that "
                                                       "Connect | Setup comms names its port.\r\n" +
                                                       kUndefinedState});
    ASSERT_FALSE(lostUi.progressWindows[0].statuses.empty());
    EXPECT_EQ(lostUi.progressWindows[0].statuses[0], kNotSent + std::string(" (segment 000); retry 2 of 3..."));
}

TEST_F(KeypadDownloadTest, StopAnsweredYesEndsAfterTheSegmentInHand)
{
    network.onTransfer = [this](const std::string& name) {
        if (name == "001") download.stopProcess();
    };
    ui.answers = {MessageAnswer::Yes};
    EXPECT_EQ(run(5), Outcome::Stopped);
    EXPECT_EQ(network.sentNames(), (std::vector<std::string>{"000", "001"}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want to stop the download?");
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui.messages[1].text, "The download has been stopped the keypad is now in an undefined state\r\n"
                                   "You should download the whole database before trying to use the keypad");
    expectCleanedUp();
    EXPECT_EQ(network.deletedUsers, std::vector<std::int32_t>{9});
}

TEST_F(KeypadDownloadTest, StopAnsweredNoGoesOnWithTheNextSegment)
{
    network.onTransfer = [this](const std::string& name) {
        if (name == "000") download.stopProcess();
    };
    ui.answers = {MessageAnswer::No};
    EXPECT_EQ(run(1), Outcome::Complete);
    EXPECT_EQ(network.sentNames(), (std::vector<std::string>{"000", "001", "063", "064", "127"}));
    EXPECT_EQ(ui.texts(),
              (std::vector<std::string>{"Are you sure you want to stop the download?", "Download complete"}));
}

TEST_F(KeypadDownloadTest, ARefusedRegistrationShowsItsCodeAndReleasesNothing)
{
    network.handle = -103;
    EXPECT_EQ(run(1), Outcome::NotConnected);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Sorry, could not connect to ZVNetAPI. The error code is: -103\r\n"
                                                   "Nothing answers at the gateway port on this computer: check "
                                                   "that the keypad node is running and that Connect | Setup comms "
                                                   "names its port."});
    EXPECT_EQ(network.calls, std::vector<std::string>{"RegisterUser"});
    expectCleanedUp();
}

TEST_F(KeypadDownloadTest, TheNodeCheckWaitsForItsAnswer)
{
    network.pollsBeforeAnswer = 50;
    run(0);
    EXPECT_GE(network.polls, 50);
    EXPECT_EQ(network.sentNames().size(), 4u);
}

struct NodeCheckCase {
    const char* name;
    std::int32_t issued;
    ScriptedNetwork::Answer answer;
    std::vector<std::string> messages;
};

class KeypadNodeCheck : public KeypadDownloadTest, public ::testing::WithParamInterface<NodeCheckCase> {};

TEST_P(KeypadNodeCheck, AFailedCheckSaysWhyAndSendsNothing)
{
    network.checkIssued = GetParam().issued;
    network.checkAnswer = GetParam().answer;
    EXPECT_EQ(run(1), Outcome::KeypadNotFound);
    EXPECT_EQ(ui.texts(), GetParam().messages);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(network.transfers.empty());
    expectCleanedUp();
    EXPECT_EQ(network.deletedUsers, std::vector<std::int32_t>{9});
}

INSTANTIATE_TEST_SUITE_P(
    Answers, KeypadNodeCheck,
    ::testing::Values(
        NodeCheckCase{"NotIssued",
                      -4,
                      {21, 5},
                      {std::string(kTargetNotFound) + "\r\n" + kNotSent +
                           ".\r\nCheck that the keypad node is running and that Connect | Setup comms names its "
                           "port.",
                       "Could not find the keypad"}},
        NodeCheckCase{"NoResponse",
                      0,
                      {1, 0},
                      {"Did not receive a response from the keypad.\r\nIs the node address correct?\r\n"
                       "Is parameter 40.08 enabled?",
                       "Could not find the keypad"}},
        NodeCheckCase{"ConnectionClosed",
                      0,
                      {1, 2},
                      {"Did not receive a response from the keypad.\r\nIs the node address correct?\r\n"
                       "Is parameter 40.08 enabled?\r\nThe keypad closed the connection.",
                       "Could not find the keypad"}},
        NodeCheckCase{"Unexpected", 0, {17, 5}, {"Unexpected response: 17", "Could not find the keypad"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(KeypadDownloadTest, TheNodeTypeIsReadUnderItsStatusBits)
{
    network.checkAnswer = {21, 0x7805};
    EXPECT_EQ(run(0), Outcome::Complete);

    ScriptedNetwork other(clock);
    other.checkAnswer = {21, 0x0803};
    RecordingUserInterface otherUi;
    KeypadDownload drive(other, otherUi, clock, "/prog/dlSegs/");
    EXPECT_EQ(drive.run("7.4", 0), Outcome::NotAKeypad);
    EXPECT_EQ(otherUi.texts(), std::vector<std::string>{"The node at this address is not a keypad (node type 3)."});
    EXPECT_TRUE(other.transfers.empty());
    EXPECT_EQ(other.deletedUsers, std::vector<std::int32_t>{9});
}

TEST_F(KeypadDownloadTest, TheKeypadStateIsReadFromParameter4052)
{
    run(0);
    ASSERT_EQ(network.readRecords.size(), 1u);
    const kpd::DriveNetwork::ReadRecord& record = network.readRecords[0];
    EXPECT_EQ(record[0], 1);
    EXPECT_EQ(record[1], 40);
    EXPECT_EQ(record[2], 52);
    EXPECT_EQ(record[3], 0);
    EXPECT_EQ(record[5] + record[6] + record[7], 0);
}

TEST_F(KeypadDownloadTest, AKeypadReading1In4052IsRefusedInsteadOfLoopingForever)
{
    network.readValue = 1;
    EXPECT_EQ(run(1), Outcome::NotReady);
    EXPECT_TRUE(network.transfers.empty());
    EXPECT_EQ(ui.texts(),
              std::vector<std::string>{"The keypad is not ready to take a download (parameter 40.52 is 1)."});
    expectCleanedUp();
}

TEST_F(KeypadDownloadTest, AnUnreadable4052SendsNothingAndSaysSo)
{
    network.readAnswer = {1, 1};
    network.extended[2] = 2500;
    EXPECT_EQ(run(1), Outcome::NotReadable);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Could not read parameter 40.52 from the keypad.\r\n"
                                                   "No answer from the keypad within 2.5 s.\r\n"
                                                   "Check that the keypad is connected and switched on; a slow "
                                                   "keypad can be given more time in Connect | Setup comms."});

    ScriptedNetwork notIssued(clock);
    notIssued.readIssued = -4;
    RecordingUserInterface otherUi;
    KeypadDownload drive(notIssued, otherUi, clock, "/prog/dlSegs/");
    EXPECT_EQ(drive.run("7.4", 0), Outcome::NotReadable);
    ASSERT_EQ(otherUi.texts().size(), 2u);
    EXPECT_EQ(otherUi.texts()[0].rfind(std::string(kTargetNotFound) + "\r\n" + kNotSent, 0), 0u);
    EXPECT_EQ(otherUi.texts()[1].rfind("Could not read parameter 40.52 from the keypad.\r\n", 0), 0u);
    EXPECT_TRUE(notIssued.transfers.empty());
}

} // namespace
