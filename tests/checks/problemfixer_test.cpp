#include "checks/problemfixer.h"
#include "checks/textchecker.h"

#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

struct FixerTest : ::testing::Test {
    test::RecordingUserInterface ui;
    TheApp app{ui, "."};

    FixerTest() { test::buildSmallDrive(app); }

    ModeData& custom(const std::string& menu, const std::string& para, const std::string& mode)
    {
        return app.getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }

    std::vector<Problem> problems(ProblemKind kind)
    {
        TextChecker::Options options;
        options.kinds = {kind};
        return TextChecker::check(CheckInput::fromApp(app), options);
    }
};

TEST_F(FixerTest, TheSnapshotLeavesTheTripsMenuOutAndPairsEachModeWithItsReference)
{
    app.getRefMenus().Item("m1").Parameters().Item("p2").modes().Item("Servo").setDesc("Reference text");
    const CheckInput input = CheckInput::fromApp(app);
    ASSERT_EQ(input.params.size(), 6u);
    EXPECT_EQ(input.params[1].paraKey, "p2");
    EXPECT_EQ(input.params[1].modes[2].refDesc, "Reference text");
    EXPECT_EQ(problems(ProblemKind::Empty).size(), 1u);
}

TEST_F(FixerTest, OneFixStoresThroughTheModelSoUndoRevertsItAndTheMenuIsUnsaved)
{
    custom("m2", "p5", "Servo").setDesc("AB  ~MC");
    app.getCustMenus().Item("m2").setDirty(false);
    const std::vector<Problem> found = problems(ProblemKind::TrailingSpace);
    ASSERT_EQ(found.size(), 1u);
    ProblemFixer fixer(app.getCustMenus());
    EXPECT_TRUE(fixer.apply(found[0]));
    EXPECT_EQ(custom("m2", "p5", "Servo").getDesc(), "AB~MC");
    EXPECT_TRUE(app.getCustMenus().Item("m2").dirty());
    EXPECT_FALSE(app.getCustMenus().Item("m1").dirty());
    EXPECT_TRUE(problems(ProblemKind::TrailingSpace).empty());
    EXPECT_FALSE(fixer.apply(found[0])) << "a fixed text is left alone";
    EXPECT_EQ(custom("m2", "p5", "Servo").undoD(), "AB  ~MC");
}

TEST_F(FixerTest, AFixTakesOutOnlyTheSpacesItNamesAndKeepsEveryOtherCharacterAsWritten)
{
    // At sixteen columns: "Caf\xE9 A  " ended by a break, "Range -40000 to " wrapping by
    // itself, then "40000, default ". The space that fills the wrapped line holds "40000"
    // at the start of the next one, so only the two before the break and the last one go.
    custom("m1", "p1", "Servo").setHelp("Caf\xE9 ~x41  ~mRange -40000 to 40000, default ");
    const std::vector<Problem> found = problems(ProblemKind::TrailingSpace);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].message, "3 trailing spaces at line ends");
    EXPECT_TRUE(ProblemFixer(app.getCustMenus()).apply(found[0]));
    EXPECT_EQ(custom("m1", "p1", "Servo").getHelp(), "Caf\xE9 ~x41~mRange -40000 to 40000, default");

    custom("m1", "p2", "Servo").setDesc("Speed ");
    EXPECT_EQ(problems(ProblemKind::TrailingSpace).at(0).message, "1 trailing space at a line end");
}

TEST_F(FixerTest, FixingAllGlyphsChangesEachTextOnceAndKeepsWhatHasNoSuggestion)
{
    custom("m1", "p1", "Open loop").setHelp("\xD8~! x~A");
    custom("m1", "p3", "Servo").setDesc("~J");
    ProblemFixer fixer(app.getCustMenus());
    EXPECT_EQ(fixer.applyAll(ProblemKind::NoGlyph, problems(ProblemKind::NoGlyph)), 2);
    EXPECT_EQ(custom("m1", "p1", "Open loop").getHelp(), "O  x~A");
    EXPECT_EQ(custom("m1", "p1", "Open loop").undoH(), "\xD8~! x~A");
    EXPECT_EQ(custom("m1", "p3", "Servo").getDesc(), "~M");
}

TEST_F(FixerTest, UnifyingGivesEveryNearDuplicateThePickedForm)
{
    custom("m1", "p1", "Open loop").setDesc("Speed");
    custom("m1", "p1", "Servo").setDesc("Speed");
    custom("m2", "p0", "Open loop").setDesc("speed.");
    custom("m2", "p0", "Servo").setDesc("Other");
    const std::vector<Problem> found = problems(ProblemKind::NearDuplicate);
    ASSERT_EQ(found.size(), 1u);
    ProblemFixer fixer(app.getCustMenus());
    const auto forms = fixer.nearDuplicateForms(found[0]);
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0], std::make_pair(std::string("Speed"), 2));
    EXPECT_EQ(fixer.unify(found[0], "speed."), 2);
    EXPECT_EQ(custom("m1", "p1", "Servo").getDesc(), "speed.");
    EXPECT_EQ(custom("m2", "p0", "Servo").getDesc(), "Other");
    EXPECT_TRUE(problems(ProblemKind::NearDuplicate).empty());
}

} // namespace
} // namespace kpd
