// Feeds text to the Intel hex reader the way `kpdtool decode` does: told from a raw image
// by its content, read, and the bytes decoded as an image.
#include "build/imagedecoder.h"
#include "build/intelhexreader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

int digit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A checksum guards every record, so mutated bytes seldom make one: the same text with
// each line's last pair set to the right checksum lets the run reach what records say.
std::string withChecksumsRepaired(std::string text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t last = end;
        if (last > start && text[last - 1] == '\r') --last;
        if (last - start >= 11 && (last - start) % 2 == 1 && text[start] == ':') {
            unsigned sum = 0;
            bool hex = true;
            for (std::size_t i = start + 1; i + 2 < last; i += 2) {
                const int high = digit(text[i]);
                const int low = digit(text[i + 1]);
                hex = hex && high >= 0 && low >= 0;
                sum += static_cast<unsigned>(high * 16 + low);
            }
            if (hex) {
                char pair[3];
                std::snprintf(pair, sizeof pair, "%02X", (0x100 - (sum & 0xFF)) & 0xFF);
                text[last - 2] = pair[0];
                text[last - 1] = pair[1];
            }
        }
        start = end + 1;
    }
    return text;
}

void readAndDecode(const std::string& text)
{
    try {
        const bool hex = kpd::IntelHexReader::isIntelHex(text);
        const std::vector<std::uint8_t> bytes = kpd::IntelHexReader::read(text);
        // Whatever reads without an error was made only of well-formed records.
        if (!hex) __builtin_trap();
        kpd::ImageDecoder::decode(bytes);
    } catch (const kpd::ImageFormatError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    readAndDecode(text);
    readAndDecode(withChecksumsRepaired(text));
    return 0;
}
