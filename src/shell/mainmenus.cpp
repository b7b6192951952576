#include "mainmenus.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace {

QAction* disabledAction(QMenu* menu, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setEnabled(false);
    return action;
}

} // namespace

MainMenus::MainMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();

    fileMenu = bar->addMenu(QStringLiteral("&File"));
    fileNew = disabledAction(fileMenu, QStringLiteral("&New"));
    fileOpen = disabledAction(fileMenu, QStringLiteral("&Open"));
    fileOpenDriveFolder = disabledAction(fileMenu, QStringLiteral("Open &drive folder..."));
    fileSave = disabledAction(fileMenu, QStringLiteral("&Save"));
    fileSaveAs = disabledAction(fileMenu, QStringLiteral("Save &As"));
    fileSaveAssembler = disabledAction(fileMenu, QStringLiteral("Save Asse&mbler file"));
    fileSaveConstants = disabledAction(fileMenu, QStringLiteral("Save &Constants file"));
    fileExport = disabledAction(fileMenu, QStringLiteral("E&xport"));
    fileCompare = disabledAction(fileMenu, QStringLiteral("Compare &with..."));
    fileExportTranslation = disabledAction(fileMenu, QStringLiteral("Export for &translation..."));
    fileImportTranslation = disabledAction(fileMenu, QStringLiteral("&Import translation..."));
    fileAutoSave = fileMenu->addAction(QStringLiteral("Auto sa&ve"));
    fileMenu->addSeparator();
    fileExit = fileMenu->addAction(QStringLiteral("E&xit"));

    driveMenu = bar->addMenu(QStringLiteral("&Drive"));
    driveClearAll = disabledAction(driveMenu, QStringLiteral("Clear &all data"));
    driveMerge = disabledAction(driveMenu, QStringLiteral("&Merge file"));
    driveCopyRefToCust = disabledAction(driveMenu, QStringLiteral("&Copy ref' to cust'"));
    driveCheckSize = disabledAction(driveMenu, QStringLiteral("Chec&k size"));
    driveSizeReport = driveMenu->addAction(QStringLiteral("Size &report..."));
    driveStrip = disabledAction(driveMenu, QStringLiteral("&Strip trailing spaces"));

    menuOpsMenu = bar->addMenu(QStringLiteral("&Menu Ops"));
    menuLoad = disabledAction(menuOpsMenu, QStringLiteral("&Load Menu"));
    menuSave = disabledAction(menuOpsMenu, QStringLiteral("&Save Menu"));
    menuClear = disabledAction(menuOpsMenu, QStringLiteral("Clea&r Menu"));
    menuClone = disabledAction(menuOpsMenu, QStringLiteral("C&lone menu"));
    menuCopyRefToCust = disabledAction(menuOpsMenu, QStringLiteral("&Copy ref' to cust'"));
    menuCopyModeToMode = disabledAction(menuOpsMenu, QStringLiteral("Copy &mode to mode"));
    menuCopyLimitsOnly = disabledAction(menuOpsMenu, QStringLiteral("Copy limits &only"));

    connectMenu = bar->addMenu(QStringLiteral("&Connect"));
    connectSetup = disabledAction(connectMenu, QStringLiteral("&Setup comms"));
    // Listed for the keypad's upload that never came; it is never offered.
    connectUpload = disabledAction(connectMenu, QStringLiteral("&Upload"));
    connectUpload->setVisible(false);
    connectDownload = disabledAction(connectMenu, QStringLiteral("&Download"));

    languageMenu = bar->addMenu(QStringLiteral("&Reference Language"));
    auto* group = new QActionGroup(languageMenu);
    group->setExclusive(true);
    for (int i = 0; i < 6; ++i) {
        QAction* action = languageMenu->addAction(QStringLiteral("Lang"));
        action->setCheckable(true);
        action->setData(i);
        group->addAction(action);
        languages.append(action);
    }
    // The item of index 1 is never offered: the drive's configuration gives that index to the custom set.
    languages[1]->setVisible(false);
    languages[1]->setEnabled(false);
    languageMenu->addSeparator();
    languageExtra = languageMenu->addAction(QStringLiteral("&Extra reference languages..."));

    characterMenu = bar->addMenu(QStringLiteral("Cha&racter"));
    disabledAction(characterMenu, QStringLiteral("Character &Map"));
    disabledAction(characterMenu, QStringLiteral("Char &Editor"));
    characterMenu->menuAction()->setVisible(false);
    characterMenu->menuAction()->setEnabled(false);

    windowMenu = bar->addMenu(QStringLiteral("&Window"));
    // The window list is rebuilt with clear() each time the menu opens, and clear() deletes
    // the actions the menu owns: this one belongs to the window so it survives.
    windowCloseAll = new QAction(QStringLiteral("Cl&ose all windows"), &window);

    helpMenu = bar->addMenu(QStringLiteral("&Help"));
    helpContents = helpMenu->addAction(QStringLiteral("Keypad Editor &Help"));
    helpAbout = helpMenu->addAction(QStringLiteral("&About Keypad Editor"));
}

void MainMenus::setFolderWritable(bool writable)
{
    for (QAction* action : {fileSave, fileSaveAs, fileAutoSave, driveClearAll, driveMerge, driveCopyRefToCust, menuLoad,
                            menuSave, menuClear, menuClone, menuCopyRefToCust, menuCopyModeToMode, menuCopyLimitsOnly,
                            connectDownload})
        action->setEnabled(writable);
}
