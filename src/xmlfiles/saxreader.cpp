#include "saxreader.h"

#include "contenthandler.h"
#include "documentencoding.h"
#include "errorhandlerimpl.h"
#include "textcodec.h"

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <string>
#include <utility>
#include <vector>

namespace kpd {

namespace {

// Our documents have no entities of their own: any expansion beyond ten times the input,
// counted from the first 64 KiB, is an attack and ends the parse.
constexpr float kMaxAmplification = 10.0f;
constexpr unsigned long long kAmplificationThreshold = 64 * 1024;

// expat takes its input length as an int.
constexpr std::size_t kLargestChunk = std::size_t{1} << 26;

constexpr std::string_view kFragmentOpen = "<kpdFragment>";
constexpr std::string_view kFragmentClose = "</kpdFragment>";

bool isAscii(const char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    }
    return true;
}

// Names and values arrive NUL-terminated; one pass finds the end and whether any byte
// needs converting.
void assignModelText(std::string& target, const char* utf8)
{
    const char* end = utf8;
    unsigned char high = 0;
    while (*end) high |= static_cast<unsigned char>(*end++);
    const std::string_view text(utf8, static_cast<std::size_t>(end - utf8));
    if (high < 0x80)
        target.assign(text);
    else
        target = TextCodec::utf8ToLatin1(text);
}

bool sameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

int XMLCALL unknownEncoding(void*, const XML_Char* name, XML_Encoding* info)
{
    const std::string_view requested(name);
    if (!sameLetters(requested, "windows-1252") && !sameLetters(requested, "cp1252")) return XML_STATUS_ERROR;
    for (int byte = 0; byte < 256; ++byte) info->map[byte] = TextCodec::windows1252CodePoint(static_cast<unsigned char>(byte));
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

class Session : public DocumentLocator {
public:
    Session(ContentHandler& content, bool fragment)
        : content_(content), fragment_(fragment)
    {
    }

    void attach(XML_Parser parser)
    {
        parser_ = parser;
        XML_SetUserData(parser, this);
        XML_SetElementHandler(parser, &Session::onStart, &Session::onEnd);
        XML_SetCharacterDataHandler(parser, &Session::onText);
        content_.setDocumentLocator(*this);
    }

    long line() const override { return static_cast<long>(XML_GetCurrentLineNumber(parser_)); }

    // An error the handler lets escape cannot unwind through expat: the parse stops and
    // the error goes on to the caller once the parser is released. A handler that refuses
    // the document stops it the same way.
    template <typename Work>
    void guarded(Work work)
    {
        try {
            work();
            if (content_.refused()) XML_StopParser(parser_, XML_FALSE);
        } catch (...) {
            if (!pending_) pending_ = std::current_exception();
            XML_StopParser(parser_, XML_FALSE);
        }
    }

    std::exception_ptr pending() const { return pending_; }

private:
    static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** atts)
    {
        auto* self = static_cast<Session*>(data);
        ++self->depth_;
        if (self->fragment_ && self->depth_ == 1) return;
        self->guarded([&] {
            // The pairs are reused from tag to tag, so their strings keep their capacity.
            std::size_t count = 0;
            for (const XML_Char** a = atts; *a; a += 2, ++count) {
                if (count == self->pairs_.size()) self->pairs_.emplace_back();
                assignModelText(self->pairs_[count].first, a[0]);
                assignModelText(self->pairs_[count].second, a[1]);
            }
            assignModelText(self->name_, name);
            self->content_.startElement(self->name_, SaxAttributes(self->pairs_, count));
        });
    }

    static void XMLCALL onEnd(void* data, const XML_Char* name)
    {
        auto* self = static_cast<Session*>(data);
        const int depth = self->depth_--;
        if (self->fragment_ && depth == 1) return;
        self->guarded([&] {
            assignModelText(self->name_, name);
            self->content_.endElement(self->name_);
        });
    }

    static void XMLCALL onText(void* data, const XML_Char* text, int length)
    {
        auto* self = static_cast<Session*>(data);
        const std::size_t size = static_cast<std::size_t>(length);
        self->guarded([&] {
            if (isAscii(text, size)) {
                self->content_.characters(std::string_view(text, size));
                return;
            }
            self->lost_.clear();
            const std::string latin1 = TextCodec::utf8ToLatin1(std::string_view(text, size), &self->lost_);
            if (!self->lost_.empty()) self->content_.charactersReplaced(self->lost_);
            self->content_.characters(latin1);
        });
    }

    ContentHandler& content_;
    bool fragment_;
    XML_Parser parser_ = nullptr;
    int depth_ = 0;
    std::exception_ptr pending_;
    SaxAttributes::Pairs pairs_;
    std::string name_;
    std::vector<LostCharacters::Character> lost_;
};

std::size_t skipSpace(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n'))
        ++pos;
    return pos;
}

} // namespace

SaxReader::SaxReader(ContentHandler& content, ErrorHandlerImpl& errors)
    : content_(content), errors_(errors)
{
}

std::size_t SaxReader::fragmentStart(std::string_view document)
{
    std::size_t pos = document.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    for (;;) {
        pos = skipSpace(document, pos);
        const std::string_view rest = document.substr(pos);
        std::size_t end = std::string_view::npos;
        if (rest.substr(0, 2) == "<?")
            end = rest.find("?>");
        else if (rest.substr(0, 4) == "<!--")
            end = rest.find("-->");
        else
            break;
        if (end == std::string_view::npos) return std::string_view::npos;
        pos += end + (rest[1] == '?' ? 2 : 3);
    }
    const std::string_view rest = document.substr(pos);
    if (rest.size() < 6 || rest.substr(0, 5) != "<Menu") return std::string_view::npos;
    const char after = rest[5];
    return after == ' ' || after == '\t' || after == '\r' || after == '\n' || after == '/' || after == '>'
               ? pos
               : std::string_view::npos;
}

bool SaxReader::parse(std::string_view document)
{
    return parse(document, DocumentEncoding::of(document));
}

bool SaxReader::parse(std::string_view document, const DocumentEncoding& documentEncoding)
{
    const bool utf16 = documentEncoding.kind() == DocumentEncoding::Kind::Utf16;
    const char* encoding = documentEncoding.kind() == DocumentEncoding::Kind::Windows1252 ? "windows-1252" : nullptr;

    const std::size_t fragmentAt = utf16 ? std::string_view::npos : fragmentStart(document);
    const bool fragment = fragmentAt != std::string_view::npos;
    std::string wrapped;
    if (fragment) {
        wrapped.reserve(document.size() + kFragmentOpen.size() + kFragmentClose.size());
        wrapped.append(document.substr(0, fragmentAt));
        wrapped.append(kFragmentOpen);
        wrapped.append(document.substr(fragmentAt));
        wrapped.append(kFragmentClose);
        document = wrapped;
        content_.startFragment();
        if (content_.refused()) return false;
    }

    XML_Parser parser = XML_ParserCreate(encoding);
    if (!parser) {
        errors_.fatalError(XML_ERROR_NO_MEMORY, XML_ErrorString(XML_ERROR_NO_MEMORY), 0, 0);
        return false;
    }
    XML_SetUnknownEncodingHandler(parser, &unknownEncoding, nullptr);
    XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser, kMaxAmplification);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(parser, kAmplificationThreshold);
    Session session(content_, fragment);
    session.attach(parser);

    const std::size_t chunk = std::min(chunkSize_ == 0 ? document.size() : chunkSize_, kLargestChunk);
    std::size_t offset = 0;
    XML_Status status = XML_STATUS_OK;
    do {
        const std::size_t length = std::min(chunk, document.size() - offset);
        const bool last = offset + length >= document.size();
        status = XML_Parse(parser, document.data() + offset, static_cast<int>(length), last ? XML_TRUE : XML_FALSE);
        offset += length;
    } while (status == XML_STATUS_OK && offset < document.size());

    const bool ok = status == XML_STATUS_OK;
    if (!ok && !session.pending() && !content_.refused()) {
        const XML_Error code = XML_GetErrorCode(parser);
        errors_.fatalError(static_cast<int>(code), XML_ErrorString(code),
                           static_cast<long>(XML_GetCurrentLineNumber(parser)),
                           static_cast<long>(XML_GetCurrentColumnNumber(parser)) + 1);
    }
    XML_ParserFree(parser);
    if (session.pending()) std::rethrow_exception(session.pending());
    return ok;
}

} // namespace kpd
