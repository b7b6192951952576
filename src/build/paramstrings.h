#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

// The image reserves eight mode slots per parameter; the build fills slots 1 to 4.
inline constexpr std::size_t kModeSlots = 8;

// The keypad bytes of one parameter's texts as the build collects them: per mode slot
// the description (unit prefix included) and the help text.
struct ParamStrings {
    std::int16_t menuNumber = 0;
    std::int16_t paraNumber = 0;
    std::string menuKey;
    std::string paraKey;
    // Carried for reports, which name what they count; the image stores neither.
    std::string menuName;
    std::string paraName;
    std::array<std::string, kModeSlots> descriptions;
    std::array<std::string, kModeSlots> helps;
};

// One parameter's distinct strings: per slot the 1-based number of its string (0 for
// none); the strings hold the distinct descriptions first, then the distinct helps.
struct PackedParam {
    std::uint8_t menuNumber = 0;
    std::uint8_t paraNumber = 0;
    std::array<std::uint8_t, kModeSlots> descIndex{};
    std::array<std::uint8_t, kModeSlots> helpIndex{};
    std::vector<std::string> strings;
};

} // namespace kpd
