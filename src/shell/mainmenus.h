#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;

// The editor's menu bar with every command it lists. Commands that nothing carries out
// yet stay listed but disabled; the main window connects and enables the rest.
struct MainMenus {
    explicit MainMenus(QMainWindow& window);

    // Commands that write into the drive folder (saves, auto save, the backups written
    // before a set or a menu is replaced) are offered only while this editor holds it.
    void setFolderWritable(bool writable);

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
    QAction* fileExportTranslation;
    QAction* fileImportTranslation;
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
