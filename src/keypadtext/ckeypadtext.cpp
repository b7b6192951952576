#include "ckeypadtext.h"

#include <algorithm>
#include <cstdlib>

CKeypadText::CKeypadText()
{
    relayout();
}

void CKeypadText::setText(const std::string& bytes)
{
    m_text = bytes.substr(0, maxLength);
    m_cursor = 0;
    m_topRow = 0;
    relayout();
}

void CKeypadText::relayout()
{
    m_lineStart.assign(1, 0);
    m_lineEnd.assign(1, 0);
    m_lastLine = 0;
    if (m_text.empty()) {
        m_cursor = 0;
        return;
    }
    const int last = length() - 1;
    int n = 0;
    for (int k = 0; k <= last; ++k) {
        if (n == 0) m_lineStart[static_cast<std::size_t>(m_lastLine)] = static_cast<std::uint16_t>(k);
        ++n;
        const bool ends = static_cast<std::uint8_t>(m_text[static_cast<std::size_t>(k)]) == lineBreak
                          || n >= m_cols || k == last;
        if (!ends) continue;
        m_lineEnd[static_cast<std::size_t>(m_lastLine)] = static_cast<std::uint16_t>(k);
        n = 0;
        if (k != last) {
            ++m_lastLine;
            m_lineStart.push_back(0);
            m_lineEnd.push_back(0);
        }
    }
}

int CKeypadText::lineOf(int index) const
{
    for (int i = 0; i <= m_lastLine; ++i) {
        if (lineStart(i) <= index && index <= lineEnd(i)) return i;
    }
    return m_lastLine + 1;
}

int CKeypadText::cursorColumn() const
{
    const int line = cursorLine();
    return line > m_lastLine ? 0 : m_cursor - lineStart(line);
}

int CKeypadText::positionAt(int line, int column) const
{
    line = std::clamp(line, 0, m_lastLine);
    column = std::max(column, 0);
    const int p = lineStart(line) + std::min(m_cols, column);
    if (p <= lineEnd(line)) return p;
    return lineEnd(line) + (line == m_lastLine ? 1 : 0);
}

void CKeypadText::ensureVisible()
{
    if (m_rows >= m_lastLine + 1) {
        m_topRow = 0;
        return;
    }
    const int line = cursorLine();
    if (line < m_topRow) m_topRow = line;
    if (line > m_topRow + m_rows - 1) m_topRow = line - m_rows + 1;
}

CKeypadText::Cell CKeypadText::cellAt(int cellIndex) const
{
    Cell cell;
    const int line = cellIndex / m_cols + m_topRow;
    bool shows = false;
    int p = 0;
    if (line >= 0 && line <= m_lastLine && !m_text.empty()) {
        p = lineStart(line) + cellIndex % m_cols;
        if (p <= lineEnd(line)) {
            cell.byte = static_cast<std::uint8_t>(m_text[static_cast<std::size_t>(p)]);
            shows = true;
        }
    }
    cell.isCursorCell = shows && p == m_cursor;
    // Exactly the bytes that cut, copy and delete take: from the start up to, not including,
    // the far end, so what is shown selected is what goes.
    cell.isSelected = shows && m_selState != SelNone && selStart() <= p && p < selStart() + selLength();
    if (m_text.empty() && cellIndex == 0)
        cell.endMark = EndMarkLeft;
    else if (shows && line == m_lastLine && p == lineEnd(m_lastLine) && m_cursor >= length())
        cell.endMark = EndMarkRight;
    return cell;
}

void CKeypadText::setCols(int n)
{
    m_cols = std::max(n, 1);
    relayout();
}

void CKeypadText::setRows(int n)
{
    if (n <= 0) return;
    m_rows = n;
    relayout();
}

void CKeypadText::finishSelection()
{
    if (m_selAnchor > m_selEnd) std::swap(m_selAnchor, m_selEnd);
    m_selState = SelMade;
}

int CKeypadText::selStart() const
{
    return std::min(m_selAnchor, m_selEnd);
}

int CKeypadText::selLength() const
{
    return std::abs(m_selEnd - m_selAnchor);
}

bool CKeypadText::overLineLimit() const
{
    return m_lineLimit > 0 && m_lastLine + 1 > m_lineLimit;
}

std::vector<bool> CKeypadText::trailingBlanks() const
{
    std::vector<bool> blank(m_text.size(), false);
    const auto byteAt = [this](int index) {
        return static_cast<std::uint8_t>(m_text[static_cast<std::size_t>(index)]);
    };
    const auto mark = [&blank](int index) { blank[static_cast<std::size_t>(index)] = true; };
    for (int k = length() - 1; k >= 0 && (byteAt(k) == ' ' || byteAt(k) == lineBreak); --k) mark(k);
    for (int line = 0; line <= m_lastLine && !m_text.empty(); ++line) {
        const int last = lineEnd(line);
        if (byteAt(last) != lineBreak) continue;
        for (int k = last - 1; k >= lineStart(line) && byteAt(k) == ' '; --k) mark(k);
    }
    return blank;
}

bool CKeypadText::insertAt(int index, const std::string& bytes)
{
    if (index < 0 || index > length()) return false;
    if (bytes.size() > static_cast<std::size_t>(maxLength - length())) return false;
    m_text.insert(static_cast<std::size_t>(index), bytes);
    relayout();
    return true;
}

void CKeypadText::eraseAt(int index, int count)
{
    if (index < 0 || index >= length() || count <= 0) return;
    m_text.erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
    relayout();
}
