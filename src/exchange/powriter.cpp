#include "powriter.h"

#include "unitnotes.h"

#include "xmlfiles/textcodec.h"

namespace kpd {

namespace {

std::string escapedLine(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return '"' + TextCodec::latin1ToUtf8(out) + '"';
}

bool startsWithBreak(const std::string& text)
{
    return !text.empty() && text.front() == '\n';
}
bool endsWithBreak(const std::string& text)
{
    return !text.empty() && text.back() == '\n';
}

} // namespace

std::string PoWriter::quoted(const std::string& latin1)
{
    if (latin1.find('\n') == std::string::npos || latin1.find('\n') + 1 == latin1.size()) return escapedLine(latin1);
    std::string out = "\"\"";
    std::size_t begin = 0;
    while (begin < latin1.size()) {
        const std::size_t end = latin1.find('\n', begin);
        const std::size_t next = end == std::string::npos ? latin1.size() : end + 1;
        out += '\n' + escapedLine(latin1.substr(begin, next - begin));
        begin = next;
    }
    return out;
}

std::string PoWriter::fileText(const ExchangeDocument& document)
{
    std::string out = "# Keypad texts of " + TextCodec::latin1ToUtf8(document.original) + " for translation.\n# " +
                      ExchangeDocument::kEscapeNote + "\nmsgid \"\"\nmsgstr \"\"\n";
    const auto header = [&](const std::string& field, const std::string& value) {
        out += escapedLine(field + ": " + value + "\n") + '\n';
    };
    header("Project-Id-Version", document.original);
    header("PO-Revision-Date", document.revisionDate);
    header("Last-Translator", "");
    header("Language-Team", "");
    header("Language", document.targetLanguage);
    header("MIME-Version", "1.0");
    header("Content-Type", "text/plain; charset=UTF-8");
    header("Content-Transfer-Encoding", "8bit");
    header("X-Generator", document.generator);
    header("X-Source-Language", document.sourceLanguage);
    for (const ExchangeUnit& unit : document.units) {
        const std::string comment = std::string(kUnitPrefix) + unit.id + "\n#. " + UnitNotes::place(unit) + "\n#. " +
                                    UnitNotes::limit(unit) + ": " + UnitNotes::cellsAndRows(unit);
        std::string flags = UnitNotes::flags(unit);
        // gettext's check refuses a translation whose first or last line break differs
        // from the source's; a fuzzy entry is left out of that check and still carries the text.
        const bool breaksDiffer =
            !unit.target.empty() && (startsWithBreak(unit.source) != startsWithBreak(unit.target) ||
                                     endsWithBreak(unit.source) != endsWithBreak(unit.target));
        if (unit.target == unit.source || breaksDiffer) flags = "fuzzy, " + flags;
        out += "\n#. " + TextCodec::latin1ToUtf8(comment) + "\n#, " + flags + "\nmsgctxt " + escapedLine(unit.id) +
               "\nmsgid " + quoted(unit.source) + "\nmsgstr " + quoted(unit.target) + '\n';
    }
    return out;
}

} // namespace kpd
