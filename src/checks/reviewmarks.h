#pragma once

#include "textkey.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace kpd {

// The translator's own marks on texts of the custom set: "done" and a note per text.
// They live in a side file beside the data file, never in the data file itself, which
// keypads and older tools read. A done mark remembers a fingerprint of the text it was
// set on, so a text changed since, here or by any other tool, is no longer done.
class ReviewMarks {
public:
    struct Mark {
        bool done = false;
        std::uint32_t fingerprint = 0;
        std::string note;
    };

    // "drive.kpd" keeps its marks in "drive.kpd.review".
    static std::string sideFileName(const std::string& dataFile) { return dataFile + ".review"; }
    static std::uint32_t fingerprint(std::string_view text);

    bool done(const TextKey& key, const std::string& text) const;
    std::string note(const TextKey& key) const;
    void setDone(const TextKey& key, bool done, const std::string& text);
    // Model text; an empty note is dropped.
    void setNote(const TextKey& key, const std::string& note);
    // The text was written: its done mark goes, its note stays.
    void textEdited(const TextKey& key);
    bool empty() const { return marks_.empty(); }
    void clear() { marks_.clear(); }

    // One line per marked text, UTF-8, in key order so that an unchanged set of marks
    // writes the same bytes.
    std::string fileText() const;
    // Lines that cannot be read are skipped: the marks are a help, not data to refuse a drive over.
    static ReviewMarks fromFileText(std::string_view text);
    // No file means no marks. A side file that cannot be read throws FileReadError naming
    // it; one that cannot be written, FileWriteError.
    static ReviewMarks load(const std::string& dataFile);
    // Writes nothing when there are no marks and no side file yet.
    void save(const std::string& dataFile) const;

private:
    std::map<TextKey, Mark> marks_;
};

} // namespace kpd
