#include "glossarycheck.h"

#include "glossary.h"

namespace kpd {

namespace {

// Every form that says the term: what the custom text may hold instead of the full form.
std::vector<const std::string*> approvedForms(const GlossaryForms& forms)
{
    std::vector<const std::string*> all;
    if (!forms.full.empty()) all.push_back(&forms.full);
    for (const auto* list : {&forms.shortForms, &forms.synonyms})
        for (const std::string& form : *list) all.push_back(&form);
    return all;
}

bool holdsAny(const std::string& text, const std::vector<const std::string*>& forms)
{
    for (const std::string* form : forms)
        if (Glossary::findWord(text, *form) != std::string::npos) return true;
    return false;
}

std::string listed(const std::vector<const std::string*>& forms)
{
    std::string out;
    for (const std::string* form : forms) out += (out.empty() ? "" : ", ") + TextChecker::quoted(*form);
    return out;
}

} // namespace

void GlossaryCheck::check(const CheckInput& input, TextChecker::Found& found)
{
    if (!input.glossary || input.glossary->empty() || input.customLanguage.empty()) return;
    for (std::size_t p = 0; p < input.params.size(); ++p) {
        const CheckInput::ParamTexts& param = input.params[p];
        for (std::size_t m = 0; m < param.modes.size(); ++m)
            for (TextField field : {TextField::Description, TextField::Help}) {
                std::vector<Problem> problems;
                checkText(input, param, param.modes[m], field, problems);
                if (!problems.empty()) {
                    std::vector<Problem>& at = found[{p, m, field}];
                    std::move(problems.begin(), problems.end(), std::back_inserter(at));
                }
            }
    }
}

void GlossaryCheck::checkText(const CheckInput& input, const CheckInput::ParamTexts& param,
                              const CheckInput::ModeTexts& mode, TextField field, std::vector<Problem>& out)
{
    if (!mode.hasText(field)) return;
    const std::string& text = mode.text(field);
    // The custom set may still be the reference itself: then it is no translation yet.
    const bool translated = !mode.refHasText(field) || text != mode.refText(field);
    for (const GlossaryTerm& term : input.glossary->terms()) {
        const GlossaryForms* custom = term.forms(input.customLanguage);
        if (!custom) continue;
        const std::vector<const std::string*> approved = approvedForms(*custom);
        for (const std::string& form : custom->forbidden)
            if (Glossary::findWord(text, form) != std::string::npos)
                out.push_back(TextChecker::make(ProblemKind::Glossary, param, mode, field,
                                                "Forbidden form " + TextChecker::quoted(form) +
                                                    (approved.empty() ? std::string() : "; use " + listed(approved))));
        const GlossaryForms* reference = term.forms(input.referenceLanguage);
        if (!translated || !reference || approved.empty() || !mode.refHasText(field)) continue;
        const std::vector<const std::string*> referenceForms = approvedForms(*reference);
        for (const std::string* form : referenceForms) {
            if (Glossary::findWord(mode.refText(field), *form) == std::string::npos) continue;
            if (!holdsAny(text, approved))
                out.push_back(TextChecker::make(ProblemKind::Glossary, param, mode, field,
                                                "The reference has " + TextChecker::quoted(*form) + "; none of " +
                                                    listed(approved) + " is used"));
            break;
        }
    }
}

} // namespace kpd
