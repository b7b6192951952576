#include "poreader.h"

#include "model/modelerror.h"
#include "xmlfiles/textcodec.h"

#include <optional>

namespace kpd {

namespace {

class PoParser {
public:
    PoParser(std::string_view bytes, TranslationFile& file) : bytes_(bytes), file_(file) {}

    void parse()
    {
        while (nextLine()) {
            if (line_.empty()) {
                finishEntry();
            } else if (line_.rfind("#~", 0) == 0) {
                continue;
            } else if (line_.rfind("#.", 0) == 0) {
                entry_.notes.push_back(trimmed(line_.substr(2)));
            } else if (line_[0] == '#') {
                continue;
            } else if (line_[0] == '"') {
                if (!field_) fail("a string outside msgctxt, msgid or msgstr");
                *field_ += unquoted(line_);
            } else {
                keyword();
            }
        }
        finishEntry();
    }

private:
    static std::string trimmed(std::string text)
    {
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.erase(0, 1);
        return text;
    }

    bool nextLine()
    {
        if (pos_ >= bytes_.size()) return false;
        std::size_t end = bytes_.find('\n', pos_);
        if (end == std::string_view::npos) end = bytes_.size();
        line_ = std::string(bytes_.substr(pos_, end - pos_));
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
        line_ = trimmed(line_);
        while (!line_.empty() && (line_.back() == ' ' || line_.back() == '\t')) line_.pop_back();
        pos_ = end + 1;
        ++lineNumber_;
        return true;
    }

    void keyword()
    {
        const std::size_t space = line_.find_first_of(" \t");
        const std::string word = line_.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : trimmed(line_.substr(space));
        if (word == "msgid_plural" || word.rfind("msgstr[", 0) == 0) fail("plural forms have no keypad text");
        if (word != "msgctxt" && word != "msgid" && word != "msgstr") fail("\"" + word + "\" is not PO");
        if (started_ && (word == "msgctxt" || (word == "msgid" && (seenId_ || !seenContext_)))) finishEntry();
        if (!started_) entry_.line = lineNumber_;
        started_ = true;
        if (word == "msgctxt") {
            seenContext_ = true;
            context_.emplace();
            field_ = &*context_;
        } else if (word == "msgid") {
            seenId_ = true;
            field_ = &entry_.source;
        } else {
            if (!seenId_) fail("msgstr without msgid");
            seenStr_ = true;
            field_ = &entry_.target;
        }
        *field_ += unquoted(rest);
    }

    std::string unquoted(const std::string& text)
    {
        if (text.size() < 2 || text.front() != '"' || text.back() != '"') fail("a string must be in double quotes");
        std::string out;
        for (std::size_t i = 1; i + 1 < text.size(); ++i) {
            if (text[i] == '"') fail("a double quote inside a string must be written \\\"");
            if (text[i] != '\\') {
                out += text[i];
                continue;
            }
            if (++i + 1 >= text.size()) fail("a string ends in a backslash");
            switch (text[i]) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case '\\': out += '\\'; break;
            case '"': out += '"'; break;
            default: fail(std::string("unknown escape \\") + text[i]);
            }
        }
        return out;
    }

    void finishEntry()
    {
        if (started_ && !seenStr_) fail("an entry without msgstr");
        if (started_) {
            if (!context_ && entry_.source.empty()) {
                readHeader(entry_.target);
            } else {
                // The strings are UTF-8 to this point; positions of lost characters count
                // in the 8-bit text that comes out.
                entry_.id = context_ ? TextCodec::utf8ToLatin1(*context_) : std::string();
                entry_.source = TextCodec::utf8ToLatin1(entry_.source);
                entry_.target = TextCodec::utf8ToLatin1(entry_.target, &entry_.lost);
                for (std::string& note : entry_.notes) note = TextCodec::utf8ToLatin1(note);
                file_.units.push_back(std::move(entry_));
            }
        }
        entry_ = TranslationFile::Unit{};
        context_.reset();
        field_ = nullptr;
        started_ = seenContext_ = seenId_ = seenStr_ = false;
    }

    void readHeader(const std::string& header)
    {
        std::size_t begin = 0;
        while (begin < header.size()) {
            std::size_t end = header.find('\n', begin);
            if (end == std::string::npos) end = header.size();
            const std::string field = header.substr(begin, end - begin);
            const std::size_t colon = field.find(':');
            if (colon != std::string::npos) {
                const std::string name = field.substr(0, colon);
                const std::string value = trimmed(field.substr(colon + 1));
                if (name == "Language") file_.targetLanguage = value;
                if (name == "X-Source-Language") file_.sourceLanguage = value;
                if (name == "Content-Type" && value.find("charset=") != std::string::npos &&
                    value.find("charset=UTF-8") == std::string::npos &&
                    value.find("charset=utf-8") == std::string::npos)
                    fail("the file is not UTF-8 (" + value + ")");
            }
            begin = end + 1;
        }
    }

    [[noreturn]] void fail(const std::string& why)
    {
        throw ModelError(ModelError::TypeMismatch, file_.name + ":" + std::to_string(lineNumber_) + ": " + why);
    }

    std::string_view bytes_;
    TranslationFile& file_;
    std::size_t pos_ = 0;
    long lineNumber_ = 0;
    std::string line_;
    TranslationFile::Unit entry_;
    std::optional<std::string> context_;
    std::string* field_ = nullptr;
    bool started_ = false;
    bool seenContext_ = false;
    bool seenId_ = false;
    bool seenStr_ = false;
};

} // namespace

TranslationFile PoReader::read(std::string_view bytes, const std::string& name)
{
    TranslationFile file;
    file.name = name;
    file.format = ExchangeFormat::Po;
    PoParser(bytes, file).parse();
    return file;
}

} // namespace kpd
