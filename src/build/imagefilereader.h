#pragma once

#include "databaseimage.h"
#include "intelhexwriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

// Takes in the files an image is kept in: the raw image, the flashing file and the Intel
// hex file, told apart by their content. Nothing larger than the largest image the builder
// makes is read, in either form: a bigger file is no image, and taking it whole would only
// cost memory.
class ImageFileReader {
public:
    static constexpr std::size_t kMaxRawFile = DatabaseImage::kCapacity;
    static constexpr std::size_t kMaxHexFile = IntelHexWriter::maxFileSize(DatabaseImage::kCapacity);

    // Throws FileReadError when the file cannot be read, is no regular file or is larger
    // than kMaxHexFile; otherwise as imageBytes().
    static std::vector<std::uint8_t> read(const std::string& path);

    // The image bytes of a file's content. Throws ImageFormatError for hex that does not
    // read and for content too large for its form.
    static std::vector<std::uint8_t> imageBytes(const std::string& content);
};

} // namespace kpd
