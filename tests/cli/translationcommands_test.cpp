#include "kpdtool.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kpd {
namespace {

namespace fs = std::filesystem;

const std::string kSampleFolder = std::string(KPD_SOURCE_DIR) + "/data";

bool toolInstalled(const std::string& tool)
{
    return std::system(("command -v " + tool + " >/dev/null").c_str()) == 0;
}

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class TranslationCommandsTest : public testing::Test {
protected:
    TranslationCommandsTest() : dir_(fs::temp_directory_path() / ("kpdtool-translation-" + std::to_string(::getpid())))
    {
        fs::create_directories(dir_);
        // The sample custom set with a translated description that holds escapes, a tilde,
        // Latin-1 letters, one the keypad shows otherwise (its escape goes out) and a line break.
        std::string sample = fileText(kSampleFolder + "/Custom.kpl");
        const std::string first = "Parameter zero~Mselect option";
        sample.replace(sample.find(first), first.size(),
                       "Gr\xC3\xB6\xC3\x9F"
                       "e ~x80~~1~Mw\xC3\xA4hlen ~xd8\xC3\x98");
        std::ofstream(path("s.kpd"), std::ios::binary) << sample;
        // A base that differs in the first menu only: exporting what changed since it keeps
        // the files the outside tools read small.
        const std::size_t end = sample.find("<Menu MenuID=\"m1\"");
        for (const std::string tag : {"<Desc>", "<Help>"})
            for (std::size_t at = sample.find(tag); at < end; at = sample.find(tag, at + 1)) sample.insert(at + 6, "x");
        std::ofstream(path("base.kpd"), std::ios::binary) << sample;
    }
    ~TranslationCommandsTest() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    int run(std::vector<std::string> args)
    {
        out_.str({});
        err_.str({});
        KpdTool tool(out_, err_, kSampleFolder);
        return tool.run(args);
    }

    int shell(const std::string& command) { return std::system(("cd " + dir_.string() + " && " + command).c_str()); }

    fs::path dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(TranslationCommandsTest, TheSampleDriveComesBackUnchangedInEveryFormat)
{
    for (const std::string format : {"xliff12", "xliff21", "po"}) {
        ASSERT_EQ(run({"export-translation", path("s.kpd"), "--format", format, "-o", path("s." + format)}), 0)
            << err_.str();
        ASSERT_EQ(run({"import-translation", path("s.kpd"), path("s." + format), "-o", path("n.kpd")}), 0)
            << out_.str();
        EXPECT_EQ(run({"diff", path("s.kpd"), path("n.kpd")}), 0) << format << out_.str();
    }
}

TEST_F(TranslationCommandsTest, GettextAndXmlToolsAcceptEveryExportedFile)
{
    for (const std::string format : {"xliff12", "xliff21", "po"})
        ASSERT_EQ(run({"export-translation", path("s.kpd"), "--format", format, "-o", path("s." + format)}), 0);
    if (!toolInstalled("msgfmt") || !toolInstalled("xmllint"))
        GTEST_SKIP() << "gettext or xmllint missing: scripts/setup.sh";
    EXPECT_EQ(shell("msgfmt -c -o /dev/null s.po"), 0);
    EXPECT_EQ(shell("xmllint --noout s.xliff12 s.xliff21"), 0);
}

TEST_F(TranslationCommandsTest, TranslateToolkitReadsTheFilesAndItsConversionImportsBackToTheSameSet)
{
    if (!toolInstalled("po2xliff") || !toolInstalled("pocount"))
        GTEST_SKIP() << "translate-toolkit missing: scripts/setup.sh";
    for (const std::string format : {"xliff12", "po"})
        ASSERT_EQ(run({"export-translation", path("s.kpd"), "--format", format, "--only", "changed-since",
                       path("base.kpd"), "-o", path("s." + format)}),
                  0);
    EXPECT_NE(err_.str().find("texts written"), std::string::npos);
    fs::copy_file(path("s.xliff12"), path("s.xlf"));
    EXPECT_EQ(shell("pocount s.po s.xlf >/dev/null 2>&1"), 0);
    EXPECT_EQ(shell("xliff2po s.xlf back.po >/dev/null 2>&1"), 0);
    EXPECT_NE(fileText(path("back.po")).find("msgid"), std::string::npos);
    ASSERT_EQ(shell("po2xliff s.po converted.xlf >/dev/null 2>&1"), 0);
    EXPECT_EQ(run({"import-translation", path("s.kpd"), path("converted.xlf"), "-o", path("n.kpd")}), 0) << out_.str();
    EXPECT_EQ(run({"diff", path("s.kpd"), path("n.kpd")}), 0) << out_.str();
}

TEST_F(TranslationCommandsTest, AnImportWithTextsThatDoNotFitTakesTheRestAndExits1)
{
    std::ofstream(path("de.po"), std::ios::binary)
        << "msgid \"\"\nmsgstr \"Language: de\\n\"\n\n"
           "msgctxt \"m0.p0.Open_20loop.desc\"\nmsgid \"x\"\nmsgstr \"Parameter null\\nOption w\xC3\xA4hlen\"\n\n"
           "msgctxt \"m0.p0.Closed_20loop.desc\"\nmsgid \"x\"\nmsgstr \"Parameter null mit einer viel zu langen "
           "Wahl\"\n\n"
           "msgctxt \"m0.p0.Servo.desc\"\nmsgid \"x\"\nmsgstr \"Preis in \xE2\x82\xAC\"\n\n"
           "msgctxt \"m0.p99.Servo.desc\"\nmsgid \"x\"\nmsgstr \"Niemand\"\n";
    EXPECT_EQ(run({"import-translation", path("s.kpd"), path("de.po"), "-o", path("n.kpd"), "--json"}), 1);
    const std::string report = out_.str();
    EXPECT_NE(report.find("\"imported\": 1,"), std::string::npos) << report;
    EXPECT_NE(report.find("\"id\": \"m0.p0.Closed_20loop.desc\", \"line\": 8, \"reason\": \"Takes 3"),
              std::string::npos);
    EXPECT_NE(report.find("\"id\": \"m0.p0.Servo.desc\", \"line\": 12, \"reason\": \"U+20AC"), std::string::npos);
    EXPECT_NE(report.find("\"unplaced\": [\n    {\"id\": \"m0.p99.Servo.desc\", \"line\": 16"), std::string::npos);
    EXPECT_NE(fileText(path("n.kpd")).find("Parameter null~MOption w\xC3\xA4hlen"), std::string::npos);
}

TEST_F(TranslationCommandsTest, BadInputExits2NamingFileAndLineAndWritesNothing)
{
    std::ofstream(path("bad.xlf"), std::ios::binary) << "<xliff version=\"1.2\">\n<file>\n<body>\n</file>\n";
    EXPECT_EQ(run({"import-translation", path("s.kpd"), path("bad.xlf"), "-o", path("n.kpd")}), 2);
    EXPECT_NE(err_.str().find(path("bad.xlf") + ":4:"), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(path("n.kpd")));
    EXPECT_EQ(run({"export-translation", path("s.kpd"), "--format", "csv", "-o", path("x")}), 2);
    // The sample data folder of the sources holds no built font.
    EXPECT_EQ(run({"export-translation", path("s.kpd"), "--format", "po", "--font", "-o", path("x.po")}), 2);
    EXPECT_NE(err_.str().find("keypad-lcd.ttf: "), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(path("x.po")));
    EXPECT_EQ(run({"export-translation", path("s.kpd"), "--format", "po", "--only", "changed-since", "-o", path("x")}),
              2);
}

} // namespace
} // namespace kpd
