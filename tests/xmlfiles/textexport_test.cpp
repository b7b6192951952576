#include "recordinguserinterface.h"

#include "model/theapp.h"
#include "xmlfiles/textexport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>

namespace kpd {
namespace {

namespace fs = std::filesystem;

// What another program may do while the export is being made: the busy pointer shows
// between the look for an existing file and the write.
struct RacedUserInterface : test::RecordingUserInterface {
    void waitOn() override
    {
        RecordingUserInterface::waitOn();
        if (meanwhile) meanwhile();
    }
    std::function<void()> meanwhile;
};

// Menu 1 with "Speed" (p0) and "Accel" (p5), menu 15 with "Op" (p0), and the trips
// menu mapping p0 of menu 1. Modes OL, CL, SV, RG (and A1-A4 for menu 15).
class ExportFixture : public testing::Test {
protected:
    ExportFixture() : app_(ui_, ".")
    {
        app_.stringDatas().Add("cust");
        app_.setCustKey("cust");
        const std::vector<std::string> def{"OL", "CL", "SV", "RG"}, op{"A1", "A2", "A3", "A4"};
        for (int m = 2; m <= 5; ++m) {
            app_.modeDefMap().Add("mode" + std::to_string(m), def[static_cast<std::size_t>(m - 2)]);
            app_.modeOpMap().Add("mode" + std::to_string(m), op[static_cast<std::size_t>(m - 2)]);
        }
        DrvMenus& menus = app_.stringDatas().Item("cust").DrvMenus();
        DrvMenu& m1 = menus.Add("m1");
        add(m1, "p0", "Speed", def);
        add(m1, "p5", "Accel", def);
        add(menus.Add("m15"), "p0", "Op", op);
        menus.Add("trips").Parameters().addExisting("t1", m1.Parameters().Item("p0"));
        mode("m1", "p0", "OL").setDesc("Max~Mspeed");
        mode("m1", "p0", "OL").setHelp("Top ~x41 speed");
        mode("m1", "p0", "OL").setUnit(3);
        mode("m1", "p0", "CL").setDesc("Closed");
        mode("m1", "p5", "OL").setDesc("Ramp");
        mode("m1", "p5", "CL").setDefined(false);
        mode("m15", "p0", "A1").setDesc("Op text");
        exporter_.setData(app_, 0);
    }

    void add(DrvMenu& menu, const std::string& key, const std::string& name, const std::vector<std::string>& modes)
    {
        Parameter& p = *menu.Parameters().Add(key);
        p.setParaName(name);
        p.createModes(modes);
    }

    ModeData& mode(const std::string& menu, const std::string& para, const std::string& name)
    {
        return app_.stringDatas().Item("cust").DrvMenus().Item(menu).Parameters().Item(para).modes().Item(name);
    }

    std::vector<std::string> lines(std::uint16_t options) const
    {
        std::vector<std::string> result;
        const std::string content = exporter_.exportContent(options);
        for (std::size_t pos = 0; pos < content.size();) {
            const std::size_t end = content.find("\r\n", pos);
            EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
            if (end == std::string::npos) break;
            result.push_back(content.substr(pos, end - pos));
            pos = end + 2;
        }
        return result;
    }

    RacedUserInterface ui_;
    TheApp app_;
    TextExport exporter_;
};

TEST_F(ExportFixture, CommaSeparatedFieldsEachEndWithTheSeparator)
{
    const auto out = lines(kExportComma | kExportLinePerMode | kExportParamName | kExportMenuNumber |
                           kExportParamNumber | kExportOpenLoop | kExportDescription);
    EXPECT_EQ(out, (std::vector<std::string>{"Zarvik Veltrane VX Lumikey text export", "Speed,1,0,Max_speed,",
                                             "Accel,1,5,Ramp,", "Op,15,0,Op text,"}));
}

TEST_F(ExportFixture, OneLinePerParameterHoldsTheChosenModesInKeyOrder)
{
    const auto out = lines(kExportParamNumber | kExportOpenLoop | kExportClosedLoop | kExportModeName |
                           kExportDescription | kExportUnits);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[1], "0 OL Max_speed RPM CL Closed No Unit ");
    EXPECT_EQ(out[2], "5 OL Ramp No Unit CL param not defined param not defined ");
    EXPECT_EQ(out[3], "0 A1 Op text No Unit A2  No Unit ");
}

TEST_F(ExportFixture, OneLinePerModeWithoutChosenModesWritesOnlyTheTitle)
{
    EXPECT_EQ(lines(kExportLinePerMode | kExportParamName | kExportDescription).size(), 1u);
}

TEST_F(ExportFixture, AParameterLineIsWrittenWhenItsModesExistEvenIfNoneIsChosen)
{
    const auto out = lines(kExportParamName | kExportQuotes);
    EXPECT_EQ(out, (std::vector<std::string>{"Zarvik Veltrane VX Lumikey text export", "\"Speed\" ", "\"Accel\" ",
                                             "\"Op\" "}));
}

TEST_F(ExportFixture, QuotesGoAroundTextsButNeverNumbers)
{
    const auto out = lines(kExportComma | kExportLinePerMode | kExportQuotes | kExportMenuNumber | kExportOpenLoop |
                           kExportHelp | kExportModeName);
    EXPECT_EQ(out[1], "1,\"OL\",\"Top A speed\",");
}

TEST_F(ExportFixture, CommaSeparatedTextsHoldingCommasOrQuotesAreQuotedAsSpreadsheetsRead)
{
    app_.stringDatas().Item("cust").DrvMenus().Item("m1").Parameters().Item("p0").setParaName("Speed, max");
    mode("m1", "p0", "OL").setDesc("Say \"hi\"");
    const std::uint16_t fields = kExportLinePerMode | kExportParamName | kExportOpenLoop | kExportDescription;
    auto out = lines(kExportComma | fields);
    EXPECT_EQ(out[1], "\"Speed, max\",\"Say \"\"hi\"\"\",");
    EXPECT_EQ(out[2], "Accel,Ramp,") << "other texts stay bare";
    EXPECT_EQ(lines(kExportComma | kExportQuotes | fields)[1], "\"Speed, max\",\"Say \"\"hi\"\"\",");
    EXPECT_EQ(lines(kExportQuotes | fields)[1], "\"Speed, max\" \"Say \"hi\"\" ") << "spaces keep their own form";
}

TEST_F(ExportFixture, BlankLinesAreForeseenForExactlyTheOptionsThatWriteThem)
{
    for (std::uint32_t options = 0; options < 2 * kExportQuotes; ++options) {
        const auto out = lines(static_cast<std::uint16_t>(options));
        const bool blank = std::find(out.begin() + 1, out.end(), std::string()) != out.end();
        ASSERT_EQ(TextExport::writesBlankLines(static_cast<std::uint16_t>(options)), blank) << options;
    }
}

TEST_F(ExportFixture, UnitTextsFollowTheUnitCode)
{
    EXPECT_EQ(TextExport::unitText(0), "No Unit");
    EXPECT_EQ(TextExport::unitText(1), "%");
    EXPECT_EQ(TextExport::unitText(2), "A");
    EXPECT_EQ(TextExport::unitText(4), "Hz");
    EXPECT_EQ(TextExport::unitText(5), "");
    EXPECT_EQ(TextExport::unitText(-1), "");
}

TEST(ExportFileName, AcceptsShortNamesOfLettersDigitsAndSpaces)
{
    EXPECT_EQ(TextExport::exportFileName("AFileName", kExportComma), "AFileName.csv");
    EXPECT_EQ(TextExport::exportFileName(std::string(19, 'x'), 0), std::string(19, 'x') + ".txt");
    EXPECT_EQ(TextExport::exportFileName("my file 2", 0), "my file 2.txt");
    EXPECT_FALSE(TextExport::exportFileName(std::string(20, 'x'), 0));
    EXPECT_FALSE(TextExport::exportFileName("", 0));
    EXPECT_FALSE(TextExport::exportFileName("a.b", 0));
    EXPECT_FALSE(TextExport::exportFileName("a_b", 0));
    EXPECT_FALSE(TextExport::exportFileName("caf\xE9", 0));
}

class ExportFile : public ExportFixture {
protected:
    ExportFile() : path_(fs::temp_directory_path() / ("kpd-export-" + std::to_string(::getpid()) + ".csv")) {}
    ~ExportFile() override { fs::remove(path_); }

    std::string contents() const
    {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path path_;
};

TEST_F(ExportFile, AnExistingFileIsKeptWhenTheUserSaysNo)
{
    std::ofstream(path_) << "keep me";
    ui_.answers.push_back(MessageAnswer::No);
    EXPECT_FALSE(exporter_.exportText(path_.string(), kExportParamName));
    EXPECT_EQ(contents(), "keep me");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "File already exists do you want to overwrite?");
    EXPECT_EQ(ui_.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui_.waitOnCount, 0);
}

TEST_F(ExportFile, AnExistingFileIsReplacedWhenTheUserSaysYes)
{
    std::ofstream(path_) << "old";
    ui_.answers.push_back(MessageAnswer::Yes);
    EXPECT_TRUE(exporter_.exportText(path_.string(), kExportParamName));
    EXPECT_EQ(contents(), "Zarvik Veltrane VX Lumikey text export\r\nSpeed \r\nAccel \r\nOp \r\n");
    EXPECT_EQ(ui_.waitOnCount, 1);
    EXPECT_EQ(ui_.busyDepth, 0);
}

TEST_F(ExportFile, AFileCreatedMeanwhileIsReplacedOnlyAfterTheUserSaysYes)
{
    ui_.meanwhile = [this] { std::ofstream(path_) << "another export"; };
    ui_.answers.push_back(MessageAnswer::No);
    EXPECT_FALSE(exporter_.exportText(path_.string(), kExportParamName));
    EXPECT_EQ(contents(), "another export");
    EXPECT_EQ(ui_.texts(), std::vector<std::string>{"File already exists do you want to overwrite?"});

    fs::remove(path_);
    ui_.answers.push_back(MessageAnswer::Yes);
    EXPECT_TRUE(exporter_.exportText(path_.string(), kExportParamName));
    EXPECT_EQ(contents(), "Zarvik Veltrane VX Lumikey text export\r\nSpeed \r\nAccel \r\nOp \r\n");
    EXPECT_EQ(ui_.busyDepth, 0);
}

TEST_F(ExportFile, EightBitCharactersAreWrittenAsUtf8)
{
    mode("m1", "p0", "OL").setDesc("Caf~xe9");
    EXPECT_TRUE(exporter_.exportText(path_.string(), kExportLinePerMode | kExportOpenLoop | kExportDescription));
    EXPECT_NE(contents().find("Caf\xC3\xA9 \r\n"), std::string::npos);
    EXPECT_TRUE(ui_.messages.empty());
}

} // namespace
} // namespace kpd
