#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The text of one keypad text box: its bytes, their wrapping into display lines of at most
// `cols` bytes, and the cursor, selection and scrolling state. Plain logic, no window.
class CKeypadText {
public:
    // The line tables hold 16-bit indices, so no text may be longer than this.
    static constexpr int maxLength = 0xFFFF;
    static constexpr std::uint8_t lineBreak = 0x0D;

    enum SelState { SelNone = 0, SelMaking = 1, SelMade = 2 };
    enum EndMark { NoEndMark = 0, EndMarkLeft = 1, EndMarkRight = 2 };

    struct Cell {
        std::uint8_t byte = 0;
        bool isCursorCell = false;
        bool isSelected = false;
        EndMark endMark = NoEndMark;
    };

    CKeypadText();

    const std::string& text() const { return m_text; }
    // Replaces the text (cut to maxLength) and returns cursor and view to the start.
    void setText(const std::string& bytes);
    int length() const { return static_cast<int>(m_text.size()); }

    // Rebuilds the line tables from the text and the column count.
    void relayout();
    int lastLine() const { return m_lastLine; }
    int lineStart(int line) const { return m_lineStart[static_cast<std::size_t>(line)]; }
    int lineEnd(int line) const { return m_lineEnd[static_cast<std::size_t>(line)]; }
    // lastLine() + 1 when no line holds the index (the index just past the text).
    int lineOf(int index) const;
    int cursorLine() const { return lineOf(m_cursor); }
    int cursorColumn() const;
    int positionAt(int line, int column) const;
    // Scrolls the view as little as it takes to show the cursor's line. The editor calls it
    // after every change; drawing and hit-testing only read the view.
    void ensureVisible();
    Cell cellAt(int cellIndex) const;

    int cols() const { return m_cols; }
    // Below 1 counts as 1: the painter divides the width by it.
    void setCols(int n);
    int rows() const { return m_rows; }
    // Ignores n <= 0.
    void setRows(int n);
    int cellCount() const { return m_cols * m_rows; }
    int topRow() const { return m_topRow; }
    void setTopRow(int row) { m_topRow = row; }

    int cursor() const { return m_cursor; }
    void setCursor(int index) { m_cursor = index; }
    int selAnchor() const { return m_selAnchor; }
    int selEnd() const { return m_selEnd; }
    void setSelAnchor(int index) { m_selAnchor = index; }
    void setSelEnd(int index) { m_selEnd = index; }
    SelState selState() const { return m_selState; }
    void setSelState(SelState state) { m_selState = state; }
    // Makes the selection made, anchor first.
    void finishSelection();
    int selStart() const;
    int selLength() const;

    bool insertMode() const { return m_insertMode; }
    void setInsertMode(bool on) { m_insertMode = on; }
    int lineLimit() const { return m_lineLimit; }
    void setLineLimit(int limit) { m_lineLimit = limit; }
    // True when the text has more display lines than the limit allows.
    bool overLineLimit() const;
    // Per byte, whether stripping trailing spaces removes it: the spaces before a line break,
    // and the spaces and line breaks after the last other byte. A line that wraps by itself
    // keeps its spaces: they hold the next line's first byte in its column.
    std::vector<bool> trailingBlanks() const;

    // Raw edits; each relays out. Out-of-range parts are ignored; an insertion that would
    // make the text longer than maxLength is refused whole and returns false.
    bool insertAt(int index, const std::string& bytes);
    void eraseAt(int index, int count);

private:
    std::string m_text;
    std::vector<std::uint16_t> m_lineStart;
    std::vector<std::uint16_t> m_lineEnd;
    int m_lastLine = 0;
    int m_topRow = 0;
    int m_rows = 1;
    int m_cols = 16;
    int m_cursor = 0;
    int m_selAnchor = 0;
    int m_selEnd = 0;
    SelState m_selState = SelNone;
    bool m_insertMode = true;
    int m_lineLimit = 0;
};
