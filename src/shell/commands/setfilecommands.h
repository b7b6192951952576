#pragma once

#include "buildcommands.h"
#include "currentfilewatch.h"
#include "shell/filechooser.h"

#include <QString>

#include <memory>

class DriveDocument;
class QWidget;

// The commands of the File and Drive menus that read and write a whole set: New, Open,
// Merge, Save, Save As, the constants file, another drive folder, clearing and copying
// the set. Each dialog command asks the chooser for a name and hands it to the method
// that does the work; the tests call those methods directly.
class SetFileCommands {
public:
    // The filters of the Save As dialog, by their 1-based position.
    enum SaveAsFilter { KeypadFile = 1, HexFile = 2, FlashingFile = 3 };

    static constexpr const char* kNewDatabaseTitle = "Keypad data editor: - editing: New database";
    static constexpr const char* kSwitchFolderQuestion =
        "There is unsaved data - do you really want to open another drive folder?";
    static constexpr const char* kUnsavedDataQuestion =
        "There is unsaved data - do you really want to replace it?\r\nOld data will be saved to autoBackup.kpd";

    // parent carries the file dialogs and the windows a command opens.
    SetFileCommands(DriveDocument& document, QWidget* parent);
    ~SetFileCommands();

    void setChooser(std::shared_ptr<FileChooser> chooser) { chooser_ = std::move(chooser); }

    void newFile();
    void open();
    void merge();
    void save();
    void saveAs();
    void saveConstants();
    void openDriveFolder();
    void clearAllData();
    void copyRefToCust();

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
    // Builds the database image and writes it as an Intel hex or a flashing file.
    bool saveCompressedFile(const QString& file, BuildCommands::ImageFile kind);

    // The chosen name without the extension of its file name.
    static QString baseName(const QString& name);

    CurrentFileWatch& watch() { return watch_; }
    QString customSetBackupPath() const;

private:
    bool loadChecked(const QString& name, bool agreed);
    // A name that Open or Merge can read; otherwise says why not.
    bool readable(const QString& name);
    // Open and New replace the set in memory: unsaved edits need a yes (unless given
    // already) and their backup.
    bool mayReplaceSet(bool agreed = false);
    // The custom set's backup; false when it could not be written and the command must stop.
    bool backUpSet();
    bool askToProceed(const char* firstLine);

    DriveDocument& document_;
    QWidget* parent_;
    std::shared_ptr<FileChooser> chooser_;
    CurrentFileWatch watch_;
};
