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
    // True for text that starts with a record's ':', line breaks before it allowed. A raw
    // image can start with ':' too, but its header always holds a zero byte, each of its
    // three 32-bit fields being below 16 MiB. A damaged hex file is still hex, so that
    // read() can name its first bad line.
    static bool isIntelHex(const std::string& text);

    static std::vector<std::uint8_t> read(const std::string& text, std::uint32_t* lowestAddress = nullptr);
};

} // namespace kpd
