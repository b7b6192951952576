#include "glossarycsv.h"

#include "documentencoding.h"
#include "textcodec.h"

#include "fileio/filereaderror.h"

#include <algorithm>
#include <vector>

namespace kpd {

namespace {

enum class Column { Full, Short, Other, Forbidden, Note };

struct ColumnRole {
    Column column = Column::Note;
    std::string language;
};

std::vector<std::vector<std::string>> records(std::string_view table)
{
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const char c = table[i];
        if (quoted) {
            if (c == '"' && i + 1 < table.size() && table[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < table.size() && table[i + 1] == '\n') ++i;
            rows.back().push_back(std::move(field));
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    rows.back().push_back(std::move(field));
    std::erase_if(rows, [](const std::vector<std::string>& row) { return row.size() == 1 && row[0].empty(); });
    return rows;
}

std::string toModelText(std::string_view table)
{
    if (table.substr(0, 3) == "\xEF\xBB\xBF") table.remove_prefix(3);
    if (DocumentEncoding::of(table).kind() == DocumentEncoding::Kind::Utf8) return TextCodec::utf8ToLatin1(table);
    std::string latin1;
    for (char c : table) {
        const int code = TextCodec::windows1252CodePoint(static_cast<unsigned char>(c));
        latin1 += code > 0xFF ? '?' : static_cast<char>(code);
    }
    return latin1;
}

std::string trimmed(std::string text)
{
    while (!text.empty() && text.front() == ' ') text.erase(0, 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// "fr", "fr-FR", "pt_BR", "gsw": two or three letters, then subtags of letters and digits.
bool isLanguageCode(const std::string& code)
{
    const std::size_t primary = std::min(code.find_first_of("-_"), code.size());
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (primary < 2 || primary > 3 || !std::all_of(code.begin(), code.begin() + primary, letter)) return false;
    return std::all_of(code.begin() + primary, code.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_'; });
}

ColumnRole roleOf(const std::string& header)
{
    const std::string name = trimmed(header);
    if (name == "note") return {Column::Note, {}};
    const std::size_t space = name.find(' ');
    const std::string code = name.substr(0, space);
    const std::string suffix = space == std::string::npos ? std::string() : name.substr(space + 1);
    if (!isLanguageCode(code)) throw FileReadError("the column \"" + header + "\" is neither a language nor \"note\"");
    if (suffix.empty()) return {Column::Full, code};
    if (suffix == "short") return {Column::Short, code};
    if (suffix == "other") return {Column::Other, code};
    if (suffix == "forbidden") return {Column::Forbidden, code};
    throw FileReadError("the column \"" + header + "\" is neither a language nor \"note\"");
}

std::vector<std::string> splitList(const std::string& cell)
{
    std::vector<std::string> forms;
    std::size_t from = 0;
    while (from <= cell.size()) {
        const std::size_t end = std::min(cell.find(GlossaryCsv::kListSeparator, from), cell.size());
        std::string form = trimmed(cell.substr(from, end - from));
        if (!form.empty()) forms.push_back(std::move(form));
        from = end + 1;
    }
    return forms;
}

std::string field(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string joined(const std::vector<std::string>& forms)
{
    std::string out;
    for (const std::string& form : forms)
        out += (out.empty() ? "" : std::string(1, GlossaryCsv::kListSeparator)) + form;
    return out;
}

} // namespace

Glossary GlossaryCsv::parse(std::string_view table)
{
    const std::vector<std::vector<std::string>> rows = records(toModelText(table));
    Glossary glossary;
    if (rows.empty()) return glossary;
    std::vector<ColumnRole> roles;
    bool anyLanguage = false;
    for (const std::string& header : rows.front()) {
        roles.push_back(roleOf(header));
        anyLanguage = anyLanguage || roles.back().column != Column::Note;
    }
    if (!anyLanguage) throw FileReadError("the first line names no language column");
    for (std::size_t r = 1; r < rows.size(); ++r) {
        GlossaryTerm term;
        for (std::size_t c = 0; c < rows[r].size() && c < roles.size(); ++c) {
            const std::string& cell = rows[r][c];
            if (cell.empty()) continue;
            const ColumnRole& role = roles[c];
            if (role.column == Column::Note) {
                term.note = cell;
                continue;
            }
            GlossaryForms& forms = term.formsFor(role.language);
            if (role.column == Column::Full) forms.full = trimmed(cell);
            if (role.column == Column::Short) forms.shortForms = splitList(cell);
            if (role.column == Column::Other) forms.synonyms = splitList(cell);
            if (role.column == Column::Forbidden) forms.forbidden = splitList(cell);
        }
        if (!term.languages.empty() || !term.note.empty()) glossary.terms().push_back(std::move(term));
    }
    return glossary;
}

std::string GlossaryCsv::text(const Glossary& glossary)
{
    const std::vector<std::string> languages = glossary.languages();
    std::string out;
    for (const std::string& code : languages)
        out += field(code) + "," + field(code + " short") + "," + field(code + " other") + "," +
               field(code + " forbidden") + ",";
    out += "note\r\n";
    for (const GlossaryTerm& term : glossary.terms()) {
        for (const std::string& code : languages) {
            const auto found = term.languages.find(code);
            const GlossaryForms forms = found == term.languages.end() ? GlossaryForms() : found->second;
            out += field(forms.full) + "," + field(joined(forms.shortForms)) + "," + field(joined(forms.synonyms)) +
                   "," + field(joined(forms.forbidden)) + ",";
        }
        out += field(term.note) + "\r\n";
    }
    return TextCodec::latin1ToUtf8(out);
}

} // namespace kpd
