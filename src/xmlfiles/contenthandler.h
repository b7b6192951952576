#pragma once

#include "saxattributes.h"

#include "model/lostcharacters.h"

#include <string>
#include <string_view>
#include <vector>

namespace kpd {

// Where the reader is in the document, for messages that point into it.
class DocumentLocator {
public:
    virtual ~DocumentLocator() = default;
    virtual long line() const = 0;
};

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
    // Characters of the text delivered next that have no keypad code: a '?' stands at
    // each position given.
    virtual void charactersReplaced(const std::vector<LostCharacters::Character>&) {}
    // Valid for the whole parse, from before the first event.
    virtual void setDocumentLocator(const DocumentLocator&) {}
    // True once the handler has seen that the document is not one it can take: the
    // reader delivers nothing more and the parse fails.
    virtual bool refused() const { return false; }
};

} // namespace kpd
