#pragma once

#include "decodedimage.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kpd {

// A byte sequence that is not a well-formed string database image.
class ImageFormatError : public std::runtime_error {
public:
    explicit ImageFormatError(const std::string& text) : std::runtime_error(text) {}
};

// Reads a string database image back the way the keypad does. Every offset and length
// is checked against the bytes given, so a damaged image is reported, never overrun.
// Bytes after the image length (flashing file padding) are ignored. A stored string is
// expanded once however many back-references name it.
class ImageDecoder {
public:
    // The most text a real image decodes to, with room to spare: each of the builder's
    // 8,193 parameter records listing all 16 of its strings at 256 bytes (a help box shows
    // 96 cells). The dictionary words and every string as often as the records list it
    // count towards it, since that is what a printout of the image holds. A crafted image
    // whose back-references and tokens would expand beyond it is refused.
    static constexpr std::size_t kMaxDecodedText = 8193u * 16u * 256u;

    static DecodedImage decode(const std::vector<std::uint8_t>& bytes);
};

} // namespace kpd
