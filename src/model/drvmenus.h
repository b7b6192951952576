#pragma once

#include "drvmenu.h"
#include "keyedcollection.h"

namespace kpd {

class TheApp;

// The menus of one string set, in configuration order.
class DrvMenus : public KeyedCollection<DrvMenu> {
public:
    explicit DrvMenus(TheApp* app = nullptr) : app_(app) {}
    // Every menu points back at its collection, so the collection stays where it is.
    DrvMenus(DrvMenus&&) = delete;
    DrvMenus& operator=(DrvMenus&&) = delete;

    // The menu number comes from the key: "m5" is 5; a key without a number is -1.
    DrvMenu& Add(const std::string& key);

    DrvMenu& nextMenu(bool skipHidden = false);
    DrvMenu& lastMenu(bool skipHidden = false);

    TheApp* app() const { return app_; }

private:
    TheApp* app_;
};

} // namespace kpd
