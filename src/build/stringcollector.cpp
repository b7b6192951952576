#include "stringcollector.h"

#include "buildlimiterror.h"
#include "escapes.h"

#include "model/theapp.h"

namespace kpd {

namespace {

constexpr int kFirstModeKey = 2;
constexpr int kLastModeKey = 5;

// The one-character prefix by which the keypad shows a description's unit.
std::string unitPrefix(std::int16_t unit)
{
    if (unit >= 1 && unit <= 4) return std::string(1, static_cast<char>(8 + unit));
    return {};
}

void requireByte(std::int16_t number, const std::string& what)
{
    if (number < 0 || number > 255)
        throw BuildLimitError(what + " has the number " + std::to_string(number) +
                              "; the string database holds menu and parameter numbers from 0 to 255 only.");
}

} // namespace

std::string StringCollector::keypadText(const std::string& escaped, bool help, std::int16_t unit)
{
    const std::string text = blankReservedBytes(decodeEscapes(escaped, false));
    return help ? text : unitPrefix(unit) + text;
}

void StringCollector::requireRoom(std::size_t records)
{
    if (records >= kMaxParameters)
        throw BuildLimitError("The custom string set has more than " + std::to_string(kMaxParameters) +
                              " parameters; the string database cannot hold them.");
}

std::array<std::optional<std::string>, kModeSlots> StringCollector::slotModes(const TheApp& app, const DrvMenu& menu)
{
    const std::int16_t number = menu.menuNumber();
    const modeNameMap& names = number >= 15 && number <= 17 ? app.modeOpMap() : app.modeDefMap();
    std::array<std::optional<std::string>, kModeSlots> modes;
    for (int m = kFirstModeKey; m <= kLastModeKey; ++m)
        if (const ClsString* name = names.find("mode" + std::to_string(m)))
            modes[static_cast<std::size_t>(m - 1)] = name->value;
    return modes;
}

int StringCollector::fill(const TheApp& app, const DrvMenu& menu, const Parameter& parameter, ParamStrings& record)
{
    requireByte(menu.menuNumber(), "Menu " + menu.menuKey());
    requireByte(parameter.paraNumber(), "Parameter " + parameter.paraKey() + " of menu " + menu.menuKey());

    record.menuNumber = menu.menuNumber();
    record.paraNumber = parameter.paraNumber();
    record.menuKey = menu.menuKey();
    record.paraKey = parameter.paraKey();
    record.menuName = menu.menuName();
    record.paraName = parameter.paraName();
    const std::array<std::optional<std::string>, kModeSlots> modes = slotModes(app, menu);
    int undefined = 0;
    for (int m = kFirstModeKey; m <= kLastModeKey; ++m) {
        const std::size_t slot = static_cast<std::size_t>(m - 1);
        if (!modes[slot]) {
            ++undefined;
            continue;
        }
        // Every parameter is built with every configured mode; one that lacks the mode
        // simply has no text in that slot.
        const ModeData* mode = parameter.modes().find(*modes[slot]);
        if (!mode) continue;
        record.descriptions[slot] = keypadText(mode->getDesc(), false, mode->unit());
        record.helps[slot] = keypadText(mode->getHelp(), true, 0);
    }
    return undefined;
}

std::vector<ParamStrings> StringCollector::collect(const TheApp& app)
{
    std::vector<ParamStrings> records;
    const stringData* set = app.stringDatas().find(app.getCustKey());
    if (!set) return records;
    for (const DrvMenu& menu : set->DrvMenus()) {
        if (menu.isMapped()) continue;
        for (const Parameter& parameter : menu.Parameters()) {
            requireRoom(records.size());
            fill(app, menu, parameter, records.emplace_back());
        }
    }
    return records;
}

} // namespace kpd
