#include "support/drivebuilder.h"
#include "support/bytes.h"

#include "build/compress.h"
#include "build/imagedecoder.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

using test::ByteList;
using test::Bytes;
using test::DriveBuilder;

Bytes build(DriveBuilder& drive, CompressResult expected = CompressResult::Fits)
{
    Compress compress;
    compress.setData(drive.app(), 0);
    EXPECT_EQ(compress.compress(), expected);
    return compress.image().bytes();
}

// The offset table and words of a dictionary whose used words are given, starting at at.
void appendDictionary(ByteList& list, std::uint32_t at, const std::vector<std::string>& words)
{
    std::uint32_t word = at + 768;
    for (std::size_t i = 0; i < 256; ++i) {
        list.u24(word);
        word += static_cast<std::uint32_t>((i < words.size() ? words[i].size() : 0) + 1);
    }
    for (std::size_t i = 0; i < 256; ++i) list.text(i < words.size() ? words[i] : "").add({0});
}

#define EXPECT_IMAGE(actual, expected) EXPECT_TRUE((actual) == (expected)) << test::firstDifference(actual, expected)

TEST(ImageLayout, AnEmptySetGivesTheBareHeaderAndDictionary)
{
    DriveBuilder drive;
    drive.menu("m1");
    ByteList expected;
    expected.u32(1036).u32(0).u32(12);
    appendDictionary(expected, 12, {});
    const Bytes image = build(drive);
    ASSERT_EQ(image.size(), 1036u);
    EXPECT_IMAGE(image, expected.bytes());
}

TEST(ImageLayout, OneParameterWithTheSameTextInEveryModeStoresItOnce)
{
    DriveBuilder drive;
    drive.allModes("m1", "p0", "Speed");
    ByteList expected;
    expected.u32(1063).u32(4).u32(34);
    expected.add({1}).u24(16);                                   // menu 1 starts at 16
    expected.add({1, 0, 18, 0});                                 // record header, length 18
    expected.add({0x10, 0x11, 0x01, 0x00}).add({0, 0, 0, 0});    // slots 1-4 index 1, no help
    expected.text("Speed").add({0});                             // the most frequent word is never a token
    appendDictionary(expected, 34, {"Speed"});
    EXPECT_IMAGE(build(drive), expected.bytes());
}

TEST(ImageLayout, DictionaryWordsFromTheSecondOnBecomeTokens)
{
    DriveBuilder drive;
    drive.text("m1", "p0", 2, "Motor speed");
    drive.text("m1", "p1", 2, "Motor rated speed");
    drive.text("m1", "p2", 2, "Motor current");
    // Counts Motor 3, speed 2, rated 1, current 1: the tie ends reversed.
    ByteList expected;
    expected.u32(1128).u32(4).u32(82);
    expected.add({1}).u24(16);
    expected.add({1, 0, 21, 0, 0x10, 0, 0, 0, 0, 0, 0, 0}).text("Motor ").add({0x0F, 1, 0});
    expected.add({1, 1, 24, 0, 0x10, 0, 0, 0, 0, 0, 0, 0}).text("Motor ").add({0x0F, 3, ' ', 0x0F, 1, 0});
    expected.add({1, 2, 21, 0, 0x10, 0, 0, 0, 0, 0, 0, 0}).text("Motor ").add({0x0F, 2, 0});
    appendDictionary(expected, 82, {"Motor", "speed", "current", "rated"});
    EXPECT_IMAGE(build(drive), expected.bytes());
}

TEST(ImageLayout, EqualCountsRankInTheBubbleSortsReversedOrder)
{
    DriveBuilder drive;
    drive.text("m1", "p0", 2, "aaa bbb ccc");
    const Bytes image = build(drive);
    // Dictionary ccc, bbb, aaa: aaa is token 2, bbb token 1, ccc stays.
    const Bytes record(image.begin() + 16, image.begin() + 16 + 12 + 10);
    EXPECT_EQ(record, ByteList()
                          .add({1, 0, 22, 0, 0x10, 0, 0, 0, 0, 0, 0, 0, 0x0F, 2, ' ', 0x0F, 1, ' '})
                          .text("ccc")
                          .add({0})
                          .bytes());
}

TEST(ImageLayout, TheSameTextInAnotherParameterIsABackReference)
{
    DriveBuilder drive;
    drive.text("m1", "p0", 2, "Ab", "Hi");
    drive.text("m1", "p1", 3, "Ab");
    ByteList expected;
    expected.u32(12 + 4 + 18 + 16 + 768 + 256).u32(4).u32(50);
    expected.add({1}).u24(16);
    expected.add({1, 0, 18, 0, 0x10, 0, 0, 0, 0x10, 0, 0, 0}).text("Ab").add({0}).text("Hi").add({0});
    // Slot 2 holds index 1; the string is 0x0E and the offset 28 of "Ab".
    expected.add({1, 1, 16, 0, 0x00, 0x01, 0, 0, 0, 0, 0, 0, 0x0E}).u24(28);
    appendDictionary(expected, 50, {});
    EXPECT_IMAGE(build(drive), expected.bytes());
}

TEST(ImageLayout, DistinctTextsOfOneParameterAreNumberedDescriptionsFirst)
{
    DriveBuilder drive;
    drive.text("m2", "p0", 2, "Aa", "Hh");
    drive.text("m2", "p0", 3, "Bb", "Hh");
    drive.text("m2", "p0", 4, "Aa", "Ii");
    drive.text("m2", "p0", 5, "Bb", "");
    const Bytes image = build(drive);
    const Bytes record(image.begin() + 16, image.begin() + 16 + 12 + 12);
    EXPECT_EQ(record, ByteList()
                          .add({2, 0, 24, 0, 0x10, 0x12, 0x02, 0x00, 0x10, 0x21, 0x00, 0x00})
                          .text("Aa").add({0}).text("Bb").add({0}).text("Hh").add({0}).text("Ii").add({0})
                          .bytes());
}

TEST(ImageLayout, EveryMenuStartGetsAnEntryAndMenusWithoutParameterZeroStayEmpty)
{
    DriveBuilder drive;
    drive.text("m1", "p0", 2, "Aa");
    drive.text("m3", "p1", 2, "Bb");
    drive.text("m4", "p0", 2, "Cc");
    const Bytes image = build(drive);
    // Three menus: entries for menu 1 at 24 and menu 4 at 24 + 15 + 15; the third stays zero.
    EXPECT_EQ(Bytes(image.begin() + 4, image.begin() + 8), ByteList().u32(12).bytes());
    EXPECT_EQ(Bytes(image.begin() + 12, image.begin() + 24), ByteList().add({1}).u24(24).add({4}).u24(54).zeros(4).bytes());
    EXPECT_EQ(image[54], 4);
    EXPECT_EQ(image[55], 0);
}

TEST(ImageLayout, AUnitPrefixesTheDescriptionButNotTheHelp)
{
    DriveBuilder drive;
    drive.text("m1", "p0", 2, "Max", "Help", 3);
    drive.text("m1", "p1", 2, "Lim", "", 1);
    drive.text("m1", "p2", 2, "Cur", "", 4);
    drive.text("m1", "p3", 2, "Odd", "", 7);
    Compress compress;
    compress.setData(drive.app(), 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    const auto& records = compress.paramStrings();
    EXPECT_EQ(records[0].descriptions[1], "\x0BMax");
    EXPECT_EQ(records[0].helps[1], "Help");
    EXPECT_EQ(records[1].descriptions[1], "\x09Lim");
    EXPECT_EQ(records[2].descriptions[1], "\x0C" "Cur");
    EXPECT_EQ(records[3].descriptions[1], "Odd");
}

TEST(ImageLayout, ReservedBytesFromEscapesCannotCutOrRedirectAString)
{
    DriveBuilder drive;
    drive.text("m1", "p0", 2, "AB~@CD", "~NAB");
    drive.text("m1", "p1", 2, "Ok~O");
    const Bytes image = build(drive);
    const Bytes records(image.begin() + 16, image.begin() + 16 + 12 + 6 + 4 + 12 + 4);
    EXPECT_EQ(records, ByteList()
                           .add({1, 0, 22, 0, 0x10, 0, 0, 0, 0x10, 0, 0, 0}).text("AB CD").add({0}).text(" AB").add({0})
                           .add({1, 1, 16, 0, 0x10, 0, 0, 0, 0, 0, 0, 0}).text("Ok ").add({0})
                           .bytes());
}

TEST(ImageLayout, MenusFifteenToSeventeenTakeTheirModesFromTheOperatingMap)
{
    DriveBuilder drive;
    drive.text("m15", "p0", 3, "Op text");
    drive.param("m14", "p0").modes().Item("CL").setDesc("Def text");
    Compress compress;
    compress.setData(drive.app(), 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    ASSERT_EQ(compress.paramStrings().size(), 2u);
    EXPECT_EQ(compress.paramStrings()[0].descriptions[2], "Op text");
    EXPECT_EQ(compress.paramStrings()[1].descriptions[2], "Def text");
}

TEST(ImageLayout, TheTripsMenuIsSkipped)
{
    DriveBuilder drive;
    drive.text("m1", "p0", 2, "Trip me");
    DrvMenu& trips = drive.menu("trips");
    trips.Parameters().addExisting("t1", drive.param("m1", "p0"));
    Compress compress;
    compress.setData(drive.app(), 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    EXPECT_EQ(compress.paramStrings().size(), 1u);
}

TEST(ImageLayout, AModeKeyMissingFromTheMapIsReportedAndLeavesItsSlotEmpty)
{
    DriveBuilder drive;
    drive.app().modeDefMap().Remove("mode4");
    drive.allModes("m1", "p0", "All");
    drive.allModes("m1", "p1", "All");
    Compress compress;
    compress.setData(drive.app(), 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    ASSERT_EQ(drive.ui().messages.size(), 2u);
    EXPECT_EQ(drive.ui().messages[0].text, "Mode not defined");
    EXPECT_EQ(drive.ui().messages[0].title, "SHOULDNT SEE ME!");
    EXPECT_EQ(compress.paramStrings()[0].descriptions[3], "");
    EXPECT_EQ(compress.paramStrings()[0].descriptions[4], "All");
    EXPECT_EQ(compress.image().at(16 + 5), 0x01);   // slots 2 and 3: index 1 and 0
}

TEST(ImageLayout, TheDecoderReadsBackWhatWasCollected)
{
    DriveBuilder drive;
    drive.text("m1", "p0", 2, "Motor speed~Mlimit", "Sets the motor speed limit", 3);
    drive.text("m1", "p0", 3, "Motor speed~Mlimit", "Other help: the motor", 3);
    drive.text("m1", "p1", 2, "Speed other~x7Ethe", "the other speed");
    drive.text("m2", "p0", 5, "Motor speed~Mlimit", "Sets the motor speed limit", 3);
    Compress compress;
    compress.setData(drive.app(), 0);
    ASSERT_EQ(compress.compress(), CompressResult::Fits);
    const DecodedImage decoded = ImageDecoder::decode(compress.image().bytes());
    ASSERT_EQ(decoded.records.size(), compress.paramStrings().size());
    for (std::size_t r = 0; r < decoded.records.size(); ++r)
        for (std::size_t s = 0; s < kModeSlots; ++s) {
            EXPECT_EQ(decoded.records[r].description(s), compress.paramStrings()[r].descriptions[s]);
            EXPECT_EQ(decoded.records[r].help(s), compress.paramStrings()[r].helps[s]);
        }
    EXPECT_EQ(decoded.length, compress.image().size());
}

} // namespace
} // namespace kpd
