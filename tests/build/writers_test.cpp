#include "support/drivebuilder.h"
#include "writefaults.h"

#include "build/assemblerwriter.h"
#include "build/buildmessages.h"
#include "build/compress.h"
#include "build/imagefiles.h"
#include "build/intelhexreader.h"
#include "build/intelhexwriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kpd {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class TempFolder {
public:
    TempFolder()
    {
        path_ = fs::temp_directory_path() / ("kpd-build-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    static inline int counter_ = 0;
    fs::path path_;
};

// The image of a set without parameters: 1,036 bytes, worked out in the layout tests.
Compress emptyBuild(test::DriveBuilder& drive, std::int32_t base)
{
    drive.menu("m1");
    Compress compress;
    compress.setData(drive.app(), base);
    EXPECT_EQ(compress.compress(), CompressResult::Fits);
    return compress;
}

DatabaseImage imageOfLength(std::size_t length)
{
    DatabaseImage image;
    image.appendZeros(length);
    for (std::size_t i = 0; i < length; ++i) image.setU8(i, static_cast<std::uint8_t>(i % 251 + 1));
    return image;
}

const std::string kFirstRecordBase0 =
    ":200000000C040000000000000C0000000C03000D03000E03000F0300100300110300120346";

TEST(IntelHex, BaseZeroStartsWithItsAddressRecordAndEndsWithTheEndRecord)
{
    test::DriveBuilder drive;
    Compress compress = emptyBuild(drive, 0);
    compress.CreateIntelHexData();
    const auto& lines = compress.hexLines();
    // 33 records for positions 0 to 1,024 and the one address record.
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], ":020000040000FA");
    EXPECT_EQ(lines[1], kFirstRecordBase0);
    EXPECT_EQ(lines[33], ":20040000" + std::string(64, '0') + "DC");
    EXPECT_EQ(compress.base(), 33 * 32);
    ASSERT_EQ(drive.ui().progressWindows.back().caption, "Writing hex file");
    EXPECT_EQ(drive.ui().progressWindows.back().range, 16384);
    EXPECT_TRUE(drive.ui().progressWindows.back().closed);
}

TEST(IntelHex, BaseOf64KiBAnnouncesItsUpperAddress)
{
    test::DriveBuilder drive;
    Compress compress = emptyBuild(drive, 65536);
    compress.CreateIntelHexData();
    EXPECT_EQ(compress.hexLines()[0], ":020000040001F9");
    EXPECT_EQ(compress.hexLines()[1].substr(0, 9), ":20000000");
    EXPECT_EQ(compress.hexLines().size(), 34u);
}

TEST(IntelHex, ABaseJustBelowABoundaryIsAnnouncedBeforeItsFirstRecord)
{
    test::DriveBuilder drive;
    Compress compress = emptyBuild(drive, 131040);
    compress.CreateIntelHexData();
    const auto& lines = compress.hexLines();
    EXPECT_EQ(lines[0], ":020000040001F9");
    EXPECT_EQ(lines[1].substr(0, 9), ":20FFE000");
    EXPECT_EQ(lines[2], ":020000040002F8");
    EXPECT_EQ(lines[3].substr(0, 9), ":20000000");
    EXPECT_EQ(lines.size(), 35u);
}

TEST(IntelHex, ARecordCrossingA64KiBBoundaryIsSplitThere)
{
    const DatabaseImage image = imageOfLength(40);
    std::uint32_t base = 0x1FFFA;
    std::vector<std::string> lines;
    ASSERT_TRUE(IntelHexWriter::createRecords(image, base, lines, {}));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], ":020000040001F9");
    EXPECT_EQ(lines[1], ":06FFFA00010203040506EC");
    EXPECT_EQ(lines[2], ":020000040002F8");
    EXPECT_EQ(lines[3].substr(0, 9), ":1A000000");
    EXPECT_EQ(lines[4].substr(0, 9), ":20001A00");
    EXPECT_EQ(base, 0x1FFFAu + 64);
}

TEST(IntelHex, ReadsBackToTheImageAtItsBase)
{
    const DatabaseImage image = imageOfLength(1000);
    for (std::uint32_t start : {0u, 65536u, 131040u, 65530u, 12345u}) {
        std::uint32_t base = start;
        std::vector<std::string> lines;
        IntelHexWriter::createRecords(image, base, lines, {});
        std::uint32_t lowest = 0;
        const std::vector<std::uint8_t> bytes = IntelHexReader::read(IntelHexWriter::fileText(lines), &lowest);
        EXPECT_EQ(lowest, start);
        ASSERT_EQ(bytes.size(), 1024u) << start;
        EXPECT_TRUE(std::equal(image.bytes().begin(), image.bytes().end(), bytes.begin())) << start;
    }
}

TEST(IntelHex, ObjcopyTurnsEveryHexFileBackIntoTheImage)
{
    if (std::system("objcopy --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "objcopy is not installed";
    TempFolder folder;
    test::DriveBuilder drive;
    drive.text("m1", "p0", 2, "Motor speed limit", "The highest motor speed");
    drive.text("m1", "p1", 2, "Motor speed", "");
    for (std::int32_t base : {0, 65536, 131040, 65530}) {
        Compress compress;
        compress.setData(drive.app(), base);
        ASSERT_EQ(compress.compress(), CompressResult::Fits);
        compress.CreateIntelHexData();
        const fs::path hex = folder.path() / "db.hex";
        const fs::path bin = folder.path() / "db.raw";
        compress.WriteFileHex(hex.string());
        const std::string command = "objcopy -I ihex -O binary " + hex.string() + " " + bin.string();
        ASSERT_EQ(std::system(command.c_str()), 0);
        const std::string raw = slurp(bin);
        const auto& image = compress.image().bytes();
        ASSERT_GE(raw.size(), image.size()) << base;
        EXPECT_TRUE(std::equal(image.begin(), image.end(), reinterpret_cast<const std::uint8_t*>(raw.data()))) << base;
        EXPECT_EQ(raw.find_first_not_of('\0', image.size()), std::string::npos) << base;
    }
}

TEST(IntelHex, TheFileEndsEveryLineWithCrLfAndClosesWithTheEndRecord)
{
    TempFolder folder;
    test::DriveBuilder drive;
    Compress compress = emptyBuild(drive, 0);
    compress.CreateIntelHexData();
    const fs::path hex = folder.path() / "out.hex";
    std::ofstream(hex) << "old contents";
    compress.WriteFileHex(hex.string());
    const std::string text = slurp(hex);
    EXPECT_EQ(text.substr(0, 17), ":020000040000FA\r\n");
    EXPECT_EQ(text.substr(17, kFirstRecordBase0.size() + 2), kFirstRecordBase0 + "\r\n");
    EXPECT_EQ(text.substr(text.size() - 13), ":00000001FF\r\n");
}

TEST(Assembler, WritesTheModuleWithThirtyBytesPerLine)
{
    test::DriveBuilder drive;
    Compress compress = emptyBuild(drive, 0);
    EXPECT_EQ(compress.CreateAssemblerData("custom"), "custom_stringdb");
    TempFolder folder;
    const fs::path file = folder.path() / "custom_stringdb.asm";
    compress.WriteFileAsm(file.string());
    std::vector<std::string> lines;
    std::istringstream in(slurp(file));
    for (std::string line; std::getline(in, line);) {
        ASSERT_EQ(line.back(), '\r');
        lines.push_back(line.substr(0, line.size() - 1));
    }
    ASSERT_EQ(lines.size(), 7u + 35u + 2u);
    EXPECT_EQ(lines[0], "; compressed string database (custom)");
    EXPECT_EQ(lines[1], "$CASE");
    EXPECT_EQ(lines[2], "$SEGMENTED");
    EXPECT_EQ(lines[3], "$MODEL(LARGE)");
    EXPECT_EQ(lines[4], "            NAME     custom_stringdb");
    EXPECT_EQ(lines[5], "            ASSUME   DPP3:SYSTEM");
    EXPECT_EQ(lines[6], "custom_database    SECTION  HDAT  BYTE");
    EXPECT_EQ(lines[7], "    DB    12,4,0,0,0,0,0,0,12,0,0,0,12,3,0,13,3,0,14,3,0,15,3,0,16,3,0,17,3,0");
    EXPECT_EQ(lines[41], "    DB    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(lines[42], "custom_database    ENDS");
    EXPECT_EQ(lines[43], "            END");
}

TEST(Assembler, WritesBytesAsPlainDecimals)
{
    DatabaseImage image;
    image.append(std::uint8_t{255});
    image.append(std::uint8_t{0});
    image.append(std::uint8_t{7});
    EXPECT_EQ(AssemblerWriter::dataLine(image, 0), "    DB    255,0,7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
}

TEST(FlashingFile, PadsToWholeThirtyByteBlocks)
{
    EXPECT_EQ(ImageFiles::flashBytes(imageOfLength(1036)).size(), 1050u);
    EXPECT_EQ(ImageFiles::flashBytes(imageOfLength(1050)).size(), 1050u);
    const std::string bytes = ImageFiles::flashBytes(imageOfLength(31));
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[30], 31);
    EXPECT_EQ(bytes.substr(31), std::string(29, '\0'));
}

TEST(SegmentFiles, AreCutAt1024PositionsWithTwoZeroBytesPerPositionPastTheImage)
{
    TempFolder folder;
    const DatabaseImage image = imageOfLength(1036);
    EXPECT_EQ(ImageFiles::writeSegments(image, folder.path().string() + "/"), 1);
    const std::string first = slurp(folder.path() / "000");
    ASSERT_EQ(first.size(), 1024u);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), reinterpret_cast<const char*>(image.bytes().data())));
    const std::string second = slurp(folder.path() / "001");
    ASSERT_EQ(second.size(), 13u + 2022u);
    EXPECT_EQ(static_cast<std::uint8_t>(second[11]), image.at(1035));
    EXPECT_EQ(second[12], '\0');
    EXPECT_EQ(second.substr(12), std::string(2023, '\0'));
    for (const char* name : {"002", "007", "100", "127"}) EXPECT_EQ(fs::file_size(folder.path() / name), 2048u) << name;
    EXPECT_FALSE(fs::exists(folder.path() / "128"));
}

TEST(SegmentFiles, ASegmentStartingAtTheImageLengthStillCounts)
{
    bool holds = false;
    const DatabaseImage image = imageOfLength(2048);
    EXPECT_EQ(ImageFiles::segmentBytes(image, 2, holds).size(), 1u + 2046u);
    EXPECT_TRUE(holds);
    EXPECT_EQ(ImageFiles::segmentBytes(image, 3, holds).size(), 2048u);
    EXPECT_FALSE(holds);
    TempFolder folder;
    EXPECT_EQ(ImageFiles::writeSegments(image, folder.path().string() + "/"), 2);
}

TEST(SegmentFiles, AKilledWriteLeavesTheOldSetWholeNeverAMix)
{
    TempFolder folder;
    const std::string prefix = folder.path().string() + "/";
    ImageFiles::writeSegments(imageOfLength(1036), prefix);
    std::vector<std::string> old;
    for (std::size_t s = 0; s < ImageFiles::kSegmentCount; ++s)
        old.push_back(slurp(folder.path() / ImageFiles::segmentName(s)));
    // Segments 000 to 004 of the longer image are small enough to go out; 005 is not.
    DatabaseImage longer = imageOfLength(5000);
    for (std::size_t i = 0; i < longer.size(); ++i) longer.setU8(i, 0xEE);
    std::ofstream(folder.path() / "notes.txt") << "the user's own";
    ASSERT_NE(test::killedWhileWriting([&] { ImageFiles::writeSegments(longer, prefix); }, 1500), 0);
    for (std::size_t s = 0; s < ImageFiles::kSegmentCount; ++s)
        EXPECT_EQ(slurp(folder.path() / ImageFiles::segmentName(s)), old[s]) << ImageFiles::segmentName(s);

    // The next write clears what the killed one left beside the folder, and keeps the rest.
    const auto leftovers = [&] {
        const std::string beside = folder.path().filename().string() + ".";
        return std::count_if(fs::directory_iterator(folder.path().parent_path()), fs::directory_iterator(),
                             [&](const auto& entry) { return entry.path().filename().string().rfind(beside, 0) == 0; });
    };
    ASSERT_EQ(leftovers(), 1);
    ImageFiles::writeSegments(longer, prefix);
    EXPECT_EQ(leftovers(), 0);
    EXPECT_EQ(slurp(folder.path() / "005"), std::string(2048, '\0'));
    EXPECT_EQ(slurp(folder.path() / "notes.txt"), "the user's own");
}

TEST(SegmentFiles, AMissingFolderIsAFileError)
{
    EXPECT_THROW(ImageFiles::writeSegments(imageOfLength(10), "/nonexistent-kpd-folder/"), std::system_error);
}

using test::outcomeOf;
using test::SafeWriteTest;
using test::WriterUnderTest;

// Each writer renders the image of a set without parameters, built afresh.
WriterUnderTest imageWriter(const std::string& name, void (*write)(Compress&, const std::string&),
                            const std::string& fileName = "out")
{
    return {name,
            [write](const std::string& path) {
                test::DriveBuilder drive;
                Compress compress = emptyBuild(drive, 0);
                return outcomeOf([&] { write(compress, path); });
            },
            fileName};
}

const std::vector<WriterUnderTest> kImageWriters = {
    imageWriter("IntelHex",
                [](Compress& c, const std::string& path) {
                    c.CreateIntelHexData();
                    c.WriteFileHex(path);
                }),
    imageWriter("Assembler",
                [](Compress& c, const std::string& path) {
                    c.CreateAssemblerData("custom");
                    c.WriteFileAsm(path);
                }),
    imageWriter("FlashingFile", [](Compress& c, const std::string& path) { c.WriteFileBin(path); }),
};

TEST_P(SafeWriteTest, KeepsItsPromises)
{
    test::expectSafeWrite(writer(), fault());
}

INSTANTIATE_TEST_SUITE_P(ImageWriters, SafeWriteTest,
                         testing::Combine(testing::ValuesIn(kImageWriters), testing::ValuesIn(test::allWriteFaults())),
                         test::safeWriteName);

TEST(CheckSize, ReportsWhatIsLeftOrWhatMustGo)
{
    EXPECT_EQ(checkSizeMessage(131072), "The compressed database takes up 131072 bytes.\r\nYou have 0 bytes left");
    EXPECT_EQ(checkSizeMessage(131073),
              "The compressed database takes up 131073 bytes.\r\nYou need to reduce its size by 1 bytes");
    EXPECT_EQ(checkSizeMessage(1036), "The compressed database takes up 1036 bytes.\r\nYou have 130036 bytes left");
}

} // namespace
} // namespace kpd
