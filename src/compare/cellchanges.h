#pragma once

#include <string>
#include <vector>

namespace kpd {

// Which cells of a keypad text box differ between two texts. Both are laid out as the box
// lays out its text: escapes turned into keypad bytes, a line ending after a line break or
// after a full row of cells. A cell differs when the other text has another byte in the
// same row and column, or none at all.
class CellChanges {
public:
    struct Cell {
        int row;
        int column;
        bool operator==(const Cell&) const = default;
    };

    CellChanges(const std::string& escapedText, const std::string& otherEscapedText, int columns);

    const std::vector<Cell>& changed() const { return changed_; }
    // Display lines of this side's text, at least one.
    int lineCount() const { return lineCount_; }

private:
    std::vector<Cell> changed_;
    int lineCount_ = 1;
};

} // namespace kpd
