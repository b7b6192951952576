#include "views/parameditsession.h"
#include "views/scalednumber.h"

#include "model/modelerror.h"
#include "model/theapp.h"
#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

using Box = ParamEditSession::Box;
using Panel = ParamEditSession::Panel;

namespace {

class SessionTest : public ::testing::Test {
protected:
    SessionTest() { kpd::test::buildSmallDrive(app); }

    kpd::ModeData& ref(const std::string& menu, const std::string& para, const std::string& mode = "Open loop")
    {
        return app.stringDatas().Item("English").DrvMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }
    kpd::ModeData& cust(const std::string& menu, const std::string& para, const std::string& mode = "Open loop")
    {
        return app.stringDatas().Item("Custom").DrvMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }
    kpd::DrvMenu& custMenu(const std::string& menu) { return app.stringDatas().Item("Custom").DrvMenus().Item(menu); }

    // A third language with the first menu only, enough to step the reference through.
    void addLanguage(const std::string& key)
    {
        kpd::stringData& set = app.stringDatas().Add(key);
        kpd::DrvMenu& menu = set.DrvMenus().Add("m1");
        menu.setModeNames(kpd::test::smallDriveModes(), false);
        for (const char* para : {"p1", "p2", "p3"}) {
            menu.Parameters().Add(para);
            menu.buildModes(para);
        }
    }

    // The user typing into a custom box and leaving it.
    void edit(Box box, const std::string& text)
    {
        session.markChanged(box);
        session.readBack(box, text);
    }

    kpd::test::RecordingUserInterface ui;
    kpd::TheApp app{ui, "/nonexistent"};
    ParamEditSession session;
};

} // namespace

TEST_F(SessionTest, OpeningResolvesBothSetsAndDefaultsToTheFirstMode)
{
    cust("m1", "p2").setDesc("Custom p2");
    ref("m1", "p2").setDesc("English p2");
    session.setMyData(app, "m1", "p2");
    session.loadModeData();
    EXPECT_EQ(session.modeKey(), "Open loop");
    EXPECT_EQ(session.refKey(), "English");
    EXPECT_EQ(session.custKey(), "Custom");
    EXPECT_EQ(session.working(Box::RefDesc), "English p2");
    EXPECT_EQ(session.working(Box::CustDesc), "Custom p2");
    EXPECT_EQ(app.stringDatas().Item("English").DrvMenus().Item("m1").browseParKey(), "p2");
    EXPECT_EQ(session.paraNumberText(), "01.02");
    EXPECT_FALSE(session.anyChange());
}

TEST_F(SessionTest, AModeTheParameterLacksFallsBackToItsFirstMode)
{
    session.setMyData(app, "m1", "p1", "Vector");
    EXPECT_EQ(session.modeKey(), "Open loop");
    session.setMyData(app, "m1", "p1", "Servo");
    EXPECT_EQ(session.modeKey(), "Servo");
}

TEST_F(SessionTest, AnAbsentParameterIsAModelError)
{
    EXPECT_THROW(session.setMyData(app, "m1", "p9"), kpd::ModelError);
}

TEST_F(SessionTest, TripEditingShowsTheTripNumber)
{
    session.setMyData(app, "trips", "t2", "", true);
    EXPECT_EQ(session.paraNumberText(), "2");
    EXPECT_EQ(&session.custParam(), &custMenu("m2").Parameters().Item("p5"));
}

TEST_F(SessionTest, CommitWritesOnlyTheCustomSetAndMarksItsMenu)
{
    cust("m1", "p1").setDesc("Old");
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    edit(Box::CustDesc, "New");
    session.chooseUnit(Panel::Cust, 3);
    session.setActiveBox(Box::CustDesc);
    EXPECT_TRUE(session.commit());
    EXPECT_EQ(cust("m1", "p1").getDesc(), "New");
    EXPECT_EQ(cust("m1", "p1").unit(), 3);
    EXPECT_EQ(ref("m1", "p1").getDesc(), "");
    EXPECT_TRUE(custMenu("m1").dirty());
    EXPECT_FALSE(app.stringDatas().Item("English").DrvMenus().Item("m1").dirty());
    EXPECT_FALSE(session.anyChange());
    EXPECT_EQ(session.activeBox(), Box::None);
    // The model's undo slot holds what was committed before.
    EXPECT_EQ(cust("m1", "p1").undoD(), "Old");
}

TEST_F(SessionTest, CommitWithoutChangesWritesNothing)
{
    cust("m1", "p1").setDesc("Kept");
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    session.readBack(Box::CustDesc, "Not flagged");
    EXPECT_FALSE(session.commit());
    EXPECT_EQ(cust("m1", "p1").getDesc(), "Kept");
    EXPECT_FALSE(custMenu("m1").dirty());
}

TEST_F(SessionTest, CommitClearsAModeTheCustomSetDoesNotDefine)
{
    kpd::ModeData& record = cust("m1", "p1");
    record.setDesc("Stale");
    record.setHelp("Stale help");
    record.setUnit(2);
    record.setDefined(false);
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    edit(Box::CustDesc, "Typed");
    EXPECT_TRUE(session.commit());
    EXPECT_EQ(record.getDesc(), "");
    EXPECT_EQ(record.getHelp(), "");
    EXPECT_EQ(record.unit(), 0);
}

TEST_F(SessionTest, UnitsChosenAndToggled)
{
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    session.toggleUnit(Panel::Cust, 4);
    EXPECT_EQ(session.unit(Panel::Cust), 4);
    EXPECT_TRUE(session.unitChanged(Panel::Cust));
    session.toggleUnit(Panel::Cust, 4);
    EXPECT_EQ(session.unit(Panel::Cust), 0);
    session.toggleUnit(Panel::Cust, 1);
    session.toggleUnit(Panel::Cust, 2);
    EXPECT_EQ(session.unit(Panel::Cust), 2);
}

TEST_F(SessionTest, UndoTwiceOnAnEditedTextReturnsToTheEdit)
{
    cust("m1", "p1").setDesc("Committed");
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    edit(Box::CustDesc, "Edited");
    session.setActiveBox(Box::CustDesc);
    session.undo();
    EXPECT_EQ(session.working(Box::CustDesc), "Committed");
    session.undo();
    EXPECT_EQ(session.working(Box::CustDesc), "Edited");
}

TEST_F(SessionTest, UndoOfAnUnchangedTextAsksTheModel)
{
    cust("m1", "p1").setHelp("First");
    cust("m1", "p1").setHelp("Second");
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    session.setActiveBox(Box::CustHelp);
    session.undo();
    EXPECT_EQ(session.working(Box::CustHelp), "First");
    EXPECT_EQ(cust("m1", "p1").getHelp(), "First");
    // The model changed, so the set has something to save.
    EXPECT_TRUE(custMenu("m1").dirty());

    session.setActiveBox(Box::CustDesc);
    session.undo();
    EXPECT_EQ(session.working(Box::CustDesc), kpd::kNothingToUndo);
}

TEST_F(SessionTest, UndoWithoutAnActiveBoxDoesNothing)
{
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    session.undo();
    EXPECT_EQ(cust("m1", "p1").getDesc(), "");
    EXPECT_FALSE(custMenu("m1").dirty());
}

TEST_F(SessionTest, TextToolsConvertTheActiveBoxAndCanBeUndone)
{
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    session.readBack(Box::CustDesc, "Ab_c~m\xC9z");
    session.setActiveBox(Box::CustDesc);
    session.toUpper();
    // Escape letters change case too; keypad codes above 127 stay.
    EXPECT_EQ(session.working(Box::CustDesc), "AB_C~M\xC9Z");
    EXPECT_TRUE(session.textChanged(Box::CustDesc));
    session.toLower();
    EXPECT_EQ(session.working(Box::CustDesc), "ab_c~m\xC9z");
    session.underscoresToSpaces();
    EXPECT_EQ(session.working(Box::CustDesc), "ab c~m\xC9z");
    session.undo();
    EXPECT_EQ(session.working(Box::CustDesc), "ab_c~m\xC9z");
    EXPECT_EQ(session.working(Box::CustHelp), "");
}

TEST_F(SessionTest, TextToolsWithoutAnActiveBoxChangeNothing)
{
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    session.readBack(Box::CustDesc, "abc");
    session.toUpper();
    EXPECT_EQ(session.working(Box::CustDesc), "abc");
    EXPECT_FALSE(session.anyChange());
}

TEST_F(SessionTest, CopyReferenceToCustomMarksTheMenu)
{
    ref("m1", "p1").setDesc("Reference");
    ref("m1", "p1").setUnit(2);
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    session.copyRefToCust();
    EXPECT_EQ(cust("m1", "p1").getDesc(), "Reference");
    EXPECT_EQ(session.working(Box::CustDesc), "Reference");
    EXPECT_EQ(session.unit(Panel::Cust), 2);
    EXPECT_TRUE(custMenu("m1").dirty());
}

TEST_F(SessionTest, CopyToOtherModesCommitsFirst)
{
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    edit(Box::CustDesc, "Shared");
    session.copyToMode("Servo");
    EXPECT_EQ(cust("m1", "p1", "Servo").getDesc(), "Shared");
    EXPECT_EQ(cust("m1", "p1", "Closed loop").getDesc(), "");
    session.readBack(Box::CustHelp, "Everywhere");
    session.markChanged(Box::CustHelp);
    session.copyToAllModes();
    EXPECT_EQ(cust("m1", "p1", "Closed loop").getHelp(), "Everywhere");
    EXPECT_EQ(cust("m1", "p1", "Servo").getHelp(), "Everywhere");
    EXPECT_EQ(session.otherModeKeys(), (std::vector<std::string>{"Closed loop", "Servo"}));
}

TEST_F(SessionTest, CopyToAModeMarksTheMenuEvenWithoutPendingEdits)
{
    cust("m1", "p1").setDesc("Saved");
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    session.copyToMode("Servo");
    EXPECT_TRUE(custMenu("m1").dirty());
}

TEST_F(SessionTest, ParameterStepsWrapAndCommitOnTheWay)
{
    session.setMyData(app, "m1", "p3");
    session.loadModeData();
    edit(Box::CustDesc, "p3 text");
    session.chooseUnit(Panel::Cust, 4);
    session.stepParameter(true);
    EXPECT_EQ(session.paraKey(), "p1");
    EXPECT_EQ(cust("m1", "p3").getDesc(), "p3 text");
    EXPECT_EQ(cust("m1", "p3").unit(), 4);
    EXPECT_EQ(&session.custParam(), &custMenu("m1").Parameters().Item("p1"));
    EXPECT_EQ(app.stringDatas().Item("English").DrvMenus().Item("m1").browseParKey(), "p1");
    session.stepParameter(false);
    EXPECT_EQ(session.paraKey(), "p3");
}

TEST_F(SessionTest, TripStepsUseTripKeys)
{
    session.setMyData(app, "trips", "t1", "", true);
    session.stepParameter(true);
    EXPECT_EQ(session.paraKey(), "t2");
    EXPECT_EQ(session.paraNumberText(), "2");
}

TEST_F(SessionTest, MenuStepsReachTheTripsMenuAndComeBackWhereTheyLeft)
{
    session.setMyData(app, "m2", "p5");
    session.changeMenu(-1);
    EXPECT_EQ(session.menuKey(), "m1");
    EXPECT_EQ(session.paraKey(), "p1");
    session.changeMenu(1);
    EXPECT_EQ(session.menuKey(), "m2");
    EXPECT_EQ(session.paraKey(), "p5");
    session.changeMenu(1);
    EXPECT_EQ(session.menuKey(), "m3");
    EXPECT_FALSE(session.tripMode());
    session.changeMenu(1);
    EXPECT_EQ(session.menuKey(), "trips");
    EXPECT_TRUE(session.tripMode());
    EXPECT_EQ(session.paraKey(), "t1");
    session.changeMenu(1);
    EXPECT_EQ(session.menuKey(), "m1");
    EXPECT_FALSE(session.tripMode());
}

TEST_F(SessionTest, MenuStepsPassOverAMenuWithoutParameters)
{
    for (const char* set : {"English", "Custom"})
        app.stringDatas().Item(set).DrvMenus().Add("m4").setModeNames(kpd::test::smallDriveModes(), false);
    session.setMyData(app, "trips", "t1", "", true);
    session.changeMenu(1);
    EXPECT_EQ(session.menuKey(), "m1");
    session.changeMenu(-1);
    EXPECT_EQ(session.menuKey(), "trips");
}

TEST_F(SessionTest, LanguageStepsSkipTheCustomSet)
{
    addLanguage("German");
    app.stringDatas().Item("German").DrvMenus().Item("m1").Parameters().Item("p2").modes().Item("Servo").setDesc(
        "Deutsch");
    session.setMyData(app, "m1", "p2", "Servo");
    session.changeLang(1);
    EXPECT_EQ(session.refKey(), "German");
    EXPECT_EQ(session.working(Box::RefDesc), "Deutsch");
    session.changeLang(1);
    EXPECT_EQ(session.refKey(), "English");
    session.changeLang(-1);
    EXPECT_EQ(session.refKey(), "German");
    EXPECT_EQ(session.custKey(), "Custom");
}

TEST_F(SessionTest, ModeStepsStopAtEitherEnd)
{
    session.setMyData(app, "m1", "p1");
    EXPECT_FALSE(session.stepMode(-1));
    EXPECT_EQ(session.modeKey(), "Open loop");
    EXPECT_TRUE(session.stepMode(1));
    EXPECT_TRUE(session.stepMode(1));
    EXPECT_EQ(session.modeKey(), "Servo");
    EXPECT_FALSE(session.stepMode(1));
    EXPECT_EQ(session.modeKeys(), kpd::test::smallDriveModes());
}

TEST_F(SessionTest, AModeTheReferenceDoesNotDefineIsNotAvailable)
{
    ref("m1", "p1", "Servo").setDefined(false);
    session.setMyData(app, "m1", "p1", "Servo");
    EXPECT_FALSE(session.modeAvailable());
    session.selectMode("Open loop");
    EXPECT_TRUE(session.modeAvailable());
}

TEST_F(SessionTest, DefaultAndLimitsReadAlikeInEveryPanelWhateverTheReferenceLanguage)
{
    addLanguage("German");
    for (const char* set : {"English", "German", "Custom"}) {
        kpd::ModeData& record =
            app.stringDatas().Item(set).DrvMenus().Item("m1").Parameters().Item("p1").modes().Item("Open loop");
        record.setDVal("500");
        record.setLLim("-1000");
        record.setULim("1000");
    }
    ref("m1", "p1").setDecimalPlaces(1);
    app.setRefKey("German");
    session.setMyData(app, "m1", "p1");
    for (ParamEditSession::Panel panel : {Panel::Ref, Panel::Cust}) {
        EXPECT_EQ(session.valueText(panel), "50.0");
        EXPECT_EQ(session.limitText(panel, ParamEditSession::Limit::Lower), "-100.0");
        EXPECT_EQ(session.limitText(panel, ParamEditSession::Limit::Upper), "100.0");
    }
}

TEST_F(SessionTest, OnlyCustomTextOrUnitThatDiffersFromTheDataIsUncommitted)
{
    cust("m1", "p1").setDesc("Stored");
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    EXPECT_FALSE(session.hasUncommittedEdits());
    edit(Box::CustDesc, "Typed");
    EXPECT_TRUE(session.hasUncommittedEdits());
    edit(Box::CustDesc, "Stored");
    EXPECT_FALSE(session.hasUncommittedEdits());
    session.chooseUnit(Panel::Cust, 3);
    EXPECT_TRUE(session.hasUncommittedEdits());
    session.commit();
    EXPECT_FALSE(session.hasUncommittedEdits());
}

TEST_F(SessionTest, MimicShowsTheChosenPanelAndText)
{
    ref("m1", "p1").setDesc("R desc");
    ref("m1", "p1").setHelp("R help");
    cust("m1", "p1").setDesc("C desc");
    session.setMyData(app, "m1", "p1");
    session.loadModeData();
    EXPECT_EQ(session.mimicText(), "C desc");
    session.setMimicSource(ParamEditSession::Source::Reference);
    EXPECT_EQ(session.mimicText(), "R desc");
    session.toggleShowHelp();
    EXPECT_EQ(session.mimicText(), "R help");
}

TEST(ScaledNumber, StoredNumbersAreScaledByTheirDecimalPlaces)
{
    EXPECT_EQ(scaledNumber("500", 1), "50.0");
    EXPECT_EQ(scaledNumber("-5500", 1), "-550.0");
    EXPECT_EQ(scaledNumber("1234", 3), "1.234");
    EXPECT_EQ(scaledNumber("5", 2), "0.05");
    EXPECT_EQ(scaledNumber("123456", 5), "1.23456");
    EXPECT_EQ(scaledNumber("7", 0), "7");
    EXPECT_EQ(scaledNumber("-0", 0), "0");
    EXPECT_EQ(scaledNumber("-1", 1), "-0.1");
    EXPECT_EQ(scaledNumber("40", 4), "0.0040");
}

TEST(ScaledNumber, TextsThatAreNoNumberOrBeyondFivePlacesStayAsHeld)
{
    EXPECT_EQ(scaledNumber("undef", 1), "undef");
    EXPECT_EQ(scaledNumber("", 1), "");
    EXPECT_EQ(scaledNumber("12abc", 0), "12abc");
    EXPECT_EQ(scaledNumber("1234567", 6), "1234567");
    EXPECT_EQ(scaledNumber("12", -1), "12");
}

TEST(SessionFormatting, MimicValueIsRightAlignedInSevenCells)
{
    EXPECT_EQ(ParamDisplayText::mimicValue("50.0"), "   50.0");
    EXPECT_EQ(ParamDisplayText::mimicValue(""), "       ");
    EXPECT_EQ(ParamDisplayText::mimicValue("1234567"), "1234567");
    EXPECT_EQ(ParamDisplayText::mimicValue("12345678"), "12345678");
}

TEST(SessionFormatting, UnitIconsAndHelpLength)
{
    EXPECT_EQ(ParamDisplayText::iconFile(0), "noicon.bmp");
    EXPECT_EQ(ParamDisplayText::iconFile(4), "hzicon.bmp");
    EXPECT_EQ(ParamDisplayText::iconFile(5), "");
    EXPECT_EQ(ParamDisplayText::iconFile(-1), "");

    kpd::test::RecordingUserInterface ui;
    kpd::TheApp app(ui, "/nonexistent");
    kpd::test::buildSmallDrive(app);
    app.setMaxRecChars(std::int16_t{10});
    ParamEditSession session;
    session.setMyData(app, "m1", "p1");
    EXPECT_FALSE(session.helpTooLong(std::string(10, 'x')));
    EXPECT_TRUE(session.helpTooLong(std::string(11, 'x')));
}

TEST(SessionFormatting, DefaultShownAsTextWhenMarkedSo)
{
    kpd::test::RecordingUserInterface ui;
    kpd::TheApp app(ui, "/nonexistent");
    kpd::test::buildSmallDrive(app);
    ParamEditSession session;
    session.setMyData(app, "m1", "p1");
    session.modeData(Panel::Cust).setDVal("500");
    // Language 0 holds the constants that say how the default reads.
    kpd::ModeData& constants = session.modeData(Panel::Ref);
    constants.setDecimalPlaces(2);
    EXPECT_EQ(session.valueText(Panel::Cust), "5.00");
    constants.setTextDVal(true);
    EXPECT_EQ(session.valueText(Panel::Cust), "500");
}
