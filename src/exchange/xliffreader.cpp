#include "xliffreader.h"

#include "model/modelerror.h"
#include "xmlfiles/contenthandler.h"
#include "xmlfiles/errorhandlerimpl.h"
#include "xmlfiles/saxreader.h"

namespace kpd {

namespace {

std::string localName(const std::string& qName)
{
    const std::size_t colon = qName.find(':');
    return colon == std::string::npos ? qName : qName.substr(colon + 1);
}

std::string attribute(const SaxAttributes& attributes, const std::string& name)
{
    const std::string* value = attributes.find(name);
    return value ? *value : std::string();
}

class XliffHandler : public ContentHandler {
public:
    explicit XliffHandler(TranslationFile& file) : file_(file) {}

    void startFragment() override { fail("not an XLIFF document"); }
    void setDocumentLocator(const DocumentLocator& locator) override { locator_ = &locator; }
    bool refused() const override { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    long failureLine() const { return failureLine_; }

    void startElement(const std::string& qName, const SaxAttributes& attributes) override
    {
        const std::string name = localName(qName);
        const std::string parent = stack_.empty() ? std::string() : stack_.back();
        stack_.push_back(name);
        if (stack_.size() == 1) {
            const std::string version = attribute(attributes, "version");
            if (name != "xliff") return fail("not an XLIFF document");
            file_.format = version.rfind("2.", 0) == 0 ? ExchangeFormat::Xliff21 : ExchangeFormat::Xliff12;
            file_.sourceLanguage = attribute(attributes, "srcLang");
            file_.targetLanguage = attribute(attributes, "trgLang");
        } else if (name == "file") {
            if (++files_ > 1) return fail("more than one <file>: export one target language per file");
            if (file_.format == ExchangeFormat::Xliff12) {
                file_.sourceLanguage = attribute(attributes, "source-language");
                file_.targetLanguage = attribute(attributes, "target-language");
            }
        } else if (name == "trans-unit" || name == "unit") {
            unit_ = TranslationFile::Unit{attribute(attributes, "id"), locator_ ? locator_->line() : 0, {}, {}, {}, {}};
            // A header entry carried over from a PO file is no text of ours.
            inUnit_ = attribute(attributes, "restype") != "x-gettext-domain-header";
        } else if (inUnit_ && (name == "source" || name == "target") &&
                   (parent == "trans-unit" || parent == "segment" || parent == "ignorable")) {
            collecting_ = name == "source" ? &unit_.source : &unit_.target;
        } else if (inUnit_ && (name == "note" || name == "context")) {
            unit_.notes.emplace_back();
            collecting_ = &unit_.notes.back();
        } else if (collecting_) {
            fail("markup <" + name + "> inside a text: keypad texts are plain text");
        }
    }

    void endElement(const std::string& qName) override
    {
        const std::string name = localName(qName);
        stack_.pop_back();
        if ((name == "trans-unit" || name == "unit") && inUnit_) {
            file_.units.push_back(std::move(unit_));
            inUnit_ = false;
        }
        if (name == "source" || name == "target" || name == "note" || name == "context") collecting_ = nullptr;
    }

    void characters(std::string_view text) override
    {
        if (!collecting_) return;
        if (collecting_ == &unit_.target)
            for (LostCharacters::Character lost : pendingLost_) {
                lost.pos += collecting_->size();
                unit_.lost.push_back(lost);
            }
        pendingLost_.clear();
        collecting_->append(text);
    }

    void charactersReplaced(const std::vector<LostCharacters::Character>& lost) override { pendingLost_ = lost; }

private:
    void fail(const std::string& why)
    {
        if (!failure_.empty()) return;
        failure_ = why;
        failureLine_ = locator_ ? locator_->line() : 0;
    }

    TranslationFile& file_;
    const DocumentLocator* locator_ = nullptr;
    std::vector<std::string> stack_;
    TranslationFile::Unit unit_;
    bool inUnit_ = false;
    std::string* collecting_ = nullptr;
    std::vector<LostCharacters::Character> pendingLost_;
    int files_ = 0;
    std::string failure_;
    long failureLine_ = 0;
};

} // namespace

TranslationFile XliffReader::read(std::string_view bytes, const std::string& name)
{
    TranslationFile file;
    file.name = name;
    XliffHandler handler(file);
    ErrorHandlerImpl errors;
    const bool parsed = SaxReader(handler, errors).parse(bytes);
    if (!handler.failure().empty())
        throw ModelError(ModelError::TypeMismatch,
                         name + ":" + std::to_string(handler.failureLine()) + ": " + handler.failure());
    if (!parsed)
        throw ModelError(ModelError::TypeMismatch,
                         name + ":" + std::to_string(errors.line()) + ": " + errors.description());
    return file;
}

} // namespace kpd
