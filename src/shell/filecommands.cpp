#include "filecommands.h"

#include "appsettings.h"
#include "comparecommands.h"
#include "mainwindow.h"
#include "unsavedmenus.h"
#include "userdrivefolder.h"
#include "modeltext/modeltext.h"
#include "views/menuview.h"
#include "model/modelerror.h"
#include "model/theapp.h"
#include "xmlfiles/fixedfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kKeypadFilter = QStringLiteral("Keypad file (*.kpd)");
const QString kHexFilter = QStringLiteral("Downloadable hex file (*.hex)");
const QString kFlashingFilter = QStringLiteral("Burnix file (*.bin)");
const QString kConstantsFilter = QStringLiteral("Constants file (*.kpc)");

// Every command ends here with its model errors: they are shown, never thrown at the menu.
template <typename Work>
void guarded(kpd::UserInterface& ui, Work&& work)
{
    try {
        work();
    } catch (const kpd::ModelError& error) {
        ui.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
}

} // namespace

FileCommands::FileCommands(MainWindow& window)
    : window_(window), chooser_(std::make_unique<FileChooser>(&window)), watch_(window)
{
}

FileCommands::~FileCommands() = default;

void FileCommands::setChooser(std::unique_ptr<FileChooser> chooser)
{
    chooser_ = std::move(chooser);
}

FileChooser::Choice FileCommands::choose(FileChooser::Kind kind, const QString& title, const QStringList& filters,
                                         const QString& suffix, const QString& initialName)
{
    FileChooser::Request request;
    request.kind = kind;
    request.title = title;
    request.filters = filters;
    request.defaultSuffix = suffix;
    request.initialName = initialName;
    return chooser_->choose(request);
}

bool FileCommands::hasKeypadExtension(const QString& name)
{
    QString tail = name;
    while (tail.endsWith(QLatin1Char(' '))) tail.chop(1);
    tail = tail.right(4);
    while (!tail.isEmpty() && !tail.startsWith(QLatin1Char('.'))) tail.remove(0, 1);
    return tail == QLatin1String(".kpd");
}

QString FileCommands::baseName(const QString& name)
{
    // A full stop in a folder name is not the start of an extension.
    const qsizetype folderEnd = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QDir::separator()));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > folderEnd ? name.left(dot) : name;
}

QString FileCommands::setBackupPath() const
{
    return QDir(window_.programFolder()).filePath(QStringLiteral("autoBackup.kpd"));
}

QString FileCommands::menuBackupPath(const std::string& menuKey) const
{
    return QDir(window_.programFolder())
        .filePath(QStringLiteral("autoBackup") + toQt(menuKey) + QStringLiteral(".kpd"));
}

bool FileCommands::mayReplaceSet(bool agreed)
{
    if (!window_.app()->isAppDirty()) return true;
    if (!agreed && window_.ui().message(kUnsavedDataQuestion, "WARNING", kpd::MessageIcon::Exclamation,
                                        kpd::MessageButtons::YesNo) != kpd::MessageAnswer::Yes)
        return false;
    return backUpSet();
}

void FileCommands::newFile()
{
    if (!window_.app()) return;
    guarded(window_.ui(), [this] {
        if (!mayReplaceSet()) return;
        const std::string path = kpd::FixedFile::path(toFileName(window_.programFolder()), "custom.kpl");
        if (!window_.app()->loadUserFile(path, -1))
            window_.ui().message("Could not find the file custom.kpl, please use 'Open' to select a file");
        window_.setCurrentFile({});
        emit window_.keypadFileOpened({});
        window_.showTitle(QString::fromLatin1(kNewDatabaseTitle));
        window_.refreshMenuWindows();
    });
}

void FileCommands::open()
{
    const FileChooser::Choice choice =
        choose(FileChooser::Kind::Open, QStringLiteral("Open keypad string file"), {kKeypadFilter}, QStringLiteral("kpd"));
    if (!choice.cancelled()) openFile(choice.name);
}

void FileCommands::openDriveFolder()
{
    const FileChooser::Choice choice =
        choose(FileChooser::Kind::Folder, QStringLiteral("Open drive folder"), {}, {}, window_.programFolder());
    if (!choice.cancelled()) openDriveFolderAt(choice.name);
}

bool FileCommands::openDriveFolderAt(const QString& folder)
{
    const QString absolute = QDir(folder).absolutePath();
    // Checked before anything is dropped: a folder without a drive leaves the editor as it was.
    if (!UserDriveFolder::holdsDrive(absolute)) {
        window_.ui().message("Cannot find configuration file - kpdconf.kpx in " + toFileName(absolute), "ERROR",
                             kpd::MessageIcon::Critical, kpd::MessageButtons::Ok);
        return false;
    }
    if (window_.app() && window_.app()->isAppDirty() &&
        window_.ui().message(kSwitchFolderQuestion, "WARNING", kpd::MessageIcon::Exclamation,
                             kpd::MessageButtons::YesNo) != kpd::MessageAnswer::Yes)
        return false;
    if (!window_.switchDriveFolder(absolute)) return false;
    AppSettings::setDriveFolder(absolute);
    return true;
}

void FileCommands::merge()
{
    const FileChooser::Choice choice =
        choose(FileChooser::Kind::Open, QStringLiteral("Open keypad string file"), {kKeypadFilter}, QStringLiteral("kpd"));
    if (!choice.cancelled() && CompareCommands(window_).mergeWithoutComparing(choice.name)) mergeFile(choice.name);
}

bool FileCommands::openFile(const QString& name)
{
    return loadChecked(name, false);
}

bool FileCommands::reloadFile(const QString& name)
{
    return loadChecked(name, true);
}

bool FileCommands::readable(const QString& name)
{
    if (!hasKeypadExtension(name)) {
        window_.ui().message(kUnknownFileType, "WARNING", kpd::MessageIcon::Exclamation);
        return false;
    }
    // Clearing first and then finding nothing to load would lose the set in memory.
    if (QFileInfo(name).isFile()) return true;
    window_.ui().message("Could not find the file " + toModel(name), "ERROR", kpd::MessageIcon::Critical);
    return false;
}

bool FileCommands::mergeFile(const QString& name)
{
    if (!window_.app()) return false;
    bool merged = false;
    guarded(window_.ui(), [&] {
        // The backup is the way back from a merge that took a text the user wanted to keep;
        // it is no save of the user's own file, whose edits stay unsaved.
        const UnsavedMenus unsaved(*window_.app());
        merged = readable(name) && backUpSet() && CompareCommands(window_).mergeFile(name);
    });
    window_.refreshMenuWindows();
    return merged;
}

bool FileCommands::loadChecked(const QString& name, bool agreed)
{
    if (!window_.app()) return false;
    bool loaded = false;
    guarded(window_.ui(), [&] {
        if (!readable(name) || !mayReplaceSet(agreed)) return;
        // The loader empties the set itself, so a refused file gives the set back whole and
        // leaves the current file as it was.
        const kpd::LoadResult result =
            window_.app()->loadUserDocument(toFileName(name), -1, kpd::LoadMode::ReplaceCustom);
        loaded = result == kpd::LoadResult::Whole;
        if (loaded) {
            // The set now holds exactly the file: nothing is unsaved. A part of a file
            // stays unsaved, with the texts the clearing emptied.
            window_.app()->setAppClean();
            window_.setCurrentFile(name);
            emit window_.keypadFileOpened(name);
        } else if (result != kpd::LoadResult::Refused) {
            window_.setIncompleteFile(name);
        }
    });
    window_.showCurrentFile();
    window_.refreshMenuWindows();
    return loaded;
}

void FileCommands::save()
{
    if (!window_.app()) return;
    if (window_.currentFile().isEmpty()) {
        saveAs();
        return;
    }
    guarded(window_.ui(), [this] {
        const QString file = window_.currentFile();
        if (watch_.settle() && window_.app()->xmlSave(toFileName(file), false)) {
            watch_.wrote(file);
            emit window_.keypadFileSaved(file);
        }
    });
}

void FileCommands::saveAs()
{
    const FileChooser::Choice choice =
        choose(FileChooser::Kind::Save, QStringLiteral("Save keypad string file"),
               {kKeypadFilter, kHexFilter, kFlashingFilter}, QStringLiteral("kpd"), window_.currentFile());
    if (!choice.cancelled()) saveAsFile(choice.name, choice.filterIndex);
}

bool FileCommands::saveAsFile(const QString& name, int filter)
{
    if (!window_.app()) return false;
    const QString base = baseName(name);
    bool saved = false;
    guarded(window_.ui(), [&] {
        switch (filter) {
        case KeypadFile: {
            const QString file = base + QStringLiteral(".kpd");
            // A file that was not written does not become the file being edited.
            saved = window_.app()->xmlSave(toFileName(file), false);
            if (saved) {
                window_.setCurrentFile(file);
                window_.showCurrentFile();
                emit window_.keypadFileSaved(file);
            }
            break;
        }
        case HexFile:
            saved = window_.saveCompressedFile(base + QStringLiteral(".hex"), 1);
            break;
        case FlashingFile:
            saved = window_.saveCompressedFile(base + QStringLiteral(".bin"), 2);
            break;
        default:
            window_.ui().message(kUnknownFileType, "WARNING", kpd::MessageIcon::Exclamation);
            break;
        }
    });
    return saved;
}

void FileCommands::saveConstants()
{
    const FileChooser::Choice choice = choose(FileChooser::Kind::Save, QStringLiteral("Save keypad constants file"),
                                              {kConstantsFilter}, QStringLiteral("kpc"));
    if (!choice.cancelled()) saveConstantsFile(choice.name);
}

bool FileCommands::saveConstantsFile(const QString& name)
{
    kpd::TheApp* app = window_.app();
    if (!app) return false;
    bool saved = false;
    guarded(window_.ui(), [&] {
        // The constants form holds no texts: edits it did not write must still count as unsaved.
        const UnsavedMenus unsaved(*app);
        saved = app->xmlSave(toFileName(name), true);
    });
    return saved;
}

bool FileCommands::askToProceed(const char* firstLine)
{
    return window_.ui().message(std::string(firstLine) +
                                    "\r\nOld data will be saved to autoBackup.kpd, do you want to proceed ",
                                {}, kpd::MessageIcon::Question,
                                kpd::MessageButtons::YesNo) == kpd::MessageAnswer::Yes;
}

bool FileCommands::backUpSet()
{
    return window_.app()->xmlSave(toFileName(setBackupPath()), false, toFileName(window_.programFolder()));
}

bool FileCommands::backUpMenu(const kpd::DrvMenu& menu)
{
    return menu.xmlSaveM(toFileName(menuBackupPath(menu.menuKey())), toFileName(window_.programFolder()));
}

void FileCommands::clearAllData()
{
    if (!window_.app()) return;
    guarded(window_.ui(), [this] {
        if (!askToProceed("This command will clear the all the string data in the editable set!")) return;
        // Without its backup the set is not cleared: the old texts would be gone for good.
        if (!backUpSet()) return;
        window_.app()->clearAll();
        window_.refreshMenuWindows();
    });
}

void FileCommands::copyRefToCust()
{
    if (!window_.app()) return;
    guarded(window_.ui(), [this] {
        if (!askToProceed("This command will change the all the string data in the editable set!")) return;
        if (!backUpSet()) return;
        window_.app()->copyRef2Cust();
        window_.refreshMenuWindows();
    });
}

MenuView* FileCommands::viewInFocus()
{
    MenuView* view = window_.app() ? window_.menuWindows().getFormInFocus() : nullptr;
    if (!view) window_.ui().message(kNoMenuInFocus);
    return view;
}

kpd::DrvMenu& FileCommands::customMenuOf(MenuView& view)
{
    return window_.app()->getCustMenus().Item(view.myCustMenuKey());
}

void FileCommands::loadMenu()
{
    guarded(window_.ui(), [this] {
        MenuView* view = viewInFocus();
        if (!view) return;
        const kpd::DrvMenu& menu = customMenuOf(*view);
        const FileChooser::Choice choice =
            choose(FileChooser::Kind::Open,
                   QStringLiteral("Partial load of ") + toQt(menu.menuName()) +
                       QStringLiteral(" from file"),
                   {kKeypadFilter}, QStringLiteral("kpd"));
        if (!choice.cancelled()) loadMenuFile(*view, choice.name);
    });
}

bool FileCommands::loadMenuFile(MenuView& view, const QString& name)
{
    if (!window_.app()) return false;
    bool loaded = false;
    guarded(window_.ui(), [&] {
        kpd::DrvMenus& menus = window_.app()->getCustMenus();
        const kpd::DrvMenu& menu = menus.Item(view.myCustMenuKey());
        if (!QFileInfo(name).isFile()) {
            window_.ui().message("Could not find the file " + toModel(name), "ERROR", kpd::MessageIcon::Critical);
            return;
        }
        if (!backUpMenu(menu)) return;
        const std::string path = toFileName(name);
        if (menu.isMapped()) {
            // The trips menu owns nothing: its texts live in the menus it forwards to.
            for (std::int16_t i = 0; i < menu.nOfFwdMenus(); ++i)
                window_.app()->loadUserFile(path, menus.Item(menu.GetFwdMenu(i)).menuNumber());
        } else {
            window_.app()->loadUserFile(path, view.myCustMenuNumber());
        }
        loaded = true;
        window_.refreshMenuWindows();
    });
    return loaded;
}

void FileCommands::saveMenu()
{
    guarded(window_.ui(), [this] {
        MenuView* view = viewInFocus();
        if (!view) return;
        const FileChooser::Choice choice =
            choose(FileChooser::Kind::Save,
                   QStringLiteral("Save keypad strings for menu: ") +
                       toQt(customMenuOf(*view).menuName()),
                   {kKeypadFilter}, QStringLiteral("kpd"));
        if (!choice.cancelled()) saveMenuFile(*view, choice.name);
    });
}

bool FileCommands::saveMenuFile(MenuView& view, const QString& name)
{
    bool saved = false;
    guarded(window_.ui(), [&] { saved = view.saveMenu(toFileName(name)); });
    return saved;
}

void FileCommands::clearMenu()
{
    guarded(window_.ui(), [this] {
        MenuView* view = viewInFocus();
        if (!view || !backUpMenu(customMenuOf(*view))) return;
        view->clear();
        window_.refreshMenuWindows();
    });
}

void FileCommands::copyMenuRefToCust()
{
    guarded(window_.ui(), [this] {
        MenuView* view = viewInFocus();
        // Every text of the menu is replaced without a question: the backup is the way back.
        if (!view || !backUpMenu(customMenuOf(*view))) return;
        view->copyR2C(false);
        window_.refreshMenuWindows();
    });
}

void FileCommands::copyLimitsOnly()
{
    guarded(window_.ui(), [this] {
        MenuView* view = viewInFocus();
        if (!view) return;
        kpd::DrvMenu& menu = customMenuOf(*view);
        if (!backUpMenu(menu)) return;
        menu.clearAll();
        if (menu.isMapped()) {
            // A mapped menu's own copy always brings the texts along; copy its forward
            // menus one by one so that only the constant data arrives here too.
            kpd::DrvMenus& custom = window_.app()->getCustMenus();
            const kpd::DrvMenus& reference = window_.app()->getRefMenus();
            for (std::int16_t i = 0; i < menu.nOfFwdMenus(); ++i) {
                const std::string key = menu.GetFwdMenu(i);
                custom.Item(key).copyParams(reference.Item(key), true);
            }
        } else {
            view->copyR2C(true);
        }
        window_.refreshMenuWindows();
    });
}
