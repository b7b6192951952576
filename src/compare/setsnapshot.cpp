#include "setsnapshot.h"

#include "model/stringdata.h"

namespace kpd {

SetSnapshot SetSnapshot::of(const stringData& set)
{
    SetSnapshot snapshot;
    for (const DrvMenu& menu : set.DrvMenus()) {
        if (menu.isMapped()) continue;
        for (const Parameter& parameter : menu.Parameters()) {
            for (const ModeData& mode : parameter.modes()) {
                snapshot.records_.push_back(ModeRecord{menu.menuKey(), menu.menuName(), parameter.paraKey(),
                                                       parameter.paraName(), mode.modeKey(), mode.getDesc(),
                                                       mode.getHelp(), mode.unit(), mode.lLim(), mode.uLim(),
                                                       mode.dVal(), mode.decimalPlaces(), mode.defined()});
            }
        }
    }
    return snapshot;
}

} // namespace kpd
