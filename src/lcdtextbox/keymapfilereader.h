#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class QIODevice;

// Reads the little-endian fields of a key map file through a 4096-byte buffer. A read
// that the file cannot satisfy returns nothing, and errorString() then tells why: the
// device's own reason, or that the file ended early.
class KeymapFileReader {
public:
    explicit KeymapFileReader(QIODevice& device) : m_device(device) {}

    std::optional<std::uint8_t> read8();
    std::optional<std::uint16_t> read16();
    std::optional<std::uint32_t> read32();
    // A 16-bit count, or the escape 0xFFFF followed by the count in 32 bits.
    std::optional<std::uint32_t> readCount();

    QString errorString() const { return m_error; }
    // The bytes read so far: where the next field starts in the file.
    qint64 offset() const { return m_offset; }

private:
    bool fill();

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qint64 m_offset = 0;
    QString m_error;
};
