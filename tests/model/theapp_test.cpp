#include "model/theapp.h"

#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

using namespace kpd;

class DataRoot : public ::testing::Test {
protected:
    ModeData& record(const std::string& set, const std::string& menu, const std::string& para,
                     const std::string& mode = "Open loop")
    {
        return app.stringDatas().Item(set).DrvMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }

    test::RecordingUserInterface ui;
    TheApp app{ui, "/nowhere"};
};

TEST_F(DataRoot, StartsWithTheDefaults)
{
    EXPECT_EQ(app.getLastLangIndex(), -1);
    EXPECT_EQ(app.maxRecChars(), 80);
    EXPECT_EQ(app.getLangDBKey(0), "");
    EXPECT_FALSE(app.isAppDirty());
}

TEST_F(DataRoot, LanguageKeysByIndex)
{
    app.setLangDBKey(2, "French");
    EXPECT_EQ(app.getLastLangIndex(), 2);
    EXPECT_EQ(app.getLangDBKey(0), "");
    EXPECT_EQ(app.getLangDBKey(1), "");
    EXPECT_EQ(app.getLangDBKey(2), "French");
    EXPECT_EQ(app.getLangDBKey(3), "");
    EXPECT_EQ(app.getLangDBKey(-1), "");

    app.setLangDBKey(0, "English");
    EXPECT_EQ(app.getLastLangIndex(), 2) << "a lower index does not shrink the list";
    EXPECT_EQ(app.getLangDBKey(2), "French");
    EXPECT_EQ(app.getLangIndexFromKey("English"), 0);
    EXPECT_EQ(app.getLangIndexFromKey("french"), -1);
    EXPECT_EQ(app.getLangIndexFromKey("German"), -1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataRoot, ADuplicatedLanguageKeyIsFatal)
{
    app.setLangDBKey(0, "English");
    EXPECT_THROW(app.setLangDBKey(1, "English"), test::ProgramEnded);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Duplicated language key - cannot continue");
    EXPECT_EQ(ui.messages[0].title, "FATAL ERROR");
    EXPECT_TRUE(ui.ended);
    EXPECT_EQ(app.getLastLangIndex(), 0);
}

TEST_F(DataRoot, MaxRecCharsChangesOnlyForNumbers)
{
    app.setMaxRecChars(std::string("abc"));
    EXPECT_EQ(app.maxRecChars(), 80);
    app.setMaxRecChars(std::string("120"));
    EXPECT_EQ(app.maxRecChars(), 120);
    app.setMaxRecChars(std::string("99999"));
    EXPECT_EQ(app.maxRecChars(), 120);
}

TEST_F(DataRoot, CustomFlagFollowsTheCustomKey)
{
    test::buildSmallDrive(app);
    EXPECT_TRUE(app.stringDatas().Item("Custom").custom());
    app.setCustKey("English");
    EXPECT_TRUE(app.stringDatas().Item("English").custom());
    EXPECT_FALSE(app.stringDatas().Item("Custom").custom());
    EXPECT_EQ(&app.getCustMenus(), &app.stringDatas().Item("English").DrvMenus());
}

TEST_F(DataRoot, MenusOfAnUnknownReferenceKeyAreAModelError)
{
    test::buildSmallDrive(app);
    app.setRefKey("Klingon");
    EXPECT_THROW(app.getRefMenus(), ModelError);
    EXPECT_THROW(app.copyRef2Cust(), ModelError);
}

TEST_F(DataRoot, CopyRef2CustCopiesTextsAndConstantsAndMarksDirty)
{
    test::buildSmallDrive(app);
    ModeData& ref = record("English", "m2", "p5");
    ref.setDesc("Phase loss");
    ref.setULim("400");
    app.copyRef2Cust();
    EXPECT_EQ(record("Custom", "m2", "p5").getDesc(), "Phase loss");
    EXPECT_EQ(record("Custom", "m2", "p5").uLim(), "400");
    EXPECT_TRUE(app.isAppDirty());
    EXPECT_FALSE(app.stringDatas().Item("English").DrvMenus().Item("m2").dirty());
}

TEST_F(DataRoot, ClearAllTouchesOnlyTheCustomSetAndStaysUndoable)
{
    test::buildSmallDrive(app);
    record("English", "m1", "p2").setDesc("Reference");
    record("Custom", "m1", "p2").setDesc("Trip text");
    record("Custom", "m3", "p1").setHelp("Hidden help");

    app.clearAll();

    EXPECT_EQ(record("English", "m1", "p2").getDesc(), "Reference");
    EXPECT_EQ(record("Custom", "m1", "p2").getDesc(), "");
    EXPECT_EQ(record("Custom", "m3", "p1").getHelp(), "");
    // m1 holds a trip: it must be cleared once only, or undo would give back "".
    EXPECT_EQ(record("Custom", "m1", "p2").undoD(), "Trip text");
    EXPECT_EQ(record("Custom", "m3", "p1").undoH(), "Hidden help");
    EXPECT_TRUE(app.isAppDirty());
}

TEST_F(DataRoot, DirtyAnywhereMakesTheAppDirtyAndCleanClearsEverySet)
{
    test::buildSmallDrive(app);
    EXPECT_FALSE(app.isAppDirty());
    app.stringDatas().Item("English").DrvMenus().Item("m3").setDirty(true);
    EXPECT_TRUE(app.isAppDirty()) << "a reference menu counts too";
    app.getCustMenus().Item("trips").setDirty(true);
    app.setAppClean();
    EXPECT_FALSE(app.isAppDirty());
    EXPECT_FALSE(app.getCustMenus().Item("trips").dirty());
}
