#include "boxspelling.h"

#include "spellingsession.h"

#include "checks/spellingproblems.h"
#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"

#include <QStringList>

BoxSpelling::BoxSpelling(LcdtextboxHost& box, kpd::TextField field, AppSource source, QObject* parent)
    : QObject(parent), box_(box), field_(field), app_(std::move(source))
{
    box_.setSpellCheck(true);
    connect(&box_, &LcdtextboxHost::Change, this, &BoxSpelling::mark);
    connect(&box_, &LcdtextboxHost::suggestionsWanted, this, &BoxSpelling::suggest);
    connect(&box_, &LcdtextboxHost::addWord, this, [this](const QString& word) {
        if (const kpd::TheApp* root = app_()) SpellingSession::instance().addToWordList(*root, toModel(word));
    });
    connect(&box_, &LcdtextboxHost::ignoreWord, this,
            [](const QString& word) { SpellingSession::instance().ignore(toModel(word)); });
    connect(&SpellingSession::instance(), &SpellingSession::changed, this, &BoxSpelling::mark);
}

void BoxSpelling::mark()
{
    const kpd::TheApp* app = app_();
    const auto checker = app ? SpellingSession::instance().checker(*app) : nullptr;
    QStringList ranges;
    if (checker)
        for (const kpd::SpellWords::Word& word : checker->misspelled(toModel(box_.text())))
            ranges << QStringLiteral("%1 %2").arg(word.first).arg(word.last);
    box_.setMisspelledWords(ranges.join(QLatin1Char(';')));
}

void BoxSpelling::suggest(const QString& word)
{
    const kpd::TheApp* app = app_();
    const auto checker = app ? SpellingSession::instance().checker(*app) : nullptr;
    if (!checker) return;
    // The corrections of the first use of the word in the text, as the Problems panel offers them.
    const std::string text = toModel(box_.text());
    for (kpd::Problem& problem : kpd::SpellingProblems::find(*checker, text)) {
        if (kpd::SpellingProblems::word(problem) != toModel(word)) continue;
        problem.field = field_;
        kpd::SpellingProblems::addFixes(*checker, problem, app->maxRecChars());
        QStringList words;
        const auto add = [&](const std::string& fixed) {
            // The fix is the whole text: the box wants the word that replaces the marked one.
            const std::size_t tail = text.size() - problem.partEnd;
            words << toQt(fixed.substr(problem.partBegin, fixed.size() - tail - problem.partBegin));
        };
        if (problem.suggestion) add(*problem.suggestion);
        for (const std::string& fixed : problem.alternatives) add(fixed);
        box_.setSpellingSuggestions(words.join(QLatin1Char('\n')));
        return;
    }
}
