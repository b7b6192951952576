#include "imagefiles.h"

#include "fileio/safefolder.h"

#include <cstdio>

namespace kpd {

std::string ImageFiles::flashBytes(const DatabaseImage& image)
{
    std::string bytes(image.bytes().begin(), image.bytes().end());
    bytes.append((kFlashBlock - bytes.size() % kFlashBlock) % kFlashBlock, '\0');
    return bytes;
}

std::string ImageFiles::segmentBytes(const DatabaseImage& image, std::size_t segment, bool& holdsImage)
{
    holdsImage = false;
    std::string bytes;
    bytes.reserve(2 * kSegmentSize);
    for (std::size_t i = 0; i < kSegmentSize; ++i) {
        const std::size_t pos = segment * kSegmentSize + i;
        if (pos <= image.size()) {
            bytes += static_cast<char>(image.at(pos));
            holdsImage = true;
        } else {
            bytes.append(2, '\0');
        }
    }
    return bytes;
}

std::string ImageFiles::segmentName(std::size_t segment)
{
    char name[8];
    std::snprintf(name, sizeof name, "%03zu", segment % 1000);
    return name;
}

std::int16_t ImageFiles::writeSegments(const DatabaseImage& image, const std::string& prefix,
                                       const std::string& confinedTo)
{
    std::int16_t lastWithImage = 0;
    SafeFolder::Files segments;
    segments.reserve(kSegmentCount);
    for (std::size_t s = 0; s < kSegmentCount; ++s) {
        bool holdsImage = false;
        segments.emplace_back(segmentName(s), segmentBytes(image, s, holdsImage));
        if (holdsImage) lastWithImage = static_cast<std::int16_t>(s);
    }
    // A segment of an older image among the new ones would look like a whole set.
    SafeFolder::write(prefix, segments, confinedTo);
    return lastWithImage;
}

} // namespace kpd
