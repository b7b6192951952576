#include "pipewithwriter.h"
#include "sampledrivefixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kpd {
namespace {

namespace fs = std::filesystem;

class DecodeInputTest : public SampleDriveFixture {
protected:
    DecodeInputTest() : SampleDriveFixture("decodeinput-", "sample.kpd") {}

    void expectRefused(const std::string& file, const std::string& reason)
    {
        EXPECT_EQ(run({"decode", file}), 2) << file;
        EXPECT_NE(err_.str().find(file + ": " + reason), std::string::npos) << err_.str();
    }
};

TEST_F(DecodeInputTest, ADamagedHexFileNamesItsFirstBadLine)
{
    ASSERT_EQ(run({"build", path("sample.kpd"), "--hex", path("db.hex")}), 0) << err_.str();
    std::ostringstream text;
    text << std::ifstream(path("db.hex"), std::ios::binary).rdbuf();
    std::string hex = text.str();
    std::size_t line8 = 0;
    for (int line = 1; line < 8; ++line) line8 = hex.find('\n', line8) + 1;
    char& checksum = hex[line8 - 3];
    checksum = checksum == '0' ? '1' : '0';
    std::ofstream(path("bad.hex"), std::ios::binary) << hex;
    expectRefused(path("bad.hex"), "line 7: wrong checksum");
}

TEST_F(DecodeInputTest, OnlyRegularFilesOfAnImagesSizeAreRead)
{
    expectRefused(dir_.string(), "is a folder, not a file");
    expectRefused("/dev/null", "is a device, not a regular file");
    std::ofstream(path("huge.img"), std::ios::binary) << "";
    fs::resize_file(path("huge.img"), 2'000'000);
    expectRefused(path("huge.img"), "holds 2,000,000 bytes, more than the largest image (524,289 bytes");
    const test::PipeWithWriter pipe(path("pipe.img"));
    ASSERT_TRUE(pipe.made());
    expectRefused(path("pipe.img"), "is a named pipe, not a regular file");
}

} // namespace
} // namespace kpd
