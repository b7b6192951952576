#include "checks/findreplace.h"
#include "checks/keypadtextlayout.h"
#include "checks/reviewmarks.h"
#include "checks/textfilter.h"
#include "checks/textrows.h"

#include "recordinguserinterface.h"
#include "smalldrive.h"
#include "writefaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace kpd {
namespace {

using test::SafeWriteTest;
using Status = TextRows::Status;

class TextRowsTest : public ::testing::Test {
protected:
    TextRowsTest()
    {
        test::buildSmallDrive(app);
        for (const char* set : {"English", "Custom"}) {
            mode(set, "m1", "p1").setDesc("Speed reference");
            mode(set, "m1", "p2").setDesc("Maximum speed");
        }
        mode("English", "m2", "p5").setHelp("Help of p5");
        rows.rebuild();
    }
    ModeData& mode(const std::string& set, const std::string& menu, const std::string& para,
                   const std::string& modeKey = "Open loop")
    {
        return app.stringDatas().Item(set).DrvMenus().Item(menu).Parameters().Item(para).modes().Item(modeKey);
    }
    std::size_t row(const std::string& menu, const std::string& para, TextField field = TextField::Description)
    {
        return *rows.indexOf({menu, para, "Open loop", field});
    }

    test::RecordingUserInterface ui;
    TheApp app{ui, "."};
    ReviewMarks marks;
    TextRows rows{app, marks};
};

TEST_F(TextRowsTest, StatusesFollowTheChecksEditsAndDoneMarks)
{
    const std::size_t p1 = row("m1", "p1"), p5 = row("m2", "p5", TextField::Help);
    EXPECT_EQ(rows.shownStatus(p1), Status::Unchanged);
    EXPECT_EQ(rows.shownStatus(p5), Status::Empty);
    EXPECT_EQ(rows.shownStatus(row("m1", "p3")), std::nullopt) << "nothing in either set";

    EXPECT_TRUE(rows.setText(p1, "Speed reference value too long to fit"));
    EXPECT_EQ(rows.statusText(p1), "problem: overflow");
    EXPECT_TRUE(rows.has(p1, Status::Edited));
    EXPECT_TRUE(app.getCustMenus().Item("m1").dirty());

    rows.setDone(p1, true);
    EXPECT_EQ(rows.shownStatus(p1), Status::Done);
    rows.undo(p1);
    EXPECT_EQ(rows.text(p1), "Speed reference");
    EXPECT_FALSE(rows.has(p1, Status::Done)) << "written after it was marked";
    EXPECT_FALSE(rows.has(p1, Status::Edited)) << "back to the text it had";
}

TEST_F(TextRowsTest, AWriteChecksItsParameterAgainAndLeavesNearDuplicatesToTheWholeCheck)
{
    const std::size_t p1 = row("m1", "p1"), p2 = row("m1", "p2");
    rows.setText(p1, "Maximum speed.");
    rows.recheck();
    EXPECT_TRUE(rows.hasKind(p2, ProblemKind::NearDuplicate));
    rows.setText(p1, "Speed reference ");
    EXPECT_TRUE(rows.hasKind(p1, ProblemKind::TrailingSpace));
    EXPECT_TRUE(rows.hasKind(p2, ProblemKind::NearDuplicate)) << "another parameter: kept until the next whole check";
    rows.recheck();
    EXPECT_FALSE(rows.hasKind(p2, ProblemKind::NearDuplicate));
    EXPECT_EQ(rows.countsByKind(),
              (std::map<ProblemKind, int>{
                  {ProblemKind::Empty, 1}, {ProblemKind::Unchanged, 1}, {ProblemKind::TrailingSpace, 1}}));
}

TEST(KeypadTextLayout, LinesBreakAfterSixteenCellsAndAtLineBreaks)
{
    EXPECT_EQ(KeypadTextLayout::lines("0123456789abcdef"), (std::vector<std::string>{"0123456789abcdef"}));
    EXPECT_EQ(KeypadTextLayout::lines("0123456789abcdefg"), (std::vector<std::string>{"0123456789abcdef", "g"}));
    EXPECT_EQ(KeypadTextLayout::lines("Two~Mlines"), (std::vector<std::string>{"Two", "lines"}));
    EXPECT_EQ(KeypadTextLayout::lines(""), std::vector<std::string>{""}) << "an empty text shows one empty line";
}

TEST_F(TextRowsTest, TheFilterSearchesTextsNamesAndKeysAndNextSkipsDoneRows)
{
    TextFilter filter;
    filter.search = "SPEED";
    filter.field = TextField::Description;
    const std::vector<std::size_t> shown = filter.apply(rows);
    ASSERT_EQ(shown.size(), 2u);
    filter.search = "p5";
    filter.field.reset();
    filter.status = Status::Empty;
    EXPECT_EQ(filter.apply(rows), (std::vector<std::size_t>{row("m2", "p5", TextField::Help)}));

    const std::vector<std::size_t> order{0, 1, 2, 3};
    rows.setDone(1, true);
    rows.setDone(2, true);
    EXPECT_EQ(TextFilter::nextNotDone(rows, order, 0, false), 3u);
    EXPECT_EQ(TextFilter::nextNotDone(rows, order, 3, true), 0u);
    EXPECT_EQ(TextFilter::nextNotDone(rows, order, 3, false), std::nullopt);
}

TEST(ReviewMarks, NotesAndDoneMarksSurviveTheSideFileAndAChangedTextIsNoLongerDone)
{
    ReviewMarks marks;
    const TextKey done{"m1", "p1", "Open loop", TextField::Help};
    const TextKey noted{"m\xe9", "p2", "Servo", TextField::Description};
    marks.setDone(done, true, "Hilfe");
    marks.setNote(noted, "Tab\there, line\nthere, back\\slash, \xe9t\xe9");
    const auto folder = std::filesystem::temp_directory_path() / ("reviewmarks-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string data = (folder / "drive.kpd").string();
    marks.save(data);

    const ReviewMarks read = ReviewMarks::load(data);
    EXPECT_TRUE(read.done(done, "Hilfe"));
    EXPECT_FALSE(read.done(done, "Hilfe!")) << "edited by another tool since";
    EXPECT_EQ(read.note(noted), "Tab\there, line\nthere, back\\slash, \xe9t\xe9");
    EXPECT_EQ(read.fileText(), marks.fileText());
    std::ifstream side(ReviewMarks::sideFileName(data), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(side)), {});
    EXPECT_NE(text.find("m\xc3\xa9\tp2"), std::string::npos) << "UTF-8 on disk";

    EXPECT_TRUE(ReviewMarks::load((folder / "none.kpd").string()).empty());
    std::filesystem::remove_all(folder);
}

TEST(ReviewMarks, LinesThatCannotBeReadAreSkipped)
{
    const ReviewMarks marks = ReviewMarks::fromFileText("keypad-review 1\n"
                                                        "m1\tp1\tA\tsummary\tdone\t0\t\n"
                                                        "m1\tp1\tA\thelp\tdone\n"
                                                        "m1\tp2\tA\thelp\topen\t0\tKept\n");
    EXPECT_EQ(marks.fileText(), "keypad-review 1\nm1\tp2\tA\thelp\topen\t00000000\tKept\n");
}

const std::vector<test::WriterUnderTest> kMarksWriter = {
    {"ReviewMarks",
     [](const std::string& path) {
         ReviewMarks marks;
         marks.setNote({"m1", "p1", "A"}, "note");
         return test::outcomeOf(
             [&] { marks.save(path.substr(0, path.size() - ReviewMarks::sideFileName({}).size())); });
     },
     "drive.kpd.review"}};

TEST_P(SafeWriteTest, KeepsItsPromises)
{
    test::expectSafeWrite(writer(), fault());
}

INSTANTIATE_TEST_SUITE_P(ReviewMarks, SafeWriteTest,
                         testing::Combine(testing::ValuesIn(kMarksWriter), testing::ValuesIn(test::allWriteFaults())),
                         test::safeWriteName);

TEST_F(TextRowsTest, FindAndReplaceMatchWordsCaseAndExpressionsAndMarkWhatTheKeypadCannotShow)
{
    const auto changed = [&](FindReplace::Options options) {
        std::vector<std::string> after;
        for (const FindReplace::Change& change : FindReplace(options).preview(rows)) after.push_back(change.after);
        return after;
    };
    EXPECT_EQ(changed({"speed", "rate"}), (std::vector<std::string>{"rate reference", "Maximum rate"}));
    EXPECT_EQ(changed({"speed", "rate", false, true}), (std::vector<std::string>{"Maximum rate"}));
    EXPECT_EQ(changed({"Spee", "x", true}), std::vector<std::string>{}) << "not a whole word";
    EXPECT_EQ(changed({"(\\w+) speed", "$1 rate", false, false, true}), (std::vector<std::string>{"Maximum rate"}));
    EXPECT_THROW(FindReplace({"(", "x", false, false, true}), ModelError);

    std::vector<FindReplace::Change> changes = FindReplace({"Maximum", "Max\x01"}).preview(rows);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].losesGlyph);
    EXPECT_EQ(FindReplace::apply(rows, changes, {}).replacements, 0);
    changes[0].insisted = true;
    const FindReplace::Run run = FindReplace::apply(
        rows, changes, [](std::size_t, const std::string& t) { return static_cast<std::int64_t>(t.size()); });
    EXPECT_EQ(run.bytesSaved, 3);
    EXPECT_EQ(FindReplace({"reference", "", false, false, false, true}).find(rows).size(), 2u)
        << "the custom text and its reference";
    FindReplace::undo(rows, run);
    EXPECT_EQ(mode("Custom", "m1", "p2").getDesc(), "Maximum speed");
}

} // namespace
} // namespace kpd
