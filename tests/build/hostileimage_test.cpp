#include "build/imagedecoder.h"
#include "build/intelhexreader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {
namespace {

using ::testing::HasSubstr;

// An image put together byte by byte: one menu; record 0 stores `first` once for all its
// description slots, and every further record names it from each of its 16 slots by a
// back-reference (4 bytes each). The dictionary holds `words` from index 0 on.
std::vector<std::uint8_t> craftedImage(std::size_t records, const std::string& first,
                                       const std::vector<std::string>& words)
{
    std::vector<std::uint8_t> b(12, 0);
    const auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto set = [&](std::size_t pos, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) b[pos + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    set(4, 4, 4);
    put(0, 1);
    put(16, 3);
    const std::uint32_t firstText = 16 + 12;
    for (std::size_t r = 0; r < records; ++r) {
        const std::size_t start = b.size();
        put(0, 1);
        put(static_cast<std::uint32_t>(r % 256), 1);
        put(0, 2);
        if (r == 0) {
            put(0x11111111, 4);   // all eight description slots: string 1
            put(0, 4);
            b.insert(b.end(), first.begin(), first.end());
            put(0, 1);
        } else {
            put(0x87654321, 4);   // slots 0-7: strings 1-8, descriptions and helps alike
            put(0x87654321, 4);
            for (int s = 0; s < 16; ++s) {
                put(0x0E, 1);
                put(firstText, 3);
            }
        }
        set(start + 2, static_cast<std::uint32_t>(b.size() - start), 2);
    }
    const std::size_t dictionary = b.size();
    set(8, static_cast<std::uint32_t>(dictionary), 4);
    b.resize(dictionary + 768, 0);
    for (std::size_t i = 0; i < 256; ++i) {
        set(dictionary + 3 * i, static_cast<std::uint32_t>(b.size()), 3);
        if (i < words.size()) b.insert(b.end(), words[i].begin(), words[i].end());
        put(0, 1);
    }
    set(0, static_cast<std::uint32_t>(b.size()), 4);
    return b;
}

TEST(HostileImages, EveryBackReferenceSharesTheTextItNames)
{
    // 15,984 references to one 1,000-byte text: 16 MB of text, all of it one string.
    const std::vector<std::uint8_t> image = craftedImage(1000, std::string(1000, 'a'), {});
    ASSERT_LT(image.size(), 90000u);
    const DecodedImage decoded = ImageDecoder::decode(image);
    ASSERT_EQ(decoded.records.size(), 1000u);
    EXPECT_EQ(decoded.records[999].help(7), std::string(1000, 'a'));
    EXPECT_EQ(&decoded.records[999].help(7), &decoded.records[0].description(0));
    EXPECT_EQ(&decoded.records[1].description(3), &decoded.records[0].description(5));
}

TEST(HostileImages, TextsExpandingBeyondTheBoundAreRefused)
{
    // One stored string of 1,000 tokens naming a 1,000-byte word expands to 1 MB; named
    // 15,984 times it would be 16 GB of text from an image of 80 KB.
    std::string tokens;
    for (int i = 0; i < 1000; ++i) tokens += "\x0F\x01";
    const std::vector<std::uint8_t> image = craftedImage(1000, tokens, {"the", std::string(1000, 'w')});
    try {
        ImageDecoder::decode(image);
        FAIL() << "decoded";
    } catch (const ImageFormatError& e) {
        EXPECT_THAT(e.what(), HasSubstr("expand to more than 33558528 bytes"));
    }
    // A dictionary of 256 names for one long stored text is bounded alike.
    std::vector<std::uint8_t> words = craftedImage(1, "x", {});
    const std::size_t dictionary = words[8] | words[9] << 8 | words[10] << 16;
    const std::size_t wordsStart = dictionary + 768;
    words.resize(wordsStart);
    words.insert(words.end(), 200000, 'z');
    words.push_back(0);
    for (std::size_t i = 0; i < 256; ++i) {
        words[dictionary + 3 * i] = static_cast<std::uint8_t>(wordsStart);
        words[dictionary + 3 * i + 1] = static_cast<std::uint8_t>(wordsStart >> 8);
        words[dictionary + 3 * i + 2] = static_cast<std::uint8_t>(wordsStart >> 16);
    }
    const std::size_t length = words.size();
    for (int i = 0; i < 4; ++i) words[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
    EXPECT_THROW(ImageDecoder::decode(words), ImageFormatError);
}

TEST(IntelHexReader, AnAddressRecordWithoutItsTwoBytesIsRefused)
{
    // Found by the fuzz target: the address was read from past the record's bytes.
    EXPECT_THROW(IntelHexReader::read(":00000002FE\r\n:00000001FF\r\n"), ImageFormatError);
    EXPECT_THROW(IntelHexReader::read(":0100000401FA\r\n:00000001FF\r\n"), ImageFormatError);
}

} // namespace
} // namespace kpd
