#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kpd {

// Reading whole numbers from the texts of keys, attributes and edit fields: optional
// surrounding blanks, an optional sign, decimal digits. Anything else is not a number.
enum class NumberStatus { Ok, NotNumber, OutOfRange };

struct Int16Result {
    NumberStatus status = NumberStatus::NotNumber;
    std::int16_t value = 0;
};

struct Int32Result {
    NumberStatus status = NumberStatus::NotNumber;
    std::int32_t value = 0;
};

Int16Result readInt16(const std::string& text);
Int32Result readInt32(const std::string& text);

// The number of a key such as "m12" or "p08": the text after the first character.
Int16Result numberOfKey(const std::string& key);

// The value of a hexadecimal digit, or -1 for any other character.
int hexDigitValue(char c);

// readInt16, raising ModelError (type mismatch, overflow) when the text is no 16-bit number.
std::int16_t requireInt16(const std::string& text);

} // namespace kpd
