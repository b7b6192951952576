#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;

// The editor's menu bar with every command it lists. Commands that nothing carries out
// yet stay listed but disabled; the main window connects and enables the rest.
struct MainMenus {
    explicit MainMenus(QMainWindow& window);

    QMenu* fileMenu;
    QAction* fileNew;
    QAction* fileOpen;
    QAction* fileOpenDriveFolder;
    QAction* fileSave;
    QAction* fileSaveAs;
    QAction* fileSaveAssembler;
    QAction* fileSaveConstants;
    QAction* fileExport;
    QAction* fileCompare;
    QAction* fileAutoSave;
    QAction* fileExit;

    QMenu* driveMenu;
    QAction* driveClearAll;
    QAction* driveMerge;
    QAction* driveCopyRefToCust;
    QAction* driveCheckSize;
    QAction* driveSizeReport;
    QAction* driveStrip;

    QMenu* menuOpsMenu;
    QAction* menuLoad;
    QAction* menuSave;
    QAction* menuClear;
    QAction* menuClone;
    QAction* menuCopyRefToCust;
    QAction* menuCopyModeToMode;
    QAction* menuCopyLimitsOnly;

    QMenu* connectMenu;
    QAction* connectSetup;
    QAction* connectUpload;
    QAction* connectDownload;

    QMenu* languageMenu;
    QList<QAction*> languages;
    QAction* languageExtra;

    QMenu* characterMenu;

    QMenu* windowMenu;
    QAction* windowCloseAll;

    QMenu* helpMenu;
    QAction* helpContents;
    QAction* helpAbout;
};
