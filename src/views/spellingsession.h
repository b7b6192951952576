#pragma once

#include "checks/drivespelling.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <exception>
#include <future>
#include <memory>
#include <set>
#include <string>

namespace kpd {
class TheApp;
}

// The spelling of the drive the editor has open, shared by the Problems panel and the text
// boxes: the custom set's checker, loaded once per drive, and the words accepted in this run
// (ignored in a box) besides the forms of the drive's glossary. Each change makes a new checker, so a
// check running in the background keeps the one it started with.
class SpellingSession : public QObject {
    Q_OBJECT
public:
    static SpellingSession& instance();

    // Nothing when no dictionary fits the custom set's language, or while it loads (changed()
    // follows once it is there).
    std::shared_ptr<const kpd::SpellChecker> checker(const kpd::TheApp& app);
    // Processes events until the dictionary asked for is loaded (start-up and tests).
    bool waitUntilLoaded(int timeoutMs);
    // Why the custom set's spelling is not checked, or empty.
    QString missingNote(const kpd::TheApp& app);

    // Writes the word into the drive's word list; a failure is shown and changes nothing.
    void addToWordList(const kpd::TheApp& app, const std::string& word);
    void ignore(const std::string& word);
    // The drive folder's languages, word list or glossary changed on disk: read them again.
    void reload();

signals:
    // The checker changed: what was marked may be wrong now.
    void changed();

private:
    SpellingSession();
    static void finishLoading();
    void prepare(const kpd::TheApp& app);
    static QString failureNote(const std::exception& error);
    // The glossary's words in the language; none from a glossary that cannot be read, which
    // the Glossary window reports when opened.
    static std::set<std::string> glossaryWords(const std::string& folder, const std::string& language);
    void renew();

    std::string folder_;
    std::string custKey_;
    bool prepared_ = false;
    bool loading_ = false;
    std::uint64_t generation_ = 0;
    kpd::DriveSpelling spelling_;
    QString failure_;
    std::set<std::string> ignored_;
    std::set<std::string> glossaryWords_;
    // Last, so that it is joined while the rest is still whole.
    std::future<void> loader_;
};
