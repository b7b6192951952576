#pragma once

#include "databaseimage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

struct MenuSize {
    std::string menuKey;
    std::string menuName;
    std::int16_t menuNumber = 0;
    std::uint32_t parameters = 0;
    std::uint32_t bytes = 0; // its records, strings included
};

struct ParamSize {
    std::string menuKey;
    std::string paraKey;
    std::string menuName;
    std::string paraName;
    std::int16_t menuNumber = 0;
    std::int16_t paraNumber = 0;
    std::uint32_t bytes = 0;         // its record: header, stored strings and back-references
    std::int64_t savedBySharing = 0; // what its back-references save against storing the texts again
};

// A text stored once in the image, with every record that refers back to it.
struct StringSize {
    std::string text;      // keypad bytes, before dictionary tokens
    std::size_t owner = 0; // index into SizeReport::parameters of the record that stores it
    bool help = false;
    std::uint32_t bytes = 0;           // as stored: tokens, characters and terminator
    std::vector<std::size_t> sharedBy; // parameters rows of the back-references
    std::int64_t savedBySharing = 0;   // stored bytes minus the 4 of a back-reference, per reference
};

struct WordSize {
    std::uint8_t index = 0;
    std::string word;
    std::int32_t occurrences = 0; // times counted among the collected strings
    std::uint32_t tokens = 0;     // times it stands as a token in the stored strings
    std::uint32_t saved = 0;      // each token saves the word's length less its 2 bytes
    std::uint32_t cost = 0;       // its offset table entry, characters and terminator
    std::int64_t net() const { return static_cast<std::int64_t>(saved) - cost; }
};

// Every byte of one built image, attributed to what caused it. The header and menu
// table, the parameter records and the dictionary add up to totalBytes; the menus add up
// to the records, and so do the stored strings, back-references and record headers.
struct SizeReport {
    static constexpr std::uint32_t kRecordHeaderBytes = 12;
    static constexpr std::uint32_t kBackReferenceBytes = 4;

    std::uint32_t totalBytes = 0;
    std::uint32_t limit = 0;
    std::uint32_t tableBytes = 0;      // header and menu table
    std::uint32_t dictionaryBytes = 0; // offset table and words
    std::vector<MenuSize> menus;
    std::vector<ParamSize> parameters;
    std::vector<StringSize> strings;
    std::vector<WordSize> words;
    // Why there is no image: the data exceeds what the format can hold. Empty otherwise.
    std::string failure;

    bool built() const { return failure.empty(); }
    bool fits() const { return built() && DatabaseImage::fitsKeypad(totalBytes); }
    std::uint64_t attributedBytes() const;
};

} // namespace kpd
