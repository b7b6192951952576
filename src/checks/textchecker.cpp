#include "textchecker.h"

#include "consistencycheck.h"
#include "glossary.h"
#include "glossarycheck.h"
#include "glyphscan.h"
#include "keypadtextlayout.h"
#include "shortformfix.h"
#include "spellingproblems.h"

#include "build/escapes.h"
#include "model/counted.h"
#include "model/helplimit.h"

#include <algorithm>
#include <unordered_map>

namespace kpd {

namespace {

const std::string& textOf(const CheckInput::ModeTexts& mode, TextField field)
{
    return field == TextField::Description ? mode.desc : mode.help;
}

const std::string& refTextOf(const CheckInput::ModeTexts& mode, TextField field)
{
    return field == TextField::Description ? mode.refDesc : mode.refHelp;
}

bool referenceHasText(const CheckInput::ModeTexts& mode, TextField field)
{
    return mode.refPresent && mode.refDefined && !refTextOf(mode, field).empty();
}

// The most frequent of the texts at the given modes; the first one seen wins a tie.
std::string majority(const std::vector<const std::string*>& texts)
{
    std::unordered_map<std::string, int> counts;
    const std::string* best = texts.front();
    int bestCount = 0;
    for (const std::string* text : texts) {
        const int count = ++counts[*text];
        if (count > bestCount) {
            best = text;
            bestCount = count;
        }
    }
    return *best;
}

} // namespace

Problem TextChecker::make(ProblemKind kind, const CheckInput::ParamTexts& param, const CheckInput::ModeTexts& mode,
                          TextField field, std::string message)
{
    Problem problem;
    problem.kind = kind;
    problem.menuKey = param.menuKey;
    problem.paraKey = param.paraKey;
    problem.modeKey = mode.modeKey;
    problem.field = field;
    problem.message = std::move(message);
    return problem;
}

std::string TextChecker::quoted(const std::string& text)
{
    constexpr std::size_t shown = 32;
    return "\"" + (text.size() > shown ? text.substr(0, shown) + "..." : text) + "\"";
}

std::set<ProblemKind> TextChecker::defaultKinds()
{
    std::set<ProblemKind> kinds(kAllProblemKinds.begin(), kAllProblemKinds.end());
    kinds.erase(ProblemKind::Unchanged);
    // Only whoever writes the reference texts can act on their headroom.
    kinds.erase(ProblemKind::SourceHeadroom);
    // Spelling needs a dictionary of the custom set's language: asked for where one is known.
    kinds.erase(ProblemKind::Spelling);
    return kinds;
}

std::string TextChecker::nearDuplicateKey(TextField field, std::int16_t unit, const std::string& escaped)
{
    std::string key = field == TextField::Description ? "d" + std::to_string(unit) : "h";
    key += '\n';
    std::string bytes = blankReservedBytes(decodeEscapes(escaped, false));
    for (char& c : bytes) c = static_cast<char>(Glossary::lowered(static_cast<unsigned char>(c)));
    const std::string ignoredAtEnd = " .,:;!?\r";
    while (!bytes.empty() && ignoredAtEnd.find(bytes.back()) != std::string::npos) bytes.pop_back();
    return key + bytes;
}

std::vector<Problem> TextChecker::check(const CheckInput& input, const Options& options)
{
    const auto wanted = [&](ProblemKind kind) { return options.kinds.count(kind) != 0; };
    Found found;
    if (wanted(ProblemKind::ModeMismatch))
        for (std::size_t p = 0; p < input.params.size(); ++p)
            for (TextField field : {TextField::Description, TextField::Help})
                checkModes(input.params[p], p, field, found);
    if (wanted(ProblemKind::NearDuplicate)) checkNearDuplicates(input, found);
    if (wanted(ProblemKind::Inconsistent)) ConsistencyCheck::inconsistent(input, found);
    if (wanted(ProblemKind::Ambiguous)) ConsistencyCheck::ambiguous(input, found);
    if (wanted(ProblemKind::SourceHeadroom)) ConsistencyCheck::sourceHeadroom(input, found);
    if (wanted(ProblemKind::Glossary)) GlossaryCheck::check(input, found);

    std::vector<Problem> problems;
    for (std::size_t p = 0; p < input.params.size(); ++p) {
        const CheckInput::ParamTexts& param = input.params[p];
        for (std::size_t m = 0; m < param.modes.size(); ++m) {
            for (TextField field : {TextField::Description, TextField::Help}) {
                checkText(input, param, param.modes[m], field, options, problems);
                const auto more = found.find({p, m, field});
                if (more != found.end())
                    std::move(more->second.begin(), more->second.end(), std::back_inserter(problems));
            }
        }
    }
    return problems;
}

void TextChecker::checkText(const CheckInput& input, const CheckInput::ParamTexts& param,
                            const CheckInput::ModeTexts& mode, TextField field, const Options& options,
                            std::vector<Problem>& out)
{
    const auto wanted = [&](ProblemKind kind) { return options.kinds.count(kind) != 0; };
    const std::string& text = textOf(mode, field);
    if (!mode.defined || text.empty()) {
        if (wanted(ProblemKind::Empty) && referenceHasText(mode, field))
            out.push_back(make(ProblemKind::Empty, param, mode, field,
                               mode.defined ? "Empty where the reference has text"
                                            : "Not defined in this mode where the reference has text"));
        return;
    }
    if (wanted(ProblemKind::Unchanged) && referenceHasText(mode, field) && text == refTextOf(mode, field))
        out.push_back(make(ProblemKind::Unchanged, param, mode, field, "Same text as the reference"));
    if (wanted(ProblemKind::Overflow)) {
        const std::size_t before = out.size();
        if (field == TextField::Description) {
            const int lines = KeypadTextLayout::displayLines(text);
            if (lines > KeypadTextLayout::kDescriptionLines)
                out.push_back(make(ProblemKind::Overflow, param, mode, field,
                                   "Takes " + std::to_string(lines) + " display lines, the keypad shows " +
                                       std::to_string(KeypadTextLayout::kDescriptionLines)));
        } else if (HelpLimit::exceeded(text.size(), input.maxHelpChars)) {
            out.push_back(
                make(ProblemKind::Overflow, param, mode, field,
                     std::to_string(text.size()) + " characters, at most " + std::to_string(input.maxHelpChars)));
        }
        // The glossary's short forms are the fix, where they make the text fit.
        if (out.size() > before && input.glossary && !input.customLanguage.empty())
            if (auto shorter =
                    ShortFormFix::shorten(text, field, input.maxHelpChars, *input.glossary, input.customLanguage))
                out.back().suggestion = std::move(shorter->text);
    }
    if (wanted(ProblemKind::NoGlyph)) checkGlyphs(param, mode, field, out);
    if (wanted(ProblemKind::Spelling) && options.spelling) checkSpelling(param, mode, field, *options.spelling, out);
    if (wanted(ProblemKind::TrailingSpace)) {
        KeypadTextLayout::Stripped stripped = KeypadTextLayout::stripTrailingSpaces(text);
        if (stripped.removed > 0) {
            Problem problem = make(ProblemKind::TrailingSpace, param, mode, field,
                                   counted(stripped.removed, "trailing space") +
                                       (stripped.removed == 1 ? " at a line end" : " at line ends"));
            problem.suggestion = std::move(stripped.text);
            problem.bytes = stripped.removed;
            out.push_back(std::move(problem));
        }
    }
}

// A '?' that stands for a character the file held is named after that character; the
// guess that a '?' inside a word was one is left for the texts nothing is known of.
void TextChecker::checkGlyphs(const CheckInput::ParamTexts& param, const CheckInput::ModeTexts& mode, TextField field,
                              std::vector<Problem>& out)
{
    const std::vector<LostCharacters::Character>& lost =
        field == TextField::Description ? mode.lostInDesc : mode.lostInHelp;
    auto next = lost.begin();
    const auto addLostBefore = [&](std::size_t end) {
        for (; next != lost.end() && next->pos < end; ++next)
            out.push_back(make(ProblemKind::NoGlyph, param, mode, field,
                               LostCharacters::describe(next->codePoint) +
                                   " has no keypad code: it became \"?\" on loading, at character " +
                                   std::to_string(next->pos + 1)));
    };
    for (GlyphScan::Fault& fault : GlyphScan::scan(textOf(mode, field))) {
        addLostBefore(fault.pos + 1);
        if (std::any_of(lost.begin(), lost.end(), [&](const auto& c) { return c.pos == fault.pos; })) continue;
        Problem problem = make(ProblemKind::NoGlyph, param, mode, field, std::move(fault.message));
        problem.suggestion = std::move(fault.suggestion);
        out.push_back(std::move(problem));
    }
    addLostBefore(std::string::npos);
}

void TextChecker::checkSpelling(const CheckInput::ParamTexts& param, const CheckInput::ModeTexts& mode, TextField field,
                                const SpellChecker& speller, std::vector<Problem>& out)
{
    for (Problem& found : SpellingProblems::find(speller, textOf(mode, field))) {
        Problem problem = make(ProblemKind::Spelling, param, mode, field, std::move(found.message));
        problem.checkedText = std::move(found.checkedText);
        problem.partBegin = found.partBegin;
        problem.partEnd = found.partEnd;
        out.push_back(std::move(problem));
    }
}

void TextChecker::checkModes(const CheckInput::ParamTexts& param, std::size_t p, TextField field, Found& found)
{
    // Modes whose reference texts agree should agree in the custom set too.
    std::map<std::string, std::vector<std::size_t>> byReference;
    bool anyText = false;
    for (std::size_t m = 0; m < param.modes.size(); ++m) {
        const CheckInput::ModeTexts& mode = param.modes[m];
        if (!mode.defined || textOf(mode, field).empty()) continue;
        anyText = true;
        if (referenceHasText(mode, field)) byReference[refTextOf(mode, field)].push_back(m);
    }
    for (const auto& [reference, group] : byReference) {
        if (group.size() < 2) continue;
        std::vector<const std::string*> texts;
        for (std::size_t m : group) texts.push_back(&textOf(param.modes[m], field));
        const std::string usual = majority(texts);
        std::string agreeing;
        for (std::size_t m : group)
            if (textOf(param.modes[m], field) == usual)
                agreeing += (agreeing.empty() ? "" : ", ") + param.modes[m].modeKey;
        for (std::size_t m : group) {
            if (textOf(param.modes[m], field) == usual) continue;
            Problem problem = make(ProblemKind::ModeMismatch, param, param.modes[m], field,
                                   "Differs from " + agreeing + " although the reference texts are the same");
            problem.suggestion = usual;
            found[{p, m, field}].push_back(std::move(problem));
        }
    }
    if (!anyText) return;
    // Where the reference has the mode, an empty text either copies the reference or is
    // reported as empty; without it, an empty mode beside modes with text is most likely
    // forgotten.
    for (std::size_t m = 0; m < param.modes.size(); ++m) {
        const CheckInput::ModeTexts& mode = param.modes[m];
        if (mode.defined && textOf(mode, field).empty() && !(mode.refPresent && mode.refDefined))
            found[{p, m, field}].push_back(
                make(ProblemKind::ModeMismatch, param, mode, field, "Empty while other modes have text"));
    }
}

void TextChecker::checkNearDuplicates(const CheckInput& input, Found& found)
{
    struct Variant {
        const std::string* escaped;
        std::size_t bytes;
        std::vector<Location> at;
    };
    // The build stores each distinct string once, so variants are told apart by their bytes.
    std::unordered_map<std::string, std::vector<Variant>> groups;
    for (std::size_t p = 0; p < input.params.size(); ++p) {
        const CheckInput::ParamTexts& param = input.params[p];
        for (std::size_t m = 0; m < param.modes.size(); ++m) {
            const CheckInput::ModeTexts& mode = param.modes[m];
            if (!mode.defined) continue;
            for (TextField field : {TextField::Description, TextField::Help}) {
                const std::string& text = textOf(mode, field);
                if (text.empty()) continue;
                const std::string bytes = blankReservedBytes(decodeEscapes(text, false));
                std::vector<Variant>& variants = groups[nearDuplicateKey(field, mode.unit, text)];
                auto same = std::find_if(variants.begin(), variants.end(), [&](const Variant& v) {
                    return blankReservedBytes(decodeEscapes(*v.escaped, false)) == bytes;
                });
                if (same == variants.end()) same = variants.insert(variants.end(), Variant{&text, bytes.size(), {}});
                same->at.emplace_back(p, m, field);
            }
        }
    }
    for (const auto& [key, variants] : groups) {
        if (variants.size() < 2) continue;
        const auto usual = std::max_element(variants.begin(), variants.end(), [](const Variant& a, const Variant& b) {
            return a.at.size() < b.at.size();
        });
        for (const Variant& variant : variants) {
            if (&variant == &*usual) continue;
            // Unifying a variant saves its one stored copy and terminator; the first text
            // that uses it carries the saving, so that sums count it once.
            bool first = true;
            for (const Location& at : variant.at) {
                const auto& [p, m, field] = at;
                const CheckInput::ParamTexts& param = input.params[p];
                Problem problem =
                    make(ProblemKind::NearDuplicate, param, param.modes[m], field,
                         "Differs from " + quoted(*usual->escaped) + " only by case, spaces or final punctuation");
                problem.suggestion = *usual->escaped;
                problem.bytes = first ? static_cast<int>(variant.bytes + 1) : 0;
                first = false;
                found[at].push_back(std::move(problem));
            }
        }
    }
}

} // namespace kpd
