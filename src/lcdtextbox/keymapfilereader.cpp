#include "keymapfilereader.h"

#include <QIODevice>

namespace {
constexpr qint64 bufferSize = 4096;
}

bool KeymapFileReader::fill()
{
    if (!m_error.isEmpty()) return false;
    m_buffer.resize(bufferSize);
    const qint64 got = m_device.read(m_buffer.data(), bufferSize);
    if (got < 0) {
        m_error = m_device.errorString();
        m_buffer.clear();
        return false;
    }
    m_buffer.resize(got);
    m_pos = 0;
    if (got == 0) {
        m_error = QStringLiteral("Unexpected end of file.");
        return false;
    }
    return true;
}

std::optional<std::uint8_t> KeymapFileReader::read8()
{
    if (m_pos >= m_buffer.size() && !fill()) return std::nullopt;
    ++m_offset;
    return static_cast<std::uint8_t>(m_buffer.at(m_pos++));
}

std::optional<std::uint16_t> KeymapFileReader::read16()
{
    const auto lo = read8();
    const auto hi = lo ? read8() : std::nullopt;
    if (!hi) return std::nullopt;
    return static_cast<std::uint16_t>(*lo | (*hi << 8));
}

std::optional<std::uint32_t> KeymapFileReader::read32()
{
    const auto lo = read16();
    const auto hi = lo ? read16() : std::nullopt;
    if (!hi) return std::nullopt;
    return static_cast<std::uint32_t>(*lo) | (static_cast<std::uint32_t>(*hi) << 16);
}

std::optional<std::uint32_t> KeymapFileReader::readCount()
{
    const auto count = read16();
    if (!count) return std::nullopt;
    if (*count != 0xFFFF) return *count;
    return read32();
}
