#pragma once

#include "databaseimage.h"

#include <cstdint>
#include <string>

namespace kpd {

// The raw renderings of the image: the flashing file and the download segment files.
class ImageFiles {
public:
    static constexpr std::size_t kFlashBlock = 30;
    static constexpr std::size_t kSegmentCount = 128;
    static constexpr std::size_t kSegmentSize = 1024;

    // The image padded with zeros to whole 30-byte blocks.
    static std::string flashBytes(const DatabaseImage& image);

    // The contents of segment file s. A position up to and including the image length
    // is one byte (the position equal to the length being the zero just past the image);
    // a later position is two zero bytes. The keypad's transfer expects these sizes.
    static std::string segmentBytes(const DatabaseImage& image, std::size_t segment, bool& holdsImage);

    // The file name of segment s: three digits, no extension.
    static std::string segmentName(std::size_t segment);

    // Replaces the segment files of the folder prefix (a path with its separator) by all 128
    // of this image as one set; returns the number of the last segment that holds image
    // bytes. With confinedTo, a link may lead the folder only inside that folder.
    static std::int16_t writeSegments(const DatabaseImage& image, const std::string& prefix,
                                      const std::string& confinedTo = {});
};

} // namespace kpd
