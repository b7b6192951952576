#pragma once

#include "views/menuwindows.h"

#include <QString>

#include <functional>

class MenuView;
class QWidget;

namespace kpd {
class TheApp;
class UserInterface;
} // namespace kpd

// The commands that open the clone and copy mode dialogs on the menu window in focus,
// and the strip of trailing spaces from the whole custom set.
class MenuDialogCommands {
public:
    static constexpr const char* kNoMenuInFocus = "No menu in focus";
    static constexpr const char* kStripReport = " bytes were removed from database";

    // refresh gives every open menu window its menus again and refills it.
    MenuDialogCommands(kpd::TheApp& app, kpd::UserInterface& ui, kpd::menuWindows<MenuView>& windows,
                       std::function<void()> refresh);

    // "C&lone menu"
    void cloneMenu();
    // "Copy &mode to mode": the menu's backup comes first; without it the dialog is not opened.
    void copyModeToMode();
    // "&Strip trailing spaces"; controlFolder is where the keypad text box library lies.
    void stripTrailingSpaces(const QString& controlFolder, QWidget* parent);

private:
    MenuView* viewInFocus();

    kpd::TheApp& app_;
    kpd::UserInterface& ui_;
    kpd::menuWindows<MenuView>& windows_;
    std::function<void()> refresh_;
};
