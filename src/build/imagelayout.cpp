#include "imagelayout.h"

#include "buildlimiterror.h"

#include <algorithm>

namespace kpd {

namespace {

// Gives every distinct non-empty text of slots a number from 1 up, in slot order, and
// appends the texts to strings.
void numberTexts(const std::array<std::string, kModeSlots>& texts, std::array<std::uint8_t, kModeSlots>& index,
                 std::vector<std::string>& strings)
{
    std::uint8_t next = 1;
    for (std::size_t j = 0; j < kModeSlots; ++j) {
        if (texts[j].empty() || index[j] != 0) continue;
        strings.push_back(texts[j]);
        index[j] = next;
        for (std::size_t k = j + 1; k < kModeSlots; ++k)
            if (texts[k] == texts[j]) index[k] = next;
        ++next;
    }
}

std::uint8_t slotsUsing(const std::array<std::uint8_t, kModeSlots>& index, std::size_t number)
{
    std::uint8_t slots = 0;
    for (std::uint8_t i : index) slots += i == number ? 1 : 0;
    return slots;
}

// String s of a packed record is description s + 1 while s is below the number of
// distinct descriptions, and a help after them.
void place(PlacedRecord& record, const PackedParam& p, std::size_t s, std::uint32_t offset, std::uint32_t bytes,
           const StringEncoder::Encoded& encoded)
{
    const std::size_t descriptions = *std::max_element(p.descIndex.begin(), p.descIndex.end());
    PlacedString& placed = record.strings.emplace_back();
    placed.offset = offset;
    placed.bytes = bytes;
    placed.storedAt = encoded.storedAt;
    placed.backReference = encoded.backReference;
    placed.help = s >= descriptions;
    placed.slots = placed.help ? slotsUsing(p.helpIndex, s - descriptions + 1) : slotsUsing(p.descIndex, s + 1);
}

std::string describe(const ParamStrings& source)
{
    return "parameter " + std::to_string(source.paraNumber) + " (" + source.paraKey + ") of menu " +
           std::to_string(source.menuNumber) + " (" + source.menuKey + ")";
}

} // namespace

ImageLayout::ImageLayout(const Dictionary& dictionary, DatabaseImage& image)
    : dictionary_(dictionary), image_(image), encoder_(dictionary)
{
}

PackedParam ImageLayout::packParam(const ParamStrings& strings)
{
    PackedParam packed;
    packed.menuNumber = static_cast<std::uint8_t>(strings.menuNumber);
    packed.paraNumber = static_cast<std::uint8_t>(strings.paraNumber);
    numberTexts(strings.descriptions, packed.descIndex, packed.strings);
    numberTexts(strings.helps, packed.helpIndex, packed.strings);
    return packed;
}

void ImageLayout::pack(const std::vector<ParamStrings>& records)
{
    packed_.clear();
    sources_.clear();
    packed_.reserve(records.size());
    for (const ParamStrings& record : records) {
        packed_.push_back(packParam(record));
        sources_.push_back(&record);
    }
}

std::size_t ImageLayout::countMenus()
{
    menuCount_ = 0;
    int previous = -1;
    for (const PackedParam& p : packed_) {
        if (p.menuNumber != previous) ++menuCount_;
        previous = p.menuNumber;
    }
    return menuCount_;
}

void ImageLayout::writeRecords()
{
    image_.clear();
    image_.appendZeros(kHeaderSize);
    image_.setU32(4, static_cast<std::uint32_t>(4 * menuCount_));
    image_.appendZeros(4 * menuCount_);
    if (map_) {
        map_->tableBytes = static_cast<std::uint32_t>(image_.size());
        map_->records.clear();
        map_->records.reserve(packed_.size());
    }

    std::size_t menuEntry = 0;
    for (std::size_t r = 0; r < packed_.size(); ++r) {
        const PackedParam& p = packed_[r];
        const std::size_t start = image_.size();
        if (p.paraNumber == 0) {
            if (menuEntry >= menuCount_)
                throw BuildLimitError("The menu table has no entry left for " + describe(*sources_[r]) +
                                      ": another record of this menu number already starts a menu.");
            image_.setU8(kHeaderSize + 4 * menuEntry, p.menuNumber);
            image_.setU24(kHeaderSize + 4 * menuEntry + 1, static_cast<std::uint32_t>(start));
            ++menuEntry;
        }
        image_.append(p.menuNumber);
        image_.append(p.paraNumber);
        image_.appendZeros(2);
        for (std::size_t k = 0; k < kModeSlots; k += 2)
            image_.append(static_cast<std::uint8_t>(p.descIndex[k] | (p.descIndex[k + 1] << 4)));
        for (std::size_t k = 0; k < kModeSlots; k += 2)
            image_.append(static_cast<std::uint8_t>(p.helpIndex[k] | (p.helpIndex[k + 1] << 4)));
        PlacedRecord* placed = nullptr;
        if (map_) {
            placed = &map_->records.emplace_back();
            placed->source = r;
            placed->offset = static_cast<std::uint32_t>(start);
        }
        for (std::size_t s = 0; s < p.strings.size(); ++s) {
            const auto offset = static_cast<std::uint32_t>(image_.size());
            const StringEncoder::Encoded encoded = encoder_.encode(p.strings[s], image_);
            if (placed) place(*placed, p, s, offset, static_cast<std::uint32_t>(image_.size()) - offset, encoded);
        }
        const std::size_t length = image_.size() - start;
        if (placed) placed->length = static_cast<std::uint32_t>(length);
        if (length > kMaxRecordLength)
            throw BuildLimitError("The strings of " + describe(*sources_[r]) + " take " + std::to_string(length) +
                                  " bytes; a record can hold at most " + std::to_string(kMaxRecordLength) + ".");
        image_.setU16(start + 2, static_cast<std::uint32_t>(length));
    }
    image_.setU32(8, static_cast<std::uint32_t>(image_.size()));
    if (map_) map_->dictionaryOffset = static_cast<std::uint32_t>(image_.size());
}

void ImageLayout::writeDictionary()
{
    const std::size_t table = image_.size();
    image_.appendZeros(3 * Dictionary::kSize);
    for (std::size_t i = 0; i < Dictionary::kSize; ++i) {
        image_.setU24(table + 3 * i, static_cast<std::uint32_t>(image_.size()));
        image_.append(dictionary_.word(i));
        image_.append(std::uint8_t{0});
    }
    image_.setU32(0, static_cast<std::uint32_t>(image_.size()));
}

} // namespace kpd
