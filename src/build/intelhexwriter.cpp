#include "intelhexwriter.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kpd {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Builds one record: the fields as bytes, then their two's complement checksum.
std::string record(std::uint8_t type, std::uint16_t address, const std::uint8_t* data, std::size_t count)
{
    std::string line = ":";
    std::uint8_t sum = 0;
    const auto put = [&](std::uint8_t byte) {
        line += kHexDigits[byte >> 4];
        line += kHexDigits[byte & 15];
        sum = static_cast<std::uint8_t>(sum + byte);
    };
    put(static_cast<std::uint8_t>(count));
    put(static_cast<std::uint8_t>(address >> 8));
    put(static_cast<std::uint8_t>(address & 0xFF));
    put(type);
    for (std::size_t i = 0; i < count; ++i) put(data[i]);
    put(static_cast<std::uint8_t>(-sum));
    return line;
}

} // namespace

std::string IntelHexWriter::dataRecord(std::uint16_t address, const std::uint8_t* bytes, std::size_t count)
{
    return record(0x00, address, bytes, count);
}

std::string IntelHexWriter::addressRecord(std::uint16_t upper)
{
    const std::array<std::uint8_t, 2> data{static_cast<std::uint8_t>(upper >> 8), static_cast<std::uint8_t>(upper & 0xFF)};
    return record(0x04, 0, data.data(), data.size());
}

bool IntelHexWriter::createRecords(const DatabaseImage& image, std::uint32_t& base, std::vector<std::string>& lines,
                                   const StopCheck& stopAt)
{
    std::optional<std::uint32_t> upper;
    std::array<std::uint8_t, kBytesPerRecord> chunk{};
    for (std::size_t pos = 0; pos <= image.size(); pos += kBytesPerRecord) {
        for (std::size_t i = 0; i < kBytesPerRecord; ++i) chunk[i] = image.at(pos + i);
        std::size_t done = 0;
        while (done < kBytesPerRecord) {
            const std::uint32_t address = base + static_cast<std::uint32_t>(done);
            if (upper != address >> 16) {
                upper = address >> 16;
                lines.push_back(addressRecord(static_cast<std::uint16_t>(*upper)));
            }
            const std::uint32_t lower = address & 0xFFFF;
            const std::size_t count = std::min<std::size_t>(kBytesPerRecord - done, 0x10000 - lower);
            lines.push_back(dataRecord(static_cast<std::uint16_t>(lower), chunk.data() + done, count));
            done += count;
        }
        base += kBytesPerRecord;
        if (stopAt && stopAt(static_cast<std::int32_t>(pos))) return false;
    }
    return true;
}

std::string IntelHexWriter::fileText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    text += std::string(kEndRecord) + "\r\n";
    return text;
}

} // namespace kpd
