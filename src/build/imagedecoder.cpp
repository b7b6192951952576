#include "imagedecoder.h"

#include "dictionary.h"
#include "imagelayout.h"
#include "stringencoder.h"

#include <memory>
#include <unordered_map>

namespace kpd {

namespace {

class Reader {
public:
    Reader(const std::vector<std::uint8_t>& bytes, std::size_t length) : bytes_(bytes), length_(length) {}

    std::uint32_t get(std::size_t pos, std::size_t size) const
    {
        require(pos, size, "field");
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(bytes_[pos + i]) << (8 * i);
        return value;
    }

    // The raw bytes of a stored string up to its terminator.
    std::string stored(std::size_t pos) const
    {
        std::string text;
        for (;; ++pos) {
            require(pos, 1, "string");
            if (bytes_[pos] == 0) return text;
            text += static_cast<char>(bytes_[pos]);
        }
    }

    void require(std::size_t pos, std::size_t size, const char* what) const
    {
        if (pos > length_ || size > length_ - pos)
            throw ImageFormatError(std::string("The ") + what + " at offset " + std::to_string(pos) +
                                   " runs past the image length " + std::to_string(length_));
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t length_;
};

// Expands stored strings into their texts within the decoding budget. The texts are kept
// by the offset of their stored form, so every back-reference to one string shares it.
class Expander {
public:
    Expander(const Reader& in, const std::vector<std::string>& dictionary) : in_(in), dictionary_(dictionary) {}

    DecodedRecord::Text at(std::uint32_t offset)
    {
        auto found = texts_.find(offset);
        if (found != texts_.end()) {
            charge(found->second->size());
            return found->second;
        }
        auto text = std::make_shared<const std::string>(expand(offset));
        texts_.emplace(offset, text);
        return text;
    }

    // The bytes the stored string at offset takes, terminator included.
    std::size_t storedSize(std::uint32_t offset) const { return storedSizes_.at(offset); }

    void charge(std::size_t bytes)
    {
        if (bytes > left_)
            throw ImageFormatError("The texts of the image expand to more than " +
                                   std::to_string(ImageDecoder::kMaxDecodedText) +
                                   " bytes, more than any real string database holds");
        left_ -= bytes;
    }

private:
    std::string expand(std::uint32_t offset)
    {
        const std::string stored = in_.stored(offset);
        storedSizes_[offset] = stored.size() + 1;
        // Scanning the stored bytes costs as much as copying them, so they count too.
        charge(stored.size());
        std::string text;
        for (std::size_t i = 0; i < stored.size(); ++i) {
            if (static_cast<std::uint8_t>(stored[i]) != StringEncoder::kToken) {
                text += stored[i];
                continue;
            }
            if (i + 1 >= stored.size())
                throw ImageFormatError("A token without its index ends the string at offset " + std::to_string(offset));
            const std::string& word = dictionary_[static_cast<std::uint8_t>(stored[++i])];
            charge(word.size());
            text += word;
        }
        return text;
    }

    const Reader& in_;
    const std::vector<std::string>& dictionary_;
    std::unordered_map<std::uint32_t, DecodedRecord::Text> texts_;
    std::unordered_map<std::uint32_t, std::size_t> storedSizes_;
    std::size_t left_ = ImageDecoder::kMaxDecodedText;
};

std::uint8_t highestIndex(const std::array<std::uint8_t, kModeSlots>& index)
{
    std::uint8_t highest = 0;
    for (std::uint8_t i : index) highest = i > highest ? i : highest;
    return highest;
}

} // namespace

DecodedImage ImageDecoder::decode(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < ImageLayout::kHeaderSize)
        throw ImageFormatError("An image has at least " + std::to_string(ImageLayout::kHeaderSize) + " bytes");
    DecodedImage image;
    image.length = Reader(bytes, bytes.size()).get(0, 4);
    if (image.length > bytes.size())
        throw ImageFormatError("The image claims " + std::to_string(image.length) + " bytes but only " +
                               std::to_string(bytes.size()) + " are there");
    const Reader in(bytes, image.length);
    image.menuTableSize = in.get(4, 4);
    image.dictionaryOffset = in.get(8, 4);
    if (image.menuTableSize % 4 != 0) throw ImageFormatError("The menu table size is no multiple of 4");
    const std::size_t recordsStart = ImageLayout::kHeaderSize + image.menuTableSize;
    in.require(ImageLayout::kHeaderSize, image.menuTableSize, "menu table");
    if (image.dictionaryOffset < recordsStart)
        throw ImageFormatError("The dictionary offset lies inside the header or the menu table");

    for (std::size_t pos = ImageLayout::kHeaderSize; pos < recordsStart; pos += 4)
        image.menus.push_back({static_cast<std::uint8_t>(in.get(pos, 1)), in.get(pos + 1, 3)});

    in.require(image.dictionaryOffset, 3 * Dictionary::kSize, "dictionary offset table");
    std::vector<std::string> words;
    Expander expander(in, words);
    for (std::size_t i = 0; i < Dictionary::kSize; ++i) {
        words.push_back(in.stored(in.get(image.dictionaryOffset + 3 * i, 3)));
        expander.charge(words.back().size());
    }

    for (std::size_t pos = recordsStart; pos < image.dictionaryOffset;) {
        DecodedRecord record;
        record.offset = static_cast<std::uint32_t>(pos);
        record.menuNumber = static_cast<std::uint8_t>(in.get(pos, 1));
        record.paraNumber = static_cast<std::uint8_t>(in.get(pos + 1, 1));
        record.length = static_cast<std::uint16_t>(in.get(pos + 2, 2));
        for (std::size_t k = 0; k < kModeSlots; k += 2) {
            const auto desc = static_cast<std::uint8_t>(in.get(pos + 4 + k / 2, 1));
            const auto help = static_cast<std::uint8_t>(in.get(pos + 8 + k / 2, 1));
            record.descIndex[k] = desc & 15;
            record.descIndex[k + 1] = desc >> 4;
            record.helpIndex[k] = help & 15;
            record.helpIndex[k + 1] = help >> 4;
        }
        std::size_t at = pos + ImageLayout::kRecordHeaderSize;
        const std::size_t strings = highestIndex(record.descIndex) + highestIndex(record.helpIndex);
        for (std::size_t s = 0; s < strings; ++s) {
            DecodedRecord::Text text;
            if (in.get(at, 1) == StringEncoder::kBackReference) {
                const std::uint32_t target = in.get(at + 1, 3);
                if (target >= at) throw ImageFormatError("A back-reference at offset " + std::to_string(at) + " points forward");
                text = expander.at(target);
                at += 4;
            } else {
                text = expander.at(static_cast<std::uint32_t>(at));
                at += expander.storedSize(static_cast<std::uint32_t>(at));
            }
            (s < highestIndex(record.descIndex) ? record.descriptions : record.helps).push_back(std::move(text));
        }
        if (at - pos != record.length)
            throw ImageFormatError("The record at offset " + std::to_string(pos) + " says " +
                                   std::to_string(record.length) + " bytes but its strings take " +
                                   std::to_string(at - pos));
        if (at > image.dictionaryOffset)
            throw ImageFormatError("The record at offset " + std::to_string(pos) + " runs into the dictionary");
        image.records.push_back(std::move(record));
        pos = at;
    }
    image.dictionary = std::move(words);
    return image;
}

} // namespace kpd
