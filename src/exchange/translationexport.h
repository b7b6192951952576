#pragma once

#include "exchangedocument.h"
#include "translationfile.h"

#include "compare/setsnapshot.h"

#include <string>

namespace kpd {

class TheApp;

// Which texts of the custom set go out to the translators.
enum class ExportSelection {
    All,
    Empty,
    Unchanged,
    // Changed since a base file: the texts a new release touched.
    ChangedSince,
};

// The custom set's descriptions and help texts against a reference set, as units with
// their limits. Units, limits and defaults are the drive's, not texts, and stay home; so
// do records the custom set does not define and texts the reference leaves empty.
class TranslationExport {
public:
    struct Options {
        // Empty: the main reference language, the drive's first.
        std::string referenceKey;
        std::string targetLanguage = "und";
        ExportSelection selection = ExportSelection::All;
        // For ChangedSince.
        const SetSnapshot* base = nullptr;
        // The data file's name, for the exported file's `original`.
        std::string original;
        std::string revisionDate;
    };

    // The keypad's glyphs as a font, beside the sample drive data; an export can put it
    // beside the file for a tool that checks the rendered size of a text.
    static constexpr const char* kFontFile = "keypad-lcd.ttf";
    static constexpr int kDescriptionLines = 2;
    static constexpr int kColumns = 16;
    // Two lines of 16 and the break between them.
    static constexpr int kDescriptionLength = kDescriptionLines * kColumns + 1;

    // Throws ModelError when the reference set does not exist.
    static ExchangeDocument build(const TheApp& app, const Options& options);
    // The set named by key or language tag; the drive's first language when wanted is empty.
    static std::string referenceKeyOf(const TheApp& app, const std::string& wanted);
    static std::string fileText(const ExchangeDocument& document, ExchangeFormat format);
    // Builds and writes the file; with a font file, a copy of it goes beside. The font is
    // read first, so that a missing one leaves nothing half exported. Throws FileReadError
    // (naming the font), FileWriteError or ModelError. Returns the number of texts written.
    static std::size_t writeFiles(const TheApp& app, const Options& options, ExchangeFormat format,
                                  const std::string& outFile, const std::string& fontFile = {});
};

} // namespace kpd
