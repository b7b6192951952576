#pragma once

#include "paramstrings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

struct DecodedMenu {
    std::uint8_t menuNumber = 0;
    std::uint32_t recordOffset = 0;
};

// One parameter record read back, its strings with tokens expanded and
// back-references followed.
struct DecodedRecord {
    std::uint32_t offset = 0;
    std::uint8_t menuNumber = 0;
    std::uint8_t paraNumber = 0;
    std::uint16_t length = 0;
    std::array<std::uint8_t, kModeSlots> descIndex{};
    std::array<std::uint8_t, kModeSlots> helpIndex{};
    std::vector<std::string> descriptions;
    std::vector<std::string> helps;

    // The text of a slot; empty for index 0.
    std::string description(std::size_t slot) const
    {
        return descIndex[slot] ? descriptions[descIndex[slot] - 1u] : std::string();
    }
    std::string help(std::size_t slot) const { return helpIndex[slot] ? helps[helpIndex[slot] - 1u] : std::string(); }
};

struct DecodedImage {
    std::uint32_t length = 0;
    std::uint32_t menuTableSize = 0;
    std::uint32_t dictionaryOffset = 0;
    std::vector<DecodedMenu> menus;
    std::vector<DecodedRecord> records;
    std::vector<std::string> dictionary;
};

} // namespace kpd
