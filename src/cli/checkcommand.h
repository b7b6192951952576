#pragma once

#include "checks/problem.h"
#include "checks/textchecker.h"

#include <iosfwd>
#include <set>
#include <string>
#include <vector>

namespace kpd {

class TheApp;

// kpdtool check: lists the problems of the loaded custom set as text or JSON and tells by
// its exit status whether any of the kinds a CI job fails on was found.
class CheckCommand {
public:
    enum ExitCode { Clean = 0, Failed = 1, BadInput = 2 };

    CheckCommand(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // Comma-separated kind names, or "all"; empty lists keep the defaults. False, after a
    // message, when a name is no kind.
    bool setLists(const std::string& kinds, const std::string& failOn);

    // The custom set's dictionary, instead of the drive folder's setting.
    void setLanguage(std::string language) { language_ = std::move(language); }

    int run(TheApp& app, bool json);

    static void printText(const std::vector<Problem>& problems, std::ostream& out);
    static void printJson(const std::vector<Problem>& problems, std::ostream& out);

    // Spelling corrections are looked up for this many different words at most.
    static constexpr std::size_t kMaxCorrectedWords = 100;

private:
    void addSpellingFixes(std::vector<Problem>& problems, const TextChecker::Options& options, int maxHelpChars);
    bool parse(const std::string& list, const std::string& option, std::set<ProblemKind>& kinds);

    std::ostream& out_;
    std::ostream& err_;
    std::set<ProblemKind> kinds_ = TextChecker::defaultKinds();
    // What the keypad would show wrongly: a text cut off or garbled, a term the glossary
    // forbids, parameters the user cannot tell apart.
    std::set<ProblemKind> failOn_{ProblemKind::Overflow, ProblemKind::NoGlyph, ProblemKind::Glossary,
                                  ProblemKind::Ambiguous};
    std::string language_;
};

} // namespace kpd
