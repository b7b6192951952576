#pragma once

#include "glossary.h"

#include <string>
#include <string_view>
#include <vector>

namespace kpd {

// The glossary as the Glossary window's table shows it: a row per term; per language shown
// a column of the full form and one each of the short, other and forbidden forms (lists
// joined by "; "), then the note. Languages the table does not show are kept as they are.
class GlossaryTable {
public:
    enum class Part { Full, Short, Other, Forbidden, Note };
    struct Column {
        std::string language;
        Part part = Part::Note;
    };

    GlossaryTable(Glossary glossary, const std::vector<std::string>& languages);

    const Glossary& glossary() const { return glossary_; }
    const std::vector<Column>& columns() const { return columns_; }
    void showLanguages(const std::vector<std::string>& languages);
    // "fr short", "en", "note": the column names the glossary's table files use.
    static std::string title(const Column& column);

    std::size_t rows() const { return glossary_.terms().size(); }
    std::string cell(std::size_t row, std::size_t column) const;
    // Lists are cut at ";", and every form trimmed; empty forms are dropped.
    void setCell(std::size_t row, std::size_t column, const std::string& text);
    // A new term whose full form in `language` is `full`, at the end; its row.
    std::size_t addTerm(const std::string& language, const std::string& full);
    void removeTerm(std::size_t row);
    // Whether the row's term has a form or note containing the filter, ignoring case.
    bool shows(std::size_t row, std::string_view filter) const;

    bool edited() const { return edited_; }
    void setSaved() { edited_ = false; }

private:
    Glossary glossary_;
    std::vector<Column> columns_;
    bool edited_ = false;
};

} // namespace kpd
