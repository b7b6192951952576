#include "build/databaseimage.h"
#include "build/imagedecoder.h"
#include "build/imagefilereader.h"
#include "build/intelhexreader.h"
#include "build/intelhexwriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kpd {
namespace {

namespace fs = std::filesystem;

// What f throws, or "" when it returns.
template <typename F>
std::string thrown(F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

// Two good records, then the line under test, then the end record.
std::string hexWithThirdLine(const std::string& line)
{
    return ":020000040000FA\r\n:0100000041BE\r\n" + line + "\r\n:00000001FF\r\n";
}

TEST(DamagedIntelHex, IsStillHexAndTheFirstBadLineIsNamed)
{
    struct Row {
        const char* fault;
        std::string line;
        const char* message;
    };
    const Row rows[] = {
        {"checksum", ":0100010042BE", "line 3: wrong checksum"},
        {"odd length", ":0100010042B", "line 3: odd number of hexadecimal digits"},
        {"letter", ":01000100G2BC", "line 3: 'G' in column 10 is not a hexadecimal digit"},
        {"control byte", std::string(":0100010042\0C", 13), "line 3: byte 0x00 in column 12 is not a hexadecimal digit"},
        {"count", ":0200010042BB", "line 3: wrong length: 2 data bytes announced, 1 there"},
        {"no colon", "0100010042BC", "line 3: does not start with ':'"},
    };
    for (const Row& row : rows) {
        const std::string text = hexWithThirdLine(row.line);
        EXPECT_TRUE(IntelHexReader::isIntelHex(text)) << row.fault;
        EXPECT_EQ(thrown([&] { IntelHexReader::read(text); }), row.message);
    }
    EXPECT_EQ(IntelHexReader::read(hexWithThirdLine(":0100010042BC")), (std::vector<std::uint8_t>{0x41, 0x42}));
}

TEST(DamagedIntelHex, ARawImageStartingWithAColonStaysRaw)
{
    // Length 0x33A: the header's top bytes are zero, as in every image the builder makes.
    const std::string image = std::string(":\x03\0\0\x04\0\0\0\x10\0\0\0", 12) + "\n:";
    EXPECT_FALSE(IntelHexReader::isIntelHex(image));
    EXPECT_EQ(ImageFileReader::imageBytes(image).size(), image.size());
    EXPECT_TRUE(IntelHexReader::isIntelHex("\r\n:00000001FF\r\n"));
}

TEST(IntelHexSize, TheLargestImageAtTheWorstBaseFillsTheLimitExactly)
{
    DatabaseImage image;
    image.appendZeros(DatabaseImage::kCapacity);
    const auto fileSize = [&](std::uint32_t base) {
        std::vector<std::string> lines;
        IntelHexWriter::createRecords(image, base, lines, {});
        return IntelHexWriter::fileText(lines).size();
    };
    // These bases put a boundary inside a record in each of the nine 64 KiB blocks reached.
    for (std::uint32_t worst : {0xFFFFu, 0x1FFE1u}) EXPECT_EQ(fileSize(worst), ImageFileReader::kMaxHexFile) << worst;
    for (std::uint32_t base : {0u, 0x10000u, 0x1FFE0u}) EXPECT_LT(fileSize(base), ImageFileReader::kMaxHexFile) << base;
}

// What reading content from a file throws, or "" when it reads.
std::string refusal(const std::string& content)
{
    const fs::path file = fs::temp_directory_path() / ("imagefilelimits-" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << content;
    const std::string what = thrown([&] { ImageFileReader::read(file.string()); });
    fs::remove(file);
    return what;
}

TEST(ImageFileLimits, NothingLargerThanTheLargestImageIsTakenIn)
{
    const std::size_t raw = ImageFileReader::kMaxRawFile;
    const std::size_t hex = ImageFileReader::kMaxHexFile;
    const std::string limits = "the largest image (524,289 bytes, 1,261,945 as Intel hex)";
    EXPECT_EQ(refusal(std::string(raw, '\0')), "");
    EXPECT_EQ(refusal(std::string(raw + 1, '\0')), "holds 524,290 bytes, more than " + limits);
    // Hex text up to its own limit is read and judged by its lines.
    EXPECT_THAT(refusal(':' + std::string(hex - 1, '0')), ::testing::StartsWith("line 1: wrong length"));
    EXPECT_EQ(refusal(':' + std::string(hex, '0')), "holds 1,261,946 bytes, more than " + limits);
}

} // namespace
} // namespace kpd
