#include "support/drivebuilder.h"

#include "build/compress.h"
#include "build/sizeanalysis.h"
#include "build/stringcostestimator.h"
#include "xmlfiles/fixedfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <numeric>

namespace kpd {
namespace {

ParamStrings record(std::int16_t menu, std::int16_t para, std::vector<std::string> descriptions)
{
    ParamStrings r;
    r.menuNumber = menu;
    r.paraNumber = para;
    r.menuKey = "m" + std::to_string(menu);
    r.paraKey = "p" + std::to_string(para);
    for (std::size_t i = 0; i < descriptions.size(); ++i) r.descriptions[1 + i] = descriptions[i];
    return r;
}

// Every way of adding the bytes up must give the image size.
void expectEveryByteAttributed(const SizeReport& report, std::int32_t builtBytes, const std::string& what)
{
    ASSERT_TRUE(report.built()) << what << ": " << report.failure;
    EXPECT_EQ(report.totalBytes, static_cast<std::uint32_t>(builtBytes)) << what;
    EXPECT_EQ(report.attributedBytes(), report.totalBytes) << what;
    const auto menuBytes = std::accumulate(report.menus.begin(), report.menus.end(), std::uint64_t{0},
                                           [](std::uint64_t sum, const MenuSize& m) { return sum + m.bytes; });
    EXPECT_EQ(menuBytes + report.tableBytes + report.dictionaryBytes, report.totalBytes) << what;
    std::uint64_t recordBytes = SizeReport::kRecordHeaderBytes * report.parameters.size();
    for (const StringSize& s : report.strings)
        recordBytes += s.bytes + SizeReport::kBackReferenceBytes * s.sharedBy.size();
    EXPECT_EQ(recordBytes + report.tableBytes + report.dictionaryBytes, report.totalBytes) << what;
    std::uint64_t wordBytes = 0;
    for (const WordSize& w : report.words) wordBytes += w.cost;
    EXPECT_EQ(wordBytes, report.dictionaryBytes) << what;
}

SizeReport analyseAndCompare(TheApp& app, const std::string& what)
{
    Compress compress;
    compress.setData(app, 0);
    EXPECT_NE(compress.compress(), CompressResult::Stopped) << what;
    SizeReport report = SizeAnalysis::analyse(app);
    expectEveryByteAttributed(report, compress.getTotalBytes(), what);
    return report;
}

std::unique_ptr<TheApp> sampleDrive(test::RecordingUserInterface& ui)
{
    auto app = std::make_unique<TheApp>(ui, std::string(KPD_SOURCE_DIR) + "/data");
    EXPECT_TRUE(app->readConfiguration());
    EXPECT_TRUE(app->loadUserFile(FixedFile::path(app->appFolder(), "Custom.kpl"), -1));
    return app;
}

// Worked by hand: "speed" is counted 3 times, "motor" twice. "speed" ranks first, so it
// is stored but never a token; "motor" is word 1. The first record stores
// "speed " 0x0F 0x01 0x00 (9 bytes) and "speed" 0x00 (6); the second refers back to the
// first text (4 bytes, saving 9 - 4 = 5).
TEST(SizeAnalysis, DictionaryWordsShowWhatTheySaveAndWhatTheyCost)
{
    SizeInput input;
    input.records = {record(1, 0, {"speed motor", "speed"}), record(1, 1, {"speed motor"})};
    const SizeReport report = SizeAnalysis::analyse(input);
    ASSERT_TRUE(report.built());

    EXPECT_EQ(report.tableBytes, 12u + 4u);
    ASSERT_EQ(report.parameters.size(), 2u);
    EXPECT_EQ(report.parameters[0].bytes, 12u + 9u + 6u);
    EXPECT_EQ(report.parameters[1].bytes, 12u + 4u);
    EXPECT_EQ(report.parameters[1].savedBySharing, 5);
    EXPECT_EQ(report.dictionaryBytes, 768u + 6u + 6u + 254u);
    EXPECT_EQ(report.totalBytes, 16u + 27u + 16u + 1034u);
    EXPECT_EQ(report.attributedBytes(), report.totalBytes);

    const WordSize& speed = report.words[0];
    EXPECT_EQ(speed.word, "speed");
    EXPECT_EQ(speed.occurrences, 3);
    EXPECT_EQ(speed.tokens, 0u);
    EXPECT_EQ(speed.saved, 0u);
    EXPECT_EQ(speed.cost, 9u);
    const WordSize& motor = report.words[1];
    EXPECT_EQ(motor.word, "motor");
    EXPECT_EQ(motor.occurrences, 2);
    EXPECT_EQ(motor.tokens, 1u);
    EXPECT_EQ(motor.saved, 3u);
    EXPECT_EQ(motor.net(), 3 - 9);
    EXPECT_EQ(report.words[2].cost, 4u);

    ASSERT_EQ(report.strings.size(), 2u);
    EXPECT_EQ(report.strings[0].text, "speed motor");
    EXPECT_EQ(report.strings[0].bytes, 9u);
    EXPECT_EQ(report.strings[0].sharedBy, std::vector<std::size_t>{1});
    EXPECT_EQ(report.strings[0].savedBySharing, 5);
    EXPECT_EQ(report.strings[1].bytes, 6u);
    EXPECT_TRUE(report.strings[1].sharedBy.empty());
}

TEST(SizeAnalysis, TheEstimateWhileTypingUsesTheLastDictionaryAndStoredTexts)
{
    SizeInput input;
    input.records = {record(1, 0, {"speed motor", "speed"}), record(1, 1, {"speed motor"})};
    const StringCostEstimator estimator(SizeAnalysis::analyse(input));
    const auto other = estimator.estimate("speed motor", false, 0, "m1", "p5");
    EXPECT_EQ(other.bytes, 4u);
    EXPECT_TRUE(other.shared);
    EXPECT_EQ(estimator.estimate("speed motor", false, 0, "m1", "p0").bytes, 9u);
    // "motor" becomes its 2-byte token; the unit prefix of RPM is one more byte.
    EXPECT_EQ(estimator.estimate("motor limit", false, 0, "m1", "p5").bytes, 2u + 6u + 1u);
    EXPECT_EQ(estimator.estimate("motor limit", false, 3, "m1", "p5").bytes, 1u + 2u + 6u + 1u);
    EXPECT_EQ(estimator.estimate("motor limit", true, 3, "m1", "p5").bytes, 2u + 6u + 1u);
    EXPECT_EQ(estimator.estimate("", true, 0, "m1", "p5").bytes, 0u);
}

TEST(SizeAnalysis, TheSampleDriveIsAttributedToTheLastByte)
{
    test::RecordingUserInterface ui;
    auto app = sampleDrive(ui);
    const SizeReport report = analyseAndCompare(*app, "sample drive");
    EXPECT_GT(report.parameters.size(), 500u);
    EXPECT_TRUE(report.fits());
}

TEST(SizeAnalysis, GeneratedSetsAreAttributedToTheLastByte)
{
    constexpr int kSets = 20;
    const std::string generator = std::string(KPD_SOURCE_DIR) + "/tools/drivegen/drivegen.py";
    const auto root = std::filesystem::temp_directory_path() / ("sizeanalysis-" + std::to_string(::getpid()));
    // One shell generates all sets side by side: the interpreter's start dominates.
    std::string command;
    for (int seed = 1; seed <= kSets; ++seed)
        command += "python3 '" + generator + "' --out '" + (root / std::to_string(seed)).string() + "' --seed " +
                   std::to_string(seed) + " --parameters " + std::to_string(20 + 4 * seed) +
                   " --languages 1 --trips 3 --mode-variation " + (seed % 2 ? "0.4" : "0.1") + " >/dev/null & ";
    ASSERT_EQ(std::system((command + "wait").c_str()), 0);
    for (int seed = 1; seed <= kSets; ++seed) {
        const std::string folder = (root / std::to_string(seed)).string();
        test::RecordingUserInterface ui;
        TheApp app(ui, folder);
        ASSERT_TRUE(app.readConfiguration()) << "seed " << seed;
        ASSERT_TRUE(app.loadUserFile(folder + "/custom.kpd", -1)) << "seed " << seed;
        analyseAndCompare(app, "seed " + std::to_string(seed));
    }
    std::filesystem::remove_all(root);
}

TEST(SizeAnalysis, RemovingAStringNobodySharesSavesExactlyItsBytes)
{
    test::RecordingUserInterface ui;
    auto app = sampleDrive(ui);
    SizeInput input = SizeAnalysis::collect(*app);
    // Words of one or two characters are never counted, so neither the dictionary nor
    // its order can change when this text goes.
    const std::string text = "Zq 9 ~~ Yx";
    ParamStrings& owner = input.records.at(40);
    owner.helps[4] = text;
    const SizeReport before = SizeAnalysis::analyse(input);
    const auto plain = std::find_if(before.strings.begin(), before.strings.end(),
                                    [&](const StringSize& s) { return s.text == text; });
    ASSERT_NE(plain, before.strings.end());
    EXPECT_TRUE(plain->sharedBy.empty());
    EXPECT_EQ(plain->bytes, text.size() + 1);
    owner.helps[4].clear();

    const SizeReport after = SizeAnalysis::analyse(input);
    EXPECT_EQ(after.totalBytes, before.totalBytes - plain->bytes);
    EXPECT_EQ(after.dictionaryBytes, before.dictionaryBytes);
}

TEST(SizeAnalysis, ASetTheImageCannotHoldIsReportedNotBuilt)
{
    test::DriveBuilder drive;
    drive.menu("m300");
    drive.allModes("m300", "p0", "Too far");
    const SizeReport report = SizeAnalysis::analyse(drive.app());
    EXPECT_FALSE(report.built());
    EXPECT_FALSE(report.fits());
    EXPECT_NE(report.failure.find("255"), std::string::npos);
}

} // namespace
} // namespace kpd
