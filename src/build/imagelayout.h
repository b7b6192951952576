#pragma once

#include "databaseimage.h"
#include "dictionary.h"
#include "imagemap.h"
#include "paramstrings.h"
#include "stringencoder.h"

#include <cstdint>
#include <vector>

namespace kpd {

// Lays the collected strings out as the keypad's image: a 12-byte header (image length,
// menu table size, dictionary offset), the menu table, one record per parameter and the
// dictionary. The steps run in order with progress reports between them.
class ImageLayout {
public:
    static constexpr std::size_t kHeaderSize = 12;
    static constexpr std::size_t kRecordHeaderSize = 12;
    static constexpr std::size_t kMaxRecordLength = 65535;

    ImageLayout(const Dictionary& dictionary, DatabaseImage& image);

    // Descriptions and helps that are the same text share one string and one number.
    static PackedParam packParam(const ParamStrings& strings);

    // The steps below record into map, when given, where each byte they write came from.
    void setMap(ImageMap* map) { map_ = map; }

    void pack(const std::vector<ParamStrings>& records);
    // A menu is a run of records with the same menu number.
    std::size_t countMenus();
    // Throws BuildLimitError for a record longer than its 16-bit length field and for a
    // parameter 0 that finds no menu table entry left (two menus with one number, or two
    // parameters numbered 0 in one menu).
    void writeRecords();
    void writeDictionary();

private:
    const Dictionary& dictionary_;
    DatabaseImage& image_;
    StringEncoder encoder_;
    std::vector<PackedParam> packed_;
    std::vector<const ParamStrings*> sources_;
    std::size_t menuCount_ = 0;
    ImageMap* map_ = nullptr;
};

} // namespace kpd
