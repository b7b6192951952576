#pragma once

#include <cstddef>
#include <string_view>

namespace kpd {

// How the bytes of a file are to be read. UTF-8 when every byte is; Windows-1252 when
// not one multi-byte UTF-8 sequence is in it (files of older 8-bit tools); neither when
// both kinds mix: such a file was edited in another encoding, and reading it either way
// would change some of its texts without a word.
class DocumentEncoding {
public:
    enum class Kind { Utf8, Utf16, Windows1252, Mixed };

    static DocumentEncoding of(std::string_view document);

    Kind kind() const { return kind_; }
    // Where the first byte that is not UTF-8 stands: its offset, its line and its column
    // (from 1, counting characters). Meaningful for Windows1252 and Mixed.
    std::size_t offset() const { return offset_; }
    unsigned char byte() const { return byte_; }
    long line() const { return line_; }
    long column() const { return column_; }

private:
    Kind kind_ = Kind::Utf8;
    std::size_t offset_ = 0;
    unsigned char byte_ = 0;
    long line_ = 0;
    long column_ = 0;
};

} // namespace kpd
