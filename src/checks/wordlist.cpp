#include "wordlist.h"

#include "fileio/boundedfile.h"
#include "fileio/safefile.h"
#include "xmlfiles/textcodec.h"

#include <filesystem>

namespace kpd {

namespace {

// A word list of this size already holds far more than a drive's abbreviations.
constexpr std::size_t kMaxWordListBytes = 4 * 1024 * 1024;

std::string trimmedLine(std::string_view line)
{
    const std::string_view blanks = " \t\r\n";
    const std::size_t first = line.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return std::string(line.substr(first, line.find_last_not_of(blanks) - first + 1));
}

} // namespace

std::string WordList::path(const std::string& folder)
{
    return (std::filesystem::path(folder) / kFileName).string();
}

WordList WordList::read(const std::string& folder)
{
    const std::string file = path(folder);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return {};
    return parse(BoundedFile::read(file, kMaxWordListBytes, "word list"));
}

WordList WordList::parse(std::string_view utf8)
{
    WordList list;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t end = utf8.find('\n', pos);
        if (end == std::string_view::npos) end = utf8.size();
        const std::string_view line = utf8.substr(pos, end - pos);
        pos = end + 1;
        list.lines_.emplace_back(line);
        std::string entry = trimmedLine(line);
        const bool forbidden = !entry.empty() && entry[0] == '*';
        if (forbidden) entry.erase(0, 1);
        // "word/model" takes its affixes from a word of the dictionary; the word alone is kept.
        entry = entry.substr(0, entry.find('/'));
        if (entry.empty()) continue;
        (forbidden ? list.forbidden_ : list.accepted_).insert(TextCodec::utf8ToLatin1(entry));
    }
    return list;
}

bool WordList::matches(const std::set<std::string>& entries, const std::string& word)
{
    if (entries.count(word)) return true;
    const auto first = static_cast<unsigned char>(word.empty() ? 0 : word[0]);
    const bool capital = (first >= 'A' && first <= 'Z') || (first >= 0xC0 && first <= 0xDE && first != 0xD7);
    if (!capital) return false;
    std::string lowered = word;
    lowered[0] = static_cast<char>(first + 0x20);
    return entries.count(lowered) != 0;
}

void WordList::add(const std::string& word)
{
    if (word.empty() || (accepted_.count(word) && !forbidden_.count(word))) return;
    forbidden_.erase(word);
    accepted_.insert(word);
    const std::string utf8 = TextCodec::latin1ToUtf8(word);
    std::erase_if(lines_, [&](const std::string& line) { return trimmedLine(line) == "*" + utf8; });
    if (!lines_.empty() && lines_.back().empty()) lines_.pop_back();
    lines_.push_back(utf8);
}

std::string WordList::fileText() const
{
    std::string text;
    for (const std::string& line : lines_) text += line + '\n';
    return text;
}

void WordList::addTo(const std::string& folder, const std::string& word)
{
    WordList list = read(folder);
    list.add(word);
    SafeFile::write(path(folder), list.fileText());
}

} // namespace kpd
