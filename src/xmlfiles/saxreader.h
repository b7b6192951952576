#pragma once

#include <cstddef>
#include <string_view>

namespace kpd {

class ContentHandler;
class DocumentEncoding;
class ErrorHandlerImpl;

// Drives a ContentHandler from expat. Reads UTF-8, and reads a document without a single
// multi-byte UTF-8 sequence and some bytes that are not UTF-8 as Windows-1252 (files of
// older 8-bit tools); one that mixes both is read as UTF-8 and fails at its first byte
// that is not. A document whose top level is one or more Menu elements is read as a
// fragment. External entities are never fetched, and entity expansion is held to a small
// factor of the document's own size.
class SaxReader {
public:
    SaxReader(ContentHandler& content, ErrorHandlerImpl& errors);

    // False when the document is not well-formed or the handler refused it; for a
    // document that is not well-formed the error handler holds the reason.
    bool parse(std::string_view document);
    // With the encoding already worked out by the caller.
    bool parse(std::string_view document, const DocumentEncoding& encoding);

    // Hands the parser this many bytes at a time (0: the whole document at once).
    void setChunkSize(std::size_t bytes) { chunkSize_ = bytes; }

    // Where the first element starts when it is a top-level Menu, else npos.
    static std::size_t fragmentStart(std::string_view document);

private:
    ContentHandler& content_;
    ErrorHandlerImpl& errors_;
    std::size_t chunkSize_ = 0;
};

} // namespace kpd
