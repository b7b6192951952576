#include "checks/problemlist.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

Problem at(ProblemKind kind, const std::string& menu, const std::string& para, const std::string& mode)
{
    Problem problem;
    problem.kind = kind;
    problem.menuKey = menu;
    problem.paraKey = para;
    problem.modeKey = mode;
    problem.message = "msg";
    return problem;
}

TEST(ProblemList, StepsFromPlaceToPlaceGoingRoundAtTheEnds)
{
    CheckInput input;
    for (const char* menu : {"m1", "m2"})
        for (const char* para : {"p1", "p2"}) {
            input.params.push_back({menu, para, {}});
            for (const char* mode : {"A", "B"}) {
                CheckInput::ModeTexts texts;
                texts.modeKey = mode;
                input.params.back().modes.push_back(texts);
            }
        }
    const ProblemList list(input, {at(ProblemKind::Overflow, "m1", "p1", "B"), at(ProblemKind::Empty, "m1", "p1", "B"),
                                   at(ProblemKind::NoGlyph, "m2", "p2", "A")});
    const std::set<ProblemKind> all(kAllProblemKinds.begin(), kAllProblemKinds.end());
    EXPECT_EQ(list.next({"m1", "p1", "A"}, false, all), 0u);
    EXPECT_EQ(list.next({"m1", "p1", "B"}, false, all), 2u) << "the other problem of the same place is skipped";
    EXPECT_EQ(list.next({"m2", "p2", "A"}, false, all), 0u);
    EXPECT_EQ(list.next({"m2", "p1", "B"}, true, all), 1u);
    EXPECT_EQ(list.next({"m1", "p1", "A"}, true, all), 2u);
    EXPECT_EQ(list.next({"trips", "t1", "A"}, false, all), 0u);
    EXPECT_EQ(list.next({"m1", "p1", "B"}, false, {ProblemKind::Empty}), 1u);
    EXPECT_FALSE(list.next({"m1", "p1", "B"}, false, {ProblemKind::TrailingSpace}));

    EXPECT_EQ(list.countsByMenu(), (std::vector<std::pair<std::string, int>>{{"m1", 2}, {"m2", 1}}));
    EXPECT_EQ(list.describe({"m1", "p1", "B"}),
              (std::vector<std::string>{"overflow (description): msg", "empty (description): msg"}));
}

} // namespace
} // namespace kpd
