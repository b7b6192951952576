#include "menudialogcommands.h"

#include "menuview.h"
#include "stripspace.h"

#include "model/counted.h"
#include "model/theapp.h"
#include "modeltext/failurereport.h"
#include "xmlfiles/drivefilenames.h"

#include <memory>

MenuDialogCommands::MenuDialogCommands(kpd::TheApp& app, kpd::UserInterface& ui, kpd::menuWindows<MenuView>& windows,
                                       std::function<void()> refresh)
    : app_(app), ui_(ui), windows_(windows), refresh_(std::move(refresh))
{
}

MenuView* MenuDialogCommands::viewInFocus()
{
    MenuView* view = windows_.getFormInFocus();
    if (!view) ui_.message(kNoMenuInFocus);
    return view;
}

void MenuDialogCommands::cloneMenu()
{
    MenuView* view = viewInFocus();
    if (!view) return;
    reportFailures(ui_, [view] { view->cloneMenuToMenu(); });
    refresh_();
}

void MenuDialogCommands::copyModeToMode()
{
    MenuView* view = viewInFocus();
    if (!view) return;
    bool backedUp = true;
    reportFailures(ui_, [&] {
        const kpd::DrvMenu& menu = app_.getCustMenus().Item(view->myCustMenuKey());
        // The writer has said why the backup failed; the copy waits for a backup.
        backedUp = menu.xmlSaveM(kpd::DriveFileNames::menuBackup(app_.appFolder(), menu.menuKey()), app_.appFolder());
        if (backedUp) view->copyMode2Mode();
    });
    if (!backedUp) return;
    refresh_();
}

void MenuDialogCommands::stripTrailingSpaces(const QString& controlFolder, QWidget* parent)
{
    std::int32_t removed = 0;
    int changed = 0;
    // The window stays up under the report and goes with this scope.
    std::unique_ptr<Stripspace> window;
    reportFailures(ui_, [&] {
        window = std::make_unique<Stripspace>(ui_, controlFolder, parent);
        removed = window->stripTrail(app_.getCustMenus());
        changed = window->textsChanged();
    });
    // Open windows show the stripped texts, not the old ones.
    refresh_();
    ui_.message(std::to_string(removed) + kStripReport + "\n" + kpd::counted(changed, "text") + " changed");
}
