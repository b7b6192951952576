#pragma once

#include "checks/glossary.h"

#include <string>
#include <string_view>

namespace kpd {

// The glossary as a term base exchange document. Writes the basic dialect's element
// names with the status of each form in a term note; reads that and the later edition's
// names (conceptEntry, langSec, termSec), so a term base made by other terminology tools
// comes in too.
class TbxFile {
public:
    // UTF-8 with a declaration; each term an entry with an id, its note, then one language
    // set per language: the full form, the short forms in order of preference, other
    // admitted forms, then the forbidden forms.
    static std::string text(const Glossary& glossary);
    // Throws FileReadError with the parser's reason and place for a document that is not
    // well-formed or whose root is no term base.
    static Glossary parse(std::string_view document);

    static Glossary load(const std::string& path);
    // An absent file is an empty glossary.
    static Glossary loadIfPresent(const std::string& path);
    static void save(const std::string& path, const Glossary& glossary);
};

} // namespace kpd
