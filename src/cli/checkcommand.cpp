#include "checkcommand.h"

#include "checks/checkinput.h"
#include "checks/drivespelling.h"
#include "checks/glossary.h"
#include "checks/spellingproblems.h"
#include "checks/textchecker.h"
#include "jsonstring.h"
#include "model/theapp.h"
#include "xmlfiles/fixedfile.h"
#include "xmlfiles/tbxfile.h"
#include "xmlfiles/textcodec.h"

#include <map>
#include <ostream>

namespace kpd {

namespace {

// Model text is 8-bit; the terminal and JSON readers expect UTF-8.
std::string utf8(const std::string& text)
{
    return TextCodec::latin1ToUtf8(text);
}

std::map<ProblemKind, int> countByKind(const std::vector<Problem>& problems)
{
    std::map<ProblemKind, int> counts;
    for (const Problem& problem : problems) ++counts[problem.kind];
    return counts;
}

} // namespace

bool CheckCommand::parse(const std::string& list, const std::string& option, std::set<ProblemKind>& kinds)
{
    if (list.empty()) return true;
    kinds.clear();
    std::size_t from = 0;
    while (from <= list.size()) {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        const std::string name = list.substr(from, comma - from);
        from = comma + 1;
        if (name == "all") {
            kinds.insert(kAllProblemKinds.begin(), kAllProblemKinds.end());
        } else if (const auto kind = kindFromName(name)) {
            kinds.insert(*kind);
        } else {
            err_ << "kpdtool: " << option << ": unknown kind \"" << name << "\"; kinds are all";
            for (ProblemKind k : kAllProblemKinds) err_ << ", " << kindName(k);
            err_ << "\n";
            return false;
        }
    }
    return true;
}

bool CheckCommand::setLists(const std::string& kinds, const std::string& failOn)
{
    return parse(kinds, "--kinds", kinds_) && parse(failOn, "--fail-on", failOn_);
}

int CheckCommand::run(TheApp& app, bool json)
{
    // The editor compares against its first language until the user picks another.
    if (app.getRefKey().empty()) app.setRefKey(app.getLangDBKey(0));
    TextChecker::Options options;
    options.kinds = kinds_;
    // The glossary's forms are words of the drive's own, and --language names the custom
    // set's language for the glossary's checks as for its dictionary.
    auto glossary =
        std::make_shared<const Glossary>(TbxFile::loadIfPresent(FixedFile::path(app.appFolder(), Glossary::kFileName)));
    if (kinds_.count(ProblemKind::Spelling)) {
        const DriveSpelling spelling = DriveSpelling::ofCustomSet(app, language_);
        if (!spelling.checker && !language_.empty()) {
            err_ << "kpdtool: --language: " << spelling.missingMessage() << "\n";
            return BadInput;
        }
        if (spelling.checker)
            spelling.checker->setAccepted(SpellChecker::glossaryWords(*glossary, spelling.language));
        else
            err_ << "kpdtool: " << spelling.missingMessage() << "\n";
        options.spelling = spelling.checker;
    }
    std::vector<Problem> problems = TextChecker::check(CheckInput::fromApp(app, glossary, language_), options);
    addSpellingFixes(problems, options, app.maxRecChars());
    if (json)
        printJson(problems, out_);
    else
        printText(problems, out_);
    for (const Problem& problem : problems)
        if (failOn_.count(problem.kind)) return Failed;
    return Clean;
}

void CheckCommand::addSpellingFixes(std::vector<Problem>& problems, const TextChecker::Options& options,
                                    int maxHelpChars)
{
    // The dictionary takes tens of milliseconds a word: a set checked against the wrong
    // language would take minutes.
    std::set<std::string> looked;
    bool more = false;
    for (Problem& problem : problems) {
        if (problem.kind != ProblemKind::Spelling) continue;
        const std::string word = SpellingProblems::word(problem);
        if (looked.size() == kMaxCorrectedWords && !looked.count(word)) {
            more = true;
            continue;
        }
        looked.insert(word);
        SpellingProblems::addFixes(*options.spelling, problem, maxHelpChars);
    }
    if (more)
        err_ << "kpdtool: corrections were looked up for the first " << kMaxCorrectedWords
             << " misspelled words only\n";
}

void CheckCommand::printText(const std::vector<Problem>& problems, std::ostream& out)
{
    for (const Problem& p : problems) {
        out << p.menuKey << ' ' << p.paraKey << ' ' << utf8(p.modeKey) << ' ' << fieldName(p.field) << ": "
            << kindName(p.kind) << ": " << utf8(p.message);
        if (p.suggestion) out << " (suggested: \"" << utf8(*p.suggestion) << "\")";
        if (p.bytes > 0) out << " (saves " << p.bytes << " bytes)";
        out << '\n';
    }
    out << problems.size() << " problems";
    const auto counts = countByKind(problems);
    for (const auto& [kind, count] : counts) out << (kind == counts.begin()->first ? ": " : ", ") << count << ' ' << kindName(kind);
    out << '\n';
}

void CheckCommand::printJson(const std::vector<Problem>& problems, std::ostream& out)
{
    out << "{\"problems\": [";
    const char* separator = "\n";
    for (const Problem& p : problems) {
        out << separator << "  {\"kind\": " << jsonString(std::string(kindName(p.kind)))
            << ", \"menu\": " << jsonString(p.menuKey) << ", \"parameter\": " << jsonString(p.paraKey)
            << ", \"mode\": " << jsonString(p.modeKey) << ", \"field\": " << jsonString(std::string(fieldName(p.field)))
            << ", \"message\": " << jsonString(p.message)
            << ", \"suggestion\": " << (p.suggestion ? jsonString(*p.suggestion) : "null") << ", \"bytes\": " << p.bytes
            << "}";
        separator = ",\n";
    }
    out << "\n],\n\"counts\": {";
    const auto counts = countByKind(problems);
    separator = "";
    for (ProblemKind kind : kAllProblemKinds) {
        const auto found = counts.find(kind);
        out << separator << jsonString(std::string(kindName(kind))) << ": " << (found == counts.end() ? 0 : found->second);
        separator = ", ";
    }
    out << "}}\n";
}

} // namespace kpd
