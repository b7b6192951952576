#pragma once

#include "checks/glossary.h"

#include <string>
#include <string_view>

namespace kpd {

// The glossary as a spreadsheet table, one term a row. The header names the columns: a
// language code alone for its full form, the code followed by " short", " other" or
// " forbidden" for its lists, and "note". A list holds its forms separated by ";", short
// forms in order of preference. Fields follow the usual quoting with double quotes.
class GlossaryCsv {
public:
    static constexpr char kListSeparator = ';';

    // UTF-8; a file that is not is read as Windows-1252, as spreadsheets of 8-bit systems
    // save it. Throws FileReadError for a table without a language column, naming the
    // first column it does not know.
    static Glossary parse(std::string_view table);
    static std::string text(const Glossary& glossary);
};

} // namespace kpd
