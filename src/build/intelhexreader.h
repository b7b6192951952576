#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

// Reads an Intel hex file back into bytes: data records placed by their full address
// (extended linear and segment address records honoured), checksums checked. The bytes
// start at the lowest address written; gaps read as zero. Throws ImageFormatError.
class IntelHexReader {
public:
    // True when the text has lines and every one is a well-formed record (a raw image can
    // start with ":" too, but its bytes are never all records).
    static bool isIntelHex(const std::string& text);

    static std::vector<std::uint8_t> read(const std::string& text, std::uint32_t* lowestAddress = nullptr);
};

} // namespace kpd
