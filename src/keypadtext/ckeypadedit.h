#pragma once

#include <cstdint>
#include <functional>
#include <string>

class CKeypadText;

// The editing operations of a keypad text box on its text model, free of keys, mouse and
// clipboard so they can be driven directly. Every insertion returns false when it was refused
// because the text would pass its line limit or the longest text the line tables can index;
// the text is then as it was before that insertion.
class CKeypadEdit {
public:
    // Gives the keypad byte for a character of pasted plain text.
    using CharToByte = std::function<std::uint8_t(char16_t)>;

    explicit CKeypadEdit(CKeypadText& text) : m_text(text) {}

    bool typeByte(std::uint8_t byte);
    bool lineBreak();
    bool pasteKeypad(const std::string& bytes);
    bool pastePlain(const std::u16string& chars, const CharToByte& toByte);
    bool insertChosen(const std::string& bytes);

    void del();
    void clear();
    void backspace();
    // Returns the number of bytes removed.
    int stripTrailingSpaces();

    void moveLeft();
    void moveRight();
    void moveUp();
    void moveDown();
    void home();
    // Onto the last byte.
    void end();
    // Past the last byte, where typing appends.
    void endOfText();
    // Extends the selection after a cursor movement while Shift is held, drops it otherwise.
    void afterMove(bool shiftHeld);
    void shiftPressed();
    void shiftReleased();

    // The selected bytes when a selection has been made, else nothing.
    std::string selectedBytes() const;

private:
    void deleteSelection();
    // What typing and pasting remove before they insert: the made selection, or in overwrite
    // mode the byte under the cursor.
    void makeRoom();
    void moveToLine(int line);
    void restore(const std::string& bytes, int cursor, int topRow);

    CKeypadText& m_text;
};
