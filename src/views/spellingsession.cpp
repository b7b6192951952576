#include "spellingsession.h"

#include "fileio/filewriteerror.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"

SpellingSession& SpellingSession::instance()
{
    static SpellingSession session;
    return session;
}

void SpellingSession::prepare(const kpd::TheApp& app)
{
    if (prepared_ && folder_ == app.appFolder() && custKey_ == app.getCustKey()) return;
    folder_ = app.appFolder();
    custKey_ = app.getCustKey();
    failure_.clear();
    try {
        spelling_ = kpd::DriveSpelling::ofCustomSet(app);
    } catch (const std::exception& error) {
        // An unreadable word list or languages file turns spelling off, said like a missing dictionary.
        spelling_ = {};
        failure_ = QStringLiteral("Spelling is not checked: %1").arg(toQt(error.what()));
    }
    prepared_ = true;
    renew();
}

void SpellingSession::renew()
{
    if (!spelling_.checker) return;
    auto next = std::make_shared<kpd::SpellChecker>(*spelling_.checker);
    std::set<std::string> words = accepted_;
    words.insert(ignored_.begin(), ignored_.end());
    next->setAccepted(std::move(words));
    spelling_.checker = std::move(next);
}

std::shared_ptr<const kpd::SpellChecker> SpellingSession::checker(const kpd::TheApp& app)
{
    prepare(app);
    return spelling_.checker;
}

QString SpellingSession::missingNote(const kpd::TheApp& app)
{
    prepare(app);
    if (!failure_.isEmpty()) return failure_;
    return spelling_.checker ? QString() : toQt(spelling_.missingMessage());
}

void SpellingSession::addToWordList(const kpd::TheApp& app, const std::string& word)
{
    try {
        kpd::WordList::addTo(app.appFolder(), word);
    } catch (const kpd::FileWriteError& error) {
        app.ui().message(error.what(), "ERROR", kpd::MessageIcon::Critical);
        return;
    }
    reload();
}

void SpellingSession::ignore(const std::string& word)
{
    ignored_.insert(word);
    renew();
    emit changed();
}

void SpellingSession::setAcceptedWords(std::set<std::string> words)
{
    accepted_ = std::move(words);
    renew();
    emit changed();
}

void SpellingSession::reload()
{
    prepared_ = false;
    emit changed();
}
