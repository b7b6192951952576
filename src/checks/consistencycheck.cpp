#include "consistencycheck.h"

#include "keypadtextlayout.h"

#include "build/escapes.h"

#include <algorithm>
#include <unordered_map>

namespace kpd {

std::string ConsistencyCheck::translationKey(TextField field, const std::string& referenceText)
{
    return std::string(field == TextField::Description ? "d\n" : "h\n") + referenceText;
}

int ConsistencyCheck::used(TextField field, const std::string& escaped)
{
    if (field == TextField::Help) return static_cast<int>(escaped.size());
    // A translation may break its lines elsewhere: the room is in the characters.
    const std::string bytes = decodeEscapes(escaped, false);
    return static_cast<int>(std::count_if(bytes.begin(), bytes.end(), [](char c) { return c != '\r' && c != '\n'; }));
}

int ConsistencyCheck::limit(TextField field, int maxHelpChars)
{
    return field == TextField::Description ? KeypadTextLayout::kDescriptionLines * KeypadTextLayout::kDisplayColumns
                                           : std::max(maxHelpChars, 0);
}

void ConsistencyCheck::inconsistent(const CheckInput& input, TextChecker::Found& found)
{
    struct Variant {
        const std::string* text;
        std::vector<TextChecker::Location> at;
    };
    // A variant's stored copy goes only when no text outside its group keeps it.
    std::unordered_map<std::string, int> uses;
    std::unordered_map<std::string, std::vector<Variant>> groups;
    std::vector<std::string> order;
    for (std::size_t p = 0; p < input.params.size(); ++p) {
        for (std::size_t m = 0; m < input.params[p].modes.size(); ++m) {
            const CheckInput::ModeTexts& mode = input.params[p].modes[m];
            for (TextField field : {TextField::Description, TextField::Help}) {
                if (!mode.hasText(field)) continue;
                ++uses[translationKey(field, mode.text(field))];
                if (!mode.refHasText(field)) continue;
                const std::string key = translationKey(field, mode.refText(field));
                auto [group, added] = groups.try_emplace(key);
                if (added) order.push_back(key);
                auto same = std::find_if(group->second.begin(), group->second.end(),
                                         [&](const Variant& v) { return *v.text == mode.text(field); });
                if (same == group->second.end())
                    same = group->second.insert(group->second.end(), Variant{&mode.text(field), {}});
                same->at.emplace_back(p, m, field);
            }
        }
    }
    for (const std::string& key : order) {
        const std::vector<Variant>& variants = groups[key];
        if (variants.size() < 2) continue;
        const auto usual = std::max_element(variants.begin(), variants.end(), [](const Variant& a, const Variant& b) {
            return a.at.size() < b.at.size();
        });
        for (const Variant& variant : variants) {
            if (&variant == &*usual) continue;
            const auto [p0, m0, field0] = variant.at.front();
            const bool onlyHere = uses[translationKey(field0, *variant.text)] == static_cast<int>(variant.at.size());
            bool first = true;
            for (const TextChecker::Location& at : variant.at) {
                const auto& [p, m, field] = at;
                const CheckInput::ParamTexts& param = input.params[p];
                const CheckInput::ModeTexts& mode = param.modes[m];
                Problem problem = TextChecker::make(ProblemKind::Inconsistent, param, mode, field,
                                                    "Reference " + TextChecker::quoted(mode.refText(field)) +
                                                        " is translated " + std::to_string(variants.size()) +
                                                        " ways; most often as " + TextChecker::quoted(*usual->text));
                problem.suggestion = *usual->text;
                // As for near-duplicates: the stored copy and its terminator, counted once.
                problem.bytes =
                    first && onlyHere ? static_cast<int>(decodeEscapes(*variant.text, false).size() + 1) : 0;
                first = false;
                found[at].push_back(std::move(problem));
            }
        }
    }
}

void ConsistencyCheck::ambiguous(const CheckInput& input, TextChecker::Found& found)
{
    // Per menu and mode: the parameters by their custom description.
    std::map<std::tuple<std::string, std::string, std::string>, std::vector<std::pair<std::size_t, std::size_t>>> same;
    for (std::size_t p = 0; p < input.params.size(); ++p)
        for (std::size_t m = 0; m < input.params[p].modes.size(); ++m) {
            const CheckInput::ModeTexts& mode = input.params[p].modes[m];
            if (mode.hasText(TextField::Description) && mode.refHasText(TextField::Description))
                same[{input.params[p].menuKey, mode.modeKey, mode.desc}].emplace_back(p, m);
        }
    for (const auto& [key, members] : same) {
        for (const auto& [p, m] : members) {
            std::string others;
            for (const auto& [q, n] : members)
                if (q != p && input.params[q].modes[n].refDesc != input.params[p].modes[m].refDesc)
                    others += (others.empty() ? "" : ", ") + input.params[q].paraKey;
            if (others.empty()) continue;
            const CheckInput::ParamTexts& param = input.params[p];
            found[{p, m, TextField::Description}].push_back(
                TextChecker::make(ProblemKind::Ambiguous, param, param.modes[m], TextField::Description,
                                  "Same description as " + others + " although the reference descriptions differ"));
        }
    }
}

void ConsistencyCheck::sourceHeadroom(const CheckInput& input, TextChecker::Found& found)
{
    for (std::size_t p = 0; p < input.params.size(); ++p)
        for (std::size_t m = 0; m < input.params[p].modes.size(); ++m) {
            const CheckInput::ModeTexts& mode = input.params[p].modes[m];
            for (TextField field : {TextField::Description, TextField::Help}) {
                if (!mode.refHasText(field)) continue;
                const int usedCells = used(field, mode.refText(field));
                const int allowed = limit(field, input.maxHelpChars);
                if (allowed == 0 || usedCells * 100 <= allowed * kHeadroomPercent) continue;
                const std::string unit = field == TextField::Description ? " cells" : " characters";
                found[{p, m, field}].push_back(TextChecker::make(
                    ProblemKind::SourceHeadroom, input.params[p], mode, field,
                    "The reference uses " + std::to_string(usedCells) + " of " + std::to_string(allowed) + unit + " (" +
                        std::to_string(usedCells * 100 / allowed) + " %)"));
            }
        }
}

} // namespace kpd
