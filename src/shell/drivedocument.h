#pragma once

#include "autosavehost.h"
#include "drivefolderlock.h"
#include "model/startupstatus.h"
#include "shelluserinterface.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace kpd {
class TheApp;
}

// The drive being edited, without a window: the data root, the drive folder and its lock,
// the file being edited, the reference language, loading and switching folders. The
// commands work on it; the frame shows it and follows its signals.
class DriveDocument : public QObject, public AutoSaveHost, public kpd::StartupStatus {
    Q_OBJECT
public:
    // dialogs answers messages and shows progress; the tests pass a recorder.
    DriveDocument(kpd::UserInterface& dialogs, QString folder, QObject* parent = nullptr);
    ~DriveDocument() override;

    // Start-up: reads the configuration and every file; false when the program cannot run.
    bool load();
    // Drops the drive in memory and starts again on the drive of `folder`, as a new start
    // would; unsaved data is the caller's to ask about. False, back on the old folder,
    // when the new one cannot be loaded.
    bool switchDriveFolder(const QString& folder);
    // While a download runs below the event loop the drive must stay.
    void setSwitchBlocked(bool blocked) { switchBlocked_ = blocked; }

    kpd::TheApp* app() const { return app_.get(); }
    kpd::UserInterface& ui() { return ui_; }
    ShellUserInterface& shellUi() { return ui_; }
    const QString& programFolder() const { return folder_; }
    // Another editor holds the drive folder: nothing is saved to it from here.
    bool readOnly() const { return lock_ && lock_->readOnly(); }
    bool alternate() const;
    std::int32_t hexBase() const;

    QString currentFile() const { return currentFile_; }
    // The file commands decide what is being edited.
    void setCurrentFile(const QString& file);
    // A file that loaded only up to a fault: the title names it as incomplete, but it is
    // never the current file, so Save asks for a name instead of cutting the file short.
    void setIncompleteFile(const QString& file);
    QString incompleteFile() const { return incompleteFile_; }
    QString autoSaveFile() const { return autoSaveFile_; }
    // The title names the file being edited; a command may show another for a while.
    void showCurrentFile();
    void showTitle(const QString& title);

    std::int16_t languageIndex() const { return languageIndex_; }
    void chooseLanguage(int index);

    // Whether the auto save runs, asked when the settings are written.
    void setAutoSaveState(std::function<bool()> isOn) { autoSaveOn_ = std::move(isOn); }
    void writeSettings();
    // The editor closes: the settings are kept and the folder is let go.
    void close();

    // The set in memory changed under the views (a command replaced texts, a file was
    // loaded): they show it again, and the analyses hear of it through customSetEdited.
    void notifyChanged();
    // Texts of the custom set were committed; the views show them already.
    void notifyEdited();
    // A keypad data file became the set being edited (empty for a new set), or the set was
    // written whole to one: what is kept beside the file follows it.
    void notifyFileOpened(const QString& file) { emit keypadFileOpened(file); }
    void notifyFileSaved(const QString& file) { emit keypadFileSaved(file); }
    // Whether the set holds edits that closing would ask about. The model keeps this in its
    // menus without telling anyone, so whoever edits or saves it behind the document's back
    // calls checkModified, and modifiedChanged follows.
    bool modified() const;
    void checkModified();
    // A passing note for the status bar, such as where a file was written.
    void showNotice(const QString& text, int milliseconds) { emit notice(text, milliseconds); }

    // The start-up's steps, passed on as startupStatus and startupProgress.
    void splashStatus(const std::string& status) override;
    void splashProgress(int value) override;

    void setASFIleName(const QString& name) override { autoSaveFile_ = name; }
    void AutoSave() override;
    bool hasChangesToSave() const override;

    // Kept from the long operations of old: a progress value and a stop request.
    void stopProcess() { stopFlag_ = true; }
    std::int32_t progress() const { return progress_; }
    QString progCapt() const { return progressCaption_; }
    bool reportProgress(std::int32_t value);

signals:
    // The configuration is read: the menus exist, no text is loaded yet.
    void configured();
    // Start-up ended with the drive loaded; autoSaveOn is the auto save the settings ask for.
    void loaded(bool autoSaveOn);
    // The drive in memory is about to go: nothing may point into it afterwards.
    void dropping();
    void currentFileChanged(const QString& file);
    // The window's title, marked when the drive folder is open read-only, with Qt's
    // placeholder for the unsaved mark (QWidget::setWindowModified) at its end.
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);
    void languageChanged();
    void changed();
    void notice(const QString& text, int milliseconds);
    void startupStatus(const QString& status);
    void startupProgress(int value);
    // The custom set may have changed: a command or the parameter editor committed texts,
    // or a file was loaded. Background analyses of the set listen to this.
    void customSetEdited();
    void keypadFileOpened(const QString& file);
    void keypadFileSaved(const QString& file);

private:
    ShellUserInterface ui_;
    QString folder_;
    std::unique_ptr<DriveFolderLock> lock_;
    std::unique_ptr<kpd::TheApp> app_;
    QString currentFile_;
    QString incompleteFile_;
    QString autoSaveFile_;
    std::int16_t languageIndex_ = 0;
    std::function<bool()> autoSaveOn_;
    bool switchBlocked_ = false;
    bool modified_ = false;
    bool stopFlag_ = false;
    std::int32_t progress_ = 0;
    QString progressCaption_;
};
