#include "clipboardcommands.h"

#include "charmaprunner.h"
#include "ckeymap.h"
#include "keypadclipboard.h"
#include "keypadtext/ckeypadedit.h"
#include "keypadtext/ckeypadtext.h"

namespace {

// Grey behind mapped characters when the map opens for a pasted character with no key.
constexpr QRgb pastedCharMappedColor = 0x808080;

} // namespace

void ClipboardCommands::copy() const
{
    if (m_text.selState() != CKeypadText::SelMade) return;
    const std::string bytes = m_edit.selectedBytes();
    const CKeyMap& keyMap = CKeyMap::instance();
    QString plain;
    for (char byte : bytes) {
        const auto key = keyMap.keypadToKey(static_cast<std::uint8_t>(byte));
        plain.append(key ? QChar(*key) : QChar(u' '));
    }
    KeypadClipboard::put(bytes, plain);
}

void ClipboardCommands::cut()
{
    copy();
    m_edit.del();
}

bool ClipboardCommands::paste()
{
    switch (KeypadClipboard::content()) {
    case KeypadClipboard::Content::KeypadBytes:
        return m_edit.pasteKeypad(KeypadClipboard::pasteBuffer());
    case KeypadClipboard::Content::PlainText: {
        const QString plain = KeypadClipboard::plainText();
        const auto toByte = [this](char16_t c) -> std::uint8_t {
            if (const auto byte = CKeyMap::instance().keyToKeypad(c)) return *byte;
            return CharMapRunner::run({m_owner, QColor::fromRgb(pastedCharMappedColor), 3, c}).current;
        };
        return m_edit.pastePlain(plain.toStdU16String(), toByte);
    }
    case KeypadClipboard::Content::Nothing:
        break;
    }
    return true;
}
