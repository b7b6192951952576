#include "layoutcheck.h"
#include "menudialogsfixture.h"

#include "views/clonemenu.h"
#include "views/copym2m.h"
#include "views/copym2mrun.h"
#include "views/stripspace.h"

#include "lcdtextboxhost/lcdtextboxhost.h"

#include <QListWidget>
#include <QPushButton>

using kpd::test::readableLayout;

namespace {

class MenuDialogsLayoutTest : public MenuDialogsTest {
protected:
    kpd::DrvMenu& menuWithModes(int count)
    {
        std::vector<std::string> names{"Open loop", "Closed loop", "Servo", "Regen"};
        for (int i = 5; i <= count; ++i) names.push_back("Mode " + std::to_string(i));
        names.resize(static_cast<std::size_t>(count));
        kpd::DrvMenu& menu = custom("m4");
        menu.setModeNames(names, true);
        return menu;
    }
};

} // namespace

// Seven modes make the longest single column, 685 twips down, just clear of the hint;
// sixteen wrap into columns of six at that height.
TEST(ModeButtonLayout, BeyondSevenModesTheButtonsWrapIntoColumnsOfSix)
{
    EXPECT_EQ(CopyM2MRun::layout(7, 0).allTop, 685);
    const ModeButtonLayout layout = CopyM2MRun::layout(16, 3);
    EXPECT_EQ(layout.allTop, 685);
    EXPECT_EQ(layout.allHeight, 6 * 255);
    ASSERT_EQ(layout.buttons.size(), 15u);
    EXPECT_EQ(layout.buttons[3].position, 4u);
    EXPECT_EQ(layout.buttons[5].top, 685 + 5 * 255);
    EXPECT_EQ(layout.buttons[5].column, 0);
    EXPECT_EQ(layout.buttons[6].top, 685);
    EXPECT_EQ(layout.buttons[6].column, 1);
    EXPECT_EQ(layout.buttons[14].top, 685 + 2 * 255);
    EXPECT_EQ(layout.buttons[14].column, 2);
}

TEST_F(MenuDialogsLayoutTest, TheCloneDialogIsReadableAsItsHintChanges)
{
    CloneMenu dialog(ui);
    dialog.setData(app.getCustMenus(), "m1");
    dialog.show();
    EXPECT_TRUE(readableLayout(&dialog));
    dialog.lstClones()->item(0)->setSelected(true);
    dialog.lstClones()->item(2)->setSelected(true);
    EXPECT_TRUE(readableLayout(&dialog)) << "two destinations, with the warning";
}

TEST_F(MenuDialogsLayoutTest, TheStripWindowIsReadable)
{
    Stripspace window(ui, QStringLiteral(LCDTEXTBOX_FOLDER));
    ASSERT_TRUE(window.gtbStripTrail().isValid());
    window.show();
    EXPECT_TRUE(readableLayout(&window));
}

TEST_F(MenuDialogsLayoutTest, TheCopyModeButtonsStayInsideTheWindowAndClearOfTheHint)
{
    for (int modes : {4, 8, 16}) {
        for (int source : {0, modes - 1}) {
            CopyM2M dialog;
            dialog.setData(menuWithModes(modes));
            dialog.show();
            EXPECT_TRUE(readableLayout(&dialog)) << modes << " modes, choosing the source";
            dialog.modeList()->setCurrentRow(source);
            dialog.listClicked();
            std::size_t shown = 0;
            for (QPushButton* button : dialog.btnCopyMode()) shown += button->isVisible() ? 1 : 0;
            EXPECT_EQ(shown, static_cast<std::size_t>(modes - 1));
            EXPECT_TRUE(readableLayout(&dialog)) << modes << " modes, source " << source;
        }
    }
}
