#include "support/drivebuilder.h"

#include "build/compress.h"
#include "build/stringencoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kpd {
namespace {

using test::DriveBuilder;

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Stops the build at the n-th checkpoint, the way the progress window's Stop button would.
class StoppingUserInterface : public test::RecordingUserInterface {
public:
    explicit StoppingUserInterface(int stopAt) : stopAt_(stopAt) {}
    std::unique_ptr<ProgressWindow> openProgress(ProgressOwner& owner, std::int32_t range,
                                                 const std::string& caption) override
    {
        owner_ = &owner;
        return RecordingUserInterface::openProgress(owner, range, caption);
    }
    void processEvents() override
    {
        RecordingUserInterface::processEvents();
        if (eventRuns == stopAt_) owner_->stopProcess();
    }

private:
    int stopAt_;
    ProgressOwner* owner_ = nullptr;
};

void fillSmallDrive(TheApp& app)
{
    DrvMenus& menus = app.stringDatas().Item("cust").DrvMenus();
    for (int m = 1; m <= 3; ++m) {
        DrvMenu& menu = menus.Add("m" + std::to_string(m));
        for (int p = 0; p < 4; ++p) {
            Parameter& param = *menu.Parameters().Add("p" + std::to_string(p));
            param.createModes({"OL", "CL", "SV", "RG"});
            param.modes().Item("OL").setDesc("Text " + std::to_string(m * 10 + p));
        }
    }
}

std::unique_ptr<TheApp> smallDrive(UserInterface& ui)
{
    auto app = std::make_unique<TheApp>(ui, ".");
    app->stringDatas().Add("cust");
    app->setCustKey("cust");
    for (int m = 2; m <= 5; ++m) app->modeDefMap().Add("mode" + std::to_string(m), std::vector<std::string>{"OL", "CL", "SV", "RG"}[m - 2]);
    fillSmallDrive(*app);
    return app;
}

TEST(Progress, TwoWindowsReportAndCloseThroughTheUserInterface)
{
    StoppingUserInterface ui(-1);
    auto app = smallDrive(ui);
    Compress compress;
    compress.setData(*app, 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    ASSERT_EQ(ui.progressWindows.size(), 2u);
    EXPECT_EQ(ui.progressWindows[0].caption, "Translating database");
    EXPECT_EQ(ui.progressWindows[0].range, 2 + 32);
    EXPECT_EQ(ui.progressWindows[1].caption, "Compressing Strings");
    EXPECT_EQ(ui.progressWindows[1].range, 100);
    EXPECT_TRUE(ui.progressWindows[0].closed);
    EXPECT_TRUE(ui.progressWindows[1].closed);
    // 33 reset reports and 3 menus, then 12 records and 25, 45, 55, 65, 75, 85, 90, 100.
    EXPECT_EQ(ui.eventRuns, 33 + 3 + 12 + 8);
    EXPECT_EQ(compress.progress(), 100);
    EXPECT_EQ(compress.getTotalBytes(), static_cast<std::int32_t>(compress.image().size()));
}

TEST(Progress, AStopAtAnyCheckpointEndsTheBuildAsStopped)
{
    for (int stopAt : {1, 33, 35, 36, 40, 49, 56}) {
        StoppingUserInterface ui(stopAt);
        auto app = smallDrive(ui);
        Compress compress;
        compress.setData(*app, 0);
        EXPECT_EQ(compress.compress(), CompressResult::Stopped) << stopAt;
        EXPECT_FALSE(compress.failed());
        EXPECT_EQ(ui.eventRuns, stopAt) << "the build went on after the stop";
        for (const auto& window : ui.progressWindows) EXPECT_TRUE(window.closed) << stopAt;
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(Progress, TheStopFlagIsClearedWhenRead)
{
    StoppingUserInterface ui(-1);
    auto app = smallDrive(ui);
    Compress compress;
    compress.setData(*app, 0);
    compress.stopProcess();
    EXPECT_EQ(compress.compress(), CompressResult::Stopped);
    EXPECT_EQ(compress.compress(), CompressResult::Fits);
}

TEST(Progress, AStopWhileWritingHexKeepsTheRecordsMadeSoFar)
{
    StoppingUserInterface ui(56 + 2);
    auto app = smallDrive(ui);
    Compress compress;
    compress.setData(*app, 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    compress.CreateIntelHexData();
    EXPECT_EQ(compress.hexLines().size(), 3u);
    EXPECT_TRUE(ui.progressWindows.back().closed);
}

TEST(Progress, AStopWhileWritingAssemblerLeavesNoLines)
{
    StoppingUserInterface ui(56 + 2);
    auto app = smallDrive(ui);
    Compress compress;
    compress.setData(*app, 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    EXPECT_EQ(compress.CreateAssemblerData("english"), "english_stringdb");
    EXPECT_EQ(ui.progressWindows.back().caption, "creating assembler strings");
    EXPECT_EQ(ui.progressWindows.back().range, compress.getTotalBytes());
    const std::string file = testing::TempDir() + "stopped.asm";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "good module";
    EXPECT_FALSE(compress.WriteFileAsm(file));
    EXPECT_EQ(slurp(file), "good module");
}

// A stopped build, or a stopped rendering of a whole one, must not cut a good file of an
// earlier build short.
TEST(Progress, AStopWritesNoImageFileAndKeepsTheOldOnes)
{
    const std::string folder = testing::TempDir() + "stopped-build/";
    std::filesystem::create_directories(folder);
    for (const char* name : {"db.hex", "db.bin", "000"})
        std::ofstream(folder + name, std::ios::binary | std::ios::trunc) << "good " << name;

    StoppingUserInterface whileWritingHex(56 + 2);
    auto app = smallDrive(whileWritingHex);
    Compress rendered;
    rendered.setData(*app, 0);
    ASSERT_EQ(rendered.compress(), CompressResult::Fits);
    rendered.CreateIntelHexData();
    EXPECT_FALSE(rendered.WriteFileHex(folder + "db.hex"));

    StoppingUserInterface whileCompressing(40);
    auto other = smallDrive(whileCompressing);
    Compress stopped;
    stopped.setData(*other, 0);
    ASSERT_EQ(stopped.compress(), CompressResult::Stopped);
    EXPECT_FALSE(stopped.WriteFileBin(folder + "db.bin"));
    EXPECT_EQ(stopped.WriteFileSegs(folder), -1);
    stopped.CreateIntelHexData();
    EXPECT_FALSE(stopped.WriteFileHex(folder + "db.hex"));

    for (const char* name : {"db.hex", "db.bin", "000"}) EXPECT_EQ(slurp(folder + name), std::string("good ") + name);
    EXPECT_FALSE(std::filesystem::exists(folder + "001"));
    std::filesystem::remove_all(folder);
}

void expectError(DriveBuilder& drive, const std::string& fragment)
{
    Compress compress;
    compress.setData(drive.app(), 0);
    EXPECT_EQ(compress.compress(), CompressResult::Stopped);
    EXPECT_TRUE(compress.failed());
    ASSERT_FALSE(drive.ui().messages.empty());
    EXPECT_EQ(drive.ui().messages.back().title, "ERROR");
    EXPECT_NE(drive.ui().messages.back().text.find(fragment), std::string::npos) << drive.ui().messages.back().text;
    EXPECT_EQ(compress.image().size(), 0u);
    for (const auto& window : drive.ui().progressWindows) EXPECT_TRUE(window.closed);
}

TEST(Limits, MenuAndParameterNumbersAbove255StopTheBuild)
{
    DriveBuilder menus;
    menus.text("m256", "p0", 2, "Far");
    expectError(menus, "m256");
    DriveBuilder params;
    params.text("m1", "p300", 2, "Far");
    expectError(params, "p300");
}

TEST(Limits, ASecondParameterZeroOfOneMenuWouldOverwriteARecord)
{
    DriveBuilder sameMenu;
    sameMenu.text("m1", "p0", 2, "First");
    sameMenu.text("m1", "p00", 2, "Second");
    expectError(sameMenu, "p00");
    DriveBuilder twoKeys;
    twoKeys.text("m1", "p0", 2, "First");
    twoKeys.text("m01", "p0", 2, "Second");
    expectError(twoKeys, "m01");
}

TEST(Limits, ARecordLongerThanItsLengthFieldStopsTheBuild)
{
    // Two-letter words are never tokens, so the texts keep their full length.
    std::string desc, help;
    for (int i = 0; i < 14000; ++i) desc += "ab ";
    for (int i = 0; i < 10000; ++i) help += "cd ";
    DriveBuilder drive;
    drive.text("m1", "p0", 2, desc, help);
    expectError(drive, "parameter 0 (p0) of menu 1");
}

TEST(Limits, MoreDistinctStringsThanTheSharedTableHolds)
{
    DriveBuilder drive;
    for (int p = 0; p < 2049; ++p)
        for (int m = 2; m <= 5; ++m)
            drive.text("m" + std::to_string(p / 200 + 1), "p" + std::to_string(p % 200), m,
                       "D" + std::to_string(p * 8 + m), "H" + std::to_string(p * 8 + m));
    expectError(drive, "16385");
}

TEST(Limits, MoreDistinctWordsThanTheCountTableHolds)
{
    DriveBuilder drive;
    int word = 0;
    for (int p = 0; p < 40; ++p) {
        std::string desc;
        for (int w = 0; w < 501; ++w) desc += "w" + std::to_string(word++) + " ";
        drive.text("m1", "p" + std::to_string(p), 2, desc);
    }
    expectError(drive, "20001");
}

TEST(Limits, AnImageBeyondItsCapacityStopsTheBuild)
{
    DriveBuilder drive;
    for (int p = 0; p < 9; ++p)
        for (int m = 2; m <= 5; ++m)
            drive.text("m1", "p" + std::to_string(p), m, std::string(8000, char('a' + m)) + std::to_string(p),
                       std::string(8000, char('k' + m)) + std::to_string(p));
    expectError(drive, "524289");
}

// Builds an image of exactly the given size. Texts of two-letter words never become tokens,
// so each character of the padding text adds one byte: a first build measures the rest.
CompressResult buildImageOf(std::int32_t size)
{
    const auto words = [](char letter, std::int32_t length) {
        std::string text;
        while (static_cast<std::int32_t>(text.size()) < length) text += std::string(2, letter) + ' ';
        return text.substr(0, static_cast<std::size_t>(length));
    };
    std::int32_t padding = 1000;
    for (int attempt = 0; attempt < 2; ++attempt) {
        DriveBuilder drive;
        for (int p = 0; p < 8; ++p) drive.text("m1", "p" + std::to_string(p), 2, "D", words(char('a' + p), 15000));
        drive.text("m1", "p8", 2, "D", words('z', padding));
        Compress compress;
        compress.setData(drive.app(), 0);
        const CompressResult result = compress.compress();
        if (compress.getTotalBytes() == size) return result;
        padding += size - compress.getTotalBytes();
    }
    ADD_FAILURE() << "no image of " << size << " bytes";
    return CompressResult::Stopped;
}

TEST(Limits, AnImageOf131072BytesFitsTheKeypadAnd131073DoesNot)
{
    EXPECT_EQ(buildImageOf(131072), CompressResult::Fits);
    EXPECT_EQ(buildImageOf(131073), CompressResult::TooLarge);
}

TEST(Limits, TooManyParametersStopTheBuild)
{
    DriveBuilder drive;
    for (int m = 0; m < 33; ++m)
        for (int p = 0; p < 249; ++p) drive.menu("m" + std::to_string(m)).Parameters().Add("p" + std::to_string(p));
    drive.menu("m34").Parameters().Add("p0");
    drive.menu("m34").Parameters().Add("p1");
    expectError(drive, "8193");
}

TEST(Tokens, AWordInsideALongerWordIsReplacedCaseSensitively)
{
    Dictionary dictionary(std::vector<std::string>{"zzz", "the"});
    StringEncoder encoder(dictionary);
    EXPECT_EQ(encoder.substitute("other The the"), "o\x0F\x01r The \x0F\x01");
    EXPECT_EQ(encoder.substitute("zzz at"), "zzz at");
}

TEST(Tokens, AnOccurrenceStartingOnAnEarlierTokensIndexByteIsLeftAlone)
{
    std::vector<std::string> words(256);
    words[0x53] = "Low";
    words[0x80] = "Spd";
    const Dictionary dictionary(words);
    StringEncoder encoder(dictionary);
    EXPECT_EQ(encoder.substitute("Low Spd Lowpd"), std::string("\x0FS \x0F\x80 \x0FSpd"));
}

TEST(Tokens, AWordOfTwoCharactersIsNeverLookedUp)
{
    Dictionary dictionary(std::vector<std::string>{"zzz", "ab"});
    EXPECT_EQ(dictionary.findWord("ab"), 0);
    EXPECT_EQ(dictionary.findWord("zzz"), 0);
    EXPECT_EQ(StringEncoder(dictionary).substitute("ab cab"), "ab cab");
}

} // namespace
} // namespace kpd
