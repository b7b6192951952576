#include "support/drivebuilder.h"

#include "build/compress.h"
#include "build/imagedecoder.h"
#include "build/intelhexreader.h"
#include "xmlfiles/fixedfile.h"

#include <gtest/gtest.h>

#include <random>

namespace kpd {
namespace {

// Whatever the decoder reads from the image must be what the build collected: unit
// prefix plus decoded description, decoded help, per record and slot, in record order.
void expectRoundTrip(const Compress& compress)
{
    const DecodedImage decoded = ImageDecoder::decode(compress.image().bytes());
    const auto& records = compress.paramStrings();
    ASSERT_EQ(decoded.records.size(), records.size());
    EXPECT_EQ(decoded.length, compress.image().size());
    for (std::size_t r = 0; r < records.size(); ++r) {
        EXPECT_EQ(decoded.records[r].menuNumber, records[r].menuNumber);
        EXPECT_EQ(decoded.records[r].paraNumber, records[r].paraNumber);
        for (std::size_t s = 0; s < kModeSlots; ++s) {
            ASSERT_EQ(decoded.records[r].description(s), records[r].descriptions[s]) << "record " << r << " slot " << s;
            ASSERT_EQ(decoded.records[r].help(s), records[r].helps[s]) << "record " << r << " slot " << s;
        }
    }
    for (const DecodedMenu& menu : decoded.menus) {
        if (menu.recordOffset == 0) continue;
        const auto at = std::find_if(decoded.records.begin(), decoded.records.end(),
                                     [&](const DecodedRecord& r) { return r.offset == menu.recordOffset; });
        ASSERT_NE(at, decoded.records.end());
        EXPECT_EQ(at->menuNumber, menu.menuNumber);
        EXPECT_EQ(at->paraNumber, 0);
    }
    std::vector<std::string> dictionary = compress.dictionary().words();
    EXPECT_EQ(decoded.dictionary, dictionary);
}

TEST(RoundTrip, TheSampleDriveReadsBackFromItsImageAndItsHexFile)
{
    test::RecordingUserInterface ui;
    TheApp app(ui, std::string(KPD_SOURCE_DIR) + "/data");
    ASSERT_TRUE(app.readConfiguration());
    ASSERT_TRUE(app.loadUserFile(FixedFile::path(app.appFolder(), "Custom.kpl"), -1));
    Compress compress;
    compress.setData(app, app.hexBase());
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    EXPECT_GT(compress.paramStrings().size(), 500u);
    expectRoundTrip(compress);

    compress.CreateIntelHexData();
    std::string text;
    for (const std::string& line : compress.hexLines()) text += line + "\r\n";
    text += ":00000001FF\r\n";
    std::uint32_t lowest = 0;
    const std::vector<std::uint8_t> bytes = IntelHexReader::read(text, &lowest);
    EXPECT_EQ(static_cast<std::int32_t>(lowest), app.hexBase());
    EXPECT_EQ(ImageDecoder::decode(bytes).records.size(), compress.paramStrings().size());
}

// Random texts over a small vocabulary with escapes, units, repeats and shared strings.
void fillRandomDrive(test::DriveBuilder& drive, std::mt19937& random)
{
    const std::vector<std::string> vocabulary{"Motor", "speed", "the",  "other", "limit", "Spd",  "Low", "ramp",
                                              "~M",    "~x41",  "~~",   "~@",    "~N",    "~O",   "a",   "to",
                                              "~x0F",  "Thermal", "rated", "current", "~xE9t\xE9", "set-up", "~"};
    const auto pick = [&](int words) {
        std::string text;
        for (int w = 0; w < words; ++w)
            text += vocabulary[random() % vocabulary.size()] + std::string(1, " ./,_;"[random() % 6]);
        return text;
    };
    const int menus = 1 + static_cast<int>(random() % 6);
    for (int m = 0; m < menus; ++m) {
        const std::string menu = "m" + std::to_string(m * 3 + static_cast<int>(random() % 3) + 13);
        const int params = 1 + static_cast<int>(random() % 12);
        for (int p = 0; p < params; ++p) {
            const std::string para = "p" + std::to_string(p);
            const std::string shared = pick(3);
            for (int key = 2; key <= 5; ++key) {
                if (random() % 5 == 0) continue;
                const std::string desc = random() % 2 ? shared : pick(1 + static_cast<int>(random() % 6));
                drive.text(menu, para, key, desc, pick(static_cast<int>(random() % 12)),
                           static_cast<std::int16_t>(random() % 6));
            }
        }
    }
}

TEST(RoundTrip, RandomSetsReadBackFromTheirImages)
{
    std::mt19937 random(2024);
    for (int trial = 0; trial < 60; ++trial) {
        test::DriveBuilder drive;
        fillRandomDrive(drive, random);
        Compress compress;
        compress.setData(drive.app(), 0);
        ASSERT_EQ(compress.compress(), CompressResult::Fits) << "trial " << trial;
        expectRoundTrip(compress);
        if (HasFatalFailure()) return;
    }
}

TEST(ImageDecoder, RejectsDamagedImagesInsteadOfReadingPastThem)
{
    test::DriveBuilder drive;
    drive.text("m1", "p0", 2, "Motor speed", "The motor");
    drive.text("m1", "p1", 2, "Motor speed", "");
    Compress compress;
    compress.setData(drive.app(), 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    const std::vector<std::uint8_t> good = compress.image().bytes();
    for (std::size_t cut = 0; cut < good.size(); cut += 7)
        EXPECT_THROW(ImageDecoder::decode(std::vector<std::uint8_t>(good.begin(), good.begin() + cut)), ImageFormatError)
            << cut;
    std::vector<std::uint8_t> forward = good;
    forward[16 + 12 + 0] = 0x0E;   // the first string turned into a reference to itself
    EXPECT_THROW(ImageDecoder::decode(forward), ImageFormatError);
    std::vector<std::uint8_t> badLength = good;
    badLength[16 + 2] = static_cast<std::uint8_t>(badLength[16 + 2] + 1);
    EXPECT_THROW(ImageDecoder::decode(badLength), ImageFormatError);
}

TEST(IntelHexReader, RejectsBadChecksumsAndMissingEndRecords)
{
    EXPECT_THROW(IntelHexReader::read(":0100000041BE\r\n"), ImageFormatError);
    EXPECT_THROW(IntelHexReader::read(":0100000041BF\r\n:00000001FF\r\n"), ImageFormatError);
    EXPECT_EQ(IntelHexReader::read(":0100000041BE\r\n:00000001FF\r\n"), std::vector<std::uint8_t>{0x41});
}

} // namespace
} // namespace kpd
