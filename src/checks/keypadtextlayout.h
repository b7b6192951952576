#pragma once

#include <string>
#include <vector>

namespace kpd {

// A text in the escaped form laid out by the keypad text box's own model, so that what the
// checks count is what the editor's boxes and the keypad show.
class KeypadTextLayout {
public:
    static constexpr int kDisplayColumns = 16;
    static constexpr int kDescriptionLines = 2;

    static int displayLines(const std::string& escaped, int cols = kDisplayColumns);
    // The keypad bytes of each display line, without the breaks between them.
    static std::vector<std::string> lines(const std::string& escaped, int cols = kDisplayColumns);

    struct Stripped {
        std::string text;
        int removed = 0;
    };
    // What Strip trailing spaces makes of the text: the text without the characters that
    // gave the removed blanks, everything else as it was written.
    static Stripped stripTrailingSpaces(const std::string& escaped, int cols = kDisplayColumns);
};

} // namespace kpd
