#include "textrows.h"

#include "checkinput.h"
#include "reviewmarks.h"
#include "textchecker.h"

#include "model/theapp.h"

#include <algorithm>
#include <array>

namespace kpd {

namespace {

const std::string kNoText;

// What the Problems panel lists for a translator: the default kinds, unchanged texts and,
// where the custom set has a dictionary, spelling.
TextChecker::Options translatorKinds(std::shared_ptr<const SpellChecker> speller)
{
    TextChecker::Options options;
    options.kinds = TextChecker::defaultKinds();
    options.kinds.insert(ProblemKind::Unchanged);
    if (speller) options.kinds.insert(ProblemKind::Spelling);
    options.spelling = std::move(speller);
    return options;
}

// Kinds found only by comparing texts across parameters: checking one parameter alone
// cannot find or clear them.
constexpr std::array<ProblemKind, 3> kAcrossParameters{ProblemKind::NearDuplicate, ProblemKind::Inconsistent,
                                                       ProblemKind::Ambiguous};

} // namespace

TextRows::TextRows(TheApp& app, ReviewMarks& marks) : app_(app), marks_(marks)
{
}

void TextRows::rebuild()
{
    rows_.clear();
    stringData* custom = app_.stringDatas().find(app_.getCustKey());
    const stringData* reference = app_.stringDatas().find(app_.getRefKey());
    if (custom) {
        // Walked as CheckInput walks the set, so that problems fall on rows in order.
        for (DrvMenu& menu : custom->DrvMenus()) {
            if (menu.isMapped()) continue;
            const DrvMenu* refMenu = reference ? reference->DrvMenus().find(menu.menuKey()) : nullptr;
            for (Parameter& param : menu.Parameters()) {
                const Parameter* refParam = refMenu ? refMenu->Parameters().find(param.paraKey()) : nullptr;
                for (ModeData& mode : param.modes()) {
                    const ModeData* ref = refParam ? refParam->modes().find(mode.modeKey()) : nullptr;
                    for (TextField field : {TextField::Description, TextField::Help})
                        rows_.push_back({&menu, &param, &mode, ref, field});
                }
            }
        }
    }
    baseline_.resize(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) baseline_[i] = ReviewMarks::fingerprint(text(i));
    recheck();
}

void TextRows::recheck()
{
    kinds_.assign(rows_.size(), 0);
    applyProblems(0, rows_.size(), TextChecker::check(CheckInput::fromApp(app_, glossary_), translatorKinds(speller_)));
}

void TextRows::applyProblems(std::size_t first, std::size_t end, const std::vector<Problem>& problems)
{
    std::size_t i = first;
    for (const Problem& problem : problems) {
        const auto matches = [&](std::size_t r) {
            const Row& at = rows_[r];
            return at.field == problem.field && at.param->paraKey() == problem.paraKey &&
                   at.mode->modeKey() == problem.modeKey && at.menu->menuKey() == problem.menuKey;
        };
        while (i < end && !matches(i)) ++i;
        if (i == end) break;
        kinds_[i] |= bit(problem.kind);
    }
}

TextKey TextRows::key(std::size_t i) const
{
    const Row& r = rows_[i];
    return {r.menu->menuKey(), r.param->paraKey(), r.mode->modeKey(), r.field};
}

std::optional<std::size_t> TextRows::indexOf(const TextKey& wanted) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& r = rows_[i];
        if (r.field == wanted.field && r.param->paraKey() == wanted.paraKey && r.mode->modeKey() == wanted.modeKey &&
            r.menu->menuKey() == wanted.menuKey)
            return i;
    }
    return std::nullopt;
}

const std::string& TextRows::text(std::size_t i) const
{
    const Row& r = rows_[i];
    return r.field == TextField::Description ? r.mode->getDesc() : r.mode->getHelp();
}

const std::string& TextRows::refText(std::size_t i) const
{
    const Row& r = rows_[i];
    if (!r.ref) return kNoText;
    return r.field == TextField::Description ? r.ref->getDesc() : r.ref->getHelp();
}

bool TextRows::editable(std::size_t i) const
{
    return rows_[i].mode->defined();
}

bool TextRows::has(std::size_t i, Status status) const
{
    switch (status) {
    case Status::Empty: return hasKind(i, ProblemKind::Empty);
    case Status::Unchanged: return hasKind(i, ProblemKind::Unchanged);
    case Status::Problem: return (kinds_[i] & ~(bit(ProblemKind::Empty) | bit(ProblemKind::Unchanged))) != 0;
    case Status::Edited: return ReviewMarks::fingerprint(text(i)) != baseline_[i];
    case Status::Done: return marks_.done(key(i), text(i));
    }
    return false;
}

std::optional<TextRows::Status> TextRows::shownStatus(std::size_t i) const
{
    for (Status status : {Status::Done, Status::Problem, Status::Empty, Status::Unchanged, Status::Edited})
        if (has(i, status)) return status;
    return std::nullopt;
}

std::string_view TextRows::statusName(Status status)
{
    switch (status) {
    case Status::Empty: return "empty";
    case Status::Unchanged: return "unchanged";
    case Status::Problem: return "problem";
    case Status::Edited: return "edited";
    case Status::Done: return "done";
    }
    return {};
}

std::string TextRows::statusText(std::size_t i) const
{
    const std::optional<Status> shown = shownStatus(i);
    if (!shown) return {};
    std::string out(statusName(*shown));
    if (*shown != Status::Problem) return out;
    const char* separator = ": ";
    for (ProblemKind kind : kAllProblemKinds) {
        if (kind == ProblemKind::Empty || kind == ProblemKind::Unchanged || !hasKind(i, kind)) continue;
        out += separator;
        out += kindName(kind);
        separator = ", ";
    }
    return out;
}

std::map<ProblemKind, int> TextRows::countsByKind() const
{
    std::map<ProblemKind, int> counts;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        for (ProblemKind kind : kAllProblemKinds)
            if (hasKind(i, kind)) ++counts[kind];
    return counts;
}

bool TextRows::setText(std::size_t i, const std::string& newText)
{
    if (!editable(i) || text(i) == newText) return false;
    Row& r = rows_[i];
    if (r.field == TextField::Description)
        r.mode->setDesc(newText);
    else
        r.mode->setHelp(newText);
    written(i);
    return true;
}

void TextRows::undo(std::size_t i)
{
    if (!editable(i)) return;
    Row& r = rows_[i];
    if (r.field == TextField::Description)
        r.mode->undoD();
    else
        r.mode->undoH();
    written(i);
}

void TextRows::written(std::size_t i)
{
    Row& r = rows_[i];
    r.menu->setDirty(true);
    marks_.textEdited(key(i));

    // The parameter's rows are contiguous; its texts are checked again alone. Marks that
    // compare texts across parameters stay until the next whole check.
    std::size_t first = i;
    while (first > 0 && rows_[first - 1].param == r.param) --first;
    std::size_t end = i + 1;
    while (end < rows_.size() && rows_[end].param == r.param) ++end;
    std::uint16_t kept = 0;
    TextChecker::Options options = translatorKinds(speller_);
    for (ProblemKind kind : kAcrossParameters) {
        kept |= bit(kind);
        options.kinds.erase(kind);
    }
    for (std::size_t k = first; k < end; ++k) kinds_[k] &= kept;
    applyProblems(
        first, end,
        TextChecker::check(CheckInput::fromParameter(app_, r.menu->menuKey(), r.param->paraKey(), glossary_), options));
}

void TextRows::setDone(std::size_t i, bool done)
{
    marks_.setDone(key(i), done, text(i));
}

} // namespace kpd
