#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kpd {

// Finds what the keypad cannot show in a text held in the escaped form: bytes without a
// glyph, escapes that the string database build turns into spaces, characters that show
// as another glyph than the one typed, and question marks left by characters the files
// could not carry. Escapes are read as the build reads them, since the build decides what
// reaches the keypad.
class GlyphScan {
public:
    struct Fault {
        std::size_t pos = 0;
        std::size_t length = 0;
        std::string message;
        // The replacement of text[pos, pos + length) in the escaped form.
        std::optional<std::string> suggestion;
    };

    static std::vector<Fault> scan(const std::string& escaped);
    // The text with every fault that has a suggestion replaced by it.
    static std::string applySuggestions(const std::string& escaped);
};

} // namespace kpd
