#pragma once

#include "keymaptable.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QKeyEvent;
class QWidget;

// The translation between keyboard characters and keypad bytes, one per process and
// shared by every keypad text box. A key code is the character code a key press carries
// (Shift and Ctrl combinations give distinct codes). Each keypad byte that has keys has
// exactly one representative key, the one used when keypad text leaves as plain text;
// every representative maps back to its byte.
class CKeyMap {
public:
    using Key = std::uint16_t;
    using Byte = std::uint8_t;

    // The process-wide map, created with the ASCII identity mapping on first use.
    static CKeyMap& instance();

    // Starts with every code 32 … 127 mapped to itself, and header 1.
    CKeyMap();

    std::optional<Byte> keyToKeypad(Key key) const;
    std::optional<Key> keypadToKey(Byte byte) const;
    bool isKeyMapped(Key key) const;
    bool isCharMapped(Byte byte) const;

    // Makes key type byte and the representative of byte. Refuses bytes below 16 (they
    // have no glyph) with false; otherwise returns whether key had been mapped before.
    bool map(Byte byte, Key key);
    // Removes byte's representative and every key that types byte.
    void unmapChar(Byte byte);
    // Removes key; when it was its byte's representative another key of that byte, if
    // any, takes its place.
    void unmapKey(Key key);
    // The keys that type byte, in table order.
    std::vector<Key> keysOf(Byte byte) const;

    // The bytes that end a stored string (0x00), start a back-reference (0x0E) and stand
    // for a dictionary word (0x0F). The build blanks them in texts, so a key that typed
    // one would put a space where the user saw a character.
    static bool isReserved(Byte byte) { return byte == 0x00 || byte == 0x0E || byte == 0x0F; }

    // The most a file save() writes can hold: no more entries than there are bytes and key
    // codes, the key count then taking its 32-bit escape.
    static constexpr qint64 kMaxFileSize = 4 + 2 + 256 * 3 + 6 + 65536 * 3;

    // Write or add the contents of a key map file. On failure a message with the
    // system's reason is shown (parented to parent) and false is returned; a load that
    // fails keeps the entries read before the failure. Only a regular file of at most
    // kMaxFileSize bytes is read. Entries with a byte that texts reserve (isReserved) are
    // left out with a message naming the first, and the load then returns false too.
    bool save(const QString& path, QWidget* parent = nullptr) const;
    bool load(const QString& path, QWidget* parent = nullptr);

    std::uint32_t header() const { return m_header; }

    // The key code a key press carries as a character, or nothing for presses that carry
    // no character (Alt combinations, bare modifiers, function keys).
    static std::optional<Key> keyCodeOf(const QKeyEvent& event);

private:
    void repairRepresentatives();

    std::uint32_t m_header = 1;
    KeymapTable<Key, Byte, 1152> m_keyToChar;
    KeymapTable<Byte, Key, 288> m_charToKey;
};
