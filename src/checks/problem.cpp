#include "problem.h"

#include "model/modedata.h"

namespace kpd {

std::string_view kindName(ProblemKind kind)
{
    switch (kind) {
    case ProblemKind::Empty: return "empty";
    case ProblemKind::Unchanged: return "unchanged";
    case ProblemKind::Overflow: return "overflow";
    case ProblemKind::NoGlyph: return "no-glyph";
    case ProblemKind::TrailingSpace: return "trailing-space";
    case ProblemKind::ModeMismatch: return "mode-mismatch";
    case ProblemKind::NearDuplicate: return "near-duplicate";
    case ProblemKind::Glossary: return "glossary";
    case ProblemKind::Inconsistent: return "inconsistent";
    case ProblemKind::Ambiguous: return "ambiguous";
    case ProblemKind::SourceHeadroom: return "source-headroom";
    case ProblemKind::Spelling: return "spelling";
    }
    return {};
}

std::optional<ProblemKind> kindFromName(std::string_view name)
{
    for (ProblemKind kind : kAllProblemKinds)
        if (kindName(kind) == name) return kind;
    return std::nullopt;
}

std::string_view fieldName(TextField field)
{
    return field == TextField::Description ? "description" : "help";
}

const std::string& textOf(const ModeData& mode, TextField field)
{
    return field == TextField::Description ? mode.getDesc() : mode.getHelp();
}

} // namespace kpd
