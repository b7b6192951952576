#pragma once

#include "exchange/translationexport.h"

#include <iosfwd>
#include <string>

namespace kpd {

class TheApp;

// `kpdtool export-translation` and `import-translation`: the custom set out to a translation
// file and a translation file back into a new keypad data file, on a loaded drive.
class TranslationCommands {
public:
    enum ExitCode { Success = 0, SomeRefused = 1, BadInput = 2 };

    TranslationCommands(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // "xliff12", "xliff21" or "po"; false for another name.
    static bool formatNamed(const std::string& name, ExchangeFormat& format);
    // The current time as a PO header writes it.
    static std::string revisionDateNow();

    // With a font file, a copy of it goes beside the exported file.
    int exportTranslation(const TheApp& app, const TranslationExport::Options& options, ExchangeFormat format,
                          const std::string& outFile, const std::string& fontFile = {});
    // Exit 0 when every unit was taken, 1 when some were refused or unplaced.
    int importTranslation(TheApp& app, const std::string& inFile, const std::string& newFile, bool json);

private:
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace kpd
