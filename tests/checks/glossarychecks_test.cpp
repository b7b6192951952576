#include "checks/glossary.h"
#include "checks/textchecker.h"
#include "checks/translationunifier.h"

#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

#include <memory>

namespace kpd {
namespace {

struct GlossaryChecks : ::testing::Test {
    test::RecordingUserInterface ui;
    TheApp app{ui, "."};
    std::shared_ptr<Glossary> glossary = std::make_shared<Glossary>();

    GlossaryChecks()
    {
        test::buildSmallDrive(app);
        GlossaryTerm speed;
        speed.formsFor("en").full = "Speed";
        GlossaryForms& french = speed.formsFor("fr-FR");
        french.full = "Vitesse";
        french.shortForms = {"Vit."};
        french.forbidden = {"V\xE9locit\xE9"};
        glossary->terms().push_back(speed);
    }

    void desc(const std::string& menu, const std::string& para, const std::string& reference, const std::string& custom,
              const std::string& mode = "Servo")
    {
        app.getRefMenus().Item(menu).Parameters().Item(para).modes().Item(mode).setDesc(reference);
        app.getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode).setDesc(custom);
    }

    std::vector<Problem> problems(ProblemKind kind)
    {
        TextChecker::Options options;
        options.kinds = {kind};
        return TextChecker::check(CheckInput::fromApp(app, glossary), options);
    }
};

TEST_F(GlossaryChecks, AForbiddenFormAndATermLeftOutAreFoundWhileAnyApprovedFormCounts)
{
    desc("m1", "p1", "Speed ref",
         "V\xC9LOCIT\xC9 r\xE9"
         "f");
    desc("m1", "p2", "Max speed", "Vit. max");
    desc("m1", "p3", "Max speed", "Max speed");
    desc("m2", "p0", "Speed limit", "Vitesses limite");
    const std::vector<Problem> found = problems(ProblemKind::Glossary);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].paraKey, "p1");
    EXPECT_EQ(found[0].message, "Forbidden form \"V\xE9locit\xE9\"; use \"Vitesse\", \"Vit.\"");
    EXPECT_EQ(found[1].paraKey, "p1");
    EXPECT_EQ(found[1].message, "The reference has \"Speed\"; none of \"Vitesse\", \"Vit.\" is used");
    EXPECT_EQ(found[2].menuKey, "m2") << "a form inside a longer word is no form";
}

TEST(GlossaryWords, AFormIsAWholeWordWhereverEscapesAndPunctuationPartIt)
{
    EXPECT_EQ(Glossary::findWord("Minimum speed~Mreference", "REFERENCE"), 15u) << "after a line break escape";
    EXPECT_EQ(Glossary::findWord("x~x41ref", "ref"), 5u) << "after a character escape";
    EXPECT_EQ(Glossary::findWord("~Mref", "Mref"), std::string::npos) << "an escape's letter starts no word";
    EXPECT_EQ(Glossary::findWord("prefix ref", "ref"), 7u) << "the first whole word, not the part of a word";
    EXPECT_EQ(Glossary::findWord("R\xE9"
                                 "f.vit",
                                 "r\xC9"
                                 "f."),
              0u)
        << "a form ending in a stop ends a word";
    EXPECT_EQ(Glossary::findWord("Speedy", "Speed"), std::string::npos);
}

TEST_F(GlossaryChecks, WithoutACustomLanguageTheGlossaryChecksNothing)
{
    glossary->terms()[0].formsFor("de").full = "Drehzahl";
    desc("m1", "p1", "Speed", "V\xE9locit\xE9");
    EXPECT_TRUE(problems(ProblemKind::Glossary).empty()) << "two languages besides the reference: which one?";
    TextChecker::Options options;
    options.kinds = {ProblemKind::Glossary};
    EXPECT_EQ(TextChecker::check(CheckInput::fromApp(app, glossary, "fr_FR"), options).size(), 2u);
}

TEST_F(GlossaryChecks, OneReferenceTextTranslatedTwoWaysIsInconsistentUntilUnified)
{
    desc("m1", "p1", "Speed", "Vitesse");
    desc("m2", "p0", "Speed", "Vitesse", "Open loop");
    EXPECT_TRUE(problems(ProblemKind::Inconsistent).empty());
    desc("m1", "p2", "Speed", "Vit.");
    const std::vector<Problem> found = problems(ProblemKind::Inconsistent);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].paraKey, "p2");
    EXPECT_EQ(found[0].suggestion, "Vitesse");
    EXPECT_EQ(found[0].bytes, 5) << "the stored \"Vit.\" and its terminator";
    desc("m2", "p5", "Pace", "Vit.");
    EXPECT_EQ(problems(ProblemKind::Inconsistent).at(0).bytes, 0) << "another text keeps \"Vit.\" stored";
    desc("m2", "p5", "Pace", "Allure");

    TranslationUnifier unifier(app);
    const auto forms = unifier.forms(found[0]);
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0], std::make_pair(std::string("Vitesse"), 2));
    EXPECT_EQ(unifier.unify(found[0], "Vit."), 2);
    EXPECT_TRUE(problems(ProblemKind::Inconsistent).empty());
    EXPECT_EQ(app.getCustMenus().Item("m1").Parameters().Item("p1").modes().Item("Servo").undoD(), "Vitesse");
}

TEST_F(GlossaryChecks, ParametersOfOneMenuWithOneDescriptionAreAmbiguousOnlyWhereTheReferenceTellsThemApart)
{
    desc("m1", "p1", "Speed", "Vitesse");
    desc("m1", "p2", "Speed", "Vitesse");
    desc("m2", "p0", "Velocity", "Vitesse");
    EXPECT_TRUE(problems(ProblemKind::Ambiguous).empty());
    desc("m1", "p3", "Velocity", "Vitesse");
    const std::vector<Problem> found = problems(ProblemKind::Ambiguous);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].message, "Same description as p3 although the reference descriptions differ");
    EXPECT_EQ(found[2].message, "Same description as p1, p2 although the reference descriptions differ");
}

TEST_F(GlossaryChecks, AReferenceDescriptionOf29Of32CellsLacksHeadroomAnd28DoesNot)
{
    desc("m1", "p1", "Motor rate speed~Mat full load", "x");
    EXPECT_TRUE(problems(ProblemKind::SourceHeadroom).empty()) << "28 characters, the break takes no cell";
    desc("m1", "p1", "Motor rated speed~Mat full load", "x");
    ASSERT_EQ(problems(ProblemKind::SourceHeadroom).size(), 1u);
    EXPECT_EQ(problems(ProblemKind::SourceHeadroom)[0].message, "The reference uses 29 of 32 cells (90 %)");
    EXPECT_EQ(TextChecker::defaultKinds().count(ProblemKind::SourceHeadroom), 0u);
}

} // namespace
} // namespace kpd
