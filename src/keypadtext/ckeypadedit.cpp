#include "ckeypadedit.h"

#include "ckeypadtext.h"

#include <algorithm>

bool CKeypadEdit::typeByte(std::uint8_t byte)
{
    makeRoom();
    m_text.setSelState(CKeypadText::SelNone);
    return insertChosen(std::string(1, static_cast<char>(byte)));
}

bool CKeypadEdit::lineBreak()
{
    if (m_text.selState() == CKeypadText::SelMade) deleteSelection();
    m_text.setSelState(CKeypadText::SelNone);
    return insertChosen(std::string(1, static_cast<char>(CKeypadText::lineBreak)));
}

bool CKeypadEdit::pasteKeypad(const std::string& bytes)
{
    const std::string before = m_text.text();
    makeRoom();
    if (m_text.insertAt(m_text.cursor(), bytes) && !m_text.overLineLimit()) return true;
    restore(before, m_text.cursor(), m_text.topRow());
    return false;
}

bool CKeypadEdit::pastePlain(const std::u16string& chars, const CharToByte& toByte)
{
    makeRoom();
    const std::string before = m_text.text();
    const int cursor = m_text.cursor();
    const int topRow = m_text.topRow();
    bool fits = true;
    for (std::size_t k = 0; k < chars.size() && fits; ++k) {
        const char byte = static_cast<char>(toByte(chars[k]));
        fits = m_text.insertAt(cursor + static_cast<int>(k), std::string(1, byte));
    }
    if (fits && !m_text.overLineLimit()) {
        m_text.setCursor(cursor + static_cast<int>(chars.size()));
        m_text.ensureVisible();
        return true;
    }
    restore(before, cursor, topRow);
    return false;
}

bool CKeypadEdit::insertChosen(const std::string& bytes)
{
    for (char byte : bytes) {
        const int at = m_text.cursor();
        if (!m_text.insertAt(at, std::string(1, byte))) return false;
        m_text.setCursor(at + 1);
        if (m_text.overLineLimit()) {
            m_text.eraseAt(at, 1);
            m_text.setCursor(at);
            return false;
        }
    }
    return true;
}

void CKeypadEdit::del()
{
    if (m_text.selState() == CKeypadText::SelMade)
        deleteSelection();
    else
        m_text.eraseAt(m_text.cursor(), 1);
    m_text.setSelState(CKeypadText::SelNone);
}

void CKeypadEdit::clear()
{
    m_text.eraseAt(0, m_text.length());
}

void CKeypadEdit::backspace()
{
    if (m_text.cursor() <= 0 || m_text.length() == 0) return;
    m_text.setCursor(m_text.cursor() - 1);
    m_text.eraseAt(m_text.cursor(), 1);
}

int CKeypadEdit::stripTrailingSpaces()
{
    if (m_text.length() == 0) return 0;
    const std::vector<bool> blank = m_text.trailingBlanks();
    const std::string& text = m_text.text();
    std::string stripped;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (!blank[k]) stripped.push_back(text[k]);
    const int removed = m_text.length() - static_cast<int>(stripped.size());
    restore(stripped, std::min(m_text.cursor(), static_cast<int>(stripped.size())), m_text.topRow());
    return removed;
}

void CKeypadEdit::moveLeft()
{
    if (m_text.cursor() > 0) m_text.setCursor(m_text.cursor() - 1);
}

void CKeypadEdit::moveRight()
{
    if (m_text.cursor() < m_text.length()) m_text.setCursor(m_text.cursor() + 1);
}

void CKeypadEdit::moveUp()
{
    const int line = m_text.cursorLine();
    if (line > 0) moveToLine(line - 1);
}

void CKeypadEdit::moveDown()
{
    const int line = m_text.cursorLine();
    if (line < m_text.lastLine()) moveToLine(line + 1);
}

void CKeypadEdit::home()
{
    m_text.setCursor(0);
    m_text.setTopRow(0);
}

void CKeypadEdit::end()
{
    m_text.setCursor(m_text.lineEnd(m_text.lastLine()));
}

void CKeypadEdit::endOfText()
{
    m_text.setCursor(m_text.length());
}

void CKeypadEdit::afterMove(bool shiftHeld)
{
    if (shiftHeld) {
        m_text.setSelState(CKeypadText::SelMaking);
        m_text.setSelEnd(m_text.cursor());
    } else {
        m_text.setSelState(CKeypadText::SelNone);
    }
}

void CKeypadEdit::shiftPressed()
{
    m_text.setSelState(CKeypadText::SelNone);
    m_text.setSelAnchor(m_text.cursor());
}

void CKeypadEdit::shiftReleased()
{
    if (m_text.selState() == CKeypadText::SelMaking)
        m_text.finishSelection();
    else
        m_text.setSelState(CKeypadText::SelNone);
}

std::string CKeypadEdit::selectedBytes() const
{
    if (m_text.selState() != CKeypadText::SelMade) return {};
    const int start = m_text.selStart();
    if (start >= m_text.length()) return {};
    return m_text.text().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(m_text.selLength()));
}

void CKeypadEdit::deleteSelection()
{
    m_text.setCursor(std::min(m_text.selStart(), m_text.length()));
    m_text.eraseAt(m_text.selStart(), m_text.selLength());
}

void CKeypadEdit::makeRoom()
{
    if (m_text.selState() == CKeypadText::SelMade)
        deleteSelection();
    else if (!m_text.insertMode())
        m_text.eraseAt(m_text.cursor(), 1);
}

void CKeypadEdit::moveToLine(int line)
{
    const int column = m_text.cursorColumn();
    m_text.setCursor(std::min(m_text.lineStart(line) + column, m_text.lineEnd(line)));
}

void CKeypadEdit::restore(const std::string& bytes, int cursor, int topRow)
{
    m_text.setText(bytes);
    m_text.setCursor(cursor);
    m_text.setTopRow(topRow);
}
