#include "numbertext.h"

#include "modelerror.h"

#include <limits>

namespace kpd {

namespace {

struct WideResult {
    NumberStatus status = NumberStatus::NotNumber;
    long long value = 0;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

WideResult readWide(const std::string& text, long long lowest, long long highest)
{
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && isBlank(text[pos])) ++pos;
    while (end > pos && isBlank(text[end - 1])) --end;

    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == end) return {};

    long long value = 0;
    bool overflow = false;
    for (; pos < end; ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') return {};
        if (!overflow) {
            value = value * 10 + (c - '0');
            // Past any 32-bit value: keep scanning for a non-digit, but stop growing.
            if (value > (1LL << 40)) overflow = true;
        }
    }
    if (negative) value = -value;
    if (overflow || value < lowest || value > highest) return {NumberStatus::OutOfRange, 0};
    return {NumberStatus::Ok, value};
}

} // namespace

Int16Result readInt16(const std::string& text)
{
    const WideResult r = readWide(text, std::numeric_limits<std::int16_t>::min(),
                                  std::numeric_limits<std::int16_t>::max());
    return {r.status, static_cast<std::int16_t>(r.value)};
}

Int32Result readInt32(const std::string& text)
{
    const WideResult r = readWide(text, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max());
    return {r.status, static_cast<std::int32_t>(r.value)};
}

Int16Result numberOfKey(const std::string& key)
{
    return key.empty() ? Int16Result{} : readInt16(key.substr(1));
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::int16_t requireInt16(const std::string& text)
{
    const Int16Result r = readInt16(text);
    if (r.status == NumberStatus::NotNumber)
        throw ModelError(ModelError::TypeMismatch, "\"" + text + "\" is not a number");
    if (r.status == NumberStatus::OutOfRange)
        throw ModelError(ModelError::Overflow, "\"" + text + "\" is out of range");
    return r.value;
}

} // namespace kpd
