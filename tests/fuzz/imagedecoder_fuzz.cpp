// Feeds bytes to the image decoder as `kpdtool decode` reads a file: told raw or hex, held
// to the size of the largest image, decoded, and printed so that the printer's escapes run
// over every text.
#include "build/imagedecoder.h"
#include "build/imagefilereader.h"
#include "cli/imageprinter.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        std::ostringstream listing;
        const std::string content(reinterpret_cast<const char*>(data), size);
        kpd::ImagePrinter::print(kpd::ImageDecoder::decode(kpd::ImageFileReader::imageBytes(content)), listing);
    } catch (const kpd::ImageFormatError&) {
    }
    return 0;
}
