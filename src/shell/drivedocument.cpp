#include "drivedocument.h"

#include "appsettings.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "platform/hugepageheap.h"
#include "startupsequence.h"
#include "startupsplash.h"
#include "userdrivefolder.h"
#include "xmlfiles/drivefilenames.h"
#include "xmlfiles/driveloader.h"

#include <QDir>

DriveDocument::DriveDocument(kpd::UserInterface& dialogs, QString folder, QObject* parent)
    : QObject(parent), ui_(dialogs), folder_(std::move(folder))
{
}

DriveDocument::~DriveDocument() = default;

bool DriveDocument::load()
{
    if (!lock_ || lock_->folder() != folder_)
        lock_ = DriveFolderLock::claim(ui_, folder_, DriveFolderLock::Moment::Starting);
    if (!lock_) return false;
    const QDir folder(folder_);
    if (!folder.exists(QStringLiteral("dlSegs")) && !folder.mkdir(QStringLiteral("dlSegs")))
        ui().message("Unable to create download segment folder");

    const StartupSplash splash(*this);

    kpd::HugePageHeap::prepareForDrive(toFileName(folder_));
    app_ = std::make_unique<kpd::TheApp>(ui_, toFileName(folder_));
    app_->setStartupStatus(this);
    if (kpd::DriveLoader(*app_).readConfiguration() != kpd::DriveLoader::Configuration::Read) {
        app_.reset();
        return false;
    }
    emit configured();

    StartupSequence startup(*app_);
    startup.loadReferences();
    progressCaption_ = QStringLiteral("Loading last used file");
    const StartupSequence::Result restored = startup.restore(AppSettings::read());
    setCurrentFile(fromFileName(restored.currentFile));
    if (!restored.incompleteFile.empty()) setIncompleteFile(fromFileName(restored.incompleteFile));
    showCurrentFile();
    autoSaveFile_ = fromFileName(restored.autoSaveFile);
    languageIndex_ = restored.languageIndex;
    app_->setAppClean();
    checkModified();
    app_->setStartupStatus(nullptr);
    emit loaded(restored.autoSaveOn && !readOnly());
    return true;
}

bool DriveDocument::alternate() const
{
    return app_ && app_->alternate();
}

std::int32_t DriveDocument::hexBase() const
{
    return app_ ? app_->hexBase() : 0;
}

void DriveDocument::splashStatus(const std::string& status)
{
    emit startupStatus(toQt(status));
}

void DriveDocument::splashProgress(int value)
{
    emit startupProgress(value);
}

bool DriveDocument::switchDriveFolder(const QString& folder)
{
    if (switchBlocked_) return false;
    // The lock held stays until the new folder has loaded (a failure goes back to it); the
    // same folder again is claimed afresh, or its new lock would meet this editor's own.
    if (lock_ && QDir(lock_->folder()) == QDir(folder)) lock_->release();
    std::unique_ptr<DriveFolderLock> lock = DriveFolderLock::claim(ui_, folder, DriveFolderLock::Moment::Switching);
    if (!lock) return false;
    if (app_ && !readOnly()) {
        writeSettings();
        AppSettings::write(UserDriveFolder::leaving(AppSettings::read(), toFileName(folder_)));
    }
    emit dropping();
    app_.reset();
    const QString previous = folder_;
    folder_ = folder;
    QDir::setCurrent(folder_);
    lock_.swap(lock);
    if (load()) {
        // A whole other set: analyses of the old one are stale.
        emit customSetEdited();
        return true;
    }
    folder_ = previous;
    QDir::setCurrent(folder_);
    lock_.swap(lock);
    load();
    return false;
}

void DriveDocument::setCurrentFile(const QString& file)
{
    currentFile_ = file;
    incompleteFile_.clear();
    emit currentFileChanged(file);
}

void DriveDocument::setIncompleteFile(const QString& file)
{
    currentFile_.clear();
    incompleteFile_ = file;
    emit currentFileChanged({});
}

void DriveDocument::showCurrentFile()
{
    const QString editing = QStringLiteral("Keypad data editor: - editing: ");
    if (!currentFile_.isEmpty())
        showTitle(editing + currentFile_);
    else if (!incompleteFile_.isEmpty())
        showTitle(editing + incompleteFile_ + QStringLiteral(" (incomplete)"));
    else
        showTitle(QStringLiteral("Keypad data editor"));
}

void DriveDocument::showTitle(const QString& title)
{
    QString shown = readOnly() ? title + QStringLiteral(" (read-only)") : title;
    // Qt's placeholder at the end carries the unsaved mark; one in a file name is doubled to stay text.
    emit titleChanged(shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) + QStringLiteral("[*]"));
    checkModified();
}

void DriveDocument::notifyChanged()
{
    emit changed();
    checkModified();
}

void DriveDocument::notifyEdited()
{
    emit customSetEdited();
    checkModified();
}

bool DriveDocument::modified() const
{
    return app_ && app_->isAppDirty();
}

void DriveDocument::checkModified()
{
    if (modified() == modified_) return;
    modified_ = !modified_;
    emit modifiedChanged(modified_);
}

void DriveDocument::chooseLanguage(int index)
{
    if (!app_) return;
    const std::string key = app_->getLangDBKey(static_cast<std::int16_t>(index));
    if (key.empty()) return;
    app_->setRefKey(key);
    languageIndex_ = static_cast<std::int16_t>(index);
    emit languageChanged();
    notifyChanged();
}

void DriveDocument::writeSettings()
{
    // The editor holding the folder keeps the settings: a read-only look leaves them alone.
    if (readOnly()) return;
    AppSettings::write({toFileName(currentFile_), toFileName(autoSaveFile_),
                        autoSaveOn_ && autoSaveOn_() ? "on" : "off", std::to_string(languageIndex_)});
}

void DriveDocument::close()
{
    if (app_) writeSettings();
    if (lock_) lock_->release();
}

void DriveDocument::AutoSave()
{
    // A failed save reports itself and leaves the data and its dirty state as they were.
    // The default file is written unasked: a link must not lead it out of the drive folder.
    const bool fixedName =
        QDir::cleanPath(QDir().absoluteFilePath(autoSaveFile_)) ==
        QDir::cleanPath(QDir().absoluteFilePath(fromFileName(kpd::DriveFileNames::autoSave(toFileName(folder_)))));
    if (app_) app_->xmlSave(toFileName(autoSaveFile_), false, fixedName ? toFileName(folder_) : std::string());
    checkModified();
}

bool DriveDocument::hasChangesToSave() const
{
    return !readOnly() && modified();
}

bool DriveDocument::reportProgress(std::int32_t value)
{
    progress_ = value;
    const bool stop = stopFlag_;
    stopFlag_ = false;
    ui_.processEvents();
    return stop;
}
