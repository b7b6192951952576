#pragma once

#include "problem.h"
#include "textkey.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kpd {

class DrvMenu;
class Glossary;
class ModeData;
class Parameter;
class ReviewMarks;
class SpellChecker;
class TheApp;

// Every text of the custom set as one row (parameter, mode, field), in the order the
// checks walk the set, with what a translator asks of it: the reference text, whether it
// is empty, unchanged, has problems, was edited since the rows were built, or is done.
// Rows point into the live model; nothing of the texts is copied.
class TextRows {
public:
    enum class Status { Empty, Unchanged, Problem, Edited, Done };
    struct Row {
        DrvMenu* menu = nullptr;
        Parameter* param = nullptr;
        ModeData* mode = nullptr;
        // The reference set's record of the same parameter and mode, if it has one.
        const ModeData* ref = nullptr;
        TextField field = TextField::Description;
    };

    TextRows(TheApp& app, ReviewMarks& marks);

    // The drive folder's glossary, for its kind; none leaves that kind unchecked.
    void setGlossary(std::shared_ptr<const Glossary> glossary) { glossary_ = std::move(glossary); }
    // The custom set's dictionary, for the spelling kind; none leaves that kind unchecked.
    void setSpelling(std::shared_ptr<const SpellChecker> speller) { speller_ = std::move(speller); }

    // Rows of the set as it is now, checked; edits count from here on.
    void rebuild();
    // Every text checked again, after edits made elsewhere; rows and baseline stay.
    void recheck();

    std::size_t size() const { return rows_.size(); }
    const Row& row(std::size_t i) const { return rows_[i]; }
    TextKey key(std::size_t i) const;
    std::optional<std::size_t> indexOf(const TextKey& key) const;
    const std::string& text(std::size_t i) const;
    const std::string& refText(std::size_t i) const;
    // A mode the parameter does not define has no text to write.
    bool editable(std::size_t i) const;

    bool has(std::size_t i, Status status) const;
    bool hasKind(std::size_t i, ProblemKind kind) const { return (kinds_[i] & bit(kind)) != 0; }
    // The one status a list shows: done first, then problems, empty, unchanged, edited.
    std::optional<Status> shownStatus(std::size_t i) const;
    // "problem: overflow, no-glyph", "done", ...; empty for a text with nothing to say.
    std::string statusText(std::size_t i) const;
    std::map<ProblemKind, int> countsByKind() const;

    // Writes the text as the parameter editor does (the record keeps the old text for
    // undo, the menu becomes unsaved); a done mark on it goes. False when nothing changed.
    bool setText(std::size_t i, const std::string& text);
    // The record's one-level undo, as the parameter editor's Undo: a second undo redoes.
    void undo(std::size_t i);
    void setDone(std::size_t i, bool done);
    ReviewMarks& marks() const { return marks_; }
    TheApp& app() const { return app_; }

    static std::string_view statusName(Status status);

private:
    static std::uint16_t bit(ProblemKind kind) { return static_cast<std::uint16_t>(1u << static_cast<unsigned>(kind)); }
    // After a text was written: the menu unsaved, the done mark gone, the texts checked.
    void written(std::size_t i);
    // Marks the problems on the rows from first on, which are in the checks' own order.
    void applyProblems(std::size_t first, std::size_t end, const std::vector<Problem>& problems);

    TheApp& app_;
    ReviewMarks& marks_;
    std::shared_ptr<const Glossary> glossary_;
    std::shared_ptr<const SpellChecker> speller_;
    std::vector<Row> rows_;
    std::vector<std::uint16_t> kinds_;
    // Fingerprints of the texts when the rows were built: a text differing is edited.
    std::vector<std::uint32_t> baseline_;
};

} // namespace kpd
