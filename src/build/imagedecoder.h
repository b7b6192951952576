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
// Bytes after the image length (flashing file padding) are ignored.
class ImageDecoder {
public:
    static DecodedImage decode(const std::vector<std::uint8_t>& bytes);
};

} // namespace kpd
