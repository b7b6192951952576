#include "setfilecommands.h"

#include "comparecommands.h"
#include "model/theapp.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"
#include "shell/appsettings.h"
#include "shell/drivedocument.h"
#include "shell/userdrivefolder.h"
#include "unsavedmenus.h"
#include "xmlfiles/drivefilenames.h"
#include "xmlfiles/fixedfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kHexFilter = QStringLiteral("Downloadable hex file (*.hex)");
const QString kFlashingFilter = QStringLiteral("Burnix file (*.bin)");
const QString kConstantsFilter = QStringLiteral("Constants file (*.kpc)");

} // namespace

SetFileCommands::SetFileCommands(DriveDocument& document, QWidget* parent)
    : document_(document),
      parent_(parent),
      chooser_(std::make_shared<FileChooser>(parent)),
      watch_(
          document, [this](const QString& file) { reloadFile(file); },
          [this](const QString& file) { CompareCommands(document_, parent_).openComparison(file); })
{
}

SetFileCommands::~SetFileCommands() = default;

QString SetFileCommands::baseName(const QString& name)
{
    // A full stop in a folder name is not the start of an extension.
    const qsizetype folderEnd = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QDir::separator()));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > folderEnd ? name.left(dot) : name;
}

QString SetFileCommands::customSetBackupPath() const
{
    return fromFileName(kpd::DriveFileNames::customSetBackup(toFileName(document_.programFolder())));
}

bool SetFileCommands::mayReplaceSet(bool agreed)
{
    if (!document_.app()->isAppDirty()) return true;
    if (!agreed && document_.ui().message(kUnsavedDataQuestion, "WARNING", kpd::MessageIcon::Exclamation,
                                          kpd::MessageButtons::YesNo) != kpd::MessageAnswer::Yes)
        return false;
    return backUpSet();
}

void SetFileCommands::newFile()
{
    if (!document_.app()) return;
    reportFailures(document_.ui(), [this] {
        if (!mayReplaceSet()) return;
        const std::string path = kpd::FixedFile::path(toFileName(document_.programFolder()), "custom.kpl");
        if (!document_.app()->loadUserFile(path, -1))
            document_.ui().message("Could not find the file custom.kpl, please use 'Open' to select a file");
        document_.setCurrentFile({});
        document_.notifyFileOpened({});
        document_.showTitle(QString::fromLatin1(kNewDatabaseTitle));
        document_.notifyChanged();
    });
}

void SetFileCommands::open()
{
    const FileChooser::Choice choice = chooser_->ask(FileChooser::Kind::Open, QStringLiteral("Open keypad string file"),
                                                     {FileChooser::keypadFilter()}, QStringLiteral("kpd"));
    if (!choice.cancelled()) openFile(choice.name);
}

void SetFileCommands::openDriveFolder()
{
    const FileChooser::Choice choice = chooser_->ask(FileChooser::Kind::Folder, QStringLiteral("Open drive folder"), {},
                                                     {}, document_.programFolder());
    if (!choice.cancelled()) openDriveFolderAt(choice.name);
}

bool SetFileCommands::openDriveFolderAt(const QString& folder)
{
    const QString absolute = QDir(folder).absolutePath();
    // Checked before anything is dropped: a folder without a drive leaves the editor as it was.
    if (!UserDriveFolder::holdsDrive(absolute)) {
        document_.ui().message("Cannot find configuration file - kpdconf.kpx in " + toFileName(absolute), "ERROR",
                               kpd::MessageIcon::Critical, kpd::MessageButtons::Ok);
        return false;
    }
    if (document_.app() && document_.app()->isAppDirty() &&
        document_.ui().message(kSwitchFolderQuestion, "WARNING", kpd::MessageIcon::Exclamation,
                               kpd::MessageButtons::YesNo) != kpd::MessageAnswer::Yes)
        return false;
    if (!document_.switchDriveFolder(absolute)) return false;
    AppSettings::setDriveFolder(absolute);
    return true;
}

void SetFileCommands::merge()
{
    const FileChooser::Choice choice = chooser_->ask(FileChooser::Kind::Open, QStringLiteral("Open keypad string file"),
                                                     {FileChooser::keypadFilter()}, QStringLiteral("kpd"));
    if (!choice.cancelled() && CompareCommands(document_, parent_).mergeWithoutComparing(choice.name))
        mergeFile(choice.name);
}

bool SetFileCommands::openFile(const QString& name)
{
    return loadChecked(name, false);
}

bool SetFileCommands::reloadFile(const QString& name)
{
    return loadChecked(name, true);
}

bool SetFileCommands::readable(const QString& name)
{
    if (!kpd::DriveFileNames::isKeypadFile(toFileName(name))) {
        document_.ui().message(kpd::DriveFileNames::kUnknownFileType, "WARNING", kpd::MessageIcon::Exclamation);
        return false;
    }
    // Clearing first and then finding nothing to load would lose the set in memory.
    if (QFileInfo(name).isFile()) return true;
    document_.ui().message("Could not find the file " + toModel(name), "ERROR", kpd::MessageIcon::Critical);
    return false;
}

bool SetFileCommands::mergeFile(const QString& name)
{
    if (!document_.app()) return false;
    bool merged = false;
    reportFailures(document_.ui(), [&] {
        // The backup is the way back from a merge that took a text the user wanted to keep;
        // it is no save of the user's own file, whose edits stay unsaved.
        const UnsavedMenus unsaved(*document_.app());
        merged = readable(name) && backUpSet() && CompareCommands(document_, parent_).mergeFile(name);
    });
    document_.notifyChanged();
    return merged;
}

bool SetFileCommands::loadChecked(const QString& name, bool agreed)
{
    if (!document_.app()) return false;
    bool loaded = false;
    reportFailures(document_.ui(), [&] {
        if (!readable(name) || !mayReplaceSet(agreed)) return;
        // The loader empties the set itself, so a refused file gives the set back whole and
        // leaves the current file as it was.
        const kpd::LoadResult result =
            document_.app()->loadUserDocument(toFileName(name), -1, kpd::LoadMode::ReplaceCustom);
        loaded = result == kpd::LoadResult::Whole;
        if (loaded) {
            // The set now holds exactly the file: nothing is unsaved. A part of a file
            // stays unsaved, with the texts the clearing emptied.
            document_.app()->setAppClean();
            document_.setCurrentFile(name);
            document_.notifyFileOpened(name);
        } else if (result != kpd::LoadResult::Refused) {
            document_.setIncompleteFile(name);
        }
    });
    document_.showCurrentFile();
    document_.notifyChanged();
    return loaded;
}

void SetFileCommands::save()
{
    if (!document_.app()) return;
    if (document_.currentFile().isEmpty()) {
        saveAs();
        return;
    }
    reportFailures(document_.ui(), [this] {
        const QString file = document_.currentFile();
        if (watch_.settle() && document_.app()->xmlSave(toFileName(file), false)) {
            watch_.wrote(file);
            document_.notifyFileSaved(file);
        }
    });
    document_.checkModified();
}

void SetFileCommands::saveAs()
{
    const FileChooser::Choice choice = chooser_->ask(FileChooser::Kind::Save, QStringLiteral("Save keypad string file"),
                                                     {FileChooser::keypadFilter(), kHexFilter, kFlashingFilter},
                                                     QStringLiteral("kpd"), document_.currentFile());
    if (!choice.cancelled()) saveAsFile(choice.name, choice.filterIndex);
}

bool SetFileCommands::saveAsFile(const QString& name, int filter)
{
    if (!document_.app()) return false;
    const QString base = baseName(name);
    bool saved = false;
    reportFailures(document_.ui(), [&] {
        switch (filter) {
        case KeypadFile: {
            const QString file = base + QStringLiteral(".kpd");
            // A file that was not written does not become the file being edited.
            saved = document_.app()->xmlSave(toFileName(file), false);
            if (saved) {
                document_.setCurrentFile(file);
                document_.showCurrentFile();
                document_.notifyFileSaved(file);
            }
            break;
        }
        case HexFile:
            saved = saveCompressedFile(base + QStringLiteral(".hex"), BuildCommands::ImageFile::IntelHex);
            break;
        case FlashingFile:
            saved = saveCompressedFile(base + QStringLiteral(".bin"), BuildCommands::ImageFile::Flashing);
            break;
        default:
            document_.ui().message(kpd::DriveFileNames::kUnknownFileType, "WARNING", kpd::MessageIcon::Exclamation);
            break;
        }
    });
    return saved;
}

bool SetFileCommands::saveCompressedFile(const QString& file, BuildCommands::ImageFile kind)
{
    return document_.app() && BuildCommands(*document_.app(), document_.ui(), document_.hexBase())
                                  .saveCompressedFile(toFileName(file), kind);
}

void SetFileCommands::saveConstants()
{
    const FileChooser::Choice choice =
        chooser_->ask(FileChooser::Kind::Save, QStringLiteral("Save keypad constants file"), {kConstantsFilter},
                      QStringLiteral("kpc"));
    if (!choice.cancelled()) saveConstantsFile(choice.name);
}

bool SetFileCommands::saveConstantsFile(const QString& name)
{
    kpd::TheApp* app = document_.app();
    if (!app) return false;
    bool saved = false;
    reportFailures(document_.ui(), [&] {
        // The constants form holds no texts: edits it did not write must still count as unsaved.
        const UnsavedMenus unsaved(*app);
        saved = app->xmlSave(toFileName(name), true);
    });
    return saved;
}

bool SetFileCommands::askToProceed(const char* firstLine)
{
    return document_.ui().message(
               std::string(firstLine) + "\r\nOld data will be saved to autoBackup.kpd, do you want to proceed ", {},
               kpd::MessageIcon::Question, kpd::MessageButtons::YesNo) == kpd::MessageAnswer::Yes;
}

bool SetFileCommands::backUpSet()
{
    return document_.app()->xmlSave(toFileName(customSetBackupPath()), false, toFileName(document_.programFolder()));
}

void SetFileCommands::clearAllData()
{
    if (!document_.app()) return;
    reportFailures(document_.ui(), [this] {
        if (!askToProceed("This command will clear the all the string data in the editable set!")) return;
        // Without its backup the set is not cleared: the old texts would be gone for good.
        if (!backUpSet()) return;
        document_.app()->clearAll();
        document_.notifyChanged();
    });
}

void SetFileCommands::copyRefToCust()
{
    if (!document_.app()) return;
    reportFailures(document_.ui(), [this] {
        if (!askToProceed("This command will change the all the string data in the editable set!")) return;
        if (!backUpSet()) return;
        document_.app()->copyRef2Cust();
        document_.notifyChanged();
    });
}
