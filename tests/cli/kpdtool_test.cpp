#include "kpdtool.h"
#include "sampledrivefixture.h"
#include "writefaults.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace kpd {
namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(KPD_SOURCE_DIR) + "/data";

class KpdToolTest : public SampleDriveFixture {
protected:
    KpdToolTest() : SampleDriveFixture("kpdtool-", "sample.kpd") {}

    static std::string slurp(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(KpdToolTest, HelpDocumentsEveryCommand)
{
    EXPECT_EQ(run({"--help"}), 0);
    for (const char* word : {"check-size", "build", "--hex", "--bin", "--asm", "--lang", "--segments", "--image",
                             "export", "--options", "--force", "decode", "--folder", "--language", "spelling"})
        EXPECT_NE(out_.str().find(word), std::string::npos) << word;
}

TEST_F(KpdToolTest, VersionGoesToStandardOutputWithExitZero)
{
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_TRUE(std::regex_match(out_.str(), std::regex("kpdtool [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << out_.str();
    EXPECT_EQ(err_.str(), "");
}

TEST_F(KpdToolTest, BuildShowsItsProgressOnlyWhenAsked)
{
    EXPECT_EQ(run({"build", path("sample.kpd"), "--hex", path("quiet.hex")}), 0);
    EXPECT_EQ(err_.str().find('\r'), std::string::npos);

    out_.str({});
    err_.str({});
    KpdTool tool(out_, err_, kData);
    tool.setProgressShown(true);
    EXPECT_EQ(tool.run({"build", path("sample.kpd"), "--hex", path("shown.hex")}), 0);
    EXPECT_NE(err_.str().find("\rTranslating database ["), std::string::npos);
    EXPECT_NE(err_.str().find("\rCompressing Strings [##############################] 100%"), std::string::npos);
    EXPECT_EQ(slurp(path("quiet.hex")), slurp(path("shown.hex")));
}

TEST_F(KpdToolTest, BadCommandLinesExitWithTwo)
{
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"frobnicate", "x.kpd"}), 2);
    EXPECT_EQ(run({"build"}), 2);
    EXPECT_EQ(run({"build", path("sample.kpd"), "--hex"}), 2);
    EXPECT_EQ(run({"build", path("sample.kpd"), "--asm", path(""), "--lang", "klingon"}), 2);
    EXPECT_EQ(run({"export", path("sample.kpd"), path("out.csv"), "--options", "70000"}), 2);
    EXPECT_EQ(run({"check-size", path("missing.kpd")}), 2);
    EXPECT_EQ(run({"decode", path("missing.img")}), 2);
}

TEST_F(KpdToolTest, AFileWithoutTheKeypadExtensionIsRefused)
{
    fs::copy_file(kData + "/Custom.kpl", dir_ / "sample.xml");
    EXPECT_EQ(run({"check-size", path("sample.xml")}), 2);
    EXPECT_NE(err_.str().find("WARNING: Unknown file type"), std::string::npos);
}

TEST_F(KpdToolTest, CheckSizeReportsTheSizeOnStandardError)
{
    EXPECT_EQ(run({"check-size", path("sample.kpd")}), 0);
    const std::regex report("The compressed database takes up ([0-9]+) bytes\\.\nYou have ([0-9]+) bytes left");
    std::smatch m;
    const std::string err = err_.str();
    ASSERT_TRUE(std::regex_search(err, m, report)) << err;
    EXPECT_EQ(std::stol(m[1]) + std::stol(m[2]), 131072);
}

TEST_F(KpdToolTest, OneBuildWritesEveryRequestedFileFromTheSameImage)
{
    fs::create_directories(dir_ / "segs");
    ASSERT_EQ(run({"build", path("sample.kpd"), "--hex", path("db.hex"), "--bin", path("db.bin"), "--asm",
                   dir_.string(), "--lang", "french", "--segments", path("segs"), "--image", path("db.img")}),
              0)
        << err_.str();
    const std::string image = slurp(path("db.img"));
    const std::string flash = slurp(path("db.bin"));
    ASSERT_GT(image.size(), 1036u);
    EXPECT_EQ(flash.size() % 30, 0u);
    EXPECT_EQ(flash.substr(0, image.size()), image);
    EXPECT_TRUE(fs::exists(dir_ / "french_stringdb.asm"));
    EXPECT_EQ(slurp(path("segs/000")), image.substr(0, 1024));
    EXPECT_EQ(fs::file_size(dir_ / "segs" / "127"), 2048u);

    // Every form decodes to the same listing.
    ASSERT_EQ(run({"decode", path("db.img")}), 0);
    const std::string listing = out_.str();
    EXPECT_NE(listing.find("record menu 0 parameter 0"), std::string::npos);
    ASSERT_EQ(run({"decode", path("db.hex")}), 0) << err_.str();
    EXPECT_EQ(out_.str(), listing);
    ASSERT_EQ(run({"decode", path("db.bin")}), 0);
    EXPECT_EQ(out_.str(), listing);
}

// An empty image (12-byte header, 768-byte offset table, 256 empty words) whose word 0 is
// `word`: 1,036 + 46 bytes make the length 0x43A, so the first byte is ":".
std::string imageWithWord(const std::string& word)
{
    std::string image(12 + 768, '\0');
    image += word;
    image.append(256, '\0');
    const std::size_t length = image.size();
    for (int i = 0; i < 4; ++i) image[static_cast<std::size_t>(i)] = static_cast<char>(length >> (8 * i));
    image[8] = 12;
    for (std::size_t i = 0; i < 256; ++i) {
        const std::size_t offset = 12 + 768 + (i == 0 ? 0 : word.size() + i);
        for (std::size_t k = 0; k < 3; ++k) image[12 + 3 * i + k] = static_cast<char>(offset >> (8 * k));
    }
    return image;
}

TEST_F(KpdToolTest, AnImageIsToldFromIntelHexByItsContent)
{
    const std::string word(46, 'w');
    const std::string image = imageWithWord(word);
    ASSERT_EQ(image[0], ':');
    std::ofstream(path("colon.img"), std::ios::binary) << image;
    ASSERT_EQ(run({"decode", path("colon.img")}), 0) << err_.str();
    EXPECT_NE(out_.str().find("word 0 \"" + word + "\""), std::string::npos) << out_.str();
}

TEST_F(KpdToolTest, ADamagedImageIsReportedWithItsFileName)
{
    std::ofstream(path("bad.img"), std::ios::binary) << "not an image at all";
    EXPECT_EQ(run({"decode", path("bad.img")}), 2);
    EXPECT_NE(err_.str().find(path("bad.img") + ": The image claims"), std::string::npos) << err_.str();
}

TEST_F(KpdToolTest, ABrokenConfigurationEndsWithItsOwnMessage)
{
    std::string configuration = slurp(kData + "/kpdconf.kpx");
    configuration.resize(configuration.find("<menu name=\"Ramps\""));
    fs::create_directories(dir_ / "drive");
    std::ofstream(path("drive/kpdconf.kpx"), std::ios::binary) << configuration;
    EXPECT_EQ(run({"--folder", path("drive"), "check-size", path("sample.kpd")}), 2);
    const std::string err = err_.str();
    EXPECT_NE(err.find("ERROR: Parse Error 3 : no element found at line "), std::string::npos) << err;
    EXPECT_NE(err.find(" in the file " + path("drive/kpdconf.kpx")), std::string::npos) << err;
    EXPECT_EQ(err.find("No item with the key"), std::string::npos) << err;
    EXPECT_EQ(err.find("Could not find"), std::string::npos) << err;
}

TEST_F(KpdToolTest, ATooLargeDatabaseWritesOnlyTheRawImage)
{
    // Every help text of the sample made unique and long pushes the image past the limit.
    std::string text = slurp(path("sample.kpd"));
    std::string grown;
    std::size_t pos = 0, count = 0;
    for (std::size_t at; (at = text.find("</Help>", pos)) != std::string::npos; pos = at + 7)
        grown += text.substr(pos, at - pos) + " unique" + std::to_string(count++) + std::string(40, 'q') + "</Help>";
    grown += text.substr(pos);
    std::ofstream(path("big.kpd"), std::ios::binary) << grown;
    EXPECT_EQ(run({"build", path("big.kpd"), "--hex", path("big.hex"), "--image", path("big.img")}), 1);
    EXPECT_GT(fs::file_size(path("big.img")), 131072u);
    EXPECT_FALSE(fs::exists(path("big.hex")));
    EXPECT_NE(err_.str().find("The compressed string database is to large for the Keypad."), std::string::npos);
    EXPECT_EQ(run({"check-size", path("big.kpd")}), 1);
    EXPECT_NE(err_.str().find("You need to reduce its size by"), std::string::npos);
}

// The program ends without destroying its model: what it printed must still arrive whole
// through a pipe (where the standard streams are fully buffered), with the exit status.
TEST_F(KpdToolTest, TheProgramDeliversItsOutputAndExitStatusThroughAPipe)
{
    const auto program = [&](const std::string& args, int& status) {
        const std::string command = std::string(KPDTOOL_PROGRAM) + " --folder '" + kData + "' " + args + " 2>&1";
        std::FILE* pipe = ::popen(command.c_str(), "r");
        std::string output;
        char block[4096];
        for (std::size_t got; (got = std::fread(block, 1, sizeof block, pipe)) > 0;) output.append(block, got);
        status = WEXITSTATUS(::pclose(pipe));
        return output;
    };
    ASSERT_EQ(run({"build", path("sample.kpd"), "--image", path("db.img")}), 0);
    ASSERT_EQ(run({"decode", path("db.img")}), 0);
    int status = -1;
    EXPECT_EQ(program("decode '" + path("db.img") + "'", status), out_.str());
    EXPECT_EQ(status, 0);
    EXPECT_NE(program("check-size '" + path("sample.kpd") + "'", status).find("The compressed database takes up"),
              std::string::npos);
    EXPECT_EQ(status, 0);
    EXPECT_NE(program("check-size '" + path("missing.kpd") + "'", status).find("ERROR"), std::string::npos);
    EXPECT_EQ(status, 2);
}

TEST_F(KpdToolTest, ExportReplacesAnExistingFileOnlyWhenForced)
{
    std::ofstream(path("out.csv")) << "keep";
    EXPECT_EQ(run({"export", path("sample.kpd"), path("out.csv"), "--options", "1083"}), 2);
    EXPECT_EQ(slurp(path("out.csv")), "keep");
    EXPECT_NE(err_.str().find("File already exists do you want to overwrite?"), std::string::npos);
    EXPECT_EQ(run({"export", path("sample.kpd"), path("out.csv"), "--options", "1083", "--force"}), 0);
    const std::string csv = slurp(path("out.csv"));
    EXPECT_EQ(csv.substr(0, 40), "Zarvik Veltrane VX Lumikey text export\r\n");
    EXPECT_NE(csv.find("\r\n0,0,Parameter zero_select option,\r\n"), std::string::npos);
}

// The sample drive's data as a keypad file, for the writers below; removed at exit.
class SampleInput {
public:
    SampleInput() : dir_(fs::temp_directory_path() / ("kpdtool-input-" + std::to_string(::getpid())))
    {
        fs::create_directories(dir_);
        fs::copy_file(kData + "/Custom.kpl", dir_ / "sample.kpd", fs::copy_options::overwrite_existing);
    }
    ~SampleInput() { fs::remove_all(dir_); }
    std::string file() const { return (dir_ / "sample.kpd").string(); }

private:
    fs::path dir_;
};

test::WriterUnderTest toolWriter(const std::string& name, std::vector<std::string> args)
{
    return {name, [args](const std::string& path) {
                static const SampleInput input;
                std::vector<std::string> line = args;
                for (std::string& arg : line) {
                    if (arg == "IN") arg = input.file();
                    if (arg == "OUT") arg = path;
                }
                std::ostringstream out, err;
                const int status = KpdTool(out, err, kData).run(line);
                return test::WriteOutcome{status == 0, err.str()};
            }};
}

const std::vector<test::WriterUnderTest> kToolWriters = {
    toolWriter("BuildHex", {"build", "IN", "--hex", "OUT"}),
    toolWriter("BuildImage", {"build", "IN", "--image", "OUT"}),
    toolWriter("ExportForced", {"export", "IN", "OUT", "--options", "1083", "--force"}),
};

using test::SafeWriteTest;

TEST_P(SafeWriteTest, KeepsItsPromises)
{
    test::expectSafeWrite(writer(), fault());
}

INSTANTIATE_TEST_SUITE_P(ToolWriters, SafeWriteTest,
                         testing::Combine(testing::ValuesIn(kToolWriters), testing::ValuesIn(test::allWriteFaults())),
                         test::safeWriteName);

} // namespace
} // namespace kpd
