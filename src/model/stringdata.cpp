#include "stringdata.h"

namespace kpd {

stringData::stringData(std::string key, TheApp* app)
    : dbKey_(std::move(key)), menus_(app)
{
}

void stringData::copyMenus(const stringData& aStringData, bool noUserData)
{
    // Trip texts follow their home menus, so the mapped menu itself is left alone.
    for (DrvMenu& menu : menus_) {
        if (!menu.isMapped()) menu.copyParams(aStringData.menus_.Item(menu.menuKey()), noUserData);
    }
}

} // namespace kpd
