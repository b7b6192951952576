#include "glossarytable.h"

namespace kpd {

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> splitForms(const std::string& text)
{
    std::vector<std::string> forms;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find(';', from), text.size());
        std::string form = trimmed(text.substr(from, end - from));
        if (!form.empty()) forms.push_back(std::move(form));
        from = end + 1;
    }
    return forms;
}

std::string joinForms(const std::vector<std::string>& forms)
{
    std::string text;
    for (const std::string& form : forms) text += (text.empty() ? "" : "; ") + form;
    return text;
}

// For the forms of a term or of a const term alike.
template <typename Forms>
auto listOf(Forms& forms, GlossaryTable::Part part) -> decltype(&forms.shortForms)
{
    switch (part) {
    case GlossaryTable::Part::Short: return &forms.shortForms;
    case GlossaryTable::Part::Other: return &forms.synonyms;
    case GlossaryTable::Part::Forbidden: return &forms.forbidden;
    default: return nullptr;
    }
}

} // namespace

GlossaryTable::GlossaryTable(Glossary glossary, const std::vector<std::string>& languages)
    : glossary_(std::move(glossary))
{
    showLanguages(languages);
}

void GlossaryTable::showLanguages(const std::vector<std::string>& languages)
{
    columns_.clear();
    for (const std::string& language : languages)
        for (Part part : {Part::Full, Part::Short, Part::Other, Part::Forbidden}) columns_.push_back({language, part});
    columns_.push_back({{}, Part::Note});
}

std::string GlossaryTable::title(const Column& column)
{
    switch (column.part) {
    case Part::Full: return column.language;
    case Part::Short: return column.language + " short";
    case Part::Other: return column.language + " other";
    case Part::Forbidden: return column.language + " forbidden";
    case Part::Note: return "note";
    }
    return {};
}

std::string GlossaryTable::cell(std::size_t row, std::size_t column) const
{
    const GlossaryTerm& term = glossary_.terms().at(row);
    const Column& at = columns_.at(column);
    if (at.part == Part::Note) return term.note;
    const GlossaryForms* forms = term.forms(at.language);
    if (!forms) return {};
    if (at.part == Part::Full) return forms->full;
    return joinForms(*listOf(*forms, at.part));
}

void GlossaryTable::setCell(std::size_t row, std::size_t column, const std::string& text)
{
    if (cell(row, column) == text) return;
    GlossaryTerm& term = glossary_.terms().at(row);
    const Column& at = columns_.at(column);
    edited_ = true;
    if (at.part == Part::Note) {
        term.note = text;
        return;
    }
    GlossaryForms& forms = term.formsFor(at.language);
    if (at.part == Part::Full)
        forms.full = trimmed(text);
    else
        *listOf(forms, at.part) = splitForms(text);
}

std::size_t GlossaryTable::addTerm(const std::string& language, const std::string& full)
{
    GlossaryTerm& term = glossary_.terms().emplace_back();
    term.formsFor(language).full = trimmed(full);
    edited_ = true;
    return glossary_.terms().size() - 1;
}

void GlossaryTable::removeTerm(std::size_t row)
{
    glossary_.terms().erase(glossary_.terms().begin() + static_cast<std::ptrdiff_t>(row));
    edited_ = true;
}

bool GlossaryTable::shows(std::size_t row, std::string_view filter) const
{
    return Glossary::matches(glossary_.terms().at(row), filter);
}

} // namespace kpd
