#include "drvmenus.h"

#include "numbertext.h"

#include <memory>

namespace kpd {

namespace {
bool isHidden(const DrvMenu& menu) { return menu.hidden(); }
}

DrvMenu& DrvMenus::Add(const std::string& key)
{
    auto menu = std::make_unique<DrvMenu>();
    menu->setMenus(this);
    menu->setMenuKey(key);
    const Int16Result number = numberOfKey(key);
    menu->setMenuNumber(number.status == NumberStatus::Ok ? number.value : std::int16_t(-1));
    return appendOwned(key, std::move(menu));
}

DrvMenu& DrvMenus::nextMenu(bool skipHidden)
{
    return skipHidden ? stepNext(isHidden) : stepNext();
}

DrvMenu& DrvMenus::lastMenu(bool skipHidden)
{
    return skipHidden ? stepLast(isHidden) : stepLast();
}

} // namespace kpd
