#pragma once

#include <QString>

#include <optional>
#include <vector>

// The misspelled words a host marks in a text box, as ranges of the text's bytes (its cells).
// The box only draws and offers them: what is misspelled is the host's to say, so the control
// needs no dictionary of its own.
class SpellMarks {
public:
    struct Range {
        int first = 0;
        int last = 0;
    };

    // The host's form: "first last" pairs, separated by ";". Pieces that are no range are
    // passed over.
    void setRanges(const QString& ranges);
    QString ranges() const;
    const std::vector<Range>& list() const { return m_ranges; }

    // The mark that holds the byte at index.
    std::optional<Range> at(int index) const;
    // Drops every mark over these bytes of the text: the word the user accepted.
    void removeWord(const std::string& text, const std::string& word);
    // Drops marks that no longer fit a text of this length.
    void fit(int length);

private:
    std::vector<Range> m_ranges;
};
