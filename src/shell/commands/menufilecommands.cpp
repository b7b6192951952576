#include "menufilecommands.h"

#include "model/theapp.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"
#include "shell/drivedocument.h"
#include "views/menuview.h"
#include "xmlfiles/drivefilenames.h"

#include <QDir>
#include <QFileInfo>

MenuFileCommands::MenuFileCommands(DriveDocument& document, kpd::menuWindows<MenuView>& windows,
                                   std::shared_ptr<FileChooser> chooser)
    : document_(document), windows_(windows), chooser_(std::move(chooser))
{
}

QString MenuFileCommands::menuBackupPath(const std::string& menuKey) const
{
    return fromFileName(kpd::DriveFileNames::menuBackup(toFileName(document_.programFolder()), menuKey));
}

bool MenuFileCommands::backUpMenu(const kpd::DrvMenu& menu)
{
    return menu.xmlSaveM(toFileName(menuBackupPath(menu.menuKey())), toFileName(document_.programFolder()));
}

MenuView* MenuFileCommands::viewInFocus()
{
    MenuView* view = document_.app() ? windows_.getFormInFocus() : nullptr;
    if (!view) document_.ui().message(kNoMenuInFocus);
    return view;
}

kpd::DrvMenu& MenuFileCommands::customMenuOf(MenuView& view)
{
    return document_.app()->getCustMenus().Item(view.myCustMenuKey());
}

void MenuFileCommands::loadMenu()
{
    reportFailures(document_.ui(), [this] {
        MenuView* view = viewInFocus();
        if (!view) return;
        const kpd::DrvMenu& menu = customMenuOf(*view);
        const FileChooser::Choice choice =
            chooser_->ask(FileChooser::Kind::Open,
                          QStringLiteral("Partial load of ") + toQt(menu.menuName()) + QStringLiteral(" from file"),
                          {FileChooser::keypadFilter()}, QStringLiteral("kpd"));
        if (!choice.cancelled()) loadMenuFile(*view, choice.name);
    });
}

bool MenuFileCommands::loadMenuFile(MenuView& view, const QString& name)
{
    if (!document_.app()) return false;
    bool loaded = false;
    reportFailures(document_.ui(), [&] {
        kpd::DrvMenus& menus = document_.app()->getCustMenus();
        const kpd::DrvMenu& menu = menus.Item(view.myCustMenuKey());
        if (!QFileInfo(name).isFile()) {
            document_.ui().message("Could not find the file " + toModel(name), "ERROR", kpd::MessageIcon::Critical);
            return;
        }
        if (!backUpMenu(menu)) return;
        const std::string path = toFileName(name);
        if (menu.isMapped()) {
            // The trips menu owns nothing: its texts live in the menus it forwards to.
            for (std::int16_t i = 0; i < menu.nOfFwdMenus(); ++i)
                document_.app()->loadUserFile(path, menus.Item(menu.GetFwdMenu(i)).menuNumber());
        } else {
            document_.app()->loadUserFile(path, view.myCustMenuNumber());
        }
        loaded = true;
        document_.notifyChanged();
    });
    return loaded;
}

void MenuFileCommands::saveMenu()
{
    reportFailures(document_.ui(), [this] {
        MenuView* view = viewInFocus();
        if (!view) return;
        const FileChooser::Choice choice =
            chooser_->ask(FileChooser::Kind::Save,
                          QStringLiteral("Save keypad strings for menu: ") + toQt(customMenuOf(*view).menuName()),
                          {FileChooser::keypadFilter()}, QStringLiteral("kpd"));
        if (!choice.cancelled()) saveMenuFile(*view, choice.name);
    });
}

bool MenuFileCommands::saveMenuFile(MenuView& view, const QString& name)
{
    bool saved = false;
    reportFailures(document_.ui(), [&] { saved = view.saveMenu(toFileName(name)); });
    return saved;
}

void MenuFileCommands::clearMenu()
{
    reportFailures(document_.ui(), [this] {
        MenuView* view = viewInFocus();
        if (!view || !backUpMenu(customMenuOf(*view))) return;
        view->clear();
        document_.notifyChanged();
    });
}

void MenuFileCommands::copyMenuRefToCust()
{
    reportFailures(document_.ui(), [this] {
        MenuView* view = viewInFocus();
        // Every text of the menu is replaced without a question: the backup is the way back.
        if (!view || !backUpMenu(customMenuOf(*view))) return;
        view->copyR2C(false);
        document_.notifyChanged();
    });
}

void MenuFileCommands::copyLimitsOnly()
{
    reportFailures(document_.ui(), [this] {
        MenuView* view = viewInFocus();
        if (!view) return;
        kpd::DrvMenu& menu = customMenuOf(*view);
        if (!backUpMenu(menu)) return;
        menu.clearAll();
        if (menu.isMapped()) {
            // A mapped menu's own copy always brings the texts along; copy its forward
            // menus one by one so that only the constant data arrives here too.
            kpd::DrvMenus& custom = document_.app()->getCustMenus();
            const kpd::DrvMenus& reference = document_.app()->getRefMenus();
            for (std::int16_t i = 0; i < menu.nOfFwdMenus(); ++i) {
                const std::string key = menu.GetFwdMenu(i);
                custom.Item(key).copyParams(reference.Item(key), true);
            }
        } else {
            view->copyR2C(true);
        }
        document_.notifyChanged();
    });
}
