#pragma once

#include "saxattributes.h"

#include <string>
#include <string_view>

namespace kpd {

// The events a SaxReader delivers: qualified names, attributes and text as the model's
// 8-bit text, line ends normalised to LF. Text may arrive in several pieces.
class ContentHandler {
public:
    virtual ~ContentHandler() = default;
    // The document has no single root: its top-level elements follow one another.
    virtual void startFragment() = 0;
    virtual void startElement(const std::string& qName, const SaxAttributes& attributes) = 0;
    virtual void endElement(const std::string& qName) = 0;
    virtual void characters(std::string_view text) = 0;
};

} // namespace kpd
