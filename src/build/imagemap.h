#pragma once

#include <cstdint>
#include <vector>

namespace kpd {

// One unique string of a record as the layout wrote it.
struct PlacedString {
    std::uint32_t offset = 0;    // its first byte in the image
    std::uint32_t bytes = 0;     // text and terminator, or the 4 bytes of a back-reference
    std::uint32_t storedAt = 0;  // where the text itself is stored: offset unless a back-reference
    bool backReference = false;
    bool help = false;
    std::uint8_t slots = 0;      // mode slots of the record that show it
};

struct PlacedRecord {
    std::size_t source = 0;      // index of the collected record it came from
    std::uint32_t offset = 0;
    std::uint32_t length = 0;    // header and strings
    std::vector<PlacedString> strings;
};

// Where every byte of an image came from, recorded by the layout as it decides the bytes:
// the header and menu table, then the records, then the dictionary to the end.
struct ImageMap {
    std::uint32_t tableBytes = 0;
    std::vector<PlacedRecord> records;
    std::uint32_t dictionaryOffset = 0;
    // How often each dictionary word was counted among the collected strings.
    std::vector<std::int32_t> wordOccurrences;
};

} // namespace kpd
