#include "mainmenus.h"

#include "modeltext/modeltext.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace {

QAction* disabledAction(QMenu* menu, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setEnabled(false);
    return action;
}

// The desktop's keys for a standard command. Some desktops bind none to quitting; their
// users still expect Ctrl+Q from every other editor.
void giveKeys(QAction* action, QKeySequence::StandardKey key, const QKeySequence& otherwise = {})
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty() && !otherwise.isEmpty()) keys.append(otherwise);
    action->setShortcuts(keys);
}

} // namespace

MainMenus::MainMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();

    fileMenu = bar->addMenu(QStringLiteral("&File"));
    fileNew = fileMenu->addAction(QStringLiteral("&New"));
    fileOpen = fileMenu->addAction(QStringLiteral("&Open"));
    fileOpenDriveFolder = fileMenu->addAction(QStringLiteral("Open &drive folder..."));
    fileSave = fileMenu->addAction(QStringLiteral("&Save"));
    fileSaveAs = fileMenu->addAction(QStringLiteral("Save &As"));
    fileSaveAssembler = disabledAction(fileMenu, QStringLiteral("Save Asse&mbler file"));
    fileSaveConstants = fileMenu->addAction(QStringLiteral("Save &Constants file"));
    fileExport = fileMenu->addAction(QStringLiteral("E&xport"));
    fileCompare = fileMenu->addAction(QStringLiteral("Compare &with..."));
    fileExportTranslation = fileMenu->addAction(QStringLiteral("Export for &translation..."));
    fileImportTranslation = fileMenu->addAction(QStringLiteral("&Import translation..."));
    fileAutoSave = fileMenu->addAction(QStringLiteral("Auto sa&ve"));
    fileMenu->addSeparator();
    fileExit = fileMenu->addAction(QStringLiteral("E&xit"));
    giveKeys(fileNew, QKeySequence::New);
    giveKeys(fileOpen, QKeySequence::Open);
    giveKeys(fileSave, QKeySequence::Save);
    giveKeys(fileExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));

    driveMenu = bar->addMenu(QStringLiteral("&Drive"));
    driveClearAll = driveMenu->addAction(QStringLiteral("Clear &all data"));
    driveMerge = driveMenu->addAction(QStringLiteral("&Merge file"));
    driveCopyRefToCust = driveMenu->addAction(QStringLiteral("&Copy ref' to cust'"));
    driveCheckSize = driveMenu->addAction(QStringLiteral("Chec&k size"));
    driveSizeReport = driveMenu->addAction(QStringLiteral("Size &report..."));
    driveStrip = driveMenu->addAction(QStringLiteral("&Strip trailing spaces"));
    driveMenu->addSeparator();
    driveNextProblem = driveMenu->addAction(QStringLiteral("&Next problem"));
    driveNextProblem->setShortcut(QKeySequence(Qt::Key_F8));
    drivePreviousProblem = driveMenu->addAction(QStringLiteral("Pre&vious problem"));
    drivePreviousProblem->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8));
    driveTexts = driveMenu->addAction(QStringLiteral("&Texts"));
    driveTexts->setCheckable(true);
    driveFind = driveMenu->addAction(QStringLiteral("&Find and replace..."));
    giveKeys(driveFind, QKeySequence::Find);
    driveGlossary = driveMenu->addAction(QStringLiteral("&Glossary..."));

    menuOpsMenu = bar->addMenu(QStringLiteral("&Menu Ops"));
    menuLoad = menuOpsMenu->addAction(QStringLiteral("&Load Menu"));
    menuSave = menuOpsMenu->addAction(QStringLiteral("&Save Menu"));
    menuClear = menuOpsMenu->addAction(QStringLiteral("Clea&r Menu"));
    menuClone = menuOpsMenu->addAction(QStringLiteral("C&lone menu"));
    menuCopyRefToCust = menuOpsMenu->addAction(QStringLiteral("&Copy ref' to cust'"));
    menuCopyModeToMode = menuOpsMenu->addAction(QStringLiteral("Copy &mode to mode"));
    menuCopyLimitsOnly = menuOpsMenu->addAction(QStringLiteral("Copy limits &only"));

    connectMenu = bar->addMenu(QStringLiteral("&Connect"));
    connectSetup = connectMenu->addAction(QStringLiteral("&Setup comms"));
    // Listed for the keypad's upload that never came; it is never offered.
    connectUpload = disabledAction(connectMenu, QStringLiteral("&Upload"));
    connectUpload->setVisible(false);
    connectDownload = connectMenu->addAction(QStringLiteral("&Download"));

    languageMenu = bar->addMenu(QStringLiteral("&Reference Language"));
    auto* group = new QActionGroup(languageMenu);
    group->setExclusive(true);
    for (int i = 0; i < 6; ++i) {
        QAction* action = languageMenu->addAction(QStringLiteral("Lang"));
        action->setCheckable(true);
        action->setData(i);
        group->addAction(action);
        languages.append(action);
    }
    // The item of index 1 is never offered: the drive's configuration gives that index to the custom set.
    languages[1]->setVisible(false);
    languages[1]->setEnabled(false);
    languageMenu->addSeparator();
    languageExtra = languageMenu->addAction(QStringLiteral("&Extra reference languages..."));
    languageSpelling = languageMenu->addAction(QStringLiteral("&Spelling languages..."));

    characterMenu = bar->addMenu(QStringLiteral("Cha&racter"));
    disabledAction(characterMenu, QStringLiteral("Character &Map"));
    disabledAction(characterMenu, QStringLiteral("Char &Editor"));
    characterMenu->menuAction()->setVisible(false);
    characterMenu->menuAction()->setEnabled(false);

    windowMenu = bar->addMenu(QStringLiteral("&Window"));
    // The window list is rebuilt with clear() each time the menu opens, and clear() deletes
    // the actions the menu owns: this one belongs to the window so it survives.
    windowCloseAll = new QAction(QStringLiteral("Cl&ose all windows"), &window);

    helpMenu = bar->addMenu(QStringLiteral("&Help"));
    helpContents = helpMenu->addAction(QStringLiteral("Keypad Editor &Help"));
    giveKeys(helpContents, QKeySequence::HelpContents);
    helpAbout = helpMenu->addAction(QStringLiteral("&About Keypad Editor"));
}

void MainMenus::applyDriveState(bool alternate, bool writable)
{
    fileSaveAssembler->setVisible(alternate);
    fileSaveAssembler->setEnabled(alternate);
    // Constants files are for the drive's makers: listed always, offered only to them.
    fileSaveConstants->setEnabled(alternate && writable);
    for (QAction* action : {fileSave, fileSaveAs, fileAutoSave, driveClearAll, driveMerge, driveCopyRefToCust, menuLoad,
                            menuSave, menuClear, menuClone, menuCopyRefToCust, menuCopyModeToMode, menuCopyLimitsOnly,
                            connectDownload, languageSpelling})
        action->setEnabled(writable);
}

void MainMenus::applyDownloadState(bool running, bool writable)
{
    connectDownload->setEnabled(!running && writable);
    connectSetup->setEnabled(!running);
}

void MainMenus::showLanguages(const std::function<std::string(int index)>& keyOf, int chosen)
{
    for (int i = 0; i < languages.size(); ++i) {
        QAction* item = languages[i];
        const std::string key = keyOf(i);
        item->setText(key.empty() ? QStringLiteral("Lang") : toQt(key));
        // An index without a language has no set to compare against: it is not offered.
        if (i != 1) item->setEnabled(!key.empty());
        item->setChecked(i == chosen);
    }
}
