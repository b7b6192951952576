#include "menudialogsfixture.h"

#include "views/copym2m.h"
#include "views/copym2mrun.h"
#include "views/dialogarrow.h"
#include "views/menuview.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

// Button places worked out by hand: n modes give an "All" button (n - 1) x 255 twips
// high whose top is 1450 - (n - 1) x 255 / 2, halves going to the even neighbour.
TEST(ModeButtonLayout, FourModesWithTheSecondAsSource)
{
    const ModeButtonLayout layout = CopyM2MRun::layout(4, 1);
    EXPECT_EQ(layout.allHeight, 765);
    EXPECT_EQ(layout.allTop, 1068);
    ASSERT_EQ(layout.buttons.size(), 3u);
    EXPECT_EQ(layout.buttons[0].position, 0u);
    EXPECT_EQ(layout.buttons[0].top, 1068);
    EXPECT_EQ(layout.buttons[1].position, 2u);
    EXPECT_EQ(layout.buttons[1].top, 1323);
    EXPECT_EQ(layout.buttons[2].position, 3u);
    EXPECT_EQ(layout.buttons[2].top, 1578);
}

TEST(ModeButtonLayout, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(CopyM2MRun::layout(2, 0).allTop, 1322) << "1322.5";
    EXPECT_EQ(CopyM2MRun::layout(4, 0).allTop, 1068) << "1067.5";
    EXPECT_EQ(CopyM2MRun::layout(3, 2).allTop, 1195) << "no half";
    EXPECT_EQ(CopyM2MRun::roundHalfEven(-3), -2);
    EXPECT_EQ(CopyM2MRun::roundHalfEven(-1), 0);
    EXPECT_EQ(CopyM2MRun::roundHalfEven(5), 2);
    EXPECT_EQ(CopyM2MRun::roundHalfEven(7), 4);
}

TEST(ModeButtonLayout, TheLastModeAsSourceLeavesNoGap)
{
    const ModeButtonLayout layout = CopyM2MRun::layout(3, 2);
    ASSERT_EQ(layout.buttons.size(), 2u);
    EXPECT_EQ(layout.buttons[0].top, 1195);
    EXPECT_EQ(layout.buttons[1].top, 1450);
    EXPECT_EQ(layout.allHeight, 510);
}

namespace {

class CopyModeTest : public MenuDialogsTest {
protected:
    void SetUp() override
    {
        MenuDialogsTest::SetUp();
        for (const char* para : {"p1", "p2", "p3"}) {
            kpd::ModeData& open = record("m1", para, "Open loop");
            open.setDesc(std::string("Open ") + para);
            open.setHelp(std::string("Help ") + para);
            open.setUnit(3);
            open.setLLim("-10");
            record("m1", para, "Servo").setDesc(std::string("Servo ") + para);
        }
        record("m2", "p0", "Open loop").setDesc("Other menu");
        app.setAppClean();
    }
};

} // namespace

TEST_F(CopyModeTest, OneModeOntoAnotherInEveryParameter)
{
    EXPECT_EQ(CopyM2MRun::copy(custom("m1"), "Open loop", "Servo"), 3);
    for (const char* para : {"p1", "p2", "p3"}) {
        kpd::ModeData& servo = record("m1", para, "Servo");
        EXPECT_EQ(servo.getDesc(), std::string("Open ") + para);
        EXPECT_EQ(servo.getHelp(), std::string("Help ") + para);
        EXPECT_EQ(servo.unit(), 3);
        EXPECT_EQ(servo.lLim(), "") << "limits stay with the destination";
        EXPECT_EQ(servo.undoD(), std::string("Servo ") + para);
        EXPECT_EQ(record("m1", para, "Closed loop").getDesc(), "");
    }
    EXPECT_EQ(record("m2", "p0", "Servo").getDesc(), "");
    EXPECT_TRUE(custom("m1").dirty()) << "copied texts are unsaved work";
    EXPECT_FALSE(custom("m2").dirty());
}

TEST_F(CopyModeTest, AnEmptyDestinationCopiesOntoAllModes)
{
    CopyM2MRun::copy(custom("m1"), "Open loop", "");
    for (const char* mode : {"Open loop", "Closed loop", "Servo"})
        EXPECT_EQ(record("m1", "p2", mode).getDesc(), "Open p2") << mode;
    EXPECT_EQ(record("m1", "p2", "Open loop").undoD(), "") << "the source is not rewritten";
}

TEST_F(CopyModeTest, AParameterWithoutTheModeIsLeftAlone)
{
    custom("m1").Parameters().Item("p3").modes().Remove("Servo");
    EXPECT_EQ(CopyM2MRun::copy(custom("m1"), "Open loop", "Servo"), 2);
    EXPECT_EQ(record("m1", "p1", "Servo").getDesc(), "Open p1");
    EXPECT_EQ(CopyM2MRun::copy(custom("m2"), "No such mode", ""), 0);
    EXPECT_FALSE(custom("m2").dirty());
}

TEST_F(CopyModeTest, DialogStartsAtChoosingTheSource)
{
    CopyM2M dialog;
    dialog.setData(custom("m1"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Copy mode to mode"));
    EXPECT_EQ(dialog.state(), 0);
    ASSERT_EQ(dialog.modeList()->count(), 3);
    EXPECT_EQ(dialog.modeList()->item(2)->text(), QStringLiteral("Servo"));
    EXPECT_EQ(dialog.Hint()->text(), QStringLiteral("Select the source mode"));
    EXPECT_EQ(dialog.btnCopyMode().size(), 7u);
    for (QPushButton* button : dialog.btnCopyMode()) {
        EXPECT_FALSE(button->isVisibleTo(&dialog));
        EXPECT_EQ(button->text(), QStringLiteral("Mode"));
        EXPECT_EQ(button->toolTip(), QStringLiteral("Copy the working data to this mode"));
    }
    EXPECT_FALSE(dialog.btnCopyToAll()->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.arrow()->isVisibleTo(&dialog));
}

TEST_F(CopyModeTest, ChoosingTheSourceOffersTheOtherModesAndLocksTheList)
{
    CopyM2M dialog;
    dialog.setData(custom("m1"));
    dialog.modeList()->setCurrentRow(1);
    dialog.listClicked();
    EXPECT_EQ(dialog.state(), 1);
    EXPECT_FALSE(dialog.modeList()->isEnabled());
    EXPECT_EQ(dialog.Hint()->text(), QStringLiteral("Click the mode to copy to (or all modes)"));
    EXPECT_TRUE(dialog.arrow()->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.btnCopyToAll()->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.btnCopyMode()[0]->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.btnCopyMode()[1]->isVisibleTo(&dialog)) << "no button for the source";
    EXPECT_TRUE(dialog.btnCopyMode()[2]->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.btnCopyMode()[2]->text(), QStringLiteral("Servo"));
    EXPECT_EQ(dialog.buttonTag(0), "Open loop");
    // 1195 and 1450 twips: the buttons stack one height apart from the top of "All".
    EXPECT_EQ(dialog.btnCopyMode()[0]->y(), dialog.btnCopyToAll()->y());
    EXPECT_EQ(dialog.btnCopyMode()[2]->y() - dialog.btnCopyMode()[0]->y(), 17);
}

TEST_F(CopyModeTest, AModeButtonCopiesAndCloses)
{
    CopyM2M dialog;
    dialog.setData(custom("m1"));
    dialog.modeList()->setCurrentRow(0);
    dialog.listClicked();
    dialog.btnCopyMode()[2]->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record("m1", "p3", "Servo").getDesc(), "Open p3");
    EXPECT_EQ(record("m1", "p3", "Closed loop").getDesc(), "");
}

TEST_F(CopyModeTest, AllCopiesOntoEveryMode)
{
    CopyM2M dialog;
    dialog.setData(custom("m1"));
    dialog.modeList()->setCurrentRow(2);
    dialog.listClicked();
    dialog.btnCopyToAll()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record("m1", "p1", "Open loop").getDesc(), "Servo p1");
    EXPECT_EQ(record("m1", "p1", "Closed loop").getDesc(), "Servo p1");
}

TEST_F(CopyModeTest, BeforeTheSourceIsChosenAButtonOnlyCloses)
{
    CopyM2M dialog;
    dialog.setData(custom("m1"));
    dialog.modeButtonClicked(2);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(app.isAppDirty());
    EXPECT_EQ(record("m1", "p1", "Servo").getDesc(), "Servo p1");
}

TEST_F(CopyModeTest, EveryModeBeyondSevenGetsAButtonInsideTheWindow)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 9; ++i) names.push_back("Mode " + std::to_string(i));
    kpd::DrvMenu& menu = custom("m4");
    menu.setModeNames(names, true);
    CopyM2M dialog;
    dialog.setData(menu);
    ASSERT_EQ(dialog.btnCopyMode().size(), 9u);
    dialog.modeList()->setCurrentRow(0);
    dialog.listClicked();
    QPushButton* last = dialog.btnCopyMode()[8];
    EXPECT_TRUE(last->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.buttonTag(8), "Mode 9");
    EXPECT_LE(last->geometry().bottom(), dialog.height());
}

TEST_F(CopyModeTest, TheViewOpensTheDialogOnItsCustomMenu)
{
    MenuView view(ui, "m1");
    view.setRefMenu(app.getRefMenus().Item("m1"));
    view.setCustMenu(custom("m1"));
    whenModal<CopyM2M>([](CopyM2M& open) {
        EXPECT_TRUE(open.isModal());
        open.modeList()->setCurrentRow(2);
        open.listClicked();
        open.btnCopyMode()[1]->click();
    });
    view.copyMode2Mode();
    EXPECT_EQ(record("m1", "p2", "Closed loop").getDesc(), "Servo p2");
}
