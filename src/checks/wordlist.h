#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kpd {

// The drive's own word list, a file of the drive folder in the personal dictionary form of
// the spelling library: a word a line, "*word" forbids a word the dictionary accepts, and
// "word/model" takes only the word. The file is UTF-8; the list answers in the model's
// 8-bit text.
class WordList {
public:
    static constexpr const char* kFileName = "wordlist.dic";

    // An empty list when the file does not exist.
    static WordList read(const std::string& folder);
    static WordList parse(std::string_view utf8);
    static std::string path(const std::string& folder);

    bool accepts(const std::string& word) const { return matches(accepted_, word); }
    bool forbids(const std::string& word) const { return matches(forbidden_, word); }

    // Accepts the word from now on, also where a "*" entry forbade it.
    void add(const std::string& word);
    // The file as it was read, with the words added since at its end.
    std::string fileText() const;
    // Adds a word to the folder's list on disk.
    static void addTo(const std::string& folder, const std::string& word);

private:
    // An entry in lower case stands for its capitalised form too, as the dictionary's own
    // words do at the start of a sentence.
    static bool matches(const std::set<std::string>& entries, const std::string& word);

    std::vector<std::string> lines_;
    std::set<std::string> accepted_;
    std::set<std::string> forbidden_;
};

} // namespace kpd
