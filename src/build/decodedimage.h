#pragma once

#include "paramstrings.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kpd {

struct DecodedMenu {
    std::uint8_t menuNumber = 0;
    std::uint32_t recordOffset = 0;
};

// One parameter record read back, its strings with tokens expanded and
// back-references followed. Every reference to one stored string shares its text.
struct DecodedRecord {
    using Text = std::shared_ptr<const std::string>;

    std::uint32_t offset = 0;
    std::uint8_t menuNumber = 0;
    std::uint8_t paraNumber = 0;
    std::uint16_t length = 0;
    std::array<std::uint8_t, kModeSlots> descIndex{};
    std::array<std::uint8_t, kModeSlots> helpIndex{};
    std::vector<Text> descriptions;
    std::vector<Text> helps;

    // The text of a slot; empty for index 0.
    const std::string& description(std::size_t slot) const
    {
        return descIndex[slot] ? *descriptions[descIndex[slot] - 1u] : none();
    }
    const std::string& help(std::size_t slot) const { return helpIndex[slot] ? *helps[helpIndex[slot] - 1u] : none(); }

private:
    static const std::string& none()
    {
        static const std::string empty;
        return empty;
    }
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
