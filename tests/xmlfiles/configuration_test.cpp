#include "support/drivefixture.h"

#include "xmlfiles/configelementhandler.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

namespace kpd::test {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;

std::string withMenus(const std::string& menus, const std::string& top = "custom=\"cust\"")
{
    return "<keypadToolData " + top + ">"
           "<dbNames Lang0=\"English\" cust=\"Custom\"/>"
           "<modes mode2=\"A\" mode3=\"B\"/>"
           "<root name=\"Drive\">" + menus + "</root></keypadToolData>";
}

std::vector<std::int16_t> clones(const TheApp& app, const std::string& menu)
{
    std::int16_t count = 0;
    std::vector<std::int16_t> list = app.stringDatas().Item("English").DrvMenus().Item(menu).getCloneMenus(count);
    list.resize(static_cast<std::size_t>(count));
    return list;
}

TEST(ConfigurationSets, LanguagesAndCustomSetInAttributeOrder)
{
    LoadedDrive drive;
    const TheApp& app = *drive.app;
    EXPECT_THAT(app.stringDatas().keys(), ElementsAre("English", "Custom", "French"));
    EXPECT_EQ(app.getLangDBKey(0), "English");
    EXPECT_EQ(app.getLangDBKey(1), "French");
    EXPECT_EQ(app.getLastLangIndex(), 1);
    EXPECT_EQ(app.getCustKey(), "Custom");
    EXPECT_TRUE(app.stringDatas().Item("Custom").custom());
    EXPECT_FALSE(app.stringDatas().Item("English").custom());
    EXPECT_TRUE(drive.ui.messages.empty());
}

TEST(ConfigurationSets, DuplicatedLanguageKeyEndsTheProgram)
{
    RecordingUserInterface ui;
    TempFolder folder;
    folder.write("kpdconf.kpx", "<keypadToolData><dbNames Lang0=\"E\" Lang1=\"E\"/></keypadToolData>");
    TheApp app(ui, folder.path());
    EXPECT_THROW(app.readConfiguration(), ProgramEnded);
    EXPECT_THAT(ui.texts(), ElementsAre("Duplicated language key - cannot continue\r\nLang1=\"E\" repeats the key of "
                                        "Lang0 at line 1 of " + folder.file("kpdconf.kpx")));
    EXPECT_EQ(ui.messages[0].title, "FATAL ERROR");
}

TEST(ConfigurationSettings, HelpLengthBaseAndAlternateState)
{
    LoadedDrive drive;
    EXPECT_EQ(drive.app->maxRecChars(), 120);
    EXPECT_EQ(drive.app->hexBase(), 65536);
    EXPECT_FALSE(drive.app->alternate());
}

TEST(ConfigurationSettings, AccessCodeIsComparedExactly)
{
    LoadedDrive on(withMenus("", "custom=\"cust\" mode=\"brightfennel\""));
    EXPECT_TRUE(on.app->alternate());
    LoadedDrive capitals(withMenus("", "custom=\"cust\" mode=\"Brightfennel\""));
    EXPECT_FALSE(capitals.app->alternate());
}

TEST(ConfigurationSettings, UnusableValuesLeaveTheDefaults)
{
    LoadedDrive drive(withMenus("", "custom=\"cust\" recMaxHelpChars=\"lots\""));
    EXPECT_EQ(drive.app->maxRecChars(), 80);
    EXPECT_EQ(drive.app->hexBase(), 0);
    EXPECT_TRUE(drive.ui.messages.empty());
}

TEST(ConfigurationModes, GeneralModesGoToEverySetAndTheDefinitionMap)
{
    LoadedDrive drive;
    EXPECT_THAT(drive.app->stringDatas().Item("French").modeNames(), ElementsAre("Open loop", "Closed loop", "Servo"));
    EXPECT_EQ(drive.app->modeDefMap().valueOf("mode4"), "Servo");
    EXPECT_EQ(drive.app->modeOpMap().Count(), 2);
    EXPECT_EQ(drive.app->modeOpMap().valueOf("mode3"), "Slot B");
}

TEST(ConfigurationModes, MenuWithoutModesTakesTheGeneralList)
{
    LoadedDrive drive;
    const DrvMenu& menu = drive.app->stringDatas().Item("Custom").DrvMenus().Item("m1");
    EXPECT_FALSE(menu.isOptionMenu());
    EXPECT_THAT(menu.modeNames(), ElementsAre("Open loop", "Closed loop", "Servo"));
    EXPECT_THAT(menu.Parameters().Item("p2").modes().keys(), ElementsAre("Open loop", "Closed loop", "Servo"));
}

TEST(ConfigurationModes, EmptyModesTakesTheLastGivenListAndOnlyOptionMenusFillTheOpMap)
{
    LoadedDrive drive(withMenus("<menu name=\"X\" nmbr=\"4\"><modes m1=\"P\" m2=\"Q\"/><para name=\"a\" nmbr=\"1\"/></menu>"
                                "<menu name=\"Y\" nmbr=\"16\"><modes/><para name=\"b\" nmbr=\"1\"/></menu>"));
    const DrvMenus& menus = drive.app->stringDatas().Item("English").DrvMenus();
    EXPECT_TRUE(menus.Item("m16").isOptionMenu());
    EXPECT_THAT(menus.Item("m16").Parameters().Item("p1").modes().keys(), ElementsAre("P", "Q"));
    EXPECT_EQ(drive.app->modeOpMap().Count(), 0);
    EXPECT_EQ(drive.app->modeDefMap().valueOf("m1"), "");
}

TEST(ConfigurationMenus, KeysNamesHiddenFlagAndSplash)
{
    LoadedDrive drive;
    const DrvMenus& menus = drive.app->stringDatas().Item("French").DrvMenus();
    EXPECT_THAT(menus.keys(), ElementsAre("m1", "m2", "m3", "m15", "trips"));
    EXPECT_EQ(menus.Item("m2").menuName(), "Motor");
    EXPECT_TRUE(menus.Item("m3").hidden());
    EXPECT_FALSE(menus.Item("m1").hidden());
    EXPECT_EQ(menus.Item("m2").Parameters().Item("p5").paraName(), "Current");
    EXPECT_EQ(drive.app->stringDatas().Item("English").rootName(), "Test drive");
    EXPECT_THAT(drive.ui.splashStatuses, ElementsAre("Preparing languages for m1", "Preparing languages for m2",
                                                     "Preparing languages for m3", "Preparing languages for m15"));
    EXPECT_THAT(drive.ui.splashValues, ElementsAre(1, 2, 3, 4));
}

TEST(ConfigurationMenus, MenuWhoseFirstAttributeIsNotNameIsIgnoredWithItsParameters)
{
    LoadedDrive drive(withMenus("<menu nmbr=\"4\" name=\"X\"><para name=\"a\" nmbr=\"1\"/></menu>"
                                "<menu name=\"Y\" nmbr=\"5\"><para name=\"b\" nmbr=\"1\"/></menu>"));
    EXPECT_THAT(drive.app->stringDatas().Item("English").DrvMenus().keys(), ElementsAre("m5"));
}

TEST(ConfigurationMenus, CloneableLists)
{
    LoadedDrive drive(withMenus("<menu name=\"a\" nmbr=\"1\" cloneable=\" 2 3 4 \"/>"
                                "<menu name=\"b\" nmbr=\"2\" cloneable=\"3 x 4\"/>"
                                "<menu name=\"c\" nmbr=\"3\" cloneable=\"4  5\"/>"
                                "<menu name=\"d\" nmbr=\"4\"/>"));
    EXPECT_THAT(clones(*drive.app, "m1"), ElementsAre(2, 3, 4));
    EXPECT_THAT(clones(*drive.app, "m2"), ElementsAre(3));
    EXPECT_THAT(clones(*drive.app, "m3"), ElementsAre(4));
    EXPECT_TRUE(clones(*drive.app, "m4").empty());
}

TEST(ConfigurationMenus, ParseNumberListStopsAtTheFirstFailure)
{
    using L = ConfigElementHandler;
    EXPECT_THAT(L::parseNumberList("15 16 17"), ElementsAre(15, 16, 17));
    EXPECT_THAT(L::parseNumberList(""), ElementsAre());
    EXPECT_THAT(L::parseNumberList("-3 70000 4"), ElementsAre(-3));
    std::string many;
    for (int i = 0; i < 25; ++i) many += std::to_string(i) + " ";
    EXPECT_EQ(L::parseNumberList(many).size(), 25u);
}

TEST(ConfigurationTrips, TripsShareTheParametersOfTheirMenus)
{
    LoadedDrive drive;
    DrvMenus& menus = drive.app->stringDatas().Item("Custom").DrvMenus();
    DrvMenu& trips = menus.Item("trips");
    EXPECT_TRUE(trips.isMapped());
    EXPECT_EQ(trips.menuName(), "Trips");
    EXPECT_EQ(&trips.Parameters().Item("t1"), &menus.Item("m1").Parameters().Item("p2"));
    EXPECT_EQ(menus.Item("m1").Parameters().Item("p2").mapName(), "Overspeed");
    EXPECT_EQ(menus.Item("m1").Parameters().Item("p2").tripKey(), "t1");
    EXPECT_EQ(trips.nOfFwdMenus(), 2);
    EXPECT_THAT(trips.modeNames(), ElementsAre("Open loop", "Closed loop", "Servo"));
}

TEST(ConfigurationTrips, ForwardMenusOnceEachAndAnUnknownTargetIsAnError)
{
    LoadedDrive drive(withMenus("<menu name=\"a\" nmbr=\"1\"><para name=\"x\" nmbr=\"1\"/><para name=\"y\" nmbr=\"2\"/></menu>"
                                "<menu name=\"b\" nmbr=\"2\"><para name=\"z\" nmbr=\"1\"/></menu>"
                                "<trips name=\"T\">"
                                "<trip name=\"1\" nmbr=\"1\" mapMen=\"1\" mapPar=\"1\"/>"
                                "<trip name=\"2\" nmbr=\"2\" mapMen=\"1\" mapPar=\"2\"/>"
                                "<trip name=\"3\" nmbr=\"3\" mapMen=\"2\" mapPar=\"1\"/>"
                                "<trip name=\"4\" nmbr=\"4\" mapMen=\"1\" mapPar=\"1\"/>"
                                "<trip name=\"5\" nmbr=\"5\" mapMen=\"8\" mapPar=\"1\"/>"
                                "</trips>"));
    const DrvMenu& trips = drive.app->stringDatas().Item("English").DrvMenus().Item("trips");
    EXPECT_EQ(trips.nOfFwdMenus(), 2);
    EXPECT_EQ(trips.GetFwdMenu(0), "m1");
    EXPECT_EQ(trips.GetFwdMenu(1), "m2");
    EXPECT_THAT(trips.Parameters().keys(), ElementsAre("t1", "t2", "t3", "t4"));
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_THAT(drive.ui.messages[0].text, EndsWith("trip \"5\" maps to menu 8 parameter 1, which the configuration "
                                                    "does not declare before it"));
}

TEST(ConfigurationTrips, TripsWithoutNameFirstAreIgnored)
{
    LoadedDrive drive(withMenus("<menu name=\"a\" nmbr=\"1\"><para name=\"x\" nmbr=\"1\"/></menu>"
                                "<trips id=\"T\"><trip name=\"1\" nmbr=\"1\" mapMen=\"1\" mapPar=\"1\"/></trips>"));
    EXPECT_FALSE(drive.app->stringDatas().Item("English").DrvMenus().keyExists("trips"));
}

TEST(ConfigurationFailures, MissingFileCannotRun)
{
    RecordingUserInterface ui;
    TempFolder folder;
    TheApp app(ui, folder.path());
    EXPECT_FALSE(app.readConfiguration());
    EXPECT_TRUE(app.cannotRun());
    ASSERT_THAT(ui.texts(), ElementsAre("Cannot find configuration file - kpdconf.kpx in my folder - Cannot run"));
    EXPECT_EQ(ui.messages[0].title, "CRITICAL ERROR");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST(ConfigurationFailures, NameIsFoundWhateverItsCase)
{
    RecordingUserInterface ui;
    TempFolder folder;
    folder.write("KPDCONF.KPX", smallConfiguration());
    TheApp app(ui, folder.path());
    EXPECT_TRUE(app.readConfiguration());
    EXPECT_EQ(app.stringDatas().Count(), 3);
}

// A drive cut short is not run: its parse error, naming the file, is the last message.
TEST(ConfigurationFailures, MalformedFileKeepsWhatWasBuiltAndCannotRun)
{
    std::string text = smallConfiguration();
    text.resize(text.find("<menu name=\"Trip log\""));
    LoadedDrive drive(text);
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_EQ(drive.ui.messages[0].title, "ERROR");
    EXPECT_EQ(drive.ui.messages[0].text.rfind("Parse Error 3 : no element found at line ", 0), 0u)
        << drive.ui.messages[0].text;
    EXPECT_THAT(drive.ui.messages[0].text, EndsWith(" in the file " + drive.folder.file("kpdconf.kpx")));
    EXPECT_THAT(drive.app->stringDatas().Item("Custom").DrvMenus().keys(), ElementsAre("m1", "m2"));
    EXPECT_TRUE(drive.app->cannotRun());
}

TEST(ConfigurationFailures, ElementsOutOfPlaceAreIgnored)
{
    LoadedDrive drive(withMenus("<para name=\"stray\" nmbr=\"1\"/><menu name=\"a\" nmbr=\"1\"><trip name=\"t\" nmbr=\"1\" "
                                "mapMen=\"1\" mapPar=\"1\"/><menu name=\"inner\" nmbr=\"2\"/></menu>"));
    EXPECT_THAT(drive.app->stringDatas().Item("English").DrvMenus().keys(), ElementsAre("m1"));
    EXPECT_TRUE(drive.ui.messages.empty());
}

} // namespace
} // namespace kpd::test
