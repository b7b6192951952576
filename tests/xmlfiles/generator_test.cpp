#include "support/drivefixture.h"
#include "support/keypadlines.h"

#include "xmlfiles/errorhandlerimpl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace kpd::test {
namespace {

const std::string kGenerator = std::string(KPD_SOURCE_DIR) + "/tools/drivegen/drivegen.py";

int generate(const std::string& folder, const std::string& options)
{
    const std::string command = "python3 '" + kGenerator + "' --out '" + folder + "' " + options + " >/dev/null 2>&1";
    return std::system(command.c_str());
}

TEST(Generator, SameSeedGivesTheSameBytes)
{
    TempFolder a;
    TempFolder b;
    ASSERT_EQ(generate(a.path(), "--seed 9 --parameters 120 --languages 2"), 0);
    ASSERT_EQ(generate(b.path(), "--seed 9 --parameters 120 --languages 2"), 0);
    for (const char* name : {"kpdconf.kpx", "modeConstants.kpc", "English.kpl", "Lang1.kpl", "Custom.kpl", "custom.kpd"})
        EXPECT_EQ(a.read(name), b.read(name)) << name;
    TempFolder c;
    ASSERT_EQ(generate(c.path(), "--seed 10 --parameters 120 --languages 2"), 0);
    EXPECT_NE(a.read("English.kpl"), c.read("English.kpl"));
}

TEST(Generator, OutputLoadsCleanlyWithTheSizeAsked)
{
    TempFolder folder;
    ASSERT_EQ(generate(folder.path(), "--seed 4 --parameters 250 --menus 3 --trips 7 --languages 3"), 0);
    RecordingUserInterface ui;
    TheApp app(ui, folder.path());
    ASSERT_TRUE(app.readConfiguration());
    app.loadUserFile(folder.file("modeConstants.kpc"));
    for (const stringData& set : app.stringDatas()) app.loadUserFile(folder.file(set.dbKey() + ".kpl"));
    app.loadUserFile(folder.file("custom.kpd"));
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;

    const DrvMenus& menus = app.getCustMenus();
    int parameters = 0;
    int filled = 0;
    for (const DrvMenu& menu : menus) {
        if (menu.isMapped()) continue;
        parameters += menu.Parameters().Count();
        for (const Parameter& p : menu.Parameters()) {
            for (const ModeData& m : p.modes()) filled += m.getDesc().empty() ? 0 : 1;
        }
    }
    EXPECT_EQ(parameters, 250);
    EXPECT_EQ(menus.Count(), 4);
    EXPECT_EQ(menus.Item("trips").Parameters().Count(), 7);
    EXPECT_EQ(filled, 250 * 4);
    EXPECT_EQ(app.stringDatas().Count(), 4);
}

TEST(Generator, EveryDescriptionFitsTheTwoLineBox)
{
    for (const char* seed : {"1", "2"}) {
        TempFolder folder;
        ASSERT_EQ(generate(folder.path(), std::string("--seed ") + seed + " --parameters 200 --languages 3"), 0);
        RecordingUserInterface ui;
        TheApp app(ui, folder.path());
        ASSERT_TRUE(app.readConfiguration());
        for (const stringData& set : app.stringDatas()) app.loadUserFile(folder.file(set.dbKey() + ".kpl"));
        std::vector<std::string> over = descriptionsOverTwoLines(app);
        app.loadUserFile(folder.file("custom.kpd"));
        for (std::string& text : descriptionsOverTwoLines(app)) over.push_back("custom.kpd " + text);
        EXPECT_TRUE(over.empty()) << "seed " << seed << ": " << over.size() << ", the first: " << over.front();
    }
}

TEST(Generator, RefusesMoreThanTheModelHolds)
{
    TempFolder folder;
    EXPECT_NE(generate(folder.path(), "--parameters 8193"), 0);
    EXPECT_NE(generate(folder.path(), "--parameters 500 --menus 2"), 0);
}

TEST(ParseErrorReport, UnreadFileHasNoPlace)
{
    ErrorHandlerImpl unread;
    unread.fatalError(13, "Permission denied", 0, 0);
    EXPECT_EQ(unread.report("/d/x.kpd"), "13 : Permission denied in the file /d/x.kpd");
    ErrorHandlerImpl parsed;
    parsed.fatalError(4, "not well-formed (invalid token)", 2, 7);
    parsed.fatalError(3, "later", 9, 9);
    EXPECT_EQ(parsed.report("/d/x.kpd"), "4 : not well-formed (invalid token) at line 2, column 7 in the file /d/x.kpd");
}

} // namespace
} // namespace kpd::test
