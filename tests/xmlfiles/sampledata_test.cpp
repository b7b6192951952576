#include "support/drivefixture.h"
#include "support/keypadlines.h"

#include "model/theapp.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <set>

namespace kpd::test {
namespace {

using ::testing::ElementsAre;

const std::string kDataFolder = std::string(KPD_SOURCE_DIR) + "/data";

// The start-up loads: configuration, constants into language 0 and from there into every
// language, then each set's own reference file.
struct SampleDrive {
    RecordingUserInterface ui;
    TheApp app{ui, kDataFolder};

    SampleDrive()
    {
        app.readConfiguration();
        app.loadUserFile(kDataFolder + "/modeConstants.kpc");
        stringData& first = app.stringDatas().Item(app.getLangDBKey(0));
        for (std::int16_t i = 1; i <= app.getLastLangIndex(); ++i)
            app.stringDatas().Item(app.getLangDBKey(i)).copyMenus(first, false);
        for (const stringData& set : app.stringDatas())
            EXPECT_TRUE(app.loadUserFile(kDataFolder + "/" + set.dbKey() + ".kpl")) << set.dbKey();
        app.setRefKey(app.getLangDBKey(0));
    }
};

std::vector<std::string> split(const std::string& text, const std::string& by)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at = text.find(by); at != std::string::npos; at = text.find(by, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + by.size();
    }
    parts.push_back(text.substr(from));
    return parts;
}

TEST(SampleDrive, LoadsWithoutAnyMessage)
{
    SampleDrive drive;
    EXPECT_TRUE(drive.ui.messages.empty()) << drive.ui.messages.front().text;
    EXPECT_FALSE(drive.app.cannotRun());
    EXPECT_FALSE(drive.app.alternate());
    EXPECT_EQ(drive.app.hexBase(), 65536);
}

TEST(SampleDrive, SkeletonHasTheSetsModesMenusAndTrips)
{
    SampleDrive drive;
    const TheApp& app = drive.app;
    EXPECT_THAT(app.stringDatas().keys(), ElementsAre("English", "Custom", "French", "German", "Spanish", "Italian"));
    EXPECT_EQ(app.getCustKey(), "Custom");
    EXPECT_EQ(app.getLangDBKey(1), "Custom");
    EXPECT_THAT(app.stringDatas().Item("English").modeNames(), ElementsAre("Open loop", "Closed loop", "Servo", "Regen"));
    EXPECT_EQ(app.modeOpMap().Count(), 4);
    EXPECT_EQ(app.modeOpMap().valueOf("mode2"), "Encoder");

    const DrvMenus& menus = app.stringDatas().Item("English").DrvMenus();
    int visible = 0;
    int hidden = 0;
    for (const DrvMenu& menu : menus) {
        if (menu.isMapped()) continue;
        (menu.hidden() ? hidden : visible) += 1;
        EXPECT_GE(menu.Parameters().Count(), 10) << menu.menuKey();
        EXPECT_LE(menu.Parameters().Count(), 60) << menu.menuKey();
    }
    EXPECT_EQ(visible + hidden, 23);
    EXPECT_GE(hidden, 1);
    EXPECT_GE(menus.Item("trips").Parameters().Count(), 40);
    EXPECT_TRUE(menus.Item("m15").isOptionMenu());
    std::int16_t clones = 0;
    EXPECT_THAT(menus.Item("m15").getCloneMenus(clones), ElementsAre(16, 17));
}

// A description that lays out to a third line makes the description box refuse every key.
TEST(SampleDrive, EveryDescriptionFitsTheTwoLineBox)
{
    SampleDrive drive;
    const std::vector<std::string> over = descriptionsOverTwoLines(drive.app);
    EXPECT_TRUE(over.empty()) << over.size() << " descriptions, the first: " << over.front();
}

TEST(SampleDrive, EnglishHelpTextsFitTheKeypad)
{
    SampleDrive drive;
    int defined = 0;
    for (const DrvMenu& menu : drive.app.stringDatas().Item("English").DrvMenus()) {
        if (menu.isMapped()) continue;
        for (const Parameter& p : menu.Parameters()) {
            for (const ModeData& m : p.modes()) {
                if (!m.defined()) continue;
                ++defined;
                const std::size_t helpLines = split(m.getHelp(), "~M").size();
                EXPECT_FALSE(m.getHelp().empty()) << menu.menuKey() << p.paraKey() << m.modeKey();
                EXPECT_LE(helpLines, 5u);
                EXPECT_LE(m.getHelp().size(), static_cast<std::size_t>(drive.app.maxRecChars()));
            }
        }
    }
    EXPECT_GT(defined, 2000);
}

TEST(SampleDrive, ConstantsReachEveryLanguageAndSomeModesAreUndefined)
{
    SampleDrive drive;
    const ModeData& english = drive.app.stringDatas().Item("English").DrvMenus().Item("m0").Parameters().Item("p1")
                                  .modes().Item("Open loop");
    const ModeData& german = drive.app.stringDatas().Item("German").DrvMenus().Item("m0").Parameters().Item("p1")
                                 .modes().Item("Open loop");
    EXPECT_EQ(english.uLim(), "5500");
    EXPECT_EQ(english.nOfDp(), "1");
    EXPECT_EQ(german.uLim(), "5500");
    EXPECT_EQ(german.unit(), 4);
    int undefined = 0;
    int textDefaults = 0;
    for (const DrvMenu& menu : drive.app.stringDatas().Item("French").DrvMenus()) {
        if (menu.isMapped()) continue;
        for (const Parameter& p : menu.Parameters()) {
            for (const ModeData& m : p.modes()) {
                undefined += m.defined() ? 0 : 1;
                textDefaults += m.textDVal() ? 1 : 0;
            }
        }
    }
    EXPECT_GT(undefined, 50);
    EXPECT_GT(textDefaults, 50);
}

TEST(SampleDrive, EnglishSetRoundTripsThroughTheCustomSet)
{
    SampleDrive drive;
    drive.app.clearAll();
    drive.app.copyRef2Cust();
    TempFolder out;
    const std::string path = out.file("english.kpd");
    ASSERT_TRUE(drive.app.xmlSave(path));
    SampleDrive fresh;
    fresh.app.clearAll();
    ASSERT_TRUE(fresh.app.loadUserFile(path));
    EXPECT_TRUE(fresh.ui.messages.empty());
    const DrvMenus& saved = drive.app.getCustMenus();
    for (const DrvMenu& menu : fresh.app.getCustMenus()) {
        if (menu.isMapped()) continue;
        for (const Parameter& p : menu.Parameters()) {
            for (const ModeData& m : p.modes()) {
                const ModeData& before = saved.Item(menu.menuKey()).Parameters().Item(p.paraKey()).modes().Item(m.modeKey());
                ASSERT_EQ(m.getDesc(), before.getDesc());
                ASSERT_EQ(m.getHelp(), before.getHelp());
                ASSERT_EQ(m.unit(), before.unit());
            }
        }
    }
}

} // namespace
} // namespace kpd::test
