#include "scalednumber.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::int16_t kMostPlaces = 5;

// A whole text that reads as a number, as the files hold limits and defaults.
bool readNumber(const std::string& text, double& value)
{
    if (text.empty()) return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    value = std::strtod(begin, &end);
    return end == begin + text.size() && std::isfinite(value);
}

} // namespace

std::string scaledNumber(const std::string& stored, std::int16_t decimalPlaces)
{
    double value = 0;
    if (!readNumber(stored, value) || decimalPlaces > kMostPlaces) return stored;
    const int places = std::max<int>(decimalPlaces, 0);
    const double scaled = value / std::pow(10.0, places) + 0.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, scaled);
    std::string result = buffer;
    // Rounding towards zero must not leave a sign on a zero.
    if (result.find_first_not_of("-0.") == std::string::npos && result.front() == '-') result.erase(0, 1);
    return result;
}
