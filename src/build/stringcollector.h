#pragma once

#include "paramstrings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include <vector>

namespace kpd {

class TheApp;
class DrvMenu;
class Parameter;

// Reads the custom set's texts as the keypad stores them: per parameter of every unmapped
// menu, in collection order, the unit prefix and decoded description and the decoded help
// of mode keys mode2 to mode5 in slots 1 to 4. The build and the size analysis both read
// the model through here, so they always see the same bytes.
class StringCollector {
public:
    static constexpr std::size_t kMaxParameters = 8193;

    // Throws BuildLimitError for a menu or parameter number the image cannot hold. Returns
    // how many of the four mode keys the menu's mode map does not define; their slots stay
    // empty.
    static int fill(const TheApp& app, const DrvMenu& menu, const Parameter& parameter, ParamStrings& record);

    // Every record of the custom set, without messages; throws BuildLimitError beyond the
    // image's limits. Touches the model only while it runs, so a copy taken here can be
    // worked on elsewhere.
    static std::vector<ParamStrings> collect(const TheApp& app);

    static void requireRoom(std::size_t records);

    // The mode key whose texts each slot holds for the menu; nothing where its mode map
    // does not define the slot's mode.
    static std::array<std::optional<std::string>, kModeSlots> slotModes(const TheApp& app, const DrvMenu& menu);

    // One text as the image holds it: a description carries its unit's prefix code.
    static std::string keypadText(const std::string& escaped, bool help, std::int16_t unit);
};

} // namespace kpd
