#include "intelhexreader.h"

#include "imagedecoder.h"
#include "model/numbertext.h"

#include <algorithm>
#include <limits>
#include <sstream>
#include <utility>

namespace kpd {

namespace {

// The bytes a record's hexadecimal pairs encode, or why the line is no record.
const char* parseRecord(const std::string& line, std::vector<std::uint8_t>& bytes)
{
    if (line.empty() || line[0] != ':' || line.size() % 2 == 0) return "not a record";
    bytes.clear();
    for (std::size_t i = 1; i < line.size(); i += 2) {
        const int high = hexDigitValue(line[i]);
        const int low = hexDigitValue(line[i + 1]);
        if (high < 0 || low < 0) return "not hexadecimal";
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    if (bytes.size() < 5 || bytes.size() != bytes[0] + 5u) return "wrong length";
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes) sum = static_cast<std::uint8_t>(sum + b);
    if (sum != 0) return "wrong checksum";
    // Address records carry their 16-bit value in exactly two data bytes.
    if ((bytes[3] == 0x02 || bytes[3] == 0x04) && bytes[0] != 2) return "wrong length for an address record";
    return nullptr;
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
    bool records = false;
    bool wellFormed = true;
    std::vector<std::uint8_t> bytes;
    forEachLine(text, [&](const std::string& line, std::size_t) {
        records = true;
        wellFormed = parseRecord(line, bytes) == nullptr;
        return wellFormed;
    });
    return records && wellFormed;
}

std::vector<std::uint8_t> IntelHexReader::read(const std::string& text, std::uint32_t* lowestAddress)
{
    std::vector<std::pair<std::uint32_t, std::uint8_t>> placed;
    std::uint32_t upper = 0;
    bool ended = false;
    std::vector<std::uint8_t> r;
    forEachLine(text, [&](const std::string& line, std::size_t number) {
        if (ended) throw ImageFormatError("Hex line " + std::to_string(number) + " follows the end record");
        if (const char* fault = parseRecord(line, r))
            throw ImageFormatError("Hex line " + std::to_string(number) + ": " + fault);
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
