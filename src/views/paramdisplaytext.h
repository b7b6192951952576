#pragma once

#include "editbox.h"

#include <cstdint>
#include <string>

class ParamPosition;

// The texts the editor shows about the parameter beside its strings: its number, default
// and limits as the keypad shows them, and what the mimic's cells hold.
class ParamDisplayText {
public:
    enum class Limit { Lower, Upper };

    explicit ParamDisplayText(const ParamPosition& position);

    std::string paraNumberText() const;
    // Default and limits in every panel alike: scaled by the decimal places of the
    // constants, which only language 0 holds.
    std::string valueText(EditPanel panel) const;
    std::string limitText(EditPanel panel, Limit limit) const;

    // Right-aligned in the mimic's seven value cells.
    static std::string mimicValue(const std::string& value);
    // The unit's icon file, or empty for a unit outside 0 to 4.
    static std::string iconFile(std::int16_t unit);

private:
    const ParamPosition& position_;
};
