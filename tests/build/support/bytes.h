#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kpd::test {

using Bytes = std::vector<std::uint8_t>;

// Builds expected images piece by piece: raw bytes, texts and little-endian fields.
class ByteList {
public:
    ByteList& add(std::initializer_list<int> bytes)
    {
        for (int b : bytes) bytes_.push_back(static_cast<std::uint8_t>(b));
        return *this;
    }
    ByteList& text(const std::string& s)
    {
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        return *this;
    }
    ByteList& u24(std::uint32_t v) { return add({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF)}); }
    ByteList& u32(std::uint32_t v) { return u24(v).add({int(v >> 24)}); }
    ByteList& zeros(std::size_t n)
    {
        bytes_.insert(bytes_.end(), n, 0);
        return *this;
    }
    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

// A readable difference for failing image comparisons: the first differing offset and
// the bytes around it on both sides.
std::string firstDifference(const Bytes& actual, const Bytes& expected);

} // namespace kpd::test
