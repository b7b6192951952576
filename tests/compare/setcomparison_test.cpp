#include "compare/setcomparison.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

ModeRecord record(const std::string& para, const std::string& desc, const std::string& help = {})
{
    ModeRecord r;
    r.menuKey = "m1";
    r.paraKey = para;
    r.modeKey = "Open loop";
    r.desc = desc;
    r.help = help;
    return r;
}

TEST(SetComparison, TwoWayTellsTextsOnlyOneSideHoldsFromTextsBothHoldDifferently)
{
    const std::string empty;
    EXPECT_EQ(SetComparison::classify("A", "A", nullptr), std::nullopt);
    EXPECT_EQ(SetComparison::classify("A", "", nullptr), Change::OnlyOurs);
    EXPECT_EQ(SetComparison::classify("", "B", nullptr), Change::OnlyTheirs);
    EXPECT_EQ(SetComparison::classify("A", "B", nullptr), Change::Conflict);
    // An empty base is not the same as no base: the side that filled the text did the change.
    EXPECT_EQ(SetComparison::classify("", "B", &empty), Change::OnlyTheirs);
}

TEST(SetComparison, ThreeWayTellsWhoChangedWhatSinceTheBase)
{
    const std::string base = "old";
    const std::string empty;
    EXPECT_EQ(SetComparison::classify("old", "old", &base), std::nullopt);
    EXPECT_EQ(SetComparison::classify("new", "old", &base), Change::ChangedOurs);
    EXPECT_EQ(SetComparison::classify("old", "new", &base), Change::ChangedTheirs);
    EXPECT_EQ(SetComparison::classify("old", "", &base), Change::ChangedTheirs);
    EXPECT_EQ(SetComparison::classify("new", "new", &base), Change::ChangedBoth);
    EXPECT_EQ(SetComparison::classify("mine", "yours", &base), Change::Conflict);
    EXPECT_EQ(SetComparison::classify("added", "", &empty), Change::OnlyOurs);
}

TEST(SetComparison, ListsEachDifferingFieldOfEachRecordInSetOrder)
{
    SetSnapshot ours, theirs;
    ours.add(record("p1", "Same", "Help one"));
    theirs.add(record("p1", "Same", "Help two"));
    ModeRecord ourUnit = record("p2", "Speed");
    ourUnit.unit = 3;
    ModeRecord theirUnit = record("p2", "Speed");
    theirUnit.unit = 4;
    theirUnit.uLim = "1500";
    ours.add(ourUnit);
    theirs.add(theirUnit);
    theirs.add(record("p9", "New param"));

    const std::vector<Difference> diffs = SetComparison::compare(ours, theirs);
    ASSERT_EQ(diffs.size(), 4u);
    EXPECT_EQ(diffs[0].paraKey(), "p1");
    EXPECT_EQ(diffs[0].field, Field::Help);
    EXPECT_EQ(diffs[0].change, Change::Conflict);
    EXPECT_EQ(diffs[1].field, Field::Unit);
    EXPECT_EQ(diffs[2].field, Field::Limits);
    EXPECT_EQ(readableFieldText(diffs[2].theirs, Field::Limits), "Lower , upper 1500, default , decimals 0");
    // A record only they have is compared against nothing.
    EXPECT_EQ(diffs[3].paraKey(), "p9");
    EXPECT_EQ(diffs[3].change, Change::OnlyTheirs);
    EXPECT_EQ(diffs[3].theirs.desc, "New param");
}

TEST(SetComparison, WithABaseEveryClassAppearsOnceAndUnchangedRecordsNotAtAll)
{
    SetSnapshot base, ours, theirs;
    const std::vector<std::tuple<std::string, std::string, std::string, std::string>> rows{
        {"p0", "same", "same", "same"},  {"p1", "base", "ours", "base"}, {"p2", "base", "base", "theirs"},
        {"p3", "base", "both", "both"},  {"p4", "base", "ours", "theirs"}, {"p5", "", "", "added"},
        {"p6", "", "added", ""}};
    for (const auto& [para, b, o, t] : rows) {
        base.add(record(para, b));
        ours.add(record(para, o));
        theirs.add(record(para, t));
    }
    const std::vector<Difference> diffs = SetComparison::compare(ours, theirs, &base);
    std::vector<std::pair<std::string, Change>> got;
    for (const Difference& d : diffs) got.emplace_back(d.paraKey(), d.change);
    const std::vector<std::pair<std::string, Change>> expected{
        {"p1", Change::ChangedOurs}, {"p2", Change::ChangedTheirs}, {"p3", Change::ChangedBoth},
        {"p4", Change::Conflict},    {"p5", Change::OnlyTheirs},    {"p6", Change::OnlyOurs}};
    EXPECT_EQ(got, expected);
    ASSERT_TRUE(diffs[0].base);
    EXPECT_EQ(diffs[0].base->desc, "base");
}

} // namespace
} // namespace kpd
