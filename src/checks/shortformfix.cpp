#include "shortformfix.h"

#include "glossary.h"
#include "keypadtextlayout.h"

#include "build/sizeanalysis.h"
#include "build/stringcollector.h"
#include "model/theapp.h"

#include <algorithm>

namespace kpd {

namespace {

struct Candidate {
    std::string from;
    std::string to;
    std::size_t saving;
};

// The first approved short form shorter than what it replaces: the preferred one unless
// it saves nothing.
const std::string* shorterForm(const GlossaryForms& forms, const std::string& from)
{
    for (const std::string& form : forms.shortForms)
        if (form.size() < from.size()) return &form;
    return nullptr;
}

std::string replacedWords(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = Glossary::findWord(text, from); at != std::string::npos;
         at = Glossary::findWord(text, from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

bool ShortFormFix::fits(const std::string& escaped, TextField field, int maxHelpChars)
{
    if (field == TextField::Description)
        return KeypadTextLayout::displayLines(escaped) <= KeypadTextLayout::kDescriptionLines;
    return escaped.size() <= static_cast<std::size_t>(std::max(maxHelpChars, 0));
}

std::optional<ShortFormFix::Proposal> ShortFormFix::shorten(const std::string& escaped, TextField field,
                                                            int maxHelpChars, const Glossary& glossary,
                                                            const std::string& language)
{
    std::vector<Candidate> candidates;
    for (const GlossaryTerm& term : glossary.terms()) {
        const GlossaryForms* forms = term.forms(language);
        if (!forms) continue;
        std::vector<const std::string*> longForms{&forms->full};
        for (const std::string& synonym : forms->synonyms) longForms.push_back(&synonym);
        for (const std::string* from : longForms) {
            const std::string* to = shorterForm(*forms, *from);
            if (to && Glossary::findWord(escaped, *from) != std::string::npos)
                candidates.push_back({*from, *to, from->size() - to->size()});
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.saving > b.saving; });
    Proposal proposal;
    proposal.text = escaped;
    for (const Candidate& candidate : candidates) {
        if (fits(proposal.text, field, maxHelpChars)) break;
        std::string shorter = replacedWords(proposal.text, candidate.from, candidate.to);
        if (shorter == proposal.text) continue;
        proposal.text = std::move(shorter);
        proposal.replacements.push_back({candidate.from, candidate.to});
    }
    if (proposal.replacements.empty() || !fits(proposal.text, field, maxHelpChars)) return std::nullopt;
    return proposal;
}

std::optional<ShortFormFix::Proposal> ShortFormFix::propose(const TheApp& app, const Problem& problem,
                                                            const Glossary& glossary, const std::string& language)
{
    const DrvMenu* menu = app.getCustMenus().find(problem.menuKey);
    const Parameter* parameter = menu ? menu->Parameters().find(problem.paraKey) : nullptr;
    const ModeData* record = parameter ? parameter->modes().find(problem.modeKey) : nullptr;
    if (!record) return std::nullopt;
    const bool help = problem.field == TextField::Help;
    std::optional<Proposal> proposal =
        shorten(help ? record->getHelp() : record->getDesc(), problem.field, app.maxRecChars(), glossary, language);
    if (!proposal) return std::nullopt;

    SizeInput input = SizeAnalysis::collect(app);
    const SizeReport before = SizeAnalysis::analyse(input);
    const auto modes = StringCollector::slotModes(app, *menu);
    for (ParamStrings& strings : input.records) {
        if (strings.menuKey != problem.menuKey || strings.paraKey != problem.paraKey) continue;
        for (std::size_t slot = 0; slot < kModeSlots; ++slot)
            if (modes[slot] == problem.modeKey)
                (help ? strings.helps : strings.descriptions)[slot] =
                    StringCollector::keypadText(proposal->text, help, record->unit());
    }
    const SizeReport after = SizeAnalysis::analyse(input);
    if (before.built() && after.built())
        proposal->bytesSaved = static_cast<std::int64_t>(before.totalBytes) - after.totalBytes;
    return proposal;
}

} // namespace kpd
