#pragma once

#include "model/lostcharacters.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kpd {

// What a load has to tell the user although it went through: the encoding it took the
// file for, characters without a keypad code, values out of range. Shown as one warning
// per file, so a language file full of them does not bury the user in message boxes.
class LoadNotes {
public:
    // Entries of each list shown in the message; the rest are only counted.
    static constexpr std::size_t kListed = 12;

    void readAsWindows1252() { windows1252_ = true; }
    void lostCharacters(long line, const LostCharacters::Place& place, const std::string& text,
                        const std::vector<LostCharacters::Character>& characters);
    void valueOutOfRange(long line, const std::string& where, const std::string& problem);

    bool empty() const { return !windows1252_ && lost_.empty() && values_.empty(); }
    // The warning, naming the file; empty when there is nothing to say.
    std::string message(const std::string& file) const;
    // Hands the texts that lost characters to the model, where the checks find them.
    void recordLost(LostCharacters& record) const;

private:
    struct LostText {
        long line;
        LostCharacters::Place place;
        std::string text;
        std::vector<LostCharacters::Character> characters;
    };
    struct Value {
        long line;
        std::string where;
        std::string problem;
    };

    bool windows1252_ = false;
    std::vector<LostText> lost_;
    std::vector<Value> values_;
};

} // namespace kpd
