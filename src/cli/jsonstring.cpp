#include "jsonstring.h"

#include "xmlfiles/textcodec.h"

#include <cstdio>

namespace kpd {

std::string jsonString(const std::string& modelText)
{
    std::string out = "\"";
    for (const char c : TextCodec::latin1ToUtf8(modelText)) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (code < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(code));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

} // namespace kpd
