#include "checks/textchecker.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kpd {
namespace {

using Mode = CheckInput::ModeTexts;

Mode mode(const std::string& key, const std::string& desc, const std::string& help, const std::string& refDesc,
          const std::string& refHelp)
{
    Mode m;
    m.modeKey = key;
    m.desc = desc;
    m.help = help;
    m.refPresent = true;
    m.refDefined = true;
    m.refDesc = refDesc;
    m.refHelp = refHelp;
    return m;
}

// One parameter whose texts differ from the reference's (a clean translation).
CheckInput oneParam(std::vector<Mode> modes, int maxHelpChars = 20)
{
    CheckInput input;
    input.maxHelpChars = maxHelpChars;
    input.params.push_back({"m1", "p1", std::move(modes)});
    return input;
}

CheckInput oneText(const std::string& desc, const std::string& help = "Hilfe")
{
    return oneParam({mode("Open loop", desc, help, "Reference", "Help")});
}

std::vector<Problem> ofKind(const std::vector<Problem>& all, ProblemKind kind)
{
    std::vector<Problem> some;
    std::copy_if(all.begin(), all.end(), std::back_inserter(some), [&](const Problem& p) { return p.kind == kind; });
    return some;
}

std::vector<Problem> found(const CheckInput& input, ProblemKind kind)
{
    TextChecker::Options options;
    options.kinds = {kind};
    return ofKind(TextChecker::check(input, options), kind);
}

TEST(TextChecker, ACleanSetReportsNothingEvenWithEveryKind)
{
    TextChecker::Options all;
    all.kinds = {kAllProblemKinds.begin(), kAllProblemKinds.end()};
    const CheckInput input = oneParam({mode("Open loop", "Drehzahl~Mminimal", "Hilfe", "Speed~Mminimum", "Help"),
                                       mode("Servo", "Drehzahl~Mminimal", "Hilfe", "Speed~Mminimum", "Help")});
    EXPECT_TRUE(TextChecker::check(input, all).empty());
}

TEST(TextChecker, DescriptionsOverflowPastTwoDisplayLinesOfSixteenColumns)
{
    const std::string sixteen = "0123456789abcdef";
    EXPECT_TRUE(found(oneText("short~M" + sixteen), ProblemKind::Overflow).empty());
    EXPECT_TRUE(found(oneText(sixteen + sixteen), ProblemKind::Overflow).empty());
    const std::vector<Problem> wrapped = found(oneText("short~M" + sixteen + "g"), ProblemKind::Overflow);
    ASSERT_EQ(wrapped.size(), 1u);
    EXPECT_EQ(wrapped[0].message, "Takes 3 display lines, the keypad shows 2");
    EXPECT_EQ(wrapped[0].field, TextField::Description);
    EXPECT_EQ(found(oneText(sixteen + sixteen + "g"), ProblemKind::Overflow).size(), 1u);
    // The box puts a break after a full line on a line of its own.
    EXPECT_EQ(found(oneText(sixteen + "~Mx"), ProblemKind::Overflow).size(), 1u);
}

TEST(TextChecker, HelpTextsOverflowPastTheConfiguredLength)
{
    EXPECT_TRUE(found(oneText("Kurz", std::string(20, 'h')), ProblemKind::Overflow).empty());
    const std::vector<Problem> longer = found(oneText("Kurz", std::string(21, 'h')), ProblemKind::Overflow);
    ASSERT_EQ(longer.size(), 1u);
    EXPECT_EQ(longer[0].field, TextField::Help);
    EXPECT_EQ(longer[0].message, "21 characters, at most 20");
}

TEST(TextChecker, EmptyAndUndefinedTextsCountOnlyWhereTheReferenceHasText)
{
    Mode undefined = mode("Servo", "", "", "Speed", "");
    undefined.defined = false;
    const std::vector<Problem> problems =
        found(oneParam({mode("Open loop", "", "Hilfe", "Speed", "Help"), undefined}), ProblemKind::Empty);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].modeKey, "Open loop");
    EXPECT_EQ(problems[0].message, "Empty where the reference has text");
    EXPECT_EQ(problems[1].modeKey, "Servo");
    EXPECT_EQ(problems[1].field, TextField::Description);
    EXPECT_EQ(problems[1].message, "Not defined in this mode where the reference has text");
}

TEST(TextChecker, UnchangedTextsAreReportedOnlyWhenAskedFor)
{
    const CheckInput input = oneParam({mode("Open loop", "Speed", "Hilfe", "Speed", "Help")});
    EXPECT_TRUE(ofKind(TextChecker::check(input), ProblemKind::Unchanged).empty());
    EXPECT_EQ(found(input, ProblemKind::Unchanged).size(), 1u);
}

TEST(TextChecker, CharactersWithoutGlyphGetTheirSuggestions)
{
    const std::vector<Problem> problems =
        found(oneText("A~AB~M~JC~!D\xD8~xd8 Stra?e why?"), ProblemKind::NoGlyph);
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0].message, "Byte 0x01 has no glyph at character 2");
    EXPECT_FALSE(problems[0].suggestion);
    EXPECT_EQ(problems[1].message, "Byte 0x0A has no glyph at character 7");
    EXPECT_EQ(problems[1].suggestion, "");
    EXPECT_EQ(problems[2].message, "Escape \"~!\" becomes a space at character 10");
    EXPECT_EQ(problems[2].suggestion, " ");
    EXPECT_EQ(problems[3].message, "\"\xD8\" (0xD8) shows as the Greek capital letter Phi at character 13");
    EXPECT_EQ(problems[3].suggestion, "O");
    EXPECT_EQ(problems[4].message, "\"?\" inside a word: a character lost on loading at character 23");
    EXPECT_EQ(found(oneText("~J"), ProblemKind::NoGlyph).at(0).suggestion, "~M");
    EXPECT_EQ(found(oneText("~XZZ"), ProblemKind::NoGlyph).size(), 1u);
    // Characters that cannot be seen are named.
    EXPECT_EQ(found(oneText("a\xAD" "b"), ProblemKind::NoGlyph).at(0).message,
              "Soft hyphen (0xAD) shows as the Cyrillic capital letter Ya at character 2");
}

// What the loaded file held is known exactly: it is named in place of the guess, in text order.
TEST(TextChecker, CharactersLostOnLoadingAreNamed)
{
    CheckInput input = oneText("Stra?e ~A 5 ?", "Hilfe?");
    input.params[0].modes[0].lostInDesc = {{4, U'\u1E9E'}, {12, U'\u20AC'}};
    const std::vector<Problem> problems = found(input, ProblemKind::NoGlyph);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].message, "U+1E9E has no keypad code: it became \"?\" on loading, at character 5");
    EXPECT_FALSE(problems[0].suggestion);
    EXPECT_EQ(problems[1].message, "Byte 0x01 has no glyph at character 8");
    EXPECT_EQ(problems[2].message, "U+20AC euro sign has no keypad code: it became \"?\" on loading, at character 13");
    EXPECT_EQ(problems[2].field, TextField::Description);
}

TEST(TextChecker, TrailingSpacesAreWhatStripWouldRemove)
{
    const std::vector<Problem> problems = found(oneText("AB  ~MC  "), ProblemKind::TrailingSpace);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].bytes, 4);
    EXPECT_EQ(problems[0].suggestion, "AB~MC");
    EXPECT_TRUE(found(oneText("A B~MC"), ProblemKind::TrailingSpace).empty());
}

TEST(TextChecker, ModesThatShouldAgreeButDoNotAreMismatched)
{
    Mode unguided = mode("Regen", "Andere", "", "", "");
    unguided.refPresent = false;
    const std::vector<Problem> problems = found(oneParam({mode("Open loop", "Tempo", "Hilfe", "Speed", "Help"),
                                                          mode("Closed loop", "Tempo", "Hilfe", "Speed", "Help"),
                                                          mode("Servo", "Tempo!", "", "Speed", ""), unguided}),
                                                ProblemKind::ModeMismatch);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].modeKey, "Servo");
    EXPECT_EQ(problems[0].field, TextField::Description);
    EXPECT_EQ(problems[0].message, "Differs from Open loop, Closed loop although the reference texts are the same");
    EXPECT_EQ(problems[0].suggestion, "Tempo");
    EXPECT_EQ(problems[1].modeKey, "Regen");
    EXPECT_EQ(problems[1].field, TextField::Help);
    EXPECT_EQ(problems[1].message, "Empty while other modes have text");
}

TEST(TextChecker, NearDuplicatesCountTheBytesOfTheLessUsedFormOnce)
{
    CheckInput input = oneParam({mode("Open loop", "Speed", "Hilfe", "S", "H"), mode("Servo", "Speed", "Hilfe", "S", "H")});
    input.params.push_back({"m2", "p4", {mode("Open loop", "speed.", "hilfe ", "T", "I"),
                                         mode("Servo", "speed.", "Hilfe", "T", "I")}});
    const std::vector<Problem> problems = found(input, ProblemKind::NearDuplicate);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].paraKey, "p4");
    EXPECT_EQ(problems[0].suggestion, "Speed");
    EXPECT_EQ(problems[0].bytes, 7);
    EXPECT_EQ(problems[1].field, TextField::Help);
    EXPECT_EQ(problems[1].bytes, 7);
    EXPECT_EQ(problems[2].bytes, 0);
    // Another unit prefix makes another string in the database anyway.
    input.params[1].modes[0].unit = 2;
    input.params[1].modes[1].unit = 2;
    EXPECT_EQ(found(input, ProblemKind::NearDuplicate).size(), 1u);
}

} // namespace
} // namespace kpd
