#include "reviewmarks.h"

#include "fileio/boundedfile.h"
#include "fileio/filereaderror.h"
#include "fileio/safefile.h"
#include "xmlfiles/textcodec.h"

#include <filesystem>
#include <sstream>
#include <vector>

namespace kpd {

namespace {

constexpr const char* kHeader = "keypad-review 1";
// Far beyond a note per text of the largest drive; a bigger file is not ours.
constexpr std::size_t kMaxFileBytes = 64u << 20;

// Tabs and line ends separate fields and lines, so a note keeps its own escaped.
std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
        out.push_back(line.substr(start, tab - start));
    out.push_back(line.substr(start));
    return out;
}

} // namespace

std::uint32_t ReviewMarks::fingerprint(std::string_view text)
{
    // FNV-1a: a changed text must lose its mark; two texts colliding only keep a mark.
    std::uint32_t hash = 2166136261u;
    for (char c : text) {
        hash ^= static_cast<std::uint8_t>(c);
        hash *= 16777619u;
    }
    return hash;
}

bool ReviewMarks::done(const TextKey& key, const std::string& text) const
{
    const auto found = marks_.find(key);
    return found != marks_.end() && found->second.done && found->second.fingerprint == fingerprint(text);
}

std::string ReviewMarks::note(const TextKey& key) const
{
    const auto found = marks_.find(key);
    return found == marks_.end() ? std::string() : found->second.note;
}

void ReviewMarks::setDone(const TextKey& key, bool isDone, const std::string& text)
{
    Mark& mark = marks_[key];
    mark.done = isDone;
    mark.fingerprint = isDone ? fingerprint(text) : 0;
    if (!mark.done && mark.note.empty()) marks_.erase(key);
}

void ReviewMarks::setNote(const TextKey& key, const std::string& note)
{
    Mark& mark = marks_[key];
    mark.note = note;
    if (!mark.done && mark.note.empty()) marks_.erase(key);
}

void ReviewMarks::textEdited(const TextKey& key)
{
    const auto found = marks_.find(key);
    if (found == marks_.end()) return;
    found->second.done = false;
    if (found->second.note.empty()) marks_.erase(found);
}

std::string ReviewMarks::fileText() const
{
    std::ostringstream out;
    out << kHeader << '\n';
    for (const auto& [key, mark] : marks_) {
        char print[9];
        std::snprintf(print, sizeof print, "%08x", static_cast<unsigned>(mark.fingerprint));
        out << TextCodec::latin1ToUtf8(escaped(key.menuKey)) << '\t' << TextCodec::latin1ToUtf8(escaped(key.paraKey))
            << '\t' << TextCodec::latin1ToUtf8(escaped(key.modeKey)) << '\t' << fieldName(key.field) << '\t'
            << (mark.done ? "done" : "open") << '\t' << print << '\t' << TextCodec::latin1ToUtf8(escaped(mark.note))
            << '\n';
    }
    return out.str();
}

ReviewMarks ReviewMarks::fromFileText(std::string_view text)
{
    ReviewMarks marks;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::vector<std::string_view> f = fields(text.substr(start, end - start));
        start = end + 1;
        if (f.size() != 7 || (f[3] != fieldName(TextField::Description) && f[3] != fieldName(TextField::Help)))
            continue;
        const auto latin1 = [](std::string_view field) { return unescaped(TextCodec::utf8ToLatin1(field)); };
        const TextKey key{latin1(f[0]), latin1(f[1]), latin1(f[2]),
                          f[3] == fieldName(TextField::Help) ? TextField::Help : TextField::Description};
        Mark mark;
        mark.done = f[4] == "done";
        mark.fingerprint = static_cast<std::uint32_t>(std::strtoul(std::string(f[5]).c_str(), nullptr, 16));
        mark.note = latin1(f[6]);
        if (mark.done || !mark.note.empty()) marks.marks_[key] = std::move(mark);
    }
    return marks;
}

ReviewMarks ReviewMarks::load(const std::string& dataFile)
{
    const std::string side = sideFileName(dataFile);
    std::error_code ignored;
    if (!std::filesystem::exists(side, ignored)) return {};
    try {
        return fromFileText(BoundedFile::read(side, kMaxFileBytes, "the largest review file"));
    } catch (const FileReadError& error) {
        throw FileReadError("Cannot read the file " + side + " : " + error.what());
    }
}

void ReviewMarks::save(const std::string& dataFile) const
{
    const std::string side = sideFileName(dataFile);
    std::error_code ignored;
    if (marks_.empty() && !std::filesystem::exists(side, ignored)) return;
    SafeFile::write(side, fileText());
}

} // namespace kpd
