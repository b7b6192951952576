#pragma once

class CKeypadEdit;
class CKeypadText;
class QWidget;

// Cut, copy and paste of a keypad text box: keypad bytes between boxes, plain text through
// the key map to and from other programs.
class ClipboardCommands {
public:
    // owner parents the character map that a pasted character without a key opens.
    ClipboardCommands(const CKeypadText& text, CKeypadEdit& edit, QWidget* owner)
        : m_text(text), m_edit(edit), m_owner(owner)
    {
    }

    // Only a made selection is copied.
    void copy() const;
    void cut();
    // Returns false when the text refused the paste, at its line limit or its longest text.
    bool paste();

private:
    const CKeypadText& m_text;
    CKeypadEdit& m_edit;
    QWidget* m_owner;
};
