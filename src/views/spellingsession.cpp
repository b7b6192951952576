#include "spellingsession.h"

#include "checks/glossary.h"
#include "fileio/filereaderror.h"
#include "fileio/filewriteerror.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "xmlfiles/fixedfile.h"
#include "xmlfiles/tbxfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <optional>

SpellingSession::SpellingSession()
{
    // A dictionary still loading when the application ends would go on while the process
    // tears down what it uses: the application waits for it first.
    qAddPostRoutine(&SpellingSession::finishLoading);
}

SpellingSession& SpellingSession::instance()
{
    static SpellingSession session;
    return session;
}

void SpellingSession::finishLoading()
{
    if (instance().loader_.valid()) instance().loader_.wait();
}

void SpellingSession::prepare(const kpd::TheApp& app)
{
    const bool sameDrive = folder_ == app.appFolder() && custKey_ == app.getCustKey();
    if (prepared_ && sameDrive) return;
    // Read again for the same drive, the old checker serves until the new one is there.
    if (!sameDrive) spelling_ = {};
    folder_ = app.appFolder();
    custKey_ = app.getCustKey();
    prepared_ = true;
    failure_.clear();
    const std::uint64_t generation = ++generation_;
    std::string language;
    try {
        language = kpd::DriveSpelling::languageOf(app, custKey_);
    } catch (const std::exception& error) {
        spelling_ = {};
        loading_ = false;
        failure_ = failureNote(error);
        return;
    }
    // A large dictionary takes a good part of a second to load: it loads on a thread of its
    // own, and until it is there spelling is simply not shown yet.
    loading_ = true;
    loader_ = std::async(std::launch::async, [this, generation, setKey = custKey_, language, folder = folder_] {
        std::optional<kpd::DriveSpelling> loaded;
        QString failure;
        try {
            loaded = kpd::DriveSpelling::load(setKey, language, folder);
        } catch (const std::exception& error) {
            failure = failureNote(error);
        }
        std::set<std::string> words = glossaryWords(folder, language);
        QMetaObject::invokeMethod(
            this,
            [this, generation, loaded = std::move(loaded), failure, words = std::move(words)] {
                // A load for a drive or a setting left meanwhile is of no use.
                if (generation != generation_) return;
                loading_ = false;
                spelling_ = loaded ? *loaded : kpd::DriveSpelling{};
                failure_ = failure;
                glossaryWords_ = words;
                renew();
                emit changed();
            },
            Qt::QueuedConnection);
    });
}

QString SpellingSession::failureNote(const std::exception& error)
{
    // An unreadable word list or languages file turns spelling off, said like a missing dictionary.
    return QStringLiteral("Spelling is not checked: %1").arg(toQt(error.what()));
}

std::set<std::string> SpellingSession::glossaryWords(const std::string& folder, const std::string& language)
{
    try {
        return kpd::SpellChecker::glossaryWords(
            kpd::TbxFile::loadIfPresent(kpd::FixedFile::path(folder, kpd::Glossary::kFileName)), language);
    } catch (const kpd::FileReadError&) {
        return {};
    }
}

bool SpellingSession::waitUntilLoaded(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (loading_ && timer.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !loading_;
}

void SpellingSession::renew()
{
    if (!spelling_.checker) return;
    auto next = std::make_shared<kpd::SpellChecker>(*spelling_.checker);
    std::set<std::string> words = glossaryWords_;
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
    return spelling_.checker || loading_ ? QString() : toQt(spelling_.missingMessage());
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

void SpellingSession::reload()
{
    prepared_ = false;
    emit changed();
}
