#include "paramdisplaytext.h"

#include "paramposition.h"
#include "scalednumber.h"

#include "model/theapp.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Units 0 to 4: none, %, A, RPM, Hz.
constexpr std::int16_t kUnitCount = 5;

std::string twoDigits(int number)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, number < 0 ? "-%02d" : "%02d", std::abs(number));
    return buffer;
}

} // namespace

ParamDisplayText::ParamDisplayText(const ParamPosition& position) : position_(position)
{
}

std::string ParamDisplayText::paraNumberText() const
{
    const kpd::Parameter& param = position_.custParam();
    if (position_.tripMode()) return param.tripKey().empty() ? std::string() : param.tripKey().substr(1);
    return twoDigits(position_.custMenu().menuNumber()) + "." + twoDigits(param.paraNumber());
}

std::string ParamDisplayText::valueText(EditPanel panel) const
{
    const kpd::ModeData& record = position_.modeData(panel);
    const kpd::ModeData& scale = position_.constants(panel);
    if (scale.textDVal()) return record.dVal();
    return scaledNumber(record.dVal(), scale.decimalPlaces());
}

std::string ParamDisplayText::limitText(EditPanel panel, Limit limit) const
{
    const kpd::ModeData& record = position_.modeData(panel);
    return scaledNumber(limit == Limit::Lower ? record.lLim() : record.uLim(),
                        position_.constants(panel).decimalPlaces());
}

std::string ParamDisplayText::mimicValue(const std::string& value)
{
    constexpr std::size_t cells = 7;
    return value.size() >= cells ? value : std::string(cells - value.size(), ' ') + value;
}

std::string ParamDisplayText::iconFile(std::int16_t unit)
{
    static const char* const files[kUnitCount] = {"noicon.bmp", "pcicon.bmp", "ampicon.bmp", "rpmicon.bmp",
                                                  "hzicon.bmp"};
    return unit >= 0 && unit < kUnitCount ? files[unit] : std::string();
}
