#include "tbxfile.h"

#include "contenthandler.h"
#include "errorhandlerimpl.h"
#include "saxreader.h"
#include "xmlutils.h"

#include "fileio/boundedfile.h"
#include "fileio/filereaderror.h"
#include "fileio/safefile.h"

#include <filesystem>
#include <set>

namespace kpd {

namespace {

constexpr const char* kStatus = "administrativeStatus";
constexpr const char* kPreferred = "preferredTerm-admn-sts";
constexpr const char* kAdmitted = "admittedTerm-admn-sts";
constexpr const char* kDeprecated = "deprecatedTerm-admn-sts";
// A glossary of a drive's keypad texts is a few thousand terms at most.
constexpr std::size_t kMaxBytes = 32u << 20;

std::string localName(const std::string& qName)
{
    const std::size_t colon = qName.find(':');
    return colon == std::string::npos ? qName : qName.substr(colon + 1);
}

bool isShortType(const std::string& type)
{
    static const std::set<std::string> kShort{"abbreviation", "shortForm", "acronym", "initialism", "clippedTerm"};
    return kShort.count(type) != 0;
}

// The basic dialect's deprecated and superseded statuses, and the plain "forbidden" and
// "obsolete" some terminology tools write.
bool isForbiddenStatus(const std::string& status)
{
    for (const char* start : {"deprecated", "superseded", "forbidden", "obsolete"})
        if (status.rfind(start, 0) == 0) return true;
    return false;
}

// Collects the terms of a term base: entries, their language sets and the forms in them.
class TbxHandler : public ContentHandler {
public:
    Glossary glossary;

    void startFragment() override { refusal_ = true; }

    void startElement(const std::string& qName, const SaxAttributes& attributes) override
    {
        const std::string name = localName(qName);
        if (path_.empty() && name != "martif" && name != "tbx") refusal_ = true;
        path_.push_back(name);
        text_.clear();
        if (name == "termEntry" || name == "conceptEntry") {
            term_ = &glossary.terms().emplace_back();
        } else if ((name == "langSet" || name == "langSec") && term_) {
            const std::string* lang = attributes.find("xml:lang");
            language_ = lang ? *lang : std::string();
        } else if (name == "tig" || name == "ntig" || name == "termSec") {
            form_.clear();
            status_.clear();
            type_.clear();
        } else if (name == "termNote") {
            const std::string* type = attributes.find("type");
            noteType_ = type ? *type : std::string();
        }
    }

    void endElement(const std::string& qName) override
    {
        const std::string name = localName(qName);
        if (name == "term") {
            form_ = text_;
        } else if (name == "termNote") {
            if (noteType_ == kStatus) status_ = text_;
            if (noteType_ == "termType") type_ = text_;
        } else if (name == "note" && term_ && path_.size() >= 2) {
            const std::string& parent = path_[path_.size() - 2];
            if (parent == "termEntry" || parent == "conceptEntry") term_->note = text_;
        } else if ((name == "tig" || name == "ntig" || name == "termSec") && term_ && !form_.empty()) {
            addForm();
        } else if (name == "termEntry" || name == "conceptEntry") {
            if (term_ && term_->languages.empty() && term_->note.empty()) glossary.terms().pop_back();
            term_ = nullptr;
        }
        path_.pop_back();
        text_.clear();
    }

    void characters(std::string_view text) override { text_ += text; }
    bool refused() const override { return refusal_; }

private:
    void addForm()
    {
        GlossaryForms& forms = term_->languages[language_];
        if (isForbiddenStatus(status_))
            forms.forbidden.push_back(form_);
        else if (isShortType(type_))
            forms.shortForms.push_back(form_);
        else if (forms.full.empty())
            forms.full = form_;
        else
            forms.synonyms.push_back(form_);
    }

    std::vector<std::string> path_;
    std::string text_;
    GlossaryTerm* term_ = nullptr;
    std::string language_;
    std::string form_;
    std::string status_;
    std::string type_;
    std::string noteType_;
    bool refusal_ = false;
};

void writeNote(XMLutils& xml, const std::string& type, const std::string& value)
{
    xml.clearAttr();
    xml.addAttr("type", type);
    xml.startEl("termNote");
    xml.chars(value);
    xml.endEl("termNote");
}

void writeForm(XMLutils& xml, const std::string& form, const char* status, const std::string& termType)
{
    xml.clearAttr();
    xml.startEl("tig");
    xml.clearAttr();
    xml.startEl("term");
    xml.chars(form);
    xml.endEl("term");
    if (!termType.empty()) writeNote(xml, "termType", termType);
    writeNote(xml, kStatus, status);
    xml.endEl("tig");
}

void simpleElement(XMLutils& xml, const std::string& name, const std::string& text)
{
    xml.clearAttr();
    xml.startEl(name);
    xml.chars(text);
    xml.endEl(name);
}

} // namespace

std::string TbxFile::text(const Glossary& glossary)
{
    const std::vector<std::string> languages = glossary.languages();
    XMLutils xml;
    xml.startDoc();
    xml.clearAttr();
    xml.addAttr("type", "TBX-Basic");
    xml.addAttr("xml:lang", languages.empty() ? "en" : languages.front());
    xml.startEl("martif");
    xml.clearAttr();
    xml.startEl("martifHeader");
    xml.startEl("fileDesc");
    xml.startEl("sourceDesc");
    simpleElement(xml, "p", "Keypad text glossary");
    xml.endEl("sourceDesc");
    xml.endEl("fileDesc");
    xml.endEl("martifHeader");
    xml.startEl("text");
    xml.startEl("body");
    int id = 0;
    for (const GlossaryTerm& term : glossary.terms()) {
        xml.clearAttr();
        xml.addAttr("id", "t" + std::to_string(++id));
        xml.startEl("termEntry");
        if (!term.note.empty()) simpleElement(xml, "note", term.note);
        for (const auto& [code, forms] : term.languages) {
            if (forms.empty()) continue;
            xml.clearAttr();
            xml.addAttr("xml:lang", code);
            xml.startEl("langSet");
            if (!forms.full.empty()) writeForm(xml, forms.full, kPreferred, "fullForm");
            // A short form of several words is no abbreviation of one.
            for (const std::string& form : forms.shortForms)
                writeForm(xml, form, kAdmitted, form.find(' ') == std::string::npos ? "abbreviation" : "shortForm");
            for (const std::string& form : forms.synonyms) writeForm(xml, form, kAdmitted, {});
            for (const std::string& form : forms.forbidden) writeForm(xml, form, kDeprecated, {});
            xml.endEl("langSet");
        }
        xml.endEl("termEntry");
    }
    xml.endEl("body");
    xml.endEl("text");
    xml.endEl("martif");
    xml.endDoc();
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + xml.getOutput();
}

Glossary TbxFile::parse(std::string_view document)
{
    TbxHandler handler;
    ErrorHandlerImpl errors;
    const bool parsed = SaxReader(handler, errors).parse(document);
    if (handler.refused()) throw FileReadError("it is not a term base (its root is neither martif nor tbx)");
    if (!parsed)
        throw FileReadError(errors.description() + " at line " + std::to_string(errors.line()) + ", column " +
                            std::to_string(errors.column()));
    return std::move(handler.glossary);
}

Glossary TbxFile::load(const std::string& path)
{
    try {
        return parse(BoundedFile::read(path, kMaxBytes, "the largest glossary"));
    } catch (const FileReadError& e) {
        throw FileReadError(path + ": " + e.what());
    }
}

Glossary TbxFile::loadIfPresent(const std::string& path)
{
    std::error_code absent;
    return std::filesystem::exists(path, absent) ? load(path) : Glossary();
}

void TbxFile::save(const std::string& path, const Glossary& glossary)
{
    SafeFile::write(path, text(glossary));
}

} // namespace kpd
