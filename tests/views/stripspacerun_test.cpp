#include "menudialogsfixture.h"

#include "views/stripspacerun.h"

#include <optional>
#include <vector>

namespace {

// A stand-in for the keypad text box: drops the spaces at the very end of a text.
std::optional<std::int32_t> dropFinalSpaces(std::string& text)
{
    const std::size_t before = text.size();
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return static_cast<std::int32_t>(before - text.size());
}

// Runs a hook each time the strip lets pending events run, as a click on Stop would.
class HookedUserInterface : public kpd::test::RecordingUserInterface {
public:
    void processEvents() override
    {
        RecordingUserInterface::processEvents();
        if (onEvents) onEvents();
    }
    std::function<void()> onEvents;
};

class StripTest : public MenuDialogsTest {
protected:
    kpd::ModeData& custom2(const char* menu, const char* para, const char* mode)
    {
        return app.getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }
};

} // namespace

TEST_F(StripTest, EveryTextIsVisitedOnceInCollectionOrder)
{
    std::vector<std::string> seen;
    for (kpd::DrvMenu& menu : app.getCustMenus()) {
        if (menu.isMapped()) continue;
        for (kpd::Parameter& parameter : menu.Parameters())
            for (kpd::ModeData& mode : parameter.modes()) {
                mode.setDesc(menu.menuKey() + parameter.paraKey() + mode.modeKey() + "D");
                mode.setHelp(menu.menuKey() + parameter.paraKey() + mode.modeKey() + "H");
            }
    }
    StripspaceRun strip(ui, [&seen](std::string& text) -> std::optional<std::int32_t> {
        seen.push_back(text);
        return 0;
    });
    strip.stripTrail(app.getCustMenus());
    // m1 3 parameters, m2 2, m3 1, m4 to m6 3 each: 15 parameters, 3 modes, 2 texts.
    // The trips menu's parameters are m1's p2 and m2's p5 again and are not revisited.
    ASSERT_EQ(seen.size(), 90u);
    EXPECT_EQ(seen[0], "m1p1Open loopD");
    EXPECT_EQ(seen[1], "m1p1Open loopH");
    EXPECT_EQ(seen[2], "m1p1Closed loopD");
    EXPECT_EQ(seen[6], "m1p2Open loopD");
    EXPECT_EQ(seen[18], "m2p0Open loopD");
    EXPECT_EQ(seen.back(), "m6p3ServoH");
    EXPECT_EQ(ui.eventRuns, 6) << "after each menu with texts of its own";
}

TEST_F(StripTest, StrippedTextsAreStoredWithTheirUndoAndCounted)
{
    custom2("m1", "p1", "Servo").setDesc("Speed   ");
    custom2("m2", "p5", "Open loop").setHelp("Help  ");
    custom2("m1", "p2", "Open loop").setDesc("Clean");
    app.setAppClean();
    StripspaceRun strip(ui, dropFinalSpaces);
    EXPECT_EQ(strip.stripTrail(app.getCustMenus()), 5);
    EXPECT_EQ(custom2("m1", "p1", "Servo").getDesc(), "Speed");
    EXPECT_EQ(custom2("m2", "p5", "Open loop").getHelp(), "Help");
    EXPECT_EQ(custom2("m1", "p1", "Servo").undoD(), "Speed   ");
    EXPECT_EQ(custom2("m1", "p2", "Open loop").undoD(), "Clean") << "an unchanged text is its own undo";
    EXPECT_TRUE(custom("m1").dirty());
    EXPECT_TRUE(custom("m2").dirty());
    EXPECT_FALSE(custom("m4").dirty()) << "a menu with nothing removed stays saved";
    EXPECT_FALSE(strip.stopped());
}

TEST_F(StripTest, NothingToStripReportsZeroAndChangesNoText)
{
    custom2("m1", "p1", "Servo").setDesc("No spaces");
    app.setAppClean();
    StripspaceRun strip(ui, dropFinalSpaces);
    EXPECT_EQ(strip.stripTrail(app.getCustMenus()), 0);
    EXPECT_EQ(custom2("m1", "p1", "Servo").getDesc(), "No spaces");
    EXPECT_FALSE(app.isAppDirty());
}

TEST_F(StripTest, UndefinedModesAreStrippedToo)
{
    custom2("m2", "p0", "Servo").setDefined(false);
    custom2("m2", "p0", "Servo").setDesc("Hidden  ");
    StripspaceRun strip(ui, dropFinalSpaces);
    EXPECT_EQ(strip.stripTrail(app.getCustMenus()), 2);
    EXPECT_EQ(custom2("m2", "p0", "Servo").getDesc(), "Hidden");
}

TEST_F(StripTest, StopAfterTheFirstMenuKeepsItsStripAndCountsIt)
{
    custom2("m1", "p3", "Servo").setDesc("First  ");
    custom2("m2", "p0", "Servo").setDesc("Second  ");
    HookedUserInterface hooked;
    StripspaceRun strip(hooked, dropFinalSpaces);
    hooked.onEvents = [&strip] { strip.stop(); };
    EXPECT_EQ(strip.stripTrail(app.getCustMenus()), 2) << "what was removed before the stop is reported";
    EXPECT_TRUE(strip.stopped());
    EXPECT_EQ(custom2("m1", "p3", "Servo").getDesc(), "First");
    EXPECT_EQ(custom2("m2", "p0", "Servo").getDesc(), "Second  ");
    EXPECT_EQ(custom2("m2", "p0", "Servo").undoD(), "") << "the rest is not even rewritten";
}

TEST_F(StripTest, ATextThatCannotBeStrippedIsNotOverwritten)
{
    custom2("m1", "p1", "Open loop").setDesc("Keep  ");
    custom2("m1", "p1", "Open loop").setHelp("Help  ");
    custom2("m1", "p1", "Closed loop").setDesc("Later  ");
    int calls = 0;
    StripspaceRun strip(ui, [&calls](std::string& text) -> std::optional<std::int32_t> {
        if (++calls == 2) {
            text.clear();
            return std::nullopt;
        }
        return dropFinalSpaces(text);
    });
    EXPECT_EQ(strip.stripTrail(app.getCustMenus()), 2);
    EXPECT_TRUE(strip.failed());
    EXPECT_EQ(custom2("m1", "p1", "Open loop").getDesc(), "Keep");
    EXPECT_EQ(custom2("m1", "p1", "Open loop").getHelp(), "Help  ") << "the failed text keeps its value";
    EXPECT_EQ(custom2("m1", "p1", "Closed loop").getDesc(), "Later  ");
}
