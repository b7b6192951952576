#include "documentencoding.h"

#include <cstdint>
#include <cstring>

namespace kpd {

namespace {

bool continuation(std::string_view bytes, std::size_t at)
{
    return at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence of two bytes or more at i, or 0.
std::size_t multiByteLength(std::string_view bytes, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead >= 0xC2 && lead <= 0xDF) return continuation(bytes, i + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(bytes, i + 1) || !continuation(bytes, i + 2)) return 0;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        // Overlong forms and UTF-16 surrogates are not UTF-8.
        return (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(bytes, i + 1) || !continuation(bytes, i + 2) || !continuation(bytes, i + 3)) return 0;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F) ? 0 : 4;
    }
    return 0;
}

} // namespace

DocumentEncoding DocumentEncoding::of(std::string_view document)
{
    DocumentEncoding encoding;
    if (document.substr(0, 2) == "\xFF\xFE" || document.substr(0, 2) == "\xFE\xFF") {
        encoding.kind_ = Kind::Utf16;
        return encoding;
    }
    bool multiByte = false;
    bool invalid = false;
    std::size_t i = 0;
    const std::size_t n = document.size();
    while (i < n && !(multiByte && invalid)) {
        if (static_cast<unsigned char>(document[i]) < 0x80) {
            // Markup is ASCII: step over plain runs eight bytes at a time.
            ++i;
            while (i + 8 <= n) {
                std::uint64_t block;
                std::memcpy(&block, document.data() + i, sizeof block);
                if (block & 0x8080808080808080ULL) break;
                i += 8;
            }
        } else if (const std::size_t length = multiByteLength(document, i)) {
            multiByte = true;
            i += length;
        } else {
            if (!invalid) {
                invalid = true;
                encoding.offset_ = i;
                encoding.byte_ = static_cast<unsigned char>(document[i]);
            }
            ++i;
        }
    }
    if (!invalid) return encoding;
    encoding.kind_ = multiByte ? Kind::Mixed : Kind::Windows1252;
    // The place is counted only for a file that has a byte that is not UTF-8: the common
    // UTF-8 file pays for one pass alone.
    encoding.line_ = 1;
    encoding.column_ = 1;
    for (std::size_t k = 0; k < encoding.offset_; ++k) {
        const auto byte = static_cast<unsigned char>(document[k]);
        if (byte == '\n') {
            ++encoding.line_;
            encoding.column_ = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++encoding.column_;
        }
    }
    return encoding;
}

} // namespace kpd
