#include "copym2mrun.h"

#include "model/drvmenu.h"

#include <algorithm>

int CopyM2MRun::roundHalfEven(int twiceValue)
{
    if (twiceValue % 2 == 0) return twiceValue / 2;
    // An odd twice-value lies halfway between (t - 1) / 2 and (t + 1) / 2; take the even one.
    const int below = (twiceValue - 1) / 2;
    return below % 2 == 0 ? below : below + 1;
}

ModeButtonLayout CopyM2MRun::layout(std::size_t modeCount, std::size_t sourcePosition)
{
    const int destinations = modeCount > 0 ? static_cast<int>(modeCount) - 1 : 0;
    const int rows = std::min(destinations, kColumnButtons);
    ModeButtonLayout result;
    result.allHeight = rows * kButtonHeight;
    result.allTop = roundHalfEven(2 * kButtonCentre - rows * kButtonHeight);
    int placed = 0;
    for (std::size_t position = 0; position < modeCount; ++position) {
        if (position == sourcePosition) continue;
        result.buttons.push_back(
            {position, result.allTop + placed % kColumnButtons * kButtonHeight, placed / kColumnButtons});
        ++placed;
    }
    return result;
}

int CopyM2MRun::copy(kpd::DrvMenu& menu, const std::string& sourceMode, const std::string& destinationMode)
{
    int copied = 0;
    for (kpd::Parameter& parameter : menu.Parameters()) {
        const kpd::modes& records = parameter.modes();
        if (!records.keyExists(sourceMode)) continue;
        if (!destinationMode.empty() && !records.keyExists(destinationMode)) continue;
        parameter.cloneMode(sourceMode, destinationMode);
        ++copied;
    }
    // The copied texts are unsaved work like any edit.
    if (copied > 0) menu.setDirty(true);
    return copied;
}
