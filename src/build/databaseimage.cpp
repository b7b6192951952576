#include "databaseimage.h"

#include "buildlimiterror.h"

namespace kpd {

void DatabaseImage::ensureRoom(std::size_t count) const
{
    if (bytes_.size() + count > kCapacity)
        throw BuildLimitError("The string database image would need more than " + std::to_string(kCapacity) +
                              " bytes; nothing can be written.");
}

void DatabaseImage::appendZeros(std::size_t count)
{
    ensureRoom(count);
    bytes_.resize(bytes_.size() + count, 0);
}

void DatabaseImage::append(std::uint8_t byte)
{
    ensureRoom(1);
    bytes_.push_back(byte);
}

void DatabaseImage::append(const std::string& text)
{
    ensureRoom(text.size());
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void DatabaseImage::setU16(std::size_t pos, std::uint32_t value)
{
    for (std::size_t i = 0; i < 2; ++i) bytes_.at(pos + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

void DatabaseImage::setU24(std::size_t pos, std::uint32_t value)
{
    for (std::size_t i = 0; i < 3; ++i) bytes_.at(pos + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

void DatabaseImage::setU32(std::size_t pos, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i) bytes_.at(pos + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace kpd
