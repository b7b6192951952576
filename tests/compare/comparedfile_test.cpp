#include "compare/comparedfile.h"
#include "compare/setcomparison.h"

#include "recordinguserinterface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace kpd {
namespace {

const std::string kDrive = std::string(KPD_SOURCE_DIR) + "/data";

std::unique_ptr<ComparedFile> loadSample(test::RecordingUserInterface& ui, const std::string& path,
                                         LoadResult& result)
{
    return ComparedFile::load(ui, kDrive, path, result);
}

TEST(ComparedFile, ReadsTheSetTheFileNamesWithTheDrivesConstants)
{
    test::RecordingUserInterface ui;
    LoadResult result;
    const auto french = loadSample(ui, kDrive + "/French.kpl", result);
    ASSERT_TRUE(french);
    EXPECT_EQ(result, LoadResult::Whole);
    EXPECT_EQ(french->set().dbKey(), "French");
    const SetSnapshot snapshot = french->snapshot();
    ASSERT_FALSE(snapshot.records().empty());
    EXPECT_FALSE(snapshot.records().front().desc.empty());
    // Limits come from the constants file, as in the editor's own sets.
    EXPECT_TRUE(std::any_of(snapshot.records().begin(), snapshot.records().end(),
                            [](const ModeRecord& r) { return !r.uLim.empty(); }));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ComparedFile, TwoLanguagesDifferAndAFileEqualsItself)
{
    test::RecordingUserInterface ui;
    LoadResult result;
    const auto english = loadSample(ui, kDrive + "/English.kpl", result);
    const auto french = loadSample(ui, kDrive + "/French.kpl", result);
    const auto englishAgain = loadSample(ui, kDrive + "/English.kpl", result);
    EXPECT_FALSE(SetComparison::compare(english->snapshot(), french->snapshot()).empty());
    EXPECT_TRUE(SetComparison::compare(english->snapshot(), englishAgain->snapshot()).empty());
}

TEST(ComparedFile, AMissingFileIsMissingAndABrokenOneIsReadUpToItsFault)
{
    test::RecordingUserInterface ui;
    LoadResult result = LoadResult::Whole;
    EXPECT_FALSE(loadSample(ui, kDrive + "/nothing-here.kpd", result));
    EXPECT_EQ(result, LoadResult::Missing);

    const std::filesystem::path broken = std::filesystem::temp_directory_path() / "compare-broken.kpd";
    std::ofstream(broken) << "<App AppID=\"KeypadApp\" version=\"10500\"><StringDB DBID=\"Custom\"><Menu MenuID=\"m0\">"
                             "<Para ParaID=\"p0\"><Mode ModeID=\"Open loop\" Unit=\"0\"><Desc>Cut</Desc></Mode><Para>";
    const auto file = loadSample(ui, broken.string(), result);
    std::filesystem::remove(broken);
    ASSERT_TRUE(file);
    EXPECT_EQ(result, LoadResult::Partial);
    EXPECT_EQ(file->snapshot().records().front().desc, "Cut");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
}

} // namespace
} // namespace kpd
