#pragma once

#include "problem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kpd {

class Glossary;
class TheApp;

// The quick fix of an overflowing text: the glossary's approved short forms put in for
// the full forms, the one that saves most first, until the text fits.
class ShortFormFix {
public:
    struct Replacement {
        std::string from;
        std::string to;
    };
    struct Proposal {
        // In the escaped form the model holds.
        std::string text;
        std::vector<Replacement> replacements;
        // What the image shrinks by, as the byte budget counts it.
        std::int64_t bytesSaved = 0;
    };

    static bool fits(const std::string& escaped, TextField field, int maxHelpChars);

    // Nothing when no short form applies or the text still does not fit with all of them.
    static std::optional<Proposal> shorten(const std::string& escaped, TextField field, int maxHelpChars,
                                           const Glossary& glossary, const std::string& language);

    // The shortening of the custom text the problem names, with the bytes it saves: the
    // image of the custom set analysed as it is and with the text replaced.
    static std::optional<Proposal> propose(const TheApp& app, const Problem& problem, const Glossary& glossary,
                                           const std::string& language);
};

} // namespace kpd
