// Feeds bytes to what spelling reads from a drive: the word list and the languages file of
// the drive folder, and a text cut into the words to check.
#include "checks/spellinglanguages.h"
#include "checks/spellwords.h"
#include "checks/wordlist.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    // What the list writes back reads as the same list.
    const kpd::WordList list = kpd::WordList::parse(text);
    if (kpd::WordList::parse(list.fileText()).fileText() != list.fileText()) __builtin_trap();

    const kpd::SpellingLanguages languages = kpd::SpellingLanguages::parse(text);
    if (kpd::SpellingLanguages::parse(languages.fileText()).fileText() != languages.fileText()) __builtin_trap();

    // Every word lies inside the text it was cut from, and so do its display line starts.
    for (const kpd::SpellWords::Word& word : kpd::SpellWords::cut(text)) {
        if (word.begin >= word.end || word.end > text.size() || word.first >= word.last) __builtin_trap();
        if (word.text.size() != word.last - word.first) __builtin_trap();
        for (std::size_t at : word.lineBreaks)
            if (at == 0 || at >= word.text.size()) __builtin_trap();
    }
    return 0;
}
