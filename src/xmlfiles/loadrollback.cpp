#include "loadrollback.h"

#include "model/drvmenu.h"

namespace kpd {

void LoadRollback::keep(DrvMenu& menu)
{
    menus_.emplace_back(&menu, menu.dirty());
}

void LoadRollback::restore()
{
    for (auto it = modes_.rbegin(); it != modes_.rend(); ++it) *it->first = std::move(it->second);
    for (auto it = menus_.rbegin(); it != menus_.rend(); ++it) it->first->setDirty(it->second);
    modes_.clear();
    menus_.clear();
}

} // namespace kpd
