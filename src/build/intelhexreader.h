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
    static std::vector<std::uint8_t> read(const std::string& text, std::uint32_t* lowestAddress = nullptr);
};

} // namespace kpd
