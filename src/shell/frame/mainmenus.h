#pragma once

#include <QList>

#include <functional>
#include <string>

class QAction;
class QMainWindow;
class QMenu;

// The editor's menu bar with every command it lists, and which of them are offered.
// Commands that nothing carries out stay listed but disabled; the main window connects
// the others to their commands.
struct MainMenus {
    explicit MainMenus(QMainWindow& window);

    // What a loaded drive offers: the assembler and constants files only in the makers'
    // alternate mode, and commands that write into the drive folder (saves, auto save, the
    // backups written before a set or a menu is replaced) only while this editor holds it.
    void applyDriveState(bool alternate, bool writable);
    // A running download blocks a second one and changing its settings.
    void applyDownloadState(bool running, bool writable);
    // Languages of the configuration by index, the one shown checked; an empty key is none.
    void showLanguages(const std::function<std::string(int index)>& keyOf, int chosen);

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
    // "&Next problem" (F8) and "Pre&vious problem" (Shift+F8).
    QAction* driveNextProblem;
    QAction* drivePreviousProblem;
    // Shows or hides the Texts panel; checked while it is shown.
    QAction* driveTexts;
    QAction* driveFind;
    QAction* driveGlossary;

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
    // Writes the drive folder's spelling.ini.
    QAction* languageSpelling;

    QMenu* characterMenu;

    QMenu* windowMenu;
    QAction* windowCloseAll;

    QMenu* helpMenu;
    QAction* helpContents;
    QAction* helpAbout;
};
