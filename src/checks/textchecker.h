#pragma once

#include "checkinput.h"
#include "problem.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace kpd {

class SpellChecker;

// Walks a snapshot of the custom set against the reference set and lists the problems of
// its texts, in menu, parameter and mode order.
class TextChecker {
public:
    struct Options {
        // Identical texts are only a fault in a translation; a set that copies the
        // reference would report nearly every text, so unchanged is asked for explicitly.
        std::set<ProblemKind> kinds = defaultKinds();
        // Spelling is checked only with a dictionary for the custom set's language. Its
        // problems come without corrections: SpellingProblems::addFixes asks for them.
        std::shared_ptr<const SpellChecker> spelling;
    };

    static std::set<ProblemKind> defaultKinds();

    static std::vector<Problem> check(const CheckInput& input, const Options& options);
    static std::vector<Problem> check(const CheckInput& input) { return check(input, Options{}); }

    // The key under which texts count as near-duplicates: what the build would store, in
    // lower case, without trailing spaces and final punctuation. Descriptions with another
    // unit prefix never share a string, so the unit is part of the key.
    static std::string nearDuplicateKey(TextField field, std::int16_t unit, const std::string& escaped);

    // A text by its parameter's and mode's indexes in the input; problems found over the
    // whole set wait under it to join the text's own in order.
    using Location = std::tuple<std::size_t, std::size_t, TextField>;
    using Found = std::map<Location, std::vector<Problem>>;

    static Problem make(ProblemKind kind, const CheckInput::ParamTexts& param, const CheckInput::ModeTexts& mode,
                        TextField field, std::string message);
    // Long help texts would drown the message that quotes them.
    static std::string quoted(const std::string& text);

private:
    static void checkText(const CheckInput& input, const CheckInput::ParamTexts& param,
                          const CheckInput::ModeTexts& mode, TextField field, const Options& options,
                          std::vector<Problem>& out);
    static void checkGlyphs(const CheckInput::ParamTexts& param, const CheckInput::ModeTexts& mode, TextField field,
                            std::vector<Problem>& out);
    static void checkSpelling(const CheckInput::ParamTexts& param, const CheckInput::ModeTexts& mode, TextField field,
                              const SpellChecker& speller, std::vector<Problem>& out);
    static void checkModes(const CheckInput::ParamTexts& param, std::size_t p, TextField field, Found& found);
    static void checkNearDuplicates(const CheckInput& input, Found& found);
};

} // namespace kpd
