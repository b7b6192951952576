#include "spellingmenu.h"

#include "checks/spellingproblems.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "views/spellingsession.h"

#include <QMenu>

kpd::Problem SpellingMenu::withFixes(const kpd::Problem& problem, const kpd::TheApp& app)
{
    kpd::Problem fixed = problem;
    if (const auto checker = SpellingSession::instance().checker(app))
        kpd::SpellingProblems::addFixes(*checker, fixed, app.maxRecChars());
    return fixed;
}

void SpellingMenu::addItems(QMenu& menu, const kpd::Problem& problem, const kpd::TheApp& app, const Apply& apply)
{
    const kpd::Problem fixed = withFixes(problem, app);
    std::vector<std::string> texts = fixed.alternatives;
    if (fixed.suggestion) texts.insert(texts.begin(), *fixed.suggestion);
    for (const std::string& text : texts) {
        kpd::Problem chosen = fixed;
        chosen.suggestion = text;
        menu.addAction(QStringLiteral("Change to \"%1\"").arg(toQt(text)), &menu, [apply, chosen] { apply(chosen); });
    }
    if (texts.empty()) menu.addAction(QStringLiteral("(no suggestions)"))->setEnabled(false);
    const std::string word = kpd::SpellingProblems::word(problem);
    menu.addAction(QStringLiteral("Add to word list"), &menu,
                   [&app, word] { SpellingSession::instance().addToWordList(app, word); });
    menu.addAction(QStringLiteral("Ignore"), &menu, [word] { SpellingSession::instance().ignore(word); });
}
