#pragma once

#include <Qt>

#include <optional>

class CKeypadEdit;
class CKeypadText;

// The keys of a keypad text box that act when they go down (movement, Shift selection,
// Backspace, Insert, Delete), and the names of the control characters the box acts on.
class KeyController {
public:
    // The control characters of Ctrl+letter, as the key map reports them; the box's host
    // sends the same numbers.
    enum class ControlCode {
        SelectCharacters = 2,  // Ctrl+B
        Copy = 3,              // Ctrl+C
        Clear = 5,             // Ctrl+E
        ToggleInsert = 9,      // Ctrl+I
        SelectCharacter = 10,  // Ctrl+J
        LineBreak = 13,        // Enter, Ctrl+M
        EditCharacterMap = 19, // Ctrl+S
        Paste = 22,            // Ctrl+V
        Cut = 24,              // Ctrl+X
    };
    // The command of a character code, or nothing for a code that is no command.
    static std::optional<ControlCode> controlCode(int code);

    KeyController(CKeypadText& text, CKeypadEdit& edit) : m_text(text), m_edit(edit) {}

    // Returns whether the key was taken.
    bool keyDown(int key, Qt::KeyboardModifiers modifiers);
    void shiftReleased();
    void toggleInsertMode();

private:
    CKeypadText& m_text;
    CKeypadEdit& m_edit;
    bool m_shiftHeld = false;
};
