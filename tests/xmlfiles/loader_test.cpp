#include "support/drivefixture.h"

#include "xmlfiles/contenthandlerimpl.h"
#include "xmlfiles/errorhandlerimpl.h"
#include "xmlfiles/saxreader.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

namespace kpd::test {
namespace {

using ::testing::ElementsAre;

// One mode of m1.p1 in a document of the given version and set.
std::string oneMode(const std::string& modeAttrs, const std::string& inner = "",
                    const std::string& app = "<App AppID=\"KeypadApp\" version=\"10500\">",
                    const std::string& dbid = "Custom")
{
    return app + "<StringDB DBID=\"" + dbid + "\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\"><Mode ModeID=\"Open loop\" " +
           modeAttrs + ">" + inner + "</Mode></Para></Menu></StringDB></App>";
}

const std::string kConstants =
    "Unit=\"4\" defined=\"false\" nOfDP=\"2\" uLim=\"5000\" lLim=\"undef\" dVal=\"150\"";

TEST(LoaderVersions, WithoutVersionOnlyTextsAreTaken)
{
    LoadedDrive drive;
    EXPECT_TRUE(drive.load(oneMode(kConstants, "<Desc>Speed</Desc>", "<App>")));
    const ModeData& m = drive.custom("m1", "p1", "Open loop");
    EXPECT_EQ(m.getDesc(), "Speed");
    EXPECT_EQ(m.unit(), 0);
    EXPECT_TRUE(m.defined());
    EXPECT_EQ(m.uLim(), "");
    EXPECT_EQ(m.nOfDp(), "0");
}

TEST(LoaderVersions, NonNumericVersionCountsAsNone)
{
    LoadedDrive drive;
    drive.load(oneMode(kConstants, "", "<App version=\"1.5\">"));
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").uLim(), "");
}

TEST(LoaderVersions, From10300LimitsAndDefinedButNoUnit)
{
    LoadedDrive drive;
    drive.load(oneMode(kConstants, "", "<App version=\"10400\">"));
    const ModeData& m = drive.custom("m1", "p1", "Open loop");
    EXPECT_FALSE(m.defined());
    EXPECT_EQ(m.nOfDp(), "2");
    EXPECT_EQ(m.uLim(), "5000");
    EXPECT_EQ(m.lLim(), "undef");
    EXPECT_EQ(m.dVal(), "150");
    EXPECT_EQ(m.unit(), 0);
}

TEST(LoaderVersions, From10401UnitsToo)
{
    LoadedDrive drive;
    drive.load(oneMode(kConstants, "", "<App version=\"10401\">"));
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").unit(), 4);
}

TEST(LoaderVersions, DataFileLeavesConstantsAloneAndSetsUnits)
{
    LoadedDrive drive;
    ModeData& m = drive.custom("m1", "p1", "Open loop");
    m.setULim("99");
    m.setDefined(false);
    drive.load(oneMode("Unit=\"3\"", "<Desc>x</Desc>"));
    EXPECT_EQ(m.uLim(), "99");
    EXPECT_FALSE(m.defined());
    EXPECT_EQ(m.unit(), 3);
}

TEST(LoaderAttributes, AbsentOrUnconvertibleValuesKeepWhatWasHeld)
{
    LoadedDrive drive;
    ModeData& m = drive.custom("m1", "p1", "Open loop");
    m.setUnit(2);
    m.setDecimalPlaces(3);
    m.setLLim("-10");
    drive.load(oneMode("Unit=\"rpm\" nOfDP=\"two\" defined=\"TRUE\""));
    EXPECT_EQ(m.unit(), 2);
    EXPECT_EQ(m.nOfDp(), "3");
    EXPECT_EQ(m.lLim(), "-10");
    EXPECT_TRUE(m.defined());
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_EQ(drive.ui.messages[0].title, "WARNING");
}

TEST(LoaderRouting, ConstantsGoToLanguageZeroAndAlternateToCustom)
{
    LoadedDrive drive;
    drive.load(oneMode("", "<Desc>ref</Desc>", "<App version=\"10500\">", "Constants"));
    EXPECT_EQ(drive.inSet("English", "m1", "p1", "Open loop").getDesc(), "ref");
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "");
    drive.load(oneMode("", "<Desc>alt</Desc>", "<App version=\"10500\">", "Alternate"));
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "alt");
}

TEST(LoaderRouting, NamedSetLoadsAndAnUnknownOrAbsentSetIsRefused)
{
    LoadedDrive drive;
    drive.load(oneMode("", "<Desc>fr</Desc>", "<App version=\"10500\">", "French"));
    EXPECT_EQ(drive.inSet("French", "m1", "p1", "Open loop").getDesc(), "fr");
    EXPECT_TRUE(drive.ui.messages.empty());
    drive.load(oneMode("", "<Desc>xx</Desc>", "<App version=\"10500\">", "Klingon"));
    drive.load("<App><StringDB><Menu MenuID=\"m1\"/></StringDB></App>");
    EXPECT_EQ(drive.inSet("French", "m1", "p1", "Open loop").getDesc(), "fr");
    ASSERT_EQ(drive.ui.messages.size(), 2u);
    EXPECT_EQ(drive.ui.messages[1].text, drive.folder.file("doc.kpd") + " is not a keypad data file: StringDB without "
                                                                         "DBID at line 1. Nothing was loaded.");
}

TEST(LoaderRouting, UnknownKeysSkipTheirContentOnly)
{
    LoadedDrive drive;
    drive.load("<App><StringDB DBID=\"Custom\">"
               "<Menu MenuID=\"m9\"><Para ParaID=\"p1\"><Mode ModeID=\"Open loop\"><Desc>no</Desc></Mode></Para></Menu>"
               "<Menu MenuID=\"m1\"><Para ParaID=\"p7\"><Mode ModeID=\"Open loop\"><Desc>no</Desc></Mode></Para>"
               "<Para ParaID=\"p1\"><Mode ModeID=\"Vector\"><Desc>no</Desc></Mode>"
               "<Mode ModeID=\"Servo\"><Desc>yes</Desc></Mode></Para></Menu></StringDB></App>");
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getDesc(), "yes");
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "");
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").undoD(), kNothingToUndo);
}

TEST(LoaderRouting, ParametersAndModesInAnyOrder)
{
    LoadedDrive drive;
    drive.load("<App><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\">"
               "<Para ParaID=\"p3\"><Mode ModeID=\"Servo\"><Desc>3s</Desc></Mode><Mode ModeID=\"Open loop\">"
               "<Desc>3o</Desc></Mode></Para><Para ParaID=\"p1\"><Mode ModeID=\"Closed loop\"><Desc>1c</Desc></Mode>"
               "<Mode ModeID=\"Closed loop\"><Desc>1c again</Desc></Mode></Para><Para ParaID=\"p2\">"
               "<Mode ModeID=\"Open loop\"><Desc>2o</Desc></Mode></Para><Para ParaID=\"p3\">"
               "<Mode ModeID=\"Closed loop\"><Desc>3c</Desc></Mode></Para></Menu></StringDB></App>");
    EXPECT_EQ(drive.custom("m1", "p3", "Servo").getDesc(), "3s");
    EXPECT_EQ(drive.custom("m1", "p3", "Open loop").getDesc(), "3o");
    EXPECT_EQ(drive.custom("m1", "p3", "Closed loop").getDesc(), "3c");
    EXPECT_EQ(drive.custom("m1", "p1", "Closed loop").getDesc(), "1c again");
    EXPECT_EQ(drive.custom("m1", "p1", "Closed loop").undoD(), "1c");
    EXPECT_EQ(drive.custom("m1", "p2", "Open loop").getDesc(), "2o");
}

TEST(LoaderRouting, SingleMenuFilter)
{
    LoadedDrive drive;
    const std::string doc = "<App><StringDB DBID=\"Custom\">"
                            "<Menu MenuID=\"m1\"><Para ParaID=\"p1\"><Mode ModeID=\"Servo\"><Desc>one</Desc></Mode></Para></Menu>"
                            "<Menu MenuID=\"m2\"><Para ParaID=\"p5\"><Mode ModeID=\"Servo\"><Desc>two</Desc></Mode></Para></Menu>"
                            "</StringDB></App>";
    drive.load(doc, 2);
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getDesc(), "");
    EXPECT_EQ(drive.custom("m2", "p5", "Servo").getDesc(), "two");
}

TEST(LoaderRouting, ElementsInTheWrongPlaceAreIgnored)
{
    LoadedDrive drive;
    drive.load("<App><StringDB DBID=\"Custom\"><Para ParaID=\"p1\"><Mode ModeID=\"Servo\"><Desc>a</Desc></Mode></Para>"
               "<Menu MenuID=\"m1\"><Mode ModeID=\"Servo\"><Desc>b</Desc></Mode><Para ParaID=\"p1\"><Desc>c</Desc>"
               "<Mode ModeID=\"Servo\"><Help><Desc>d</Desc></Help></Mode></Para></Menu></StringDB>"
               "<App><StringDB DBID=\"Custom\"/></App></App>");
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getDesc(), "");
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getHelp(), "d");
}

TEST(LoaderTexts, UndefinedAndZeroRules)
{
    LoadedDrive drive;
    ModeData& m = drive.custom("m1", "p1", "Open loop");
    drive.load(oneMode("", "<Desc>0</Desc><Help>0</Help>"));
    EXPECT_EQ(m.getDesc(), "");
    EXPECT_EQ(m.getHelp(), "0");
    drive.load(oneMode("", "<Desc>*** UNDEFINED ***</Desc><Help>*** UNDEFINED ***</Help>"));
    EXPECT_EQ(m.getDesc(), "");
    EXPECT_EQ(m.getHelp(), "");
}

TEST(LoaderTexts, UndefinedModeGetsEmptyTexts)
{
    LoadedDrive drive;
    drive.load(oneMode("defined=\"false\"", "<Desc>Speed</Desc><Help>Help</Help>", "<App version=\"10300\">"));
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "");
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getHelp(), "");
}

TEST(LoaderTexts, LineBreaksComeBackAsCrLfAndLoadsAreUndoable)
{
    LoadedDrive drive;
    ModeData& m = drive.custom("m1", "p1", "Open loop");
    m.setDesc("old");
    drive.load(oneMode("", "<Desc>Motor\nspeed</Desc><Help>a\r\nb\rc&#13;d</Help>"));
    EXPECT_EQ(m.getDesc(), "Motor\r\nspeed");
    EXPECT_EQ(m.getHelp(), "a\r\nb\r\nc\rd");
    EXPECT_EQ(m.undoD(), "old");
}

TEST(LoaderTexts, EscapedMarkupAndLatin1)
{
    LoadedDrive drive;
    drive.load(oneMode("", "<Desc>a &amp; b &lt; c &gt; d &#233; \xc3\xa9 \xe2\x82\xac</Desc>"));
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "a & b < c > d \xe9 \xe9 ?");
}

TEST(LoaderTexts, TextDefaultFlagFromAnyLevel)
{
    LoadedDrive drive;
    drive.load("<App><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\" text=\"true\"><Para ParaID=\"p1\">"
               "<Mode ModeID=\"Servo\"/></Para><Para ParaID=\"p2\"><Mode ModeID=\"Servo\"/></Para></Menu>"
               "<Menu MenuID=\"m2\"><Para ParaID=\"p5\" text=\"true\"><Mode ModeID=\"Servo\"/>"
               "<Mode ModeID=\"Open loop\" text=\"TRUE\"/></Para><Para ParaID=\"p0\"><Mode ModeID=\"Servo\" text=\"true\"/>"
               "<Mode ModeID=\"Open loop\"/></Para></Menu></StringDB></App>");
    EXPECT_TRUE(drive.custom("m1", "p1", "Servo").textDVal());
    EXPECT_TRUE(drive.custom("m1", "p2", "Servo").textDVal());
    EXPECT_TRUE(drive.custom("m2", "p5", "Open loop").textDVal());
    EXPECT_TRUE(drive.custom("m2", "p0", "Servo").textDVal());
    EXPECT_FALSE(drive.custom("m2", "p0", "Open loop").textDVal());
    drive.custom("m1", "p3", "Servo").setTextDVal(true);
    drive.load("<App><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\"><Para ParaID=\"p3\"><Mode ModeID=\"Servo\"/>"
               "</Para></Menu></StringDB></App>");
    EXPECT_FALSE(drive.custom("m1", "p3", "Servo").textDVal());
}

TEST(LoaderFiles, MissingFileReturnsFalseSilently)
{
    LoadedDrive drive;
    EXPECT_FALSE(drive.app->loadUserFile(drive.folder.file("nothing.kpd")));
    EXPECT_TRUE(drive.ui.messages.empty());
    EXPECT_EQ(drive.ui.busyDepth, 0);
}

TEST(LoaderFiles, RootThatIsNeitherAppNorMenuIsRefused)
{
    LoadedDrive drive;
    EXPECT_TRUE(drive.load("<Data><StringDB DBID=\"Custom\"><Menu MenuID=\"m1\"><Para ParaID=\"p1\">"
                           "<Mode ModeID=\"Servo\"><Desc>x</Desc></Mode></Para></Menu></StringDB></Data>"));
    EXPECT_EQ(drive.custom("m1", "p1", "Servo").getDesc(), "");
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_EQ(drive.ui.messages[0].title, "ERROR");
}

// Single-menu documents, one Menu or several, load into the custom set with their units.
TEST(LoaderFragments, SingleMenuDocumentsLoadIntoTheCustomSet)
{
    LoadedDrive drive;
    drive.load("<Menu MenuID=\"m1\">\n\t<Para ParaID=\"p2\">\n\t\t<Mode ModeID=\"Servo\" Unit=\"2\">\n"
               "\t\t\t<Desc>Ramp</Desc>\n\t\t\t<Help/>\n\t\t</Mode>\n\t</Para>\n</Menu>\n"
               "<Menu MenuID=\"m2\"><Para ParaID=\"p5\"><Mode ModeID=\"Servo\"><Desc>I</Desc></Mode></Para></Menu>\n");
    EXPECT_EQ(drive.custom("m1", "p2", "Servo").getDesc(), "Ramp");
    EXPECT_EQ(drive.custom("m1", "p2", "Servo").unit(), 2);
    EXPECT_EQ(drive.custom("m2", "p5", "Servo").getDesc(), "I");
    EXPECT_EQ(drive.inSet("English", "m1", "p2", "Servo").getDesc(), "");
    EXPECT_TRUE(drive.ui.messages.empty());
}

TEST(LoaderFragments, FilterAppliesAndPrologIsAllowed)
{
    LoadedDrive drive;
    drive.load("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- saved menus -->\n"
               "<Menu MenuID=\"m1\"><Para ParaID=\"p2\"><Mode ModeID=\"Servo\"><Desc>a</Desc></Mode></Para></Menu>"
               "<Menu MenuID=\"m2\"><Para ParaID=\"p5\"><Mode ModeID=\"Servo\"><Desc>b</Desc></Mode></Para></Menu>",
               2);
    EXPECT_EQ(drive.custom("m1", "p2", "Servo").getDesc(), "");
    EXPECT_EQ(drive.custom("m2", "p5", "Servo").getDesc(), "b");
    EXPECT_TRUE(drive.ui.messages.empty());
}

TEST(LoaderFragments, DetectionNeedsATopLevelMenu)
{
    EXPECT_EQ(SaxReader::fragmentStart("  <Menu MenuID=\"m1\"/>"), 2u);
    EXPECT_EQ(SaxReader::fragmentStart("<Menu/>"), 0u);
    EXPECT_EQ(SaxReader::fragmentStart("<Menus/>"), std::string::npos);
    EXPECT_EQ(SaxReader::fragmentStart("<App><Menu/></App>"), std::string::npos);
    EXPECT_EQ(SaxReader::fragmentStart("<!-- open"), std::string::npos);
}

// Text split over many events (here one byte at a time) is gathered whole.
class CollectingHandler : public ContentHandler {
public:
    void startFragment() override { events.push_back("fragment"); }
    void startElement(const std::string& qName, const SaxAttributes& atts) override
    {
        std::string e = "<" + qName;
        for (int i = 0; i < atts.getLength(); ++i) e += " " + atts.getLocalName(i) + "=" + atts.getValue(i);
        events.push_back(e + ">");
    }
    void endElement(const std::string& qName) override { events.push_back("</" + qName + ">"); }
    void characters(std::string_view text) override
    {
        if (!events.empty() && events.back().front() == '"')
            events.back().insert(events.back().size() - 1, text);
        else
            events.push_back("\"" + std::string(text) + "\"");
    }
    std::vector<std::string> events;
};

TEST(LoaderReader, ByteByByteFeedingGivesTheSameEvents)
{
    const std::string doc = "<a x:k=\"v&amp;\xc3\xa9\"><b>one\r\ntwo &lt; \xc3\xa9</b></a>";
    CollectingHandler whole;
    ErrorHandlerImpl e1;
    ASSERT_TRUE(SaxReader(whole, e1).parse(doc));
    CollectingHandler pieces;
    ErrorHandlerImpl e2;
    SaxReader reader(pieces, e2);
    reader.setChunkSize(1);
    ASSERT_TRUE(reader.parse(doc));
    EXPECT_THAT(whole.events, ElementsAre("<a k=v&\xe9>", "<b>", "\"one\ntwo < \xe9\"", "</b>", "</a>"));
    EXPECT_EQ(pieces.events, whole.events);
}

TEST(LoaderReader, LoaderGathersSplitTextWhole)
{
    LoadedDrive drive;
    ContentHandlerImpl handler;
    handler.setAppRef(*drive.app, false);
    ErrorHandlerImpl errors;
    SaxReader reader(handler, errors);
    reader.setChunkSize(3);
    ASSERT_TRUE(reader.parse(oneMode("", "<Desc>Motor &amp;\nspeed</Desc>")));
    EXPECT_EQ(drive.custom("m1", "p1", "Open loop").getDesc(), "Motor &\r\nspeed");
    EXPECT_EQ(handler.formatVersion(), 10500);
}

} // namespace
} // namespace kpd::test
