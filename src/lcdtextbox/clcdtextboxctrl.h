#pragma once

#include "clipboardcommands.h"
#include "gridgeometry.h"
#include "keycontroller.h"
#include "keypadtext/ckeypadedit.h"
#include "keypadtext/ckeypadtext.h"
#include "spellmarks.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QMenu;

// The keypad text box: shows and edits keypad bytes exactly as the drive keypad's LCD shows
// them, one byte per character cell.
class CLcdtextboxCtrl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 nCols READ nCols WRITE setNCols)
    Q_PROPERTY(qint16 nRows READ nRows WRITE setNRows)
    Q_PROPERTY(QColor EmptyCellColor READ EmptyCellColor WRITE setEmptyCellColor)
    Q_PROPERTY(qint16 lineLimit READ lineLimit WRITE setLineLimit)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(qint16 nChars READ nChars)
    Q_PROPERTY(qint16 cursorPos READ cursorPos WRITE setCursorPos)
    Q_PROPERTY(qint16 row READ row)
    Q_PROPERTY(qint16 col READ col)
    Q_PROPERTY(qint16 nCells READ nCells)
    Q_PROPERTY(qint16 maxCell READ maxCell)
    Q_PROPERTY(QString convertString READ convertString WRITE setConvertString)
    Q_PROPERTY(qint16 PresentRow READ PresentRow WRITE setPresentRow)
    Q_PROPERTY(qint16 MaxRow READ MaxRow)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool spellCheck READ spellCheck WRITE setSpellCheck)
    Q_PROPERTY(QString misspelledWords READ misspelledWords WRITE setMisspelledWords)
    Q_PROPERTY(QString spellingSuggestions READ spellingSuggestions WRITE setSpellingSuggestions)

public:
    static constexpr QRgb defaultEmptyCellColor = 0xBBBBBB;

    explicit CLcdtextboxCtrl(QWidget* parent = nullptr);

    qint16 nCols() const { return static_cast<qint16>(m_text.cols()); }
    void setNCols(qint16 cols);
    qint16 nRows() const { return static_cast<qint16>(m_text.rows()); }
    void setNRows(qint16 rows);
    QColor EmptyCellColor() const { return m_emptyCellColor; }
    void setEmptyCellColor(const QColor& color);
    qint16 lineLimit() const { return static_cast<qint16>(m_text.lineLimit()); }
    void setLineLimit(qint16 limit) { m_text.setLineLimit(limit); }
    // The text in its escaped form.
    QString text() const;
    void setText(const QString& escaped);
    qint16 nChars() const { return static_cast<qint16>(m_text.length()); }
    qint16 cursorPos() const { return static_cast<qint16>(m_text.cursor()); }
    void setCursorPos(qint16 index);
    qint16 row() const { return static_cast<qint16>(m_text.cursorLine()); }
    // The cursor's column within its display line.
    qint16 col() const { return static_cast<qint16>(m_text.cursorColumn()); }
    qint16 nCells() const { return static_cast<qint16>(m_text.cellCount()); }
    qint16 maxCell() const { return nChars(); }
    QString convertString() const;
    void setConvertString(const QString& value) { m_convertString = value; }
    qint16 PresentRow() const { return row(); }
    void setPresentRow(qint16 line);
    qint16 MaxRow() const { return static_cast<qint16>(m_text.lastLine()); }
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 style) { m_borderStyle = style; }

    // Misspelled words are marked only while this is on.
    bool spellCheck() const { return m_spellCheck; }
    void setSpellCheck(bool on);
    // The host's marks, as SpellMarks reads them: "first last" byte ranges joined by ";".
    QString misspelledWords() const { return m_marks.ranges(); }
    void setMisspelledWords(const QString& ranges);
    // What the host offers for the word of the last SuggestionsWanted, one a line.
    QString spellingSuggestions() const { return m_suggestions.join(QLatin1Char('\n')); }
    void setSpellingSuggestions(const QString& suggestions);
    const SpellMarks& spellMarks() const { return m_marks; }

    void scrollUp();
    void scrollDown();
    void cut();
    void copy();
    void paste();
    void del();
    void clear();
    qint32 StripTrailingSpaces();
    // Runs the character map in mode 0 … 3 and inserts what it returns; always "".
    QString invokeCharMap(qint16 mode);
    bool saveMapping(const QString& filePathName);
    bool loadMapping(const QString& filePathName);
    void Refresh() { update(); }

    // The popup the right button opens, its commands wired to this box.
    QMenu* createContextMenu(QWidget* parent);
    // The popup for a click on the byte at index: over a marked word, the host's suggestions,
    // "Add to word list" and "Ignore" come first.
    QMenu* createContextMenu(QWidget* parent, int index);

    const CKeypadText& model() const { return m_text; }

signals:
    void Change();
    // The `paste` event, raised at the end of every paste.
    void Paste();
    void LineLimit();
    // Over a marked word: the host answers through spellingSuggestions before the menu opens.
    void SuggestionsWanted(const QString& word);
    void AddWord(const QString& word);
    void IgnoreWord(const QString& word);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void character(int code);
    void command(KeyController::ControlCode code);
    void typeCharacter(int code);
    void insertChosen(const QByteArray& bytes);
    // The cells as painted into this widget and as the mouse points at them.
    GridGeometry grid() const { return GridGeometry::fitted(rect(), m_text.cols(), m_text.rows()); }
    // The text index under a point of the grid, or nothing off the grid.
    std::optional<int> positionAt(const QPoint& point) const;
    // Every change of the text, the cursor or the grid ends here: the view follows the cursor
    // before anything is painted or pointed at.
    void followCursor() { m_text.ensureVisible(); }
    void showCursor();
    void addSpellingItems(QMenu& menu, SpellMarks::Range range);
    void replaceWord(SpellMarks::Range range, const QString& word);

    CKeypadText m_text;
    CKeypadEdit m_edit{m_text};
    KeyController m_keys{m_text, m_edit};
    ClipboardCommands m_clipboard{m_text, m_edit, this};
    QColor m_emptyCellColor = QColor::fromRgb(defaultEmptyCellColor);
    QColor m_backColor;
    QColor m_foreColor;
    qint16 m_borderStyle = 0;
    QString m_convertString;
    bool m_focused = false;
    bool m_spellCheck = false;
    SpellMarks m_marks;
    QStringList m_suggestions;
};
