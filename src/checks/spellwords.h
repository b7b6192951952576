#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kpd {

// The words of a text that spelling looks at. A text is cut where the string database
// build cuts it into dictionary words, so that a mark and a word list entry mean the same
// word the byte meter counts; punctuation around a word is left out, and numbers, units
// and pieces with keypad symbols are no words to spell.
class SpellWords {
public:
    struct Word {
        // The characters of the escaped text the word came from.
        std::size_t begin = 0;
        std::size_t end = 0;
        // The keypad bytes, one a cell, the word takes.
        std::size_t first = 0;
        std::size_t last = 0;
        // The word in the model's 8-bit text.
        std::string text;
        // Where in the word a display line starts. A text that fills a line may go on in the
        // next without a space ("Reference select" "select option"): the keypad shows two words.
        std::vector<std::size_t> lineBreaks;
    };

    static std::vector<Word> cut(const std::string& escaped);
    static bool isLetter(unsigned char c);
    static bool isUnit(const std::string& word);
};

} // namespace kpd
