#pragma once

#include "databaseimage.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kpd {

// Renders the image as Intel hex records of 32 data bytes each, the last one running on
// into zeros past the image (one whole record of zeros when the length is a multiple
// of 32). An extended linear address record precedes the first data record and every
// change of the upper 16 address bits, and a record that would cross a 64 KiB boundary
// is split there, so a standard loader places every byte at base plus its offset.
class IntelHexWriter {
public:
    static constexpr const char* kEndRecord = ":00000001FF";
    static constexpr std::size_t kBytesPerRecord = 32;

    // The longest file the records of an image of imageSize bytes make, whatever the base:
    // at worst every 64 KiB boundary the records span splits one of them in two and brings
    // an address record of its own.
    static constexpr std::size_t maxFileSize(std::size_t imageSize)
    {
        constexpr std::size_t lineEnd = 2;
        const std::size_t addressLine = recordChars(2) + lineEnd;
        const std::size_t records = imageSize / kBytesPerRecord + 1;
        const std::size_t span = records * kBytesPerRecord;
        const std::size_t boundaries = (span - 1) / 0x10000 + 1;
        // A split record costs the fields of one more record.
        const std::size_t split = recordChars(0) + lineEnd;
        return addressLine + records * (recordChars(kBytesPerRecord) + lineEnd) + boundaries * (split + addressLine) +
               std::char_traits<char>::length(kEndRecord) + lineEnd;
    }

    // Called with the image position after each record; true stops the rendering.
    using StopCheck = std::function<bool(std::int32_t)>;

    // Appends the records to lines and advances base past them; false when stopped, the
    // records made so far staying in lines.
    static bool createRecords(const DatabaseImage& image, std::uint32_t& base, std::vector<std::string>& lines,
                              const StopCheck& stopAt);

    static std::string dataRecord(std::uint16_t address, const std::uint8_t* bytes, std::size_t count);
    static std::string addressRecord(std::uint16_t upper);
    // Each line with CR LF, then the end record.
    static std::string fileText(const std::vector<std::string>& lines);

private:
    // ':', then count, address, type, the data and the checksum as hexadecimal pairs.
    static constexpr std::size_t recordChars(std::size_t dataBytes) { return 1 + 2 * (5 + dataBytes); }
};

} // namespace kpd
