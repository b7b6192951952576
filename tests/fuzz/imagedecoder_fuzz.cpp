// Feeds bytes to the image decoder as `kpdtool decode` reads a raw image or flashing file,
// and prints what it decodes so the printer's escapes run over every text.
#include "build/imagedecoder.h"
#include "cli/imageprinter.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        std::ostringstream listing;
        kpd::ImagePrinter::print(kpd::ImageDecoder::decode({data, data + size}), listing);
    } catch (const kpd::ImageFormatError&) {
    }
    return 0;
}
