#include "ckeymap.h"

#include "keymapfilereader.h"
#include "lcdprompts.h"

#include "fileio/boundedfile.h"
#include "fileio/filereaderror.h"
#include "fileio/filewriteerror.h"
#include "fileio/safefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>

namespace {

// Counts of 0xFFFF and more are written as the escape 0xFFFF followed by 32 bits.
constexpr std::uint32_t countEscape = 0xFFFF;

void put8(QByteArray& out, std::uint8_t v)
{
    out.append(static_cast<char>(v));
}

void put16(QByteArray& out, std::uint16_t v)
{
    put8(out, static_cast<std::uint8_t>(v & 0xFF));
    put8(out, static_cast<std::uint8_t>(v >> 8));
}

void put32(QByteArray& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

void putCount(QByteArray& out, std::size_t n)
{
    if (n < countEscape) {
        put16(out, static_cast<std::uint16_t>(n));
    } else {
        put16(out, countEscape);
        put32(out, static_cast<std::uint32_t>(n));
    }
}

void reportError(QWidget* parent, const QString& text)
{
    lcd::prompter().message(parent, text, QStringLiteral("ERROR"), QMessageBox::Critical, QMessageBox::Ok);
}

void reportFileError(QWidget* parent, const QString& path, const QString& reason)
{
    reportError(parent, QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
}

// The entries of a file that name a reserved byte: how many, and the first.
struct RefusedEntries {
    int count = 0;
    qint64 firstAt = 0;
    CKeyMap::Byte firstByte = 0;
    CKeyMap::Key firstKey = 0;

    bool take(qint64 at, CKeyMap::Byte byte, CKeyMap::Key key)
    {
        if (!CKeyMap::isReserved(byte)) return false;
        if (count++ == 0) {
            firstAt = at;
            firstByte = byte;
            firstKey = key;
        }
        return true;
    }

    QString text() const
    {
        const QString first = QStringLiteral("the entry at byte %1 maps key %2 to 0x%3")
                                  .arg(firstAt)
                                  .arg(firstKey)
                                  .arg(firstByte, 2, 16, QLatin1Char('0'));
        const QString leftOut = count == 1 ? QStringLiteral("It was left out")
                                           : QStringLiteral("It and %1 more such entries were left out").arg(count - 1);
        return first + QStringLiteral(", a code that keypad texts reserve (0x00, 0x0e and 0x0f cannot be typed). ") +
               leftOut + QLatin1Char('.');
    }
};

} // namespace

CKeyMap& CKeyMap::instance()
{
    static CKeyMap map;
    return map;
}

CKeyMap::CKeyMap()
{
    for (Key code = 32; code <= 127; ++code) {
        m_keyToChar.set(code, static_cast<Byte>(code));
        m_charToKey.set(static_cast<Byte>(code), code);
    }
}

std::optional<CKeyMap::Byte> CKeyMap::keyToKeypad(Key key) const
{
    return m_keyToChar.find(key);
}

std::optional<CKeyMap::Key> CKeyMap::keypadToKey(Byte byte) const
{
    return m_charToKey.find(byte);
}

bool CKeyMap::isKeyMapped(Key key) const
{
    return m_keyToChar.contains(key);
}

bool CKeyMap::isCharMapped(Byte byte) const
{
    return m_charToKey.contains(byte);
}

bool CKeyMap::map(Byte byte, Key key)
{
    if (byte < 16) return false;
    const bool wasMapped = isKeyMapped(key);
    if (wasMapped) unmapKey(key);
    m_charToKey.set(byte, key);
    m_keyToChar.set(key, byte);
    return wasMapped;
}

void CKeyMap::unmapChar(Byte byte)
{
    m_charToKey.remove(byte);
    for (Key key : keysOf(byte)) m_keyToChar.remove(key);
}

void CKeyMap::unmapKey(Key key)
{
    const std::optional<Byte> byte = m_keyToChar.find(key);
    if (!byte) return;
    m_keyToChar.remove(key);
    const std::optional<Key> representative = m_charToKey.find(*byte);
    if (!representative) return;
    const std::vector<Key> others = keysOf(*byte);
    if (others.empty())
        m_charToKey.remove(*byte);
    else if (*representative == key)
        m_charToKey.set(*byte, others.front());
}

std::vector<CKeyMap::Key> CKeyMap::keysOf(Byte byte) const
{
    std::vector<Key> keys;
    m_keyToChar.forEach([&](Key key, Byte value) {
        if (value == byte) keys.push_back(key);
    });
    return keys;
}

bool CKeyMap::save(const QString& path, QWidget* parent) const
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(16 + 3 * (m_charToKey.size() + m_keyToChar.size())));
    put32(out, m_header);
    putCount(out, m_charToKey.size());
    m_charToKey.forEach([&](Byte byte, Key key) {
        put8(out, byte);
        put16(out, key);
    });
    putCount(out, m_keyToChar.size());
    m_keyToChar.forEach([&](Key key, Byte byte) {
        put16(out, key);
        put8(out, byte);
    });

    // The host saves the map unasked when its editor closes: a link planted in the map's
    // folder must not carry the write out of it.
    try {
        const std::string file = QFile::encodeName(path).toStdString();
        kpd::SafeFile::write(file, std::string_view(out.constData(), static_cast<std::size_t>(out.size())),
                             {.confinedTo = QFile::encodeName(QFileInfo(path).absolutePath()).toStdString()});
    } catch (const kpd::FileWriteError& error) {
        reportError(parent, QString::fromLocal8Bit(error.what()));
        return false;
    }
    return true;
}

bool CKeyMap::load(const QString& path, QWidget* parent)
{
    QByteArray content;
    try {
        const std::string bytes = kpd::BoundedFile::read(QFile::encodeName(path).toStdString(), kMaxFileSize,
                                                          "the largest key map (" +
                                                              kpd::BoundedFile::grouped(kMaxFileSize) + " bytes)");
        content = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } catch (const kpd::FileReadError& error) {
        reportFileError(parent, path, QString::fromLocal8Bit(error.what()));
        return false;
    }
    QBuffer file(&content);
    file.open(QIODevice::ReadOnly);
    KeymapFileReader reader(file);
    RefusedEntries refused;
    const bool complete = [&] {
        const auto header = reader.read32();
        if (!header) return false;
        m_header = *header;
        auto count = reader.readCount();
        if (!count) return false;
        for (std::uint32_t i = 0; i < *count; ++i) {
            const qint64 at = reader.offset();
            const auto byte = reader.read8();
            const auto key = byte ? reader.read16() : std::nullopt;
            if (!key) return false;
            if (refused.take(at, *byte, *key)) continue;
            m_charToKey.set(*byte, *key);
        }
        count = reader.readCount();
        if (!count) return false;
        for (std::uint32_t i = 0; i < *count; ++i) {
            const qint64 at = reader.offset();
            const auto key = reader.read16();
            const auto byte = key ? reader.read8() : std::nullopt;
            if (!byte) return false;
            if (refused.take(at, *byte, *key)) continue;
            m_keyToChar.set(*key, *byte);
        }
        return true;
    }();
    repairRepresentatives();
    if (!complete) {
        reportFileError(parent, path, reader.errorString());
        return false;
    }
    if (refused.count > 0) {
        reportFileError(parent, path, refused.text());
        return false;
    }
    return true;
}

// A file adds its entries to the map in memory, so a representative it lists can meet a
// key in memory that now types another byte, and a byte can keep keys but lose its
// representative. The keys decide what typing inserts, so the representatives follow
// them: a stale representative gives way to another key of its byte or goes, and a byte
// whose keys have no representative takes the first of them.
void CKeyMap::repairRepresentatives()
{
    std::vector<std::pair<Byte, Key>> stale;
    m_charToKey.forEach([&](Byte byte, Key key) {
        if (m_keyToChar.find(key) != byte) stale.emplace_back(byte, key);
    });
    for (const auto& [byte, key] : stale) {
        const std::vector<Key> keys = keysOf(byte);
        if (keys.empty())
            m_charToKey.remove(byte);
        else
            m_charToKey.set(byte, keys.front());
    }
    m_keyToChar.forEach([&](Key key, Byte byte) {
        if (!m_charToKey.contains(byte)) m_charToKey.set(byte, key);
    });
}

std::optional<CKeyMap::Key> CKeyMap::keyCodeOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    const int key = event.key();
    if (mods & Qt::ControlModifier) {
        // The control characters of Ctrl+@ … Ctrl+_ whatever the platform puts in text().
        if (key >= Qt::Key_At && key <= Qt::Key_Underscore) return static_cast<Key>(key - Qt::Key_At);
    }
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    return static_cast<Key>(text.at(0).unicode());
}
