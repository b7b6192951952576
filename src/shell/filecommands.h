#pragma once

#include "currentfilewatch.h"
#include "filechooser.h"

#include <QString>

#include <memory>

class MainWindow;
class MenuView;

namespace kpd {
class DrvMenu;
}

// The commands of the File, Drive and Menu Ops menus that read and write files or change
// a whole set or a whole menu. Each dialog command asks the chooser for a name and hands
// it to the method that does the work; the tests call those methods directly.
class FileCommands {
public:
    // The filters of the Save As dialog, by their 1-based position.
    enum SaveAsFilter { KeypadFile = 1, HexFile = 2, FlashingFile = 3 };

    static constexpr const char* kNoMenuInFocus = "No menu in focus";
    static constexpr const char* kNewDatabaseTitle = "Keypad data editor: - editing: New database";
    static constexpr const char* kSwitchFolderQuestion =
        "There is unsaved data - do you really want to open another drive folder?";
    static constexpr const char* kUnsavedDataQuestion =
        "There is unsaved data - do you really want to replace it?\r\nOld data will be saved to autoBackup.kpd";

    explicit FileCommands(MainWindow& window);
    ~FileCommands();

    void setChooser(std::unique_ptr<FileChooser> chooser);

    void newFile();
    void open();
    void merge();
    void save();
    void saveAs();
    void saveConstants();
    void openDriveFolder();

    // The work behind the dialogs.
    bool openFile(const QString& name);
    // Reads the file being edited again; the user has already agreed to replace the data.
    bool reloadFile(const QString& name);
    // Takes from the file what it changed against the reference set, after a backup of
    // the set; the file being edited stays the one that Save writes.
    bool mergeFile(const QString& name);
    bool saveAsFile(const QString& name, int filter);
    bool saveConstantsFile(const QString& name);
    // Works in another drive folder from now on, and on the next starts.
    bool openDriveFolderAt(const QString& folder);

    // The chosen name without the extension of its file name.
    static QString baseName(const QString& name);

    void clearAllData();
    void copyRefToCust();

    void loadMenu();
    void saveMenu();
    void clearMenu();
    void copyMenuRefToCust();
    void copyLimitsOnly();

    bool loadMenuFile(MenuView& view, const QString& name);
    bool saveMenuFile(MenuView& view, const QString& name);

    CurrentFileWatch& watch() { return watch_; }

    QString customSetBackupPath() const;
    QString menuBackupPath(const std::string& menuKey) const;

private:
    bool loadChecked(const QString& name, bool agreed);
    // A name that Open or Merge can read; otherwise says why not.
    bool readable(const QString& name);
    // Open and New replace the set in memory: unsaved edits need a yes (unless given
    // already) and their backup.
    bool mayReplaceSet(bool agreed = false);
    // The custom set's backup; false when it could not be written and the command must stop.
    bool backUpSet();
    bool backUpMenu(const kpd::DrvMenu& menu);
    bool askToProceed(const char* firstLine);
    MenuView* viewInFocus();
    kpd::DrvMenu& customMenuOf(MenuView& view);
    FileChooser::Choice choose(FileChooser::Kind kind, const QString& title, const QStringList& filters,
                               const QString& suffix, const QString& initialName = {});

    MainWindow& window_;
    std::unique_ptr<FileChooser> chooser_;
    CurrentFileWatch watch_;
};
