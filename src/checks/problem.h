#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kpd {

class ModeData;

// What is wrong with a text. The names are stable: scripts and CI jobs select kinds by them.
enum class ProblemKind {
    Empty,
    Unchanged,
    Overflow,
    NoGlyph,
    TrailingSpace,
    ModeMismatch,
    NearDuplicate,
    Glossary,
    Inconsistent,
    Ambiguous,
    SourceHeadroom,
    Spelling,
};

inline constexpr std::array<ProblemKind, 12> kAllProblemKinds{
    ProblemKind::Empty,         ProblemKind::Unchanged,    ProblemKind::Overflow,       ProblemKind::NoGlyph,
    ProblemKind::TrailingSpace, ProblemKind::ModeMismatch, ProblemKind::NearDuplicate,  ProblemKind::Glossary,
    ProblemKind::Inconsistent,  ProblemKind::Ambiguous,    ProblemKind::SourceHeadroom, ProblemKind::Spelling};

enum class TextField { Description, Help };

std::string_view kindName(ProblemKind kind);
// Nothing for a name that is no kind.
std::optional<ProblemKind> kindFromName(std::string_view name);
std::string_view fieldName(TextField field);
// The stored text of one field of a mode.
const std::string& textOf(const ModeData& mode, TextField field);

// One problem of one text of the custom set, found by TextChecker.
struct Problem {
    ProblemKind kind = ProblemKind::Empty;
    std::string menuKey;
    std::string paraKey;
    std::string modeKey;
    TextField field = TextField::Description;
    std::string message;
    // A replacement in the escaped form the model holds: the whole text for trailing spaces,
    // near-duplicates, inconsistent translations, mode mismatches and overflows that short
    // forms mend, the replacement of one character for a missing glyph.
    std::optional<std::string> suggestion;
    // What fixing it would save in the string database.
    int bytes = 0;
    // Further whole-text replacements after the suggestion, as the spelling dictionary
    // ranks them.
    std::vector<std::string> alternatives;
    // The text the problem was found in and the characters of it the problem is about, where
    // the fix replaces a part of it: a text changed since is not fixed.
    std::string checkedText;
    std::size_t partBegin = 0;
    std::size_t partEnd = 0;
};

} // namespace kpd
