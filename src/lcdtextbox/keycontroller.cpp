#include "keycontroller.h"

#include "keypadtext/ckeypadedit.h"
#include "keypadtext/ckeypadtext.h"

std::optional<KeyController::ControlCode> KeyController::controlCode(int code)
{
    switch (static_cast<ControlCode>(code)) {
    case ControlCode::SelectCharacters:
    case ControlCode::Copy:
    case ControlCode::Clear:
    case ControlCode::ToggleInsert:
    case ControlCode::SelectCharacter:
    case ControlCode::LineBreak:
    case ControlCode::EditCharacterMap:
    case ControlCode::Paste:
    case ControlCode::Cut:
        return static_cast<ControlCode>(code);
    }
    return std::nullopt;
}

bool KeyController::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Backspace:
        m_edit.backspace();
        return true;
    case Qt::Key_Shift:
        m_shiftHeld = true;
        m_edit.shiftPressed();
        return true;
    case Qt::Key_End:
        // End stops on the last byte. Ctrl+End goes past it, where typing appends, and so does
        // Shift+End, so that the selection takes the last byte too.
        if (modifiers & Qt::ControlModifier || m_shiftHeld)
            m_edit.endOfText();
        else
            m_edit.end();
        m_edit.afterMove(m_shiftHeld);
        return true;
    case Qt::Key_Home:
        m_edit.home();
        m_edit.afterMove(m_shiftHeld);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (key == Qt::Key_Left) m_edit.moveLeft();
        if (key == Qt::Key_Right) m_edit.moveRight();
        if (key == Qt::Key_Up) m_edit.moveUp();
        if (key == Qt::Key_Down) m_edit.moveDown();
        m_edit.afterMove(m_shiftHeld);
        return true;
    case Qt::Key_Insert:
        toggleInsertMode();
        return true;
    case Qt::Key_Delete:
        m_edit.del();
        return true;
    default:
        return false;
    }
}

void KeyController::shiftReleased()
{
    m_shiftHeld = false;
    m_edit.shiftReleased();
}

void KeyController::toggleInsertMode()
{
    m_text.setInsertMode(!m_text.insertMode());
}
