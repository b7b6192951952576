#include "unsavedmenus.h"

#include "model/theapp.h"

UnsavedMenus::UnsavedMenus(kpd::TheApp& app)
{
    for (kpd::stringData& set : app.stringDatas()) {
        for (kpd::DrvMenu& menu : set.DrvMenus())
            if (menu.dirty()) menus_.push_back(&menu);
    }
}

UnsavedMenus::~UnsavedMenus()
{
    for (kpd::DrvMenu* menu : menus_) menu->setDirty(true);
}
