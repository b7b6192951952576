#pragma once

#include "shell/filechooser.h"
#include "views/menuwindows.h"

#include <QString>

#include <memory>
#include <string>

class DriveDocument;
class MenuView;

namespace kpd {
class DrvMenu;
}

// The commands of the Menu Ops menu that work on the menu window in focus: loading and
// saving one menu, clearing it and copying into it, each after a backup of the menu.
class MenuFileCommands {
public:
    static constexpr const char* kNoMenuInFocus = "No menu in focus";

    MenuFileCommands(DriveDocument& document, kpd::menuWindows<MenuView>& windows,
                     std::shared_ptr<FileChooser> chooser);

    void setChooser(std::shared_ptr<FileChooser> chooser) { chooser_ = std::move(chooser); }

    void loadMenu();
    void saveMenu();
    void clearMenu();
    void copyMenuRefToCust();
    void copyLimitsOnly();

    bool loadMenuFile(MenuView& view, const QString& name);
    bool saveMenuFile(MenuView& view, const QString& name);

    QString menuBackupPath(const std::string& menuKey) const;

private:
    bool backUpMenu(const kpd::DrvMenu& menu);
    MenuView* viewInFocus();
    kpd::DrvMenu& customMenuOf(MenuView& view);

    DriveDocument& document_;
    kpd::menuWindows<MenuView>& windows_;
    std::shared_ptr<FileChooser> chooser_;
};
