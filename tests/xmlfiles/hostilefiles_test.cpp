// The small hostile files of samples/: other encodings, XML that is not keypad data,
// values out of range and configurations the string database cannot hold.
#include "support/drivefixture.h"

#include "xmlfiles/documentencoding.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

namespace kpd::test {
namespace {

using ::testing::ElementsAre;

const std::string kSamples = std::string(KPD_SOURCE_DIR) + "/tests/xmlfiles/samples/";

// Every text and undo text of the custom set, and the dirty flags of its menus.
std::vector<std::string> customState(const TheApp& app)
{
    std::vector<std::string> state;
    for (DrvMenu& menu : app.getCustMenus()) {
        state.push_back(menu.menuKey() + (menu.dirty() ? " dirty" : " clean"));
        if (menu.isMapped()) continue;
        for (Parameter& parameter : menu.Parameters())
            for (ModeData mode : parameter.modes())
                state.insert(state.end(), {mode.getDesc(), mode.getHelp(), mode.undoD(), mode.undoH()});
    }
    return state;
}

struct SampleDrive : LoadedDrive {
    LoadResult load(const std::string& sample, LoadMode mode = LoadMode::Merge)
    {
        folder.write(sample, readFile(kSamples + sample));
        return app->loadUserDocument(folder.file(sample), -1, mode);
    }
};

TEST(DocumentEncodings, AreDecidedByTheWholeFile)
{
    using Kind = DocumentEncoding::Kind;
    const struct {
        const char* name;
        std::string bytes;
        Kind kind;
        long line, column;
    } rows[] = {
        {"ASCII", "<a>x</a>", Kind::Utf8, 0, 0},
        {"two- and four-byte UTF-8", "Caf\xC3\xA9 \xF0\x9F\x98\x80", Kind::Utf8, 0, 0},
        {"8-bit only", "<a>\n Caf\xE9</a>", Kind::Windows1252, 2, 5},
        {"an overlong form is no UTF-8", "\xC0\xAF", Kind::Windows1252, 1, 1},
        {"8-bit after UTF-8", "\xC3\xA9\n\xC3\xA9x\xE9", Kind::Mixed, 2, 3},
        {"UTF-8 after 8-bit", "\xE9 \xC3\xA9", Kind::Mixed, 1, 1},
        {"a surrogate is no UTF-8", "\xED\xA0\x80 \xC3\xA9", Kind::Mixed, 1, 1},
        {"UTF-8 cut at the end", "\xC3\xA9\xC3", Kind::Mixed, 1, 2},
        {"UTF-16", std::string("\xFF\xFE<\0", 4), Kind::Utf16, 0, 0},
    };
    for (const auto& row : rows) {
        const DocumentEncoding encoding = DocumentEncoding::of(row.bytes);
        EXPECT_EQ(encoding.kind(), row.kind) << row.name;
        EXPECT_EQ(encoding.line(), row.line) << row.name;
        EXPECT_EQ(encoding.column(), row.column) << row.name;
    }
}

TEST(HostileFiles, An8BitFileIsReadAsWindows1252AndSaysSoOnce)
{
    SampleDrive drive;
    EXPECT_EQ(drive.load("windows1252.kpd"), LoadResult::Whole);
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getDesc(), "Caf\xE9 5 ?");
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getHelp(), "R\xE9glage");
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_EQ(drive.ui.messages[0].title, "WARNING");
    EXPECT_EQ(drive.ui.messages[0].text,
              "Loaded " + drive.folder.file("windows1252.kpd") + " with these remarks:\r\n"
              "The file is not UTF-8: it was read as Windows-1252, as older tools wrote it. Saving writes UTF-8.\r\n"
              "1 character has no keypad code and became \"?\" in 1 text:\r\n"
              "  line 5, m1 p1 Servo description: U+20AC euro sign at character 8");
}

// A refused file changes nothing: not when merged, and not when it was to replace the set.
TEST(HostileFiles, MixedEncodingsAndFilesThatAreNoKeypadDataAreRefusedWhole)
{
    const struct {
        const char* file;
        std::string problem;
    } rows[] = {
        {"mixed-encoding.kpd", " mixes UTF-8 with another encoding: the byte 0xE9 at line 6, column 33 is not UTF-8. "
                               "Nothing was loaded; save the file as UTF-8 and load it again."},
        {"wrong-root.kpd", " is not a keypad data file: root element Data. Nothing was loaded."},
        {"no-stringdb.kpd", " is not a keypad data file: App holds no StringDB. Nothing was loaded."},
        {"unknown-dbid.kpd", " is not a keypad data file: StringDB DBID=\"Klingon\" names no string set of this "
                             "drive (English, Custom, French). Nothing was loaded."},
        {"no-modeid.kpd", " is not a keypad data file: Mode without ModeID at line 6. Nothing was loaded."},
    };
    for (const LoadMode mode : {LoadMode::Merge, LoadMode::ReplaceCustom}) {
        for (const auto& row : rows) {
            SampleDrive drive;
            drive.custom("m1", "p1", "Servo").setDesc("mine");
            drive.custom("m2", "p5", "Open loop").setHelp("kept");
            const std::vector<std::string> before = customState(*drive.app);
            EXPECT_EQ(drive.load(row.file, mode), LoadResult::Refused) << row.file;
            EXPECT_THAT(drive.ui.texts(), ElementsAre(drive.folder.file(row.file) + row.problem));
            EXPECT_EQ(drive.ui.messages.at(0).title, "ERROR");
            EXPECT_EQ(customState(*drive.app), before) << row.file;
        }
    }
}

TEST(HostileFiles, LanguageAndConstantsFilesAreNoSingleMenus)
{
    SampleDrive drive;
    const std::string menu = "<Menu MenuID=\"m1\"><Para ParaID=\"p1\"><Mode ModeID=\"Servo\"><Desc>x</Desc></Mode>"
                             "</Para></Menu>";
    for (const char* name : {"French.kpl", "modeConstants.KPC"}) {
        drive.folder.write(name, menu);
        EXPECT_EQ(drive.app->loadUserDocument(drive.folder.file(name)), LoadResult::Refused) << name;
        EXPECT_EQ(drive.ui.messages.back().text, drive.folder.file(name) + " is not a keypad data file: root "
                                                 "element Menu, a single menu where a whole set belongs. Nothing was loaded.");
    }
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getDesc(), "");
}

// Values the keypad can ignore are taken as before, but no longer without a word.
TEST(HostileFiles, ValuesOutOfRangeAreNamedWithTheirPlace)
{
    SampleDrive drive;
    drive.custom("m1", "p1", "Open loop").setUnit(2);
    EXPECT_EQ(drive.load("out-of-range.kpd"), LoadResult::Whole);
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").unit(), 9);
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").decimalPlaces(), 12);
    EXPECT_TRUE(drive.custom("m1", "p1", "Servo").defined());
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").unit(), 2);
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "b");
    EXPECT_THAT(drive.ui.texts(),
                ElementsAre("Loaded " + drive.folder.file("out-of-range.kpd") + " with these remarks:\r\n"
                            "4 values are out of range:\r\n"
                            "  line 5, m1 p1 Servo: defined=\"yes\" is neither \"true\" nor \"false\"; the mode stays "
                            "defined\r\n"
                            "  line 5, m1 p1 Servo: nOfDP=\"12\" is outside 0 to 5; limits and default show unscaled\r\n"
                            "  line 5, m1 p1 Servo: Unit=\"9\" is no unit code from 0 to 4; the keypad shows no unit\r\n"
                            "  line 6, m1 p1 Open loop: Unit=\"rpm\" is no whole number from 0 to 4; the unit stays 2"));
}

TEST(HostileFiles, CharactersWithoutAKeypadCodeAreListedAndKeptForTheChecks)
{
    SampleDrive drive;
    EXPECT_EQ(drive.load("lost-characters.kpd"), LoadResult::Whole);
    ModeData& servo = drive.custom("m1", "p1", "Servo");
    EXPECT_EQ(servo.getDesc(), "Price ? 5\r\nLine ?");
    EXPECT_THAT(drive.ui.texts(),
                ElementsAre("Loaded " + drive.folder.file("lost-characters.kpd") + " with these remarks:\r\n"
                            "3 characters have no keypad code and became \"?\" in 2 texts:\r\n"
                            "  line 5, m1 p1 Servo description: U+20AC euro sign at character 7; U+2126 at character 17\r\n"
                            "  line 6, m1 p1 Servo help: U+2019 right single quotation mark at character 3"));

    const LostCharacters::Place description{"Custom", "m1", "p1", "Servo", false};
    const auto* lost = drive.app->lostCharacters().find(description, servo.getDesc());
    ASSERT_NE(lost, nullptr);
    ASSERT_EQ(lost->size(), 2u);
    EXPECT_EQ(servo.getDesc()[(*lost)[1].pos], '?');
    EXPECT_EQ((*lost)[1].codePoint, U'\u2126');
    servo.setDesc("Price 5 EUR");
    EXPECT_EQ(drive.app->lostCharacters().find(description, servo.getDesc()), nullptr);
}

// The configuration is the drive's skeleton: an error in it is named, and the drive is not run.
TEST(HostileConfigurations, ErrorsNameTheElementTheValueAndTheRange)
{
    const struct {
        const char* file;
        std::string error;
    } rows[] = {
        {"menu-number.kpx", "line 6: menu \"Ramps\" nmbr=\"99999\" is not a whole number from 0 to 255"},
        {"base.kpx", "line 1: keypadToolData base=\"0x10000\" is not a whole number from 0 to 2147483647"},
        {"duplicate-menu.kpx", "line 6: menu \"Again\" nmbr=\"1\" repeats menu 1: each menu number is declared once"},
        {"dangling-trip.kpx", "line 6: trip \"Overvolts\" maps to menu 1 parameter 9, which the configuration does "
                              "not declare before it"},
        {"no-dbnames.kpx", "line 7: keypadToolData holds no dbNames: the configuration names no string sets"},
        {"no-custom.kpx", "line 7: keypadToolData has no custom attribute naming the dbNames entry of the custom "
                          "string set"},
        {"other-root.kpx", "line 1: root element keypadData, where keypadToolData belongs"},
        {"no-lang0.kpx", "line 7: dbNames has no Lang0: the configuration names no first reference language"},
    };
    for (const auto& row : rows) {
        LoadedDrive drive(readFile(kSamples + row.file));
        EXPECT_TRUE(drive.app->cannotRun()) << row.file;
        EXPECT_THAT(drive.ui.texts(),
                    ElementsAre("Configuration error in " + drive.folder.file("kpdconf.kpx") + ", " + row.error));
        EXPECT_EQ(drive.ui.messages.at(0).title, "ERROR");
    }
}

TEST(HostileConfigurations, ARepeatedLanguageKeyNamesItsAttributeAndFile)
{
    RecordingUserInterface ui;
    TempFolder folder;
    folder.write("kpdconf.kpx", readFile(kSamples + "duplicate-language.kpx"));
    TheApp app(ui, folder.path());
    EXPECT_THROW(app.readConfiguration(), ProgramEnded);
    EXPECT_THAT(ui.texts(), ElementsAre("Duplicated language key - cannot continue\r\nLang1=\"English\" repeats the key "
                                        "of Lang0 at line 2 of " + folder.file("kpdconf.kpx")));
}

// A million parameters stop at the first one the string database cannot hold.
TEST(HostileConfigurations, TooManyParametersStopAtTheFirstBeyondTheLimit)
{
    std::string menus;
    for (int p = 0; p < 1000000; ++p) {
        if (p % 256 == 0) menus += (p ? "</menu>\n<menu name=\"M\" nmbr=\"" : "<menu name=\"M\" nmbr=\"") +
                                   std::to_string(p / 256) + "\">";
        menus += "<para name=\"P\" nmbr=\"" + std::to_string(p % 256) + "\"/>";
    }
    LoadedDrive drive("<keypadToolData custom=\"c\"><dbNames Lang0=\"E\" c=\"C\"/><modes m=\"A\"/><root name=\"R\">\n" +
                      menus + "</menu></root></keypadToolData>");
    EXPECT_THAT(drive.ui.texts(),
                ElementsAre("Configuration error in " + drive.folder.file("kpdconf.kpx") +
                            ", line 34: para \"P\" of menu 32 is parameter 8193; the string database holds at most 8192"));
    int parameters = 0;
    for (const DrvMenu& menu : drive.app->stringDatas().Item("C").DrvMenus()) parameters += menu.Parameters().Count();
    EXPECT_EQ(parameters, 8192);
}

} // namespace
} // namespace kpd::test
