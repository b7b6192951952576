#include "nodesimulator.h"
#include "zvnapi.h"
#include "zvnsetupdialog.h"

#include <QApplication>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <fstream>

namespace {

using Settings = std::array<std::int32_t, 5>;
using Extended = std::array<std::int32_t, 7>;

// Every test starts from the library's defaults, pointed at its own node.
class ZvnApi : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(node_.start(), 0);
        Settings settings{zvn::kTransportTcp, node_.port(), 0, 0, 0};
        ASSERT_EQ(KNR_SetParameters(settings.data()), zvn::kOk);
        Extended extended{4, 3000, 3000, 0, 0, 3000, 0};
        ASSERT_EQ(KNR_SetParametersEx(extended.data()), zvn::kOk);
    }

    void TearDown() override
    {
        for (std::int32_t user : users_) KNR_DeleteUser(user);
    }

    std::int32_t registerUser()
    {
        const std::int32_t user = KNR_RegisterUser(1, 0, 0, 0);
        if (user > 0) users_.push_back(user);
        return user;
    }

    // Polls as the editor does, but gives up after a bounded number of rounds.
    static bool answer(std::int32_t user, std::int32_t& code, std::int32_t& data)
    {
        for (int round = 0; round < 20000; ++round) {
            if (KNR_Poll32ForResponse(user, &code, &data) != 0) return true;
            QThread::usleep(500);
        }
        return false;
    }

    std::string writeFile(const std::string& name, std::size_t size)
    {
        const std::string path = folder_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << std::string(size, '\x5A');
        return path;
    }

    NodeSimulator::Config config() { return {}; }

    NodeSimulator node_{config()};
    QTemporaryDir folder_;
    std::vector<std::int32_t> users_;
};

TEST_F(ZvnApi, CheckNodeFindsTheKeypadAndItsTypeUnderTheStatusBits)
{
    const std::int32_t user = registerUser();
    ASSERT_GT(user, 0);
    ASSERT_EQ(KNR_CheckNode(user, "1.4"), zvn::kOk);
    std::int32_t code = 0, data = 0;
    ASSERT_TRUE(answer(user, code, data));
    EXPECT_EQ(code, zvn::kNodeFound);
    EXPECT_EQ(data & 0x7FF, 5);
    EXPECT_NE(data, 5);
}

TEST_F(ZvnApi, OtherAddressesGetNoResponse)
{
    const std::int32_t user = registerUser();
    for (const char* node : {"2.4", "1.3", "1", "x.4"}) {
        ASSERT_EQ(KNR_CheckNode(user, node), zvn::kOk) << node;
        std::int32_t code = 0, data = 0;
        ASSERT_TRUE(answer(user, code, data));
        EXPECT_EQ(code, zvn::kNoResponse) << node;
    }
}

TEST_F(ZvnApi, ReadObjectFillsTheValueFieldOfTheCallersRecord)
{
    const std::int32_t user = registerUser();
    std::array<std::int32_t, 8> record{1, 40, 8, 0, -1, 0, 0, 0};
    ASSERT_EQ(KNR_ReadObject(user, "1.4", record.data()), zvn::kOk);
    std::int32_t code = 0, data = 0;
    ASSERT_TRUE(answer(user, code, data));
    EXPECT_EQ(code, zvn::kParameterRead);
    EXPECT_EQ(record, (std::array<std::int32_t, 8>{1, 40, 8, 0, 1, 0, 0, 0}));

    record = {1, 12, 34, 0, -1, 0, 0, 0};
    ASSERT_EQ(KNR_ReadObject(user, "1.4", record.data()), zvn::kOk);
    ASSERT_TRUE(answer(user, code, data));
    EXPECT_NE(code, zvn::kParameterRead);
    EXPECT_EQ(record[4], -1);
}

TEST_F(ZvnApi, DownloadDeliversTheFileBytesUnderItsName)
{
    const std::int32_t user = registerUser();
    const std::string path = writeFile("segment", 2035);
    ASSERT_EQ(KNR_DownLoad(user, "1.4", path.c_str(), "001"), zvn::kOk);
    std::int32_t code = 0, data = 0;
    ASSERT_TRUE(answer(user, code, data));
    EXPECT_EQ(code, zvn::kTransferDone);
    EXPECT_EQ(data, 1);
    EXPECT_EQ(node_.accepted(), std::vector<std::string>{"001"});
    EXPECT_EQ(node_.segment("001"), std::string(2035, '\x5A'));
}

TEST_F(ZvnApi, DownloadOfAMissingOrOversizedFileIsNeverIssued)
{
    const std::int32_t user = registerUser();
    const std::string missing = folder_.filePath(QStringLiteral("absent")).toStdString();
    EXPECT_EQ(KNR_DownLoad(user, "1.4", missing.c_str(), "000"), zvn::kNoFile);
    const std::string huge = writeFile("huge", NodeWire::kMaxBody + 1);
    EXPECT_EQ(KNR_DownLoad(user, "1.4", huge.c_str(), "000"), zvn::kNoFile);
    EXPECT_TRUE(node_.requests().empty());
}

TEST_F(ZvnApi, TheKeypadRefusesWhatIsNotASegment)
{
    const std::int32_t user = registerUser();
    const std::string shortFile = writeFile("short", 1023);
    const std::string good = writeFile("good", 1024);
    for (const auto& [path, name] : {std::pair{shortFile, "000"}, std::pair{good, "128"}, std::pair{good, "12"}}) {
        ASSERT_EQ(KNR_DownLoad(user, "1.4", path.c_str(), name), zvn::kOk);
        std::int32_t code = 0, data = 0;
        ASSERT_TRUE(answer(user, code, data));
        EXPECT_EQ(code, zvn::kTransferDone);
        EXPECT_EQ(data, 0) << name;
    }
    EXPECT_TRUE(node_.accepted().empty());
}

TEST_F(ZvnApi, OneRequestAtATimePerUser)
{
    const std::int32_t user = registerUser();
    ASSERT_EQ(KNR_CheckNode(user, "1.4"), zvn::kOk);
    EXPECT_EQ(KNR_CheckNode(user, "1.4"), zvn::kBusy);
    std::int32_t code = 0, data = 0;
    ASSERT_TRUE(answer(user, code, data));
    EXPECT_EQ(KNR_CheckNode(user, "1.4"), zvn::kOk);
}

TEST_F(ZvnApi, PollingWithNothingOutstandingOrAnUnknownUserNeverKeepsTheCallerWaiting)
{
    const std::int32_t user = registerUser();
    std::int32_t code = 0, data = 7;
    EXPECT_EQ(KNR_Poll32ForResponse(user, &code, &data), 1);
    EXPECT_EQ(code, zvn::kNoResponse);
    EXPECT_EQ(KNR_Poll32ForResponse(user + 100, &code, &data), 1);
    EXPECT_EQ(code, zvn::kNoResponse);
    EXPECT_EQ(KNR_CheckNode(user + 100, "1.4"), zvn::kUnknownUser);
}

TEST_F(ZvnApi, RegistrationNeedsTheTcpTransportAGatewayAndAFreeSlot)
{
    Settings settings{};
    ASSERT_EQ(KNR_GetParameters(settings.data()), zvn::kOk);
    settings[0] = 1;
    KNR_SetParameters(settings.data());
    EXPECT_EQ(KNR_RegisterUser(1, 0, 0, 0), zvn::kNoTransport);

    settings[0] = zvn::kTransportTcp;
    settings[1] = 0;
    KNR_SetParameters(settings.data());
    unsetenv("ZVNAPI_PORT");
    EXPECT_EQ(KNR_RegisterUser(1, 0, 0, 0), zvn::kNoGatewayPort);
    const std::string port = std::to_string(node_.port());
    setenv("ZVNAPI_PORT", port.c_str(), 1);
    const std::int32_t fromEnvironment = registerUser();
    unsetenv("ZVNAPI_PORT");
    EXPECT_GT(fromEnvironment, 0);

    settings[1] = node_.port();
    KNR_SetParameters(settings.data());
    Extended extended{};
    KNR_GetParametersEx(extended.data());
    extended[0] = 2;
    KNR_SetParametersEx(extended.data());
    EXPECT_GT(registerUser(), 0);
    EXPECT_EQ(KNR_RegisterUser(1, 0, 0, 0), zvn::kTooManyUsers);
    ASSERT_EQ(KNR_DeleteUser(users_.back()), zvn::kOk);
    users_.pop_back();
    EXPECT_GT(registerUser(), 0);
}

TEST_F(ZvnApi, AGatewayThatIsNotThereIsAConnectionError)
{
    LoopbackSocket closed = LoopbackSocket::listenAny(1);
    const std::uint16_t unused = closed.localPort();
    closed.close();
    Settings settings{zvn::kTransportTcp, unused, 0, 0, 0};
    KNR_SetParameters(settings.data());
    EXPECT_EQ(KNR_RegisterUser(1, 0, 0, 0), zvn::kNoConnection);
}

TEST_F(ZvnApi, ANodeThatNeverAnswersEndsInNoResponseAfterTheTimeOut)
{
    NodeSimulator::Config silent;
    silent.silentFrom = 1;
    NodeSimulator mute(silent);
    ASSERT_NE(mute.start(), 0);
    Settings settings{zvn::kTransportTcp, mute.port(), 0, 0, 0};
    KNR_SetParameters(settings.data());
    Extended extended{4, 3000, 1, 0, 0, 3000, 0};
    KNR_SetParametersEx(extended.data());
    const std::int32_t user = registerUser();
    ASSERT_EQ(KNR_CheckNode(user, "1.4"), zvn::kOk);
    std::int32_t code = 0, data = 0;
    ASSERT_TRUE(answer(user, code, data));
    EXPECT_EQ(code, zvn::kNoResponse);
    EXPECT_EQ(data, zvn::kAnswerTimedOut);
}

// The node closes the connection on the second request, or answers it with a line that
// cannot be read: that request fails for what it is, and the third goes out on a new
// connection.
TEST_F(ZvnApi, AConnectionClosedOrOutOfStepIsMadeAgainForTheNextRequest)
{
    for (const bool drop : {true, false}) {
        NodeSimulator::Config faulty;
        (drop ? faulty.dropAt : faulty.garbleAt) = 2;
        NodeSimulator node(faulty);
        ASSERT_NE(node.start(), 0);
        Settings settings{zvn::kTransportTcp, node.port(), 0, 0, 0};
        KNR_SetParameters(settings.data());
        const std::int32_t user = registerUser();
        std::int32_t code = 0, data = 0;
        for (const std::int32_t reason : {0, drop ? zvn::kConnectionClosed : zvn::kAnswerMalformed, 0}) {
            ASSERT_EQ(KNR_CheckNode(user, "1.4"), zvn::kOk) << drop;
            ASSERT_TRUE(answer(user, code, data));
            EXPECT_EQ(code, reason ? zvn::kNoResponse : zvn::kNodeFound) << drop;
            if (reason) EXPECT_EQ(data, reason) << drop;
        }
        EXPECT_EQ(node.requests().size(), 3u);
    }
}

// The closed connection is seen before the request goes out, and no new one can be made.
TEST_F(ZvnApi, RequestsToAGatewayThatWentAwayAreNotIssued)
{
    const std::int32_t user = registerUser();
    ASSERT_EQ(KNR_CheckNode(user, "1.4"), zvn::kOk);
    std::int32_t code = 0, data = 0;
    ASSERT_TRUE(answer(user, code, data));
    node_.stop();
    EXPECT_EQ(KNR_CheckNode(user, "1.4"), zvn::kNotSent);
}

TEST_F(ZvnApi, ExtendedSettingsAreHeldWithinTheirLimits)
{
    Extended extended{0, 6000, 6000, 11, 12, 99999999, 13};
    ASSERT_EQ(KNR_SetParametersEx(extended.data()), zvn::kOk);
    Extended back{};
    KNR_GetParametersEx(back.data());
    EXPECT_EQ(back, (Extended{1, 6000, 6000, 11, 12, 60000, 13}));
    EXPECT_EQ(KNR_SetParameters(nullptr), zvn::kBadArgument);
    Settings badPort{zvn::kTransportTcp, 70000, 0, 0, 0};
    EXPECT_EQ(KNR_SetParameters(badPort.data()), zvn::kBadArgument);
}

TEST_F(ZvnApi, SetupDialogAppliesWhatTheUserAccepted)
{
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<ZvnSetupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->portBox()->setValue(4321);
        dialog->answerTimeoutBox()->setValue(2500);
        dialog->accept();
    });
    EXPECT_EQ(KNR_OpenSetupDialogEx(nullptr, 0x1007, 0), zvn::kOk);
    Settings settings{};
    Extended extended{};
    KNR_GetParameters(settings.data());
    KNR_GetParametersEx(extended.data());
    EXPECT_EQ(settings[1], 4321);
    EXPECT_EQ(extended[2], 2500);

    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<ZvnSetupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->portBox()->setValue(1);
        dialog->reject();
    });
    EXPECT_EQ(KNR_OpenSetupDialogEx(nullptr, 0x1007, 0), zvn::kOk);
    KNR_GetParameters(settings.data());
    EXPECT_EQ(settings[1], 4321);
}

} // namespace
