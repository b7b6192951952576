#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

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
};

inline constexpr std::array<ProblemKind, 11> kAllProblemKinds{
    ProblemKind::Empty,         ProblemKind::Unchanged,    ProblemKind::Overflow,      ProblemKind::NoGlyph,
    ProblemKind::TrailingSpace, ProblemKind::ModeMismatch, ProblemKind::NearDuplicate, ProblemKind::Glossary,
    ProblemKind::Inconsistent,  ProblemKind::Ambiguous,    ProblemKind::SourceHeadroom};

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
};

} // namespace kpd
