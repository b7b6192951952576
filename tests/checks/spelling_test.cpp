#include "checks/drivespelling.h"
#include "checks/glossary.h"
#include "checks/problemfixer.h"
#include "checks/spellchecker.h"
#include "checks/spellinglanguages.h"
#include "checks/spellingproblems.h"
#include "checks/textchecker.h"
#include "fileio/safefile.h"
#include "model/drvmenus.h"
#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

// These tests spell with the Debian dictionaries themselves, as the editor does.
namespace kpd {
namespace {

std::shared_ptr<const SpellChecker> speller(const std::string& language, const std::string& wordList = {})
{
    auto dictionary = SpellDictionary::open(language);
    if (!dictionary) return nullptr;
    return std::make_shared<SpellChecker>(dictionary, WordList::parse(wordList));
}

std::vector<Problem> spellingOf(const std::shared_ptr<const SpellChecker>& checker, const std::string& desc,
                                const std::string& help = {})
{
    CheckInput input;
    input.maxHelpChars = 40;
    CheckInput::ModeTexts mode;
    mode.modeKey = "Open loop";
    mode.desc = desc;
    mode.help = help;
    input.params.push_back({"m1", "p1", {mode}});
    TextChecker::Options options;
    options.kinds = {ProblemKind::Spelling};
    options.spelling = checker;
    std::vector<Problem> problems = TextChecker::check(input, options);
    for (Problem& problem : problems) SpellingProblems::addFixes(*checker, problem, input.maxHelpChars);
    return problems;
}

bool offers(const Problem& problem, const std::string& text)
{
    return problem.suggestion == text ||
           std::find(problem.alternatives.begin(), problem.alternatives.end(), text) != problem.alternatives.end();
}

class Spelling : public testing::Test {
protected:
    void SetUp() override
    {
        english_ = speller("en_US", "Spd\nsel\n*freq\n");
        french_ = speller("fr_FR");
        if (!english_ || !french_) GTEST_SKIP() << "the hunspell-en-us and hunspell-fr dictionaries are not installed";
    }
    std::shared_ptr<const SpellChecker> english_;
    std::shared_ptr<const SpellChecker> french_;
};

TEST_F(Spelling, ATypoIsFoundWithItsCorrectionInEnglishAndFrench)
{
    const auto english = spellingOf(english_, "Maximum speeed");
    ASSERT_EQ(english.size(), 1u);
    EXPECT_NE(english[0].message.find("\"speeed\""), std::string::npos);
    EXPECT_TRUE(offers(english[0], "Maximum speed"));

    // "Fr\xe9quance" and its correction in the model's 8-bit text, not in the dictionary's UTF-8.
    const auto french = spellingOf(french_, "Vitesse~MFr\xe9quance");
    ASSERT_EQ(french.size(), 1u);
    EXPECT_EQ(french[0].suggestion, "Vitesse~MFr\xe9quence");
}

TEST_F(Spelling, AccentedWordsAreCheckedWhetherWrittenAsBytesOrEscapes)
{
    EXPECT_TRUE(spellingOf(french_, "Fr\xe9quence arr\xeat", "R~xe9f~xe9rence de vitesse").empty());
    EXPECT_EQ(spellingOf(french_, "Frequence arret").size(), 2u);
}

TEST_F(Spelling, TheWordListAcceptsAbbreviationsAndItsStarEntryForbidsADictionaryWord)
{
    EXPECT_TRUE(spellingOf(english_, "Spd ref sel").empty());
    EXPECT_EQ(speller("en_US")->misspelled("Spd ref sel").size(), 2u);
    // "freq" is in the dictionary; the drive's list forbids it.
    const auto forbidden = spellingOf(english_, "Switching freq");
    ASSERT_EQ(forbidden.size(), 1u);
    EXPECT_NE(forbidden[0].message.find("forbidden"), std::string::npos);
}

TEST_F(Spelling, TheGlossarysApprovedFormsInTheCheckersLanguageAreAcceptedItsForbiddenOnesAreNot)
{
    Glossary glossary;
    GlossaryTerm& term = glossary.terms().emplace_back();
    term.formsFor("en") = {"Acceleration", {"Accl"}, {}, {}};
    term.formsFor("fr-FR") = {"Acc\xe9l\xe9ration", {"Acc\xe9l."}, {"Rampe rapidit"}, {"Accel"}};
    SpellChecker withGlossary(SpellDictionary::open("fr_FR"), {});
    withGlossary.setAccepted(SpellChecker::glossaryWords(glossary, "fr_FR"));
    EXPECT_TRUE(withGlossary.misspelled("Acc\xe9l. rapidit").empty());
    const std::vector<SpellWords::Word> refused = withGlossary.misspelled("Accl Accel");
    ASSERT_EQ(refused.size(), 2u) << "another language's short form and a forbidden form";
}

TEST_F(Spelling, NumbersUnitsEscapesAndPunctuationAreNoWords)
{
    EXPECT_TRUE(spellingOf(english_, "Range 0 to 550 rpm~M(50Hz) 10kW", "Speed in Hz: PID gain, see menu 1.").empty());
    // A text that fills its first display line goes on in the second without a space.
    EXPECT_TRUE(spellingOf(english_, "Reference selectselect option").empty());
    const std::vector<SpellWords::Word> words = SpellWords::cut("Ref~M(Motor speeed)");
    ASSERT_EQ(words.size(), 3u);
    // "~M" is one cell: the escaped text and the cells count differently after it.
    EXPECT_EQ(words[2].text, "speeed");
    EXPECT_EQ(words[2].begin, 12u);
    EXPECT_EQ(words[2].first, 11u);
}

TEST_F(Spelling, ACorrectionReplacesOnlyTheWordAndKeepsTheEscapesAroundIt)
{
    // "~M" and "~x20" are escapes: the word's place in the escaped text is not its cell.
    const auto found = spellingOf(english_, "Ref~MMaximum~x20speeed.");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(SpellingProblems::word(found[0]), "speeed");
    EXPECT_TRUE(offers(found[0], "Ref~MMaximum~x20speed."));
    for (const std::string& fix : found[0].alternatives) EXPECT_EQ(fix.substr(0, 16), "Ref~MMaximum~x20");
}

TEST_F(Spelling, CorrectionsThatWouldOverflowTheLinesAreNotOffered)
{
    // "teh" ends a help text at its limit of 40 characters: "the" still fits, "teth" would not.
    const std::string start = "Press the arrow keys to step through ";
    const auto found = spellingOf(english_, "Speed", start + "teh");
    ASSERT_EQ(found.size(), 1u);
    const Problem* teh = &found[0];
    EXPECT_TRUE(offers(*teh, start + "the"));
    EXPECT_FALSE(offers(*teh, start + "teth"));
}

TEST_F(Spelling, TheQuickFixReplacesTheWordUnlessTheTextChangedSinceTheCheck)
{
    test::RecordingUserInterface ui;
    TheApp app(ui, ".");
    test::buildSmallDrive(app);
    ModeData* record = &*app.getCustMenus().find("m1")->Parameters().find("p1")->modes().begin();
    record->setDesc("Maximum speeed");
    Problem problem = spellingOf(english_, "Maximum speeed")[0];
    problem.paraKey = "p1";
    problem.modeKey = record->modeKey();
    problem.suggestion = "Maximum speed";
    record->setDesc("Maximum speeed!");
    EXPECT_FALSE(ProblemFixer(app.getCustMenus()).apply(problem));
    record->setDesc("Maximum speeed");
    EXPECT_TRUE(ProblemFixer(app.getCustMenus()).apply(problem));
    EXPECT_EQ(record->getDesc(), "Maximum speed");
}

TEST(SpellingLanguages, SetsTakeTheLanguageOfTheirNameAndTheCustomSetTheReferencesUntilChosen)
{
    const std::vector<std::string> offered{"de_DE", "en_GB", "fr", "fr_CA", "fr_FR"};
    EXPECT_EQ(SpellingLanguages::fromName("French", offered), "fr_FR");
    EXPECT_EQ(SpellingLanguages::fromName("fr", offered), "fr");
    EXPECT_EQ(SpellingLanguages::fromName("English", offered), "en_GB");
    EXPECT_EQ(SpellingLanguages::fromName("Spanish", offered), "");

    test::RecordingUserInterface ui;
    TheApp app(ui, ".");
    test::buildSmallDrive(app);
    SpellingLanguages languages;
    EXPECT_EQ(languages.languageOf(app, "Custom", offered), "en_GB");
    languages = SpellingLanguages::parse("# chosen in the editor\nCustom = fr_CA\n");
    EXPECT_EQ(languages.languageOf(app, "Custom", offered), "fr_CA");
    EXPECT_EQ(SpellingLanguages::parse(languages.fileText()).chosen("Custom"), "fr_CA");
}

TEST(WordList, AddingAWordLiftsItsBanAndKeepsTheOtherLinesOfTheFile)
{
    const std::string folder = testing::TempDir() + "wordlist-test";
    std::filesystem::create_directories(folder);
    const std::string original = "# drive words\nSpd/S\n*r\xc3\xa9"
                                 "f\n";
    SafeFile::write(WordList::path(folder), original);
    WordList::addTo(folder, "r\xe9"
                            "f");
    WordList::addTo(folder, "Accl");
    const WordList list = WordList::read(folder);
    EXPECT_TRUE(list.accepts("Spd") &&
                list.accepts("r\xe9"
                             "f") &&
                list.accepts("R\xe9"
                             "f"));
    EXPECT_FALSE(list.forbids("r\xe9"
                              "f"));
    EXPECT_EQ(list.fileText(), "# drive words\nSpd/S\nr\xc3\xa9"
                               "f\nAccl\n");
}

} // namespace
} // namespace kpd

namespace kpd {
namespace {

TEST(DriveSpelling, TakesTheDriveFoldersLanguageAndWordListAndNamesAMissingDictionary)
{
    const std::string folder = testing::TempDir() + "drivespelling-test";
    std::filesystem::create_directories(folder);
    SafeFile::write(folder + "/" + SpellingLanguages::kFileName, "Custom=fr_FR\n");
    SafeFile::write(WordList::path(folder), "Zorglex\n");
    test::RecordingUserInterface ui;
    TheApp app(ui, folder);
    test::buildSmallDrive(app);

    const DriveSpelling custom = DriveSpelling::ofCustomSet(app);
    if (!custom.checker) GTEST_SKIP() << "the hunspell-fr dictionary is not installed";
    EXPECT_EQ(custom.language, "fr_FR");
    EXPECT_TRUE(custom.checker->misspelled("Zorglex vitesse").empty());
    EXPECT_EQ(custom.checker->misspelled("Zorglex Zorgleq").size(), 1u);

    const DriveSpelling none = DriveSpelling::ofCustomSet(app, "xx_XX");
    EXPECT_FALSE(none.checker);
    EXPECT_EQ(none.missingMessage(),
              "No spelling dictionary \"xx_XX\" is installed: the spelling of Custom is not checked");
    EXPECT_TRUE(SpellDictionary::available().size() >= 2);
}

} // namespace
} // namespace kpd
