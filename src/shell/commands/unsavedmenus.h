#pragma once

#include <vector>

namespace kpd {
class DrvMenu;
class TheApp;
} // namespace kpd

// Keeps the menus that hold unsaved edits marked as unsaved across a write that is not
// the user's file (a backup, a constants file): every write marks everything saved.
class UnsavedMenus {
public:
    explicit UnsavedMenus(kpd::TheApp& app);
    ~UnsavedMenus();
    UnsavedMenus(const UnsavedMenus&) = delete;
    UnsavedMenus& operator=(const UnsavedMenus&) = delete;

private:
    std::vector<kpd::DrvMenu*> menus_;
};
