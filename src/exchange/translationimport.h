#pragma once

#include "translationfile.h"

#include "compare/difference.h"
#include "compare/setsnapshot.h"

#include <string>
#include <vector>

namespace kpd {

class TheApp;
class stringData;

// Places the units of a translation file in the custom set and turns them into keypad text.
// A unit that does not fit the keypad is refused with its reason, one whose id names no
// text is reported unplaced; the rest can be taken. Nothing here changes the set: taking
// is the caller's choice.
class TranslationImport {
public:
    struct Imported {
        std::string id;
        std::string menuKey;
        std::string paraKey;
        std::string modeKey;
        Field field = Field::Description;
        std::string text;
        // The reference text the translator saw is no longer the reference's.
        bool sourceChanged = false;
        // Spaces at a line end: the keypad shows nothing for them, and they cost bytes.
        bool trailingSpaces = false;
    };
    struct Rejected {
        std::string id;
        long line = 0;
        std::string reason;
    };
    struct Result {
        std::string referenceKey;
        std::vector<Imported> imported;
        std::vector<Rejected> refused;
        std::vector<Rejected> unplaced;
        // Units that came back without a translation: the custom text stays as it is.
        int untranslated = 0;
        bool complete() const { return refused.empty() && unplaced.empty(); }
    };

    // Throws ModelError naming the file and line for a file no unit of which may be taken:
    // a source language that is no set of the drive, an id given twice.
    static Result match(const TheApp& app, const TranslationFile& file);
    // The texts written into the set as edits write them, undo slots included.
    static void apply(const Result& result, stringData& set);
    // `ours` with the imported texts in place: the other side of a comparison.
    static SetSnapshot theirs(const SetSnapshot& ours, const Result& result);
    // The common base of that comparison: `ours`, but the reference text wherever the
    // translation brings another text, since that is what the translator started from.
    // A text we left empty or as the reference is then theirs alone; one we changed too is a
    // conflict.
    static SetSnapshot base(const SetSnapshot& ours, const SetSnapshot& reference, const Result& result);
};

} // namespace kpd
