#include "unitnotes.h"

namespace kpd {

namespace {

std::string named(const std::string& key, const std::string& name)
{
    return name.empty() || name == key ? key : key + " (" + name + ")";
}

} // namespace

std::string UnitNotes::menu(const ExchangeUnit& unit)
{
    return "Menu " + named(unit.menuKey, unit.menuName);
}

std::string UnitNotes::place(const ExchangeUnit& unit)
{
    return (unit.field == Field::Help ? "Help text of parameter " : "Description of parameter ") +
           named(unit.paraKey, unit.paraName) + " in mode " + unit.modeKey + ", menu " +
           named(unit.menuKey, unit.menuName);
}

std::string UnitNotes::limit(const ExchangeUnit& unit)
{
    if (unit.maxLines > 0)
        return std::to_string(unit.maxLines) + " lines of " + std::to_string(unit.columns) +
               " characters on the keypad display";
    return "At most " + std::to_string(unit.maxLength) + " characters on the keypad display";
}

std::string UnitNotes::cellsAndRows(const ExchangeUnit& unit)
{
    if (unit.maxLines > 0) return "c=" + std::to_string(unit.columns) + " r=" + std::to_string(unit.maxLines);
    return "c=" + std::to_string(unit.maxLength);
}

std::string UnitNotes::flags(const ExchangeUnit& unit)
{
    std::string flags = "max-length:" + std::to_string(unit.maxLength);
    if (unit.maxLines > 0) flags += ", max-lines:" + std::to_string(unit.maxLines);
    return flags;
}

} // namespace kpd
