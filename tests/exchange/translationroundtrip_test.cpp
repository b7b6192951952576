#include "exchange/translationexport.h"
#include "exchange/translationimport.h"
#include "exchange/translationreader.h"

#include "compare/setcomparison.h"
#include "keypadtext/cescapedtext.h"
#include "model/modelerror.h"
#include "model/stringdata.h"

#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <gtest/gtest.h>

#include <random>

namespace kpd {
namespace {

struct TranslationTest : testing::Test {
    test::RecordingUserInterface ui;
    TheApp app{ui, "."};

    TranslationTest() { test::buildSmallDrive(app); }

    std::vector<ModeData*> modes(const std::string& set)
    {
        std::vector<ModeData*> all;
        for (DrvMenu& menu : app.stringDatas().Item(set).DrvMenus())
            if (!menu.isMapped())
                for (Parameter& parameter : menu.Parameters())
                    for (ModeData& mode : parameter.modes()) all.push_back(&mode);
        return all;
    }

    void giveReferenceTexts()
    {
        int n = 0;
        for (ModeData* mode : modes("English")) {
            mode->setDesc("Reference " + std::to_string(++n) + "~Mline two");
            mode->setHelp("Help " + std::to_string(n));
        }
    }

    TranslationImport::Result roundTrip(ExchangeFormat format)
    {
        const std::string text = TranslationExport::fileText(TranslationExport::build(app, {}), format);
        return TranslationImport::match(app, TranslationReader::parse(text, "t"));
    }

    std::vector<Difference> differencesAfter(const TranslationImport::Result& result)
    {
        const SetSnapshot ours = SetSnapshot::of(app.stringDatas().Item("Custom"));
        return SetComparison::compare(ours, TranslationImport::theirs(ours, result));
    }

    // Every code in escaped texts that fit, a few empty, the rest random escapes, raw
    // characters (some the keypad shows otherwise), tildes and line breaks.
    void giveCustomTexts(unsigned seed)
    {
        std::mt19937 random(seed);
        const std::vector<std::string> pieces{"a",  "Z",    " ",    "\xE4", "\xDF", "~M", "~~",
                                              "~A", "~x9f", "~xd8", "1",    "\xD8", "\t"};
        int code = 0;
        std::size_t n = 0;
        for (ModeData* mode : modes("Custom")) {
            std::string help;
            for (int i = 0; i < 16 && code < 256; ++i) help += static_cast<char>(code++);
            if (help.empty())
                for (int i = 0; i < 12; ++i) help += pieces[random() % pieces.size()];
            std::string desc;
            for (int i = 0; i < 8; ++i) desc += pieces[random() % pieces.size()];
            mode->setHelp(CEscapedText::encode(help).substr(0, 80));
            mode->setDesc(++n % 7 == 0 ? std::string() : desc.substr(0, desc.find("~M", desc.find("~M") + 1)));
        }
        ASSERT_EQ(code, 256);
    }
};

class RoundTrip : public TranslationTest, public testing::WithParamInterface<ExchangeFormat> {};

TEST_P(RoundTrip, GeneratedSetsWithEveryCodeAndLineBreaksComeBackUnchanged)
{
    giveReferenceTexts();
    for (unsigned seed : {1u, 2u, 3u}) {
        giveCustomTexts(seed);
        const TranslationImport::Result result = roundTrip(GetParam());
        EXPECT_TRUE(result.complete()) << (result.refused.empty() ? "" : result.refused[0].reason);
        EXPECT_GT(result.imported.size(), 25u);
        for (const TranslationImport::Imported& text : result.imported) EXPECT_FALSE(text.sourceChanged) << text.id;
        const std::vector<Difference> differences = differencesAfter(result);
        EXPECT_TRUE(differences.empty()) << differences[0].ours.desc << " / " << differences[0].theirs.desc;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip,
                         testing::Values(ExchangeFormat::Xliff12, ExchangeFormat::Xliff21, ExchangeFormat::Po),
                         [](const auto& param) { return std::string(formatName(param.param)); });

TEST_F(TranslationTest, TheChoiceOfTextsPicksEmptyUnchangedOrChangedSinceABase)
{
    giveReferenceTexts();
    const SetSnapshot base = SetSnapshot::of(app.stringDatas().Item("Custom"));
    std::vector<ModeData*> custom = modes("Custom");
    std::vector<ModeData*> reference = modes("English");
    for (std::size_t i = 0; i < custom.size(); ++i) {
        custom[i]->setDesc(i == 0 ? std::string() : i == 1 ? reference[i]->getDesc() : "Own " + std::to_string(i));
        custom[i]->setHelp(reference[i]->getHelp());
    }
    const auto ids = [&](ExportSelection selection) {
        TranslationExport::Options options;
        options.selection = selection;
        options.base = &base;
        std::vector<std::string> found;
        for (const ExchangeUnit& unit : TranslationExport::build(app, options).units)
            if (unit.field == Field::Description) found.push_back(unit.id);
        return found;
    };
    EXPECT_EQ(ids(ExportSelection::Empty), std::vector<std::string>{"m1.p1.Open_20loop.desc"});
    EXPECT_EQ(ids(ExportSelection::Unchanged), std::vector<std::string>{"m1.p1.Closed_20loop.desc"});
    EXPECT_EQ(ids(ExportSelection::ChangedSince).size(), custom.size() - 1);
    EXPECT_EQ(ids(ExportSelection::All).size(), custom.size());
}

TEST_F(TranslationTest, UnitsThatDoNotFitAreRefusedUnknownOnesUnplacedAndChangedSourcesFlagged)
{
    giveReferenceTexts();
    const std::string po = "msgid \"\"\nmsgstr \"Language: de\\nX-Source-Language: en\\n\"\n\n"
                           "msgctxt \"m1.p1.Open_20loop.desc\"\nmsgid \"Reference 1\\nline two\"\n"
                           "msgstr \"Drehzahl Sollwert in Umdrehungen pro Min\"\n\n"
                           "msgctxt \"m1.p1.Open_20loop.help\"\nmsgid \"Help 1\"\nmsgstr \"" +
                           std::string(80, 'h') +
                           "\"\n\n"
                           "msgctxt \"m1.p1.Closed_20loop.help\"\nmsgid \"Help 2\"\nmsgstr \"" +
                           std::string(81, 'h') +
                           "\"\n\n"
                           "msgctxt \"m1.p1.Servo.help\"\nmsgid \"Old help\"\nmsgstr \"Hilfe \"\n\n"
                           "msgctxt \"m1.p2.Open_20loop.help\"\nmsgid \"Help\"\nmsgstr \"Preis in \xE2\x82\xAC\"\n\n"
                           "msgctxt \"m7.p1.Open_20loop.help\"\nmsgid \"Help\"\nmsgstr \"x\"\n";
    const TranslationImport::Result result = TranslationImport::match(app, TranslationReader::parse(po, "de.po"));
    ASSERT_EQ(result.refused.size(), 3u);
    EXPECT_EQ(result.refused[0].reason, "Takes 3 display lines, the keypad shows 2");
    EXPECT_EQ(result.refused[1].reason, "81 characters, at most 80");
    EXPECT_EQ(result.refused[2].line, 20);
    EXPECT_NE(result.refused[2].reason.find("at character 10"), std::string::npos);
    ASSERT_EQ(result.unplaced.size(), 1u);
    EXPECT_EQ(result.unplaced[0].id, "m7.p1.Open_20loop.help");
    ASSERT_EQ(result.imported.size(), 2u);
    EXPECT_FALSE(result.imported[0].sourceChanged);
    EXPECT_TRUE(result.imported[1].sourceChanged);
    EXPECT_FALSE(result.imported[0].trailingSpaces);
    EXPECT_TRUE(result.imported[1].trailingSpaces);

    // As a comparison: the help we left as the reference is theirs alone, the one we
    // changed ourselves a conflict.
    modes("Custom")[2]->setHelp("Unsere Hilfe");
    const SetSnapshot ours = SetSnapshot::of(app.stringDatas().Item("Custom"));
    const SetSnapshot reference = SetSnapshot::of(app.stringDatas().Item("English"));
    const SetSnapshot base = TranslationImport::base(ours, reference, result);
    const std::vector<Difference> differences =
        SetComparison::compare(ours, TranslationImport::theirs(ours, result), &base);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].change, Change::OnlyTheirs);
    EXPECT_EQ(differences[1].change, Change::Conflict);
}

TEST_F(TranslationTest, FilesNoUnitOfWhichMayBeTakenAreRefusedNamingFileAndLine)
{
    giveReferenceTexts();
    const std::vector<std::pair<std::string, std::string>> cases{
        {"<xliff version=\"1.2\"><file source-language=\"en\"><body>\n<trans-unit id=\"a\">\n</file></xliff>", "t:3:"},
        {"msgid \"\"\nmsgstr \"\"\n\nmsgctxt \"x\"\nmsgid \"a\nmsgstr \"b\"\n", "t:5:"},
        {"msgctxt \"m1.p1.Open_20loop.help\"\nmsgid \"\"\nmsgstr \"a\"\n\nmsgctxt \"m1.p1.Open_20loop.help\"\nmsgid "
         "\"\"\n"
         "msgstr \"b\"\n",
         "t:5: the unit m1.p1.Open_20loop.help comes twice"},
        {"<xliff version=\"2.1\" srcLang=\"fr\" trgLang=\"de\"><file id=\"f\"/></xliff>",
         "t:1: the source language fr"},
        {"<App AppID=\"KeypadApp\"><StringDB DBID=\"Custom\"/></App>", "t:1: not an XLIFF document"},
        {"Menu;Parameter\n", "t:1: neither XLIFF nor a PO file"},
    };
    for (const auto& [text, message] : cases) {
        try {
            TranslationImport::match(app, TranslationReader::parse(text, "t"));
            ADD_FAILURE() << text;
        } catch (const ModelError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(message, 0), 0u) << error.what();
        }
    }
}

} // namespace
} // namespace kpd
