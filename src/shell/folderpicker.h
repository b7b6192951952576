#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kpd {
class UserInterface;
}

// The drive list, folder list and new-folder button of the export and assembler dialogs.
// Folder names the keypad tool creates hold only letters, digits and spaces.
class FolderPicker : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kNewFolderPrompt = "Please enter new folder name";
    static constexpr const char* kBadFolderPrompt =
        "Keypad tool cannot handle characters other than  0 - 9, A - Z, a - z or space for folder names please try again";
    static constexpr const char* kCannotCreate = "Couldnt create dir";

    // Asks for a folder name with the prompt; an empty answer is a cancel.
    using Asker = std::function<QString(const QString& prompt)>;

    FolderPicker(kpd::UserInterface& ui, const QString& startFolder, QWidget* parent = nullptr);

    QString folder() const { return folder_; }
    // False, leaving the list where it was, when the folder cannot be shown.
    bool setFolder(const QString& path);
    // Moves to the drive at the index of the drive list; back to the folder's drive on failure.
    bool chooseDrive(int index);
    // The new-folder button: asks for a name until it is acceptable or empty, then creates it.
    void newFolder();
    bool createFolder(const QString& name);
    void setAsker(Asker asker) { ask_ = std::move(asker); }

    QComboBox* driveList() const { return drvLV_; }
    QListWidget* folderList() const { return dirLV_; }

private:
    void enter(QListWidgetItem* item);
    void selectDriveOf(const QString& path);

    kpd::UserInterface& ui_;
    QString folder_;
    QComboBox* drvLV_;
    QLabel* path_;
    QListWidget* dirLV_;
    QPushButton* btnNewFolder_;
    Asker ask_;
};
