#include "support/drivefixture.h"

#include "writefaults.h"

#include "xmlfiles/keypaddatawriter.h"
#include "xmlfiles/tbxfile.h"
#include "xmlfiles/textexport.h"
#include "xmlfiles/xmlutils.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>

namespace kpd::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// One menu, one parameter, two modes: the worked example's shape.
std::string exampleConfiguration()
{
    return "<keypadToolData custom=\"cust\"><dbNames Lang0=\"English\" cust=\"Custom\"/>"
           "<modes mode2=\"Open loop\" mode3=\"Servo\"/><root name=\"D\">"
           "<menu name=\"Basic\" nmbr=\"1\"><para name=\"Speed\" nmbr=\"1\"/></menu>"
           "<trips name=\"Trips\"><trip name=\"T\" nmbr=\"1\" mapMen=\"1\" mapPar=\"1\"/></trips>"
           "</root></keypadToolData>";
}

struct Example : LoadedDrive {
    Example() : LoadedDrive(exampleConfiguration())
    {
        ModeData& first = custom("m1", "p1", "Open loop");
        first.setDesc("Motor speed\r\nin RPM");
        first.setHelp("Speed & <load>");
        first.setUnit(3);
        first.setDecimalPlaces(1);
        first.setULim("15000");
        first.setLLim("0");
        first.setDVal("1500");
        ModeData& second = custom("m1", "p1", "Servo");
        second.setDesc("kept in memory");
        second.setHelp("also kept");
        second.setUnit(4);
        second.setDefined(false);
        second.setDecimalPlaces(2);
    }
};

bool xmllintAccepts(const std::string& path)
{
    const std::string command = "xmllint --noout '" + path + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

TEST(WriterDocuments, DataFileWorkedExample)
{
    Example drive;
    const std::string path = drive.folder.file("out.kpd");
    ASSERT_TRUE(drive.app->xmlSave(path));
    EXPECT_EQ(readFile(path),
              "<App AppID=\"KeypadApp\" version=\"10500\">\n"
              "\t<StringDB DBID=\"Custom\">\n"
              "\t\t<Menu MenuID=\"m1\">\n"
              "\t\t\t<Para ParaID=\"p1\">\n"
              "\t\t\t\t<Mode ModeID=\"Open loop\" Unit=\"3\">\n"
              "\t\t\t\t\t<Desc>Motor speed\r\nin RPM</Desc>\n"
              "\t\t\t\t\t<Help>Speed &amp; &lt;load&gt;</Help>\n"
              "\t\t\t\t</Mode>\n"
              "\t\t\t\t<Mode ModeID=\"Servo\" Unit=\"0\">\n"
              "\t\t\t\t\t<Desc/>\n"
              "\t\t\t\t\t<Help/>\n"
              "\t\t\t\t</Mode>\n"
              "\t\t\t</Para>\n"
              "\t\t</Menu>\n"
              "\t</StringDB>\n"
              "</App>\n");
    EXPECT_TRUE(xmllintAccepts(path));
}

TEST(WriterDocuments, ConstantsFileWorkedExample)
{
    Example drive;
    const std::string path = drive.folder.file("out.kpc");
    ASSERT_TRUE(drive.app->xmlSave(path, true));
    EXPECT_EQ(readFile(path),
              "<App AppID=\"KeypadApp\" version=\"10500\">\n"
              "\t<StringDB DBID=\"Custom\">\n"
              "\t\t<Menu MenuID=\"m1\">\n"
              "\t\t\t<Para ParaID=\"p1\">\n"
              "\t\t\t\t<Mode ModeID=\"Open loop\" Unit=\"3\" defined=\"true\" nOfDP=\"1\" uLim=\"15000\" lLim=\"0\" "
              "dVal=\"1500\"/>\n"
              "\t\t\t\t<Mode ModeID=\"Servo\" Unit=\"0\" defined=\"false\" nOfDP=\"2\" uLim=\"undef\" lLim=\"undef\" "
              "dVal=\"undef\"/>\n"
              "\t\t\t</Para>\n"
              "\t\t</Menu>\n"
              "\t</StringDB>\n"
              "</App>\n");
    EXPECT_TRUE(xmllintAccepts(path));
}

TEST(WriterDocuments, SetWithoutMenusIsAnEmptyStringDB)
{
    LoadedDrive drive("<keypadToolData custom=\"c\"><dbNames c=\"Custom\"/></keypadToolData>");
    const std::string path = drive.folder.file("empty.kpd");
    ASSERT_TRUE(drive.app->xmlSave(path));
    EXPECT_EQ(readFile(path), "<App AppID=\"KeypadApp\" version=\"10500\">\n\t<StringDB DBID=\"Custom\"/>\n</App>\n");
}

TEST(WriterDocuments, UndefWordIsKeptAndZeroIsNotUndef)
{
    Example drive;
    drive.custom("m1", "p1", "Servo").setULim("undef");
    drive.custom("m1", "p1", "Open loop").setLLim("");
    XMLutils x;
    x.startDoc();
    KeypadDataWriter::writeMode(x, drive.custom("m1", "p1", "Open loop"), true);
    KeypadDataWriter::writeMode(x, drive.custom("m1", "p1", "Servo"), true);
    x.endDoc();
    EXPECT_EQ(x.getOutput(),
              "<Mode ModeID=\"Open loop\" Unit=\"3\" defined=\"true\" nOfDP=\"1\" uLim=\"15000\" lLim=\"undef\" "
              "dVal=\"1500\"/>\n"
              "<Mode ModeID=\"Servo\" Unit=\"0\" defined=\"false\" nOfDP=\"2\" uLim=\"undef\" lLim=\"undef\" "
              "dVal=\"undef\"/>\n");
}

TEST(WriterDocuments, TripsMenuIsNeverWrittenInAWholeSet)
{
    LoadedDrive drive;
    drive.custom("m1", "p2", "Servo").setDesc("Overspeed");
    const std::string path = drive.folder.file("all.kpd");
    ASSERT_TRUE(drive.app->xmlSave(path));
    const std::string text = readFile(path);
    EXPECT_THAT(text, Not(HasSubstr("trips")));
    EXPECT_THAT(text, HasSubstr("<Desc>Overspeed</Desc>"));
    EXPECT_TRUE(xmllintAccepts(path));
}

TEST(WriterMenus, SingleMenuDocument)
{
    Example drive;
    const std::string path = drive.folder.file("menu.kpd");
    ASSERT_TRUE(drive.app->getCustMenus().Item("m1").xmlSaveM(path));
    EXPECT_EQ(readFile(path),
              "<Menu MenuID=\"m1\">\n"
              "\t<Para ParaID=\"p1\">\n"
              "\t\t<Mode ModeID=\"Open loop\" Unit=\"3\">\n"
              "\t\t\t<Desc>Motor speed\r\nin RPM</Desc>\n"
              "\t\t\t<Help>Speed &amp; &lt;load&gt;</Help>\n"
              "\t\t</Mode>\n"
              "\t\t<Mode ModeID=\"Servo\" Unit=\"0\">\n"
              "\t\t\t<Desc/>\n"
              "\t\t\t<Help/>\n"
              "\t\t</Mode>\n"
              "\t</Para>\n"
              "</Menu>\n");
    EXPECT_TRUE(xmllintAccepts(path));
}

TEST(WriterMenus, TripsMenuDocumentHoldsEachForwardMenuAndLeavesDirtyStateAlone)
{
    LoadedDrive drive;
    DrvMenus& menus = drive.app->getCustMenus();
    menus.Item("m2").setDirty(true);
    const std::string path = drive.folder.file("trips.kpd");
    ASSERT_TRUE(menus.Item("trips").xmlSaveM(path));
    const std::string text = readFile(path);
    EXPECT_EQ(text.find("<Menu MenuID=\"m1\">"), 0u);
    EXPECT_NE(text.find("\n<Menu MenuID=\"m2\">"), std::string::npos);
    EXPECT_EQ(text.find("m3"), std::string::npos);
    EXPECT_TRUE(menus.Item("m2").dirty());
}

TEST(WriterRoundTrips, SetSavedAndLoadedIntoAClearedSetGivesBackTextsAndUnits)
{
    LoadedDrive drive;
    int n = 0;
    for (DrvMenu& menu : drive.app->getCustMenus()) {
        if (menu.isMapped()) continue;
        for (Parameter& p : menu.Parameters()) {
            for (ModeData& m : p.modes()) {
                ++n;
                m.setDesc("D" + std::to_string(n) + "\r\n& <" + std::string(1, static_cast<char>(0xC0 + n % 60)));
                m.setHelp(n % 3 ? "H" + std::to_string(n) + "\r\nline 2\r\nline 3" : std::string("0"));
                m.setUnit(static_cast<std::int16_t>(n % 5));
            }
        }
    }
    const std::string path = drive.folder.file("round.kpd");
    ASSERT_TRUE(drive.app->xmlSave(path));

    LoadedDrive fresh;
    ASSERT_TRUE(fresh.app->loadUserFile(path));
    EXPECT_TRUE(fresh.ui.messages.empty());
    for (DrvMenu& menu : drive.app->getCustMenus()) {
        if (menu.isMapped()) continue;
        for (Parameter& p : menu.Parameters()) {
            for (ModeData& m : p.modes()) {
                const ModeData& back = fresh.custom(menu.menuKey(), p.paraKey(), m.modeKey());
                EXPECT_EQ(back.getDesc(), m.getDesc()) << menu.menuKey() << p.paraKey() << m.modeKey();
                EXPECT_EQ(back.getHelp(), m.getHelp());
                EXPECT_EQ(back.unit(), m.unit());
            }
        }
    }
}

TEST(WriterRoundTrips, ConstantsComeBack)
{
    Example drive;
    drive.custom("m1", "p1", "Open loop").setLLim("-5");
    const std::string path = drive.folder.file("c.kpc");
    ASSERT_TRUE(drive.app->xmlSave(path, true));
    // A constants file written by the editor carries its set's key; loaded, it fills that set.
    LoadedDrive fresh(exampleConfiguration());
    fresh.app->loadUserFile(path);
    const ModeData& a = fresh.custom("m1", "p1", "Open loop");
    EXPECT_EQ(a.lLim(), "-5");
    EXPECT_EQ(a.uLim(), "15000");
    EXPECT_EQ(a.dVal(), "1500");
    EXPECT_EQ(a.nOfDp(), "1");
    EXPECT_EQ(a.unit(), 3);
    EXPECT_TRUE(a.defined());
    const ModeData& b = fresh.custom("m1", "p1", "Servo");
    EXPECT_FALSE(b.defined());
    EXPECT_EQ(b.nOfDp(), "2");
    EXPECT_EQ(b.uLim(), "undef");
    EXPECT_EQ(b.unit(), 0);
}

TEST(WriterRoundTrips, ControlBytesComeBackInTheKeypadEscapedForm)
{
    Example drive;
    drive.custom("m1", "p1", "Open loop").setDesc(std::string("A\x01" "B\rC", 5));
    const std::string path = drive.folder.file("ctl.kpd");
    ASSERT_TRUE(drive.app->xmlSave(path));
    EXPECT_TRUE(xmllintAccepts(path));
    LoadedDrive fresh(exampleConfiguration());
    fresh.app->loadUserFile(path);
    EXPECT_EQ(fresh.custom("m1", "p1", "Open loop").getDesc(), "A~AB\rC");
}

// A save that fails must keep the old file, the data and its dirty state.
TEST(WriterFailures, UnwritableTargetKeepsOldFileAndDirtyState)
{
    Example drive;
    const std::string path = drive.folder.file("locked.kpd");
    drive.folder.write("locked.kpd", "old content");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    drive.app->getCustMenus().Item("m1").setDirty(true);
    EXPECT_FALSE(drive.app->xmlSave(path));
    EXPECT_EQ(readFile(path), "old content");
    EXPECT_TRUE(drive.app->isAppDirty());
    ASSERT_EQ(drive.ui.messages.size(), 1u);
    EXPECT_EQ(drive.ui.messages[0].title, "ERROR");
    EXPECT_THAT(drive.ui.messages[0].text, HasSubstr(path));
    EXPECT_THAT(drive.ui.messages[0].text, HasSubstr("Permission denied"));
    EXPECT_EQ(drive.ui.busyDepth, 0);
}

TEST(WriterFailures, MissingFolderIsReportedAndNothingIsMarkedClean)
{
    Example drive;
    drive.app->getCustMenus().Item("m1").setDirty(true);
    const std::string path = drive.folder.file("no/such/folder/x.kpd");
    EXPECT_FALSE(drive.app->xmlSave(path));
    EXPECT_FALSE(drive.app->getCustMenus().Item("m1").xmlSaveM(path));
    EXPECT_TRUE(drive.app->isAppDirty());
    ASSERT_EQ(drive.ui.messages.size(), 2u);
    EXPECT_THAT(drive.ui.messages[0].text, HasSubstr("No such file or directory"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(WriterFailures, SuccessfulSaveReplacesAndMarksEverySetClean)
{
    Example drive;
    const std::string path = drive.folder.file("x.kpd");
    drive.folder.write("x.kpd", "old content that is longer than nothing");
    drive.app->stringDatas().Item("English").DrvMenus().Item("m1").setDirty(true);
    ASSERT_TRUE(drive.app->xmlSave(path));
    EXPECT_FALSE(drive.app->isAppDirty());
    EXPECT_EQ(readFile(path).rfind("<App ", 0), 0u);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(drive.folder.path())) ++entries;
    EXPECT_EQ(entries, 2u) << "no temporary file may stay behind";
}

// What a failed save showed the user: the last message, if any.
WriteOutcome saved(bool written, const RecordingUserInterface& ui)
{
    return {written, ui.messages.empty() ? std::string() : ui.messages.back().text};
}

const std::vector<WriterUnderTest> kDataWriters = {
    {"KeypadData", [](const std::string& path) {
         Example drive;
         return saved(drive.app->xmlSave(path), drive.ui);
     }},
    {"Constants", [](const std::string& path) {
         Example drive;
         return saved(drive.app->xmlSave(path, true), drive.ui);
     }},
    {"MenuDocument", [](const std::string& path) {
         Example drive;
         return saved(drive.app->getCustMenus().Item("m1").xmlSaveM(path), drive.ui);
     }},
    {"TextExport", [](const std::string& path) {
         Example drive;
         TextExport exporter;
         exporter.setData(*drive.app, 0);
         return outcomeOf([&] { exporter.exportText(path, kExportParamName | kExportDescription); });
     }},
    {"TermBase", [](const std::string& path) {
         Glossary glossary;
         glossary.terms().emplace_back().formsFor("en").full = "Speed";
         return outcomeOf([&] { TbxFile::save(path, glossary); });
     }},
};

TEST_P(SafeWriteTest, KeepsItsPromises)
{
    expectSafeWrite(writer(), fault());
}

INSTANTIATE_TEST_SUITE_P(DataWriters, SafeWriteTest,
                         testing::Combine(testing::ValuesIn(kDataWriters), testing::ValuesIn(allWriteFaults())),
                         safeWriteName);

} // namespace
} // namespace kpd::test
