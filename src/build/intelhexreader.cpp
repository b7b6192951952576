#include "intelhexreader.h"

#include "imagedecoder.h"
#include "imagelayout.h"
#include "model/numbertext.h"

#include <algorithm>
#include <limits>
#include <sstream>
#include <utility>

namespace kpd {

namespace {

// A character as a message shows it: printable ones as themselves, others by code.
std::string shown(char c)
{
    const auto code = static_cast<unsigned char>(c);
    if (code >= 0x20 && code < 0x7F) return std::string("'") + c + "'";
    static constexpr char digits[] = "0123456789ABCDEF";
    return std::string("byte 0x") + digits[code >> 4] + digits[code & 15];
}

// The bytes a record's hexadecimal pairs encode; the fault that makes the line no record,
// or nothing.
std::string parseRecord(const std::string& line, std::vector<std::uint8_t>& bytes)
{
    if (line[0] != ':') return "does not start with ':'";
    for (std::size_t i = 1; i < line.size(); ++i)
        if (hexDigitValue(line[i]) < 0)
            return shown(line[i]) + " in column " + std::to_string(i + 1) + " is not a hexadecimal digit";
    if (line.size() % 2 == 0) return "odd number of hexadecimal digits";
    bytes.clear();
    for (std::size_t i = 1; i < line.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(hexDigitValue(line[i]) * 16 + hexDigitValue(line[i + 1])));
    if (bytes.size() < 5) return "too short for a record";
    if (bytes.size() != bytes[0] + 5u)
        return "wrong length: " + std::to_string(bytes[0]) + " data bytes announced, " +
               std::to_string(bytes.size() - 5) + " there";
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes) sum = static_cast<std::uint8_t>(sum + b);
    if (sum != 0) return "wrong checksum";
    // Address records carry their 16-bit value in exactly two data bytes.
    if ((bytes[3] == 0x02 || bytes[3] == 0x04) && bytes[0] != 2) return "wrong length for an address record";
    return {};
}

// Calls f(line, number) for every line that is not empty, a trailing CR removed.
template <typename F>
void forEachLine(const std::string& text, F&& f)
{
    std::istringstream lines(text);
    std::string line;
    for (std::size_t number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && !f(line, number)) return;
    }
}

} // namespace

bool IntelHexReader::isIntelHex(const std::string& text)
{
    const std::size_t first = text.find_first_not_of("\r\n");
    if (first == std::string::npos || text[first] != ':') return false;
    return text.find('\0') >= ImageLayout::kHeaderSize;
}

std::vector<std::uint8_t> IntelHexReader::read(const std::string& text, std::uint32_t* lowestAddress)
{
    std::vector<std::pair<std::uint32_t, std::uint8_t>> placed;
    std::uint32_t upper = 0;
    bool ended = false;
    std::vector<std::uint8_t> r;
    forEachLine(text, [&](const std::string& line, std::size_t number) {
        if (ended) throw ImageFormatError("line " + std::to_string(number) + " follows the end record");
        if (const std::string fault = parseRecord(line, r); !fault.empty())
            throw ImageFormatError("line " + std::to_string(number) + ": " + fault);
        const std::uint32_t address = static_cast<std::uint32_t>(r[1] << 8 | r[2]);
        switch (r[3]) {
        case 0x00:
            for (std::size_t i = 0; i < r[0]; ++i) placed.emplace_back(upper + address + i, r[4 + i]);
            break;
        case 0x01: ended = true; break;
        case 0x02: upper = static_cast<std::uint32_t>(r[4] << 8 | r[5]) << 4; break;
        case 0x04: upper = static_cast<std::uint32_t>(r[4] << 8 | r[5]) << 16; break;
        default: break;
        }
        return true;
    });
    if (!ended) throw ImageFormatError("The hex file has no end record");
    std::vector<std::uint8_t> bytes;
    if (placed.empty()) return bytes;
    const std::uint32_t lowest = std::min_element(placed.begin(), placed.end())->first;
    const std::uint32_t highest = std::max_element(placed.begin(), placed.end())->first;
    if (highest - lowest >= (1u << 24)) throw ImageFormatError("The hex file spans more than 16 MiB");
    bytes.resize(highest - lowest + 1u, 0);
    for (const auto& [address, byte] : placed) bytes[address - lowest] = byte;
    if (lowestAddress) *lowestAddress = lowest;
    return bytes;
}

} // namespace kpd
