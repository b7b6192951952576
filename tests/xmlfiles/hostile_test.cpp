#include "support/drivefixture.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

namespace kpd::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string twoModes()
{
    return "<App version=\"10500\"><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\">"
           "<Mode ModeID=\"Open loop\" Unit=\"2\"><Desc>first</Desc><Help>one</Help></Mode>"
           "<Mode ModeID=\"Servo\" Unit=\"3\"><Desc>second</Desc><Help>two</Help></Mode>"
           "</Para></Menu></StringDB></App>";
}

// Every truncation of a valid document: one message, what came before it kept, no crash.
TEST(HostileDocuments, EveryTruncationReportsAndKeepsWhatCameBefore)
{
    const std::string doc = twoModes();
    const std::size_t firstDone = doc.find("</Desc>") + 7;
    for (std::size_t length = 0; length < doc.size(); ++length) {
        LoadedDrive drive;
        ASSERT_TRUE(drive.load(doc.substr(0, length))) << length;
        ASSERT_EQ(drive.ui.messages.size(), 1u) << length;
        EXPECT_THAT(drive.ui.messages[0].text, StartsWith("XML Parse Error ")) << length;
        EXPECT_EQ(drive.ui.messages[0].title, "ERROR");
        EXPECT_EQ(drive.ui.busyDepth, 0);
        if (length >= firstDone) {
            EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "first") << length;
        }
    }
}

TEST(HostileDocuments, MessageCarriesCodeDescriptionLineAndColumn)
{
    LoadedDrive drive;
    drive.load("<App version=\"10500\">\n<StringDB DBID=\"Custom\">\n<Menu MenuID=\"m1\"></Para>\n</StringDB></App>");
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    // Columns count from 1; the parser stops at the name of the wrong end tag.
    EXPECT_EQ(drive.ui.messages[0].text,
              "XML Parse Error 7 : mismatched tag at line 3, column 21 in the file " + drive.folder.file("doc.kpd"));
}

// Every parameter of every set has a record of each mode: a long mode name is held once,
// not once per record (a 4 MB name in the sample drive took gigabytes).
TEST(HostileDocuments, AModeNameIsHeldOnceWhateverItsLength)
{
    std::string configuration = smallConfiguration();
    const std::string name(1 << 20, 'N');
    const std::size_t at = configuration.find("\"Servo\"");
    ASSERT_NE(at, std::string::npos);
    configuration.replace(at + 1, 5, name);
    LoadedDrive drive(configuration);
    ASSERT_TRUE(drive.ui.messages.empty());
    const ModeData& first = drive.inSet("English", "m1", "p1", name);
    for (const char* set : {"English", "Custom", "French"})
        for (const auto& [menu, para] : {std::pair{"m1", "p3"}, std::pair{"m2", "p5"}})
            EXPECT_EQ(drive.inSet(set, menu, para, name).modeKey().data(), first.modeKey().data()) << set << menu;
    EXPECT_EQ(drive.app->modeDefMap().valueOf("mode4"), name);
}

TEST(HostileDocuments, WrongNestingKeepsEarlierTexts)
{
    LoadedDrive drive;
    drive.load("<App version=\"10500\"><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\">"
               "<Mode ModeID=\"Open loop\"><Desc>kept</Desc><Help>lost</Mode></Help></Para></Menu></StringDB></App>");
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "kept");
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getHelp(), "");
    EXPECT_EQ(drive.ui.messages.size(), 1u);
}

TEST(HostileDocuments, ControlCharacterIsStillAnError)
{
    LoadedDrive drive;
    drive.load("<App><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\"><Mode ModeID=\"Servo\">"
               "<Desc>a\x01</Desc></Mode></Para></Menu></StringDB></App>");
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_THAT(drive.ui.messages[0].text, HasSubstr("not well-formed"));
}

TEST(HostileDocuments, EntityExpansionAttackEndsInAParseError)
{
    std::string doc = "<!DOCTYPE App [<!ENTITY a0 \"laugh laugh laugh laugh laugh\">";
    for (int i = 1; i <= 9; ++i) {
        const std::string prev = "&a" + std::to_string(i - 1) + ";";
        std::string value;
        for (int k = 0; k < 10; ++k) value += prev;
        doc += "<!ENTITY a" + std::to_string(i) + " \"" + value + "\">";
    }
    doc += "]><App><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\"><Mode ModeID=\"Servo\">"
           "<Desc>&a9;</Desc></Mode></Para></Menu></StringDB></App>";
    LoadedDrive drive;
    drive.load(doc);
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_THAT(drive.ui.messages[0].text, HasSubstr("amplification"));
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getDesc(), "");
}

TEST(HostileDocuments, ExternalEntitiesAreNeverFetched)
{
    LoadedDrive drive;
    drive.folder.write("secret.txt", "SECRET");
    drive.load("<!DOCTYPE App [<!ENTITY x SYSTEM \"" + drive.folder.file("secret.txt") +
               "\">]><App><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\"><Mode ModeID=\"Servo\">"
               "<Desc>[&x;]</Desc></Mode></Para></Menu></StringDB></App>");
    EXPECT_THAT(drive.custom("m1", "p1", "Servo").getDesc(), ::testing::Not(HasSubstr("SECRET")));
}

TEST(HostileDocuments, VeryLongTextLoadsWholeAndCutOffReports)
{
    const std::string longText(4 * 1024 * 1024, 'x');
    const std::string doc = "<App><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\"><Mode ModeID=\"Servo\">"
                            "<Desc>" + longText + "</Desc></Mode></Para></Menu></StringDB></App>";
    LoadedDrive whole;
    whole.load(doc);
    EXPECT_TRUE(whole.ui.messages.empty());
    EXPECT_EQ(whole.custom("m1", "p1", "Servo").getDesc().size(), longText.size());

    LoadedDrive cut;
    cut.load(doc.substr(0, doc.size() / 2));
    EXPECT_EQ(cut.ui.messages.size(), 1u);
    EXPECT_EQ(cut.custom("m1", "p1", "Servo").getDesc(), "");
}

TEST(HostileDocuments, DeepNestingNeitherCrashesNorLoads)
{
    std::string doc = "<App><StringDB DBID=\"Custom\">";
    for (int i = 0; i < 200000; ++i) doc += "<Menu MenuID=\"m1\">";
    LoadedDrive drive;
    drive.load(doc);
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_THAT(drive.ui.messages[0].text, HasSubstr("no element found"));
}

TEST(HostileDocuments, EmptyAndBinaryFiles)
{
    LoadedDrive drive;
    EXPECT_TRUE(drive.load(""));
    EXPECT_TRUE(drive.load(std::string("\0\1\2\3\xff\xfe", 6)));
    EXPECT_EQ(drive.ui.messages.size(), 2u);
}

TEST(HostileDocuments, MalformedFragmentKeepsEarlierMenus)
{
    LoadedDrive drive;
    drive.load("<Menu MenuID=\"m1\"><Para ParaID=\"p2\"><Mode ModeID=\"Servo\"><Desc>a</Desc></Mode></Para></Menu>"
               "<Menu MenuID=\"m2\"><Para ParaID=\"p5\">");
    EXPECT_EQ(drive.custom("m1", "p2", "Servo").getDesc(), "a");
    EXPECT_EQ(drive.ui.messages.size(), 1u);
}

} // namespace
} // namespace kpd::test
