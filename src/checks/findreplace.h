#pragma once

#include "textrows.h"

#include <cstdint>
#include <functional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace kpd {

// Find and replace over the texts of the custom set (find also over the reference). Texts
// are matched in the escaped form the model holds. A replacement that would make a text
// overflow the keypad or show a character it has no glyph for is marked and left out
// unless the user insists on it; a run is undone as one step.
class FindReplace {
public:
    struct Options {
        std::string find;
        std::string replace;
        bool wholeWord = false;
        bool matchCase = false;
        bool regularExpression = false;
        bool inReferences = false;
    };
    struct Hit {
        std::size_t row = 0;
        bool reference = false;
        std::size_t pos = 0;
        std::size_t length = 0;
    };
    struct Change {
        std::size_t row = 0;
        std::string before;
        std::string after;
        int matches = 0;
        bool overflows = false;
        bool losesGlyph = false;
        // The user took it although it is marked.
        bool insisted = false;
        bool refused() const { return (overflows || losesGlyph) && !insisted; }
    };
    // What a text costs in the image; the bytes a run saves come from it.
    using Cost = std::function<std::int64_t(std::size_t row, const std::string& text)>;
    struct Run {
        std::vector<std::pair<std::size_t, std::string>> previous;
        int replacements = 0;
        std::int64_t bytesSaved = 0;
    };

    // Throws ModelError for a regular expression that does not compile.
    explicit FindReplace(Options options);

    std::vector<Hit> find(const TextRows& rows) const;
    // One change per text of the custom set that has a match, in row order.
    std::vector<Change> preview(const TextRows& rows) const;
    // Writes every change that is not refused; cost may be empty (bytes then 0).
    static Run apply(TextRows& rows, const std::vector<Change>& changes, const Cost& cost);
    static void undo(TextRows& rows, const Run& run);

private:
    std::vector<std::pair<std::size_t, std::size_t>> matches(const std::string& text) const;
    std::string replaced(const std::string& text, int& count) const;

    Options options_;
    std::regex expression_;
};

} // namespace kpd
