#include "imagefilereader.h"

#include "imagedecoder.h"
#include "intelhexreader.h"

#include "fileio/boundedfile.h"

namespace kpd {

namespace {

std::string largestImage()
{
    return "the largest image (" + BoundedFile::grouped(ImageFileReader::kMaxRawFile) + " bytes, " +
           BoundedFile::grouped(ImageFileReader::kMaxHexFile) + " as Intel hex)";
}

} // namespace

std::vector<std::uint8_t> ImageFileReader::read(const std::string& path)
{
    return imageBytes(BoundedFile::read(path, kMaxHexFile, largestImage()));
}

std::vector<std::uint8_t> ImageFileReader::imageBytes(const std::string& content)
{
    const bool hex = IntelHexReader::isIntelHex(content);
    if (content.size() > (hex ? kMaxHexFile : kMaxRawFile))
        throw ImageFormatError("holds " + BoundedFile::grouped(content.size()) + " bytes, more than " + largestImage());
    if (hex) return IntelHexReader::read(content);
    return {content.begin(), content.end()};
}

} // namespace kpd
