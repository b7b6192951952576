#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

// The byte array the keypad reads, grown as the build writes it. Multi-byte fields are
// little-endian. Writing past the capacity throws BuildLimitError, so an oversized data
// set can never overrun the image.
class DatabaseImage {
public:
    static constexpr std::size_t kCapacity = 524289;
    // What the keypad's memory holds; a longer image is built but never written for it.
    static constexpr std::int32_t kKeypadLimit = 131072;
    static constexpr bool fitsKeypad(std::int64_t bytes) { return bytes <= kKeypadLimit; }

    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    // Past the end the image reads as zero, as the never-written part of the array does.
    std::uint8_t at(std::size_t pos) const { return pos < bytes_.size() ? bytes_[pos] : 0; }

    void clear() { bytes_.clear(); }
    void appendZeros(std::size_t count);
    void append(std::uint8_t byte);
    void append(const std::string& text);

    void setU8(std::size_t pos, std::uint8_t value) { bytes_.at(pos) = value; }
    void setU16(std::size_t pos, std::uint32_t value);
    void setU24(std::size_t pos, std::uint32_t value);
    void setU32(std::size_t pos, std::uint32_t value);

private:
    void ensureRoom(std::size_t count) const;

    std::vector<std::uint8_t> bytes_;
};

} // namespace kpd
