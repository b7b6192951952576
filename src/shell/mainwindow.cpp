#include "mainwindow.h"

#include "aboutwindow.h"
#include "appsettings.h"
#include "autosavewindow.h"
#include "backgroundanalysis.h"
#include "budgetmeter.h"
#include "buildcommands.h"
#include "comparecommands.h"
#include "download/dlgnodeaddr.h"
#include "download/downloadcommands.h"
#include "download/steadydownloadclock.h"
#include "download/zvnapilibrary.h"
#include "exportcommands.h"
#include "extrareferences.h"
#include "extrareferencesdialog.h"
#include "filecommands.h"
#include "helpwindow.h"
#include "mainmenus.h"
#include "menutree.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "platform/hugepageheap.h"
#include "problemspanel.h"
#include "sizereportwindow.h"
#include "spellinglanguagesdialog.h"
#include "startupsequence.h"
#include "startupsplash.h"
#include "userdrivefolder.h"
#include "views/menudialogcommands.h"
#include "views/menuview.h"
#include "views/parameditor.h"
#include "views/screenfit.h"
#include "xmlfiles/fixedfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

// 15 twips are one pixel at 96 dots per inch.
constexpr int kTreeWidth = 2000 / 15;
constexpr int kSplitterWidth = 80 / 15;

// The drive network library is loaded at the first Connect command and kept for the run:
// its settings live in it.
kpd::DriveNetwork& driveNetwork(const QString& programFolder)
{
    static kpd::ZvnApiLibrary library(
        {toFileName(QCoreApplication::applicationDirPath()), toFileName(programFolder)});
    return library;
}

} // namespace

MainWindow::MainWindow(kpd::UserInterface& dialogs, QString programFolder, QWidget* parent)
    : QMainWindow(parent),
      ui_(dialogs),
      folder_(std::move(programFolder)),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      tree_(new QTreeWidget(splitter_)),
      mdi_(new QMdiArea(splitter_)),
      autoSave_(new AutoSaveWindow(this)),
      autoSavePanel_(autoSave_->statusPanel(this)),
      problems_(new ProblemsPanel(ui_, [this] { return app_.get(); }, this)),
      budget_(new BudgetMeter([this] { return app_.get(); }, this))
{
    showCurrentFile();
    menus_ = std::make_unique<MainMenus>(*this);
    fileCommands_ = std::make_unique<FileCommands>(*this);
    menuWindows_ = std::make_unique<kpd::menuWindows<MenuView>>(
        ui_, [this](const std::string& key) { return createMenuView(key); });

    tree_->setHeaderHidden(true);
    splitter_->setHandleWidth(kSplitterWidth);
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({kTreeWidth, 800});
    setCentralWidget(splitter_);
    // Windows larger than the area, or moved beyond it, stay reachable.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    statusBar()->addWidget(autoSavePanel_);
    statusBar()->addPermanentWidget(budget_);
    connect(this, &MainWindow::customSetEdited, budget_, &BudgetMeter::request);
    connect(menus_->driveSizeReport, &QAction::triggered, this, [this] {
        SizeReportWindow* window = sizeReport();
        window->show();
        window->raise();
        window->activateWindow();
    });
    ui_.setAutoSaveSuspension([this] { autoSave_->suspend(); }, [this] { autoSave_->resume(); });

    connect(tree_, &QTreeWidget::itemExpanded, this, &MainWindow::fillMenuNode);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { selectNode(node); });
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* node) { selectNode(node); });
    connect(menus_->fileAutoSave, &QAction::triggered, autoSave_, &QWidget::show);
    connect(menus_->fileExit, &QAction::triggered, this, &QWidget::close);
    menus_->driveCheckSize->setEnabled(true);
    connect(menus_->driveCheckSize, &QAction::triggered, this, [this] {
        if (app_) BuildCommands(*app_, ui(), ui_.hexBase()).checkSize();
    });
    const auto menuDialogs = [this] {
        return MenuDialogCommands(*app_, ui(), *menuWindows_, [this] { refreshMenuWindows(); });
    };
    menus_->driveStrip->setEnabled(true);
    connect(menus_->driveStrip, &QAction::triggered, this, [this, menuDialogs] {
        // An empty folder: the keypad text box library is looked for beside the program.
        if (app_) menuDialogs().stripTrailingSpaces(QString(), this);
    });
    menus_->menuClone->setEnabled(true);
    connect(menus_->menuClone, &QAction::triggered, this, [this, menuDialogs] {
        if (app_) menuDialogs().cloneMenu();
    });
    menus_->menuCopyModeToMode->setEnabled(true);
    connect(menus_->menuCopyModeToMode, &QAction::triggered, this, [this, menuDialogs] {
        if (app_) menuDialogs().copyModeToMode();
    });
    menus_->connectDownload->setEnabled(true);
    download_.setListener([this](bool running) {
        menus_->connectDownload->setEnabled(!running && !readOnly());
        menus_->connectSetup->setEnabled(!running);
    });
    connect(menus_->connectDownload, &QAction::triggered, this, [this] {
        if (!app_ || download_.running()) return;
        kpd::SteadyDownloadClock clock;
        DownloadCommands(*app_, ui(), ui_.hexBase(), toFileName(folder_), driveNetwork(folder_), clock, &download_)
            .download([this]() -> std::optional<std::string> {
                dlgNodeAddr dialog(this);
                dialog.exec();
                if (!dialog.confirmed()) return std::nullopt;
                return toModel(dialog.address());
            });
        if (download_.takeCloseRequest()) close();
    });
    menus_->connectSetup->setEnabled(true);
    connect(menus_->connectSetup, &QAction::triggered, this, [this] {
        if (!app_) return;
        kpd::SteadyDownloadClock clock;
        DownloadCommands(*app_, ui(), ui_.hexBase(), toFileName(folder_), driveNetwork(folder_), clock)
            .setupComms(this);
    });
    const std::pair<QAction*, void (FileCommands::*)()> fileCommandItems[] = {
        {menus_->fileNew, &FileCommands::newFile},
        {menus_->fileOpen, &FileCommands::open},
        {menus_->fileSave, &FileCommands::save},
        {menus_->fileSaveAs, &FileCommands::saveAs},
        {menus_->fileSaveConstants, &FileCommands::saveConstants},
        {menus_->driveClearAll, &FileCommands::clearAllData},
        {menus_->driveMerge, &FileCommands::merge},
        {menus_->driveCopyRefToCust, &FileCommands::copyRefToCust},
        {menus_->menuLoad, &FileCommands::loadMenu},
        {menus_->menuSave, &FileCommands::saveMenu},
        {menus_->menuClear, &FileCommands::clearMenu},
        {menus_->menuCopyRefToCust, &FileCommands::copyMenuRefToCust},
        {menus_->menuCopyLimitsOnly, &FileCommands::copyLimitsOnly},
    };
    for (const auto& [action, command] : fileCommandItems) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, command = command] { ((*fileCommands_).*command)(); });
    }
    menus_->fileExport->setEnabled(true);
    menus_->fileOpenDriveFolder->setEnabled(true);
    connect(menus_->fileOpenDriveFolder, &QAction::triggered, this, [this] { fileCommands_->openDriveFolder(); });
    connect(menus_->fileExport, &QAction::triggered, this, [this] { ExportCommands(*this).exportText(); });
    connect(menus_->fileSaveAssembler, &QAction::triggered, this, [this] { ExportCommands(*this).saveAssembler(); });
    menus_->fileCompare->setEnabled(true);
    connect(menus_->fileCompare, &QAction::triggered, this, [this] { CompareCommands(*this).compareWith(); });
    for (QAction* language : menus_->languages)
        connect(language, &QAction::triggered, this, [this, language] { chooseLanguage(language->data().toInt()); });
    connect(menus_->languageExtra, &QAction::triggered, this, [this] {
        if (!app_) return;
        ExtraReferencesDialog dialog(ExtraReferences::offered(*app_), extraReferences_, this);
        if (dialog.exec() == QDialog::Accepted) setExtraReferences(dialog.chosen());
    });
    connect(menus_->languageMenu->addAction(QStringLiteral("&Spelling languages...")), &QAction::triggered, this,
            [this] {
                if (app_) SpellingLanguagesDialog::edit(*app_, this);
            });
    connect(menus_->windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
    connect(menus_->windowCloseAll, &QAction::triggered, this, [this] { menuWindows_->removeAll(); });
    connect(menus_->helpContents, &QAction::triggered, this, &MainWindow::showHelp);
    connect(menus_->helpAbout, &QAction::triggered, this, &MainWindow::showAbout);

    addDockWidget(Qt::LeftDockWidgetArea, problems_);
    connect(this, &MainWindow::customSetEdited, problems_, &ProblemsPanel::request);
    connect(problems_, &ProblemsPanel::edited, this, &MainWindow::refreshMenuWindows);
    connect(problems_, &ProblemsPanel::problemsChanged, this, [this] {
        for (MenuView& view : *menuWindows_) view.markProblems();
    });
    connect(problems_, &ProblemsPanel::openRequested, this,
            [this](const QString& menuKey, const QString& paraKey, const QString& modeKey) {
                openParamEditor(toModel(menuKey), toModel(paraKey), toModel(modeKey), false);
                refreshMenuWindows();
            });
    menus_->driveMenu->addSeparator();
    for (const bool backwards : {false, true}) {
        QAction* step = menus_->driveMenu->addAction(backwards ? QStringLiteral("Previous problem")
                                                               : QStringLiteral("Next problem"));
        step->setShortcut(backwards ? QKeySequence(Qt::SHIFT | Qt::Key_F8) : QKeySequence(Qt::Key_F8));
        connect(step, &QAction::triggered, this, [this, backwards] { goToProblem(backwards); });
    }
    menus_->driveMenu->addAction(problems_->toggleViewAction());
    ScreenFit::resize(*this, {1200, 760});
    resizeDocks({problems_}, {std::min(340, width() / 3)}, Qt::Horizontal);
}

MainWindow::~MainWindow()
{
    // Menu windows point into the data root: they go first.
    for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
}

bool MainWindow::load()
{
    if (!lock_ || lock_->folder() != folder_)
        lock_ = DriveFolderLock::claim(ui_, folder_, DriveFolderLock::Moment::Starting);
    if (!lock_) return false;
    const QDir folder(folder_);
    if (!folder.exists(QStringLiteral("dlSegs")) && !folder.mkdir(QStringLiteral("dlSegs")))
        ui().message("Unable to create download segment folder");

    const StartupSplash splash(ui_);

    ui_.resetFlags();
    kpd::HugePageHeap::prepareForDrive(toFileName(folder_));
    app_ = std::make_unique<kpd::TheApp>(ui_, toFileName(folder_));
    app_->readConfiguration();
    if (ui_.cannotRun()) {
        app_.reset();
        return false;
    }
    applyAlternateState();
    buildTree();

    StartupSequence startup(*app_, ui_, toFileName(folder_));
    startup.loadConstants();
    startup.loadLanguages();
    progressCaption_ = QStringLiteral("Loading last used file");
    const StartupSequence::Result restored = startup.restore(AppSettings::read());
    setCurrentFile(fromFileName(restored.currentFile));
    if (!restored.incompleteFile.empty()) setIncompleteFile(fromFileName(restored.incompleteFile));
    showCurrentFile();
    autoSaveFile_ = fromFileName(restored.autoSaveFile);
    autoSave_->setData(this, autoSaveFile_, restored.autoSaveOn && !readOnly());
    languageIndex_ = restored.languageIndex;
    updateLanguageMenu();
    extraReferences_ = ExtraReferences::read();

    app_->setAppClean();
    problems_->request();
    budget_->analysis().runNow();
    return true;
}

void MainWindow::applyAlternateState()
{
    menus_->fileSaveAssembler->setVisible(ui_.alternate());
    menus_->fileSaveAssembler->setEnabled(ui_.alternate());
    // Constants files are for the drive's makers: listed always, offered only to them.
    menus_->fileSaveConstants->setEnabled(ui_.alternate() && !readOnly());
    menus_->setFolderWritable(!readOnly());
}

void MainWindow::buildTree()
{
    tree_->clear();
    const std::string key = app_->getLangDBKey(0);
    if (const kpd::stringData* set = app_->stringDatas().find(key)) {
        QTreeWidgetItem* root = MenuTree::build(*set);
        tree_->addTopLevelItem(root);
        root->setExpanded(true);
        // The pane starts wide enough for the tree's names, up to a third of the window.
        const int treeWidth =
            std::clamp(MenuTree::namesWidth(*tree_, *set), kTreeWidth, std::max(kTreeWidth, width() / 3));
        splitter_->setSizes({treeWidth, std::max(1, width() - treeWidth)});
    }
}

void MainWindow::updateLanguageMenu()
{
    for (int i = 0; i < menus_->languages.size(); ++i) {
        QAction* item = menus_->languages[i];
        const std::string key = app_ ? app_->getLangDBKey(static_cast<std::int16_t>(i)) : std::string();
        item->setText(key.empty() ? QStringLiteral("Lang") : toQt(key));
        // An index without a language has no set to compare against: it is not offered.
        if (i != 1) item->setEnabled(!key.empty());
        item->setChecked(i == languageIndex_);
    }
}

void MainWindow::setCurrentFile(const QString& file)
{
    currentFile_ = file;
    incompleteFile_.clear();
    fileCommands_->watch().follow(file);
}

void MainWindow::setIncompleteFile(const QString& file)
{
    currentFile_.clear();
    incompleteFile_ = file;
    fileCommands_->watch().follow({});
}

void MainWindow::showCurrentFile()
{
    const QString editing = QStringLiteral("Keypad data editor: - editing: ");
    if (!currentFile_.isEmpty()) showTitle(editing + currentFile_);
    else if (!incompleteFile_.isEmpty()) showTitle(editing + incompleteFile_ + QStringLiteral(" (incomplete)"));
    else showTitle(QStringLiteral("Keypad data editor"));
}

void MainWindow::showTitle(const QString& title)
{
    setWindowTitle(readOnly() ? title + QStringLiteral(" (read-only)") : title);
}

QString MainWindow::autoSavePanelText() const
{
    return autoSavePanel_->text();
}

bool MainWindow::reportProgress(std::int32_t value)
{
    progress_ = value;
    const bool stop = stopFlag_;
    stopFlag_ = false;
    ui_.processEvents();
    return stop;
}

void MainWindow::setASFIleName(const QString& name)
{
    autoSaveFile_ = name;
}

void MainWindow::AutoSave()
{
    // A failed save reports itself and leaves the data and its dirty state as they were.
    // The default file is written unasked: a link must not lead it out of the drive folder.
    const bool fixedName = QDir::cleanPath(QDir().absoluteFilePath(autoSaveFile_)) ==
                           QDir::cleanPath(QDir(folder_).absoluteFilePath(QStringLiteral("autoSave.kpd")));
    if (app_) app_->xmlSave(toFileName(autoSaveFile_), false, fixedName ? toFileName(folder_) : std::string());
}

bool MainWindow::hasChangesToSave() const
{
    return app_ && !readOnly() && app_->isAppDirty();
}

void MainWindow::refreshMenuWindows()
{
    if (!app_) return;
    try {
        for (MenuView& view : *menuWindows_) {
            view.setRefMenu(app_->getRefMenus().Item(view.myRefMenuKey()));
            view.setCustMenu(app_->getCustMenus().Item(view.myCustMenuKey()));
            showExtraReferences(view);
            view.fillGrid();
        }
    } catch (const kpd::ModelError& error) {
        ui().message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
    emit customSetEdited();
}

bool MainWindow::saveCompressedFile(const QString& file, int kind)
{
    return app_ && BuildCommands(*app_, ui(), ui_.hexBase())
                       .saveCompressedFile(toFileName(file), static_cast<BuildCommands::ImageFile>(kind));
}

void MainWindow::selectNode(QTreeWidgetItem* node)
{
    if (!node || !app_) return;
    const QString tag = node->data(0, MenuTree::TagRole).toString();
    const QString kind = tag.left(4);
    const std::string key = toModel(tag.mid(4));
    if (kind == QLatin1String("menu")) openMenuNode(key);
    if (kind != QLatin1String("para") && kind != QLatin1String("data")) return;
    // A mode node hangs under its parameter node, and that under its menu node.
    QTreeWidgetItem* paraNode = kind == QLatin1String("data") ? node->parent() : node;
    QTreeWidgetItem* menuNode = paraNode ? paraNode->parent() : nullptr;
    if (!menuNode) return;
    const std::string paraKey = toModel(paraNode->data(0, MenuTree::TagRole).toString().mid(4));
    const std::string menuKey = toModel(menuNode->data(0, MenuTree::TagRole).toString().mid(4));
    bool mapped = false;
    try {
        mapped = app_->getCustMenus().Item(menuKey).isMapped();
    } catch (const kpd::ModelError& error) {
        ui().message(error.what(), "ERROR", kpd::MessageIcon::Critical);
        return;
    }
    openParamEditor(menuKey, paraKey, kind == QLatin1String("data") ? key : std::string(), mapped);
    // Open menu windows show what the editor committed.
    refreshMenuWindows();
}

void MainWindow::openParamEditor(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey,
                                 bool tripMode)
{
    if (!app_) return;
    ParamEditor editor(ui(), folder_, this);
    editor.setModal(true);
    if (!editor.setMyData(*app_, menuKey, paraKey, modeKey, tripMode)) return;
    editor.setProblemNavigator(
        [this](const kpd::ProblemList::Location& from, bool backwards) { return problems_->step(from, backwards); });
    editor.setCostEstimator(budget_->estimator());
    // The editor is modal: its commits recount the budget while it stays open.
    connect(&editor, &ParamEditor::committed, budget_, &BudgetMeter::request);
    connect(&editor, &ParamEditor::committed, problems_, &ProblemsPanel::request);
    if (runEditor_) runEditor_(editor);
    else editor.exec();
    emit customSetEdited();
}

void MainWindow::goToProblem(bool backwards)
{
    const kpd::Problem* current = problems_->selected();
    const std::optional<kpd::ProblemList::Location> target =
        problems_->step(current ? kpd::ProblemList::locationOf(*current) : kpd::ProblemList::Location{}, backwards);
    if (!target) return;
    openParamEditor(target->menuKey, target->paraKey, target->modeKey, false);
    refreshMenuWindows();
}

SizeReportWindow* MainWindow::sizeReport()
{
    if (sizeReport_) return sizeReport_;
    sizeReport_ = new SizeReportWindow(ui(), folder_, this);
    sizeReport_->setAttribute(Qt::WA_DeleteOnClose);
    sizeReport_->setReport(budget_->report());
    connect(budget_, &BudgetMeter::reportChanged, sizeReport_, [this] { sizeReport_->setReport(budget_->report()); });
    connect(sizeReport_, &SizeReportWindow::openParameter, this, [this](const std::string& menuKey, const std::string& paraKey) {
        const kpd::DrvMenu* menu = app_ ? app_->getCustMenus().find(menuKey) : nullptr;
        if (menu) openParamEditor(menuKey, paraKey, {}, menu->isMapped());
        refreshMenuWindows();
    });
    connect(sizeReport_, &SizeReportWindow::openMenu, this, [this](const std::string& menuKey) { openMenuNode(menuKey); });
    return sizeReport_;
}

void MainWindow::fillMenuNode(QTreeWidgetItem* node)
{
    if (!app_ || node->parent() == nullptr) return;
    if (const kpd::stringData* set = app_->stringDatas().find(app_->getLangDBKey(0))) MenuTree::fill(node, *set);
}

QTreeWidgetItem* MainWindow::findNode(const QString& tag)
{
    if (QTreeWidgetItem* root = tree_->topLevelItem(0))
        for (int i = 0; i < root->childCount(); ++i) fillMenuNode(root->child(i));
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if ((*it)->data(0, MenuTree::TagRole).toString() == tag) return *it;
    }
    return nullptr;
}

void MainWindow::openMenuNode(const std::string& menuKey)
{
    try {
        kpd::DrvMenu& reference = app_->getRefMenus().Item(menuKey);
        kpd::DrvMenu& custom = app_->getCustMenus().Item(menuKey);
        MenuView* view = menuWindows_->Add(menuKey);
        if (!view) return;
        view->bringToFront();
        view->setCustMenuCol(app_->getCustMenus());
        view->setRefMenu(reference);
        view->setCustMenu(custom);
        showExtraReferences(*view);
        view->setWindowTitle(custom.isMapped() ? QStringLiteral("Drive Trip Descriptions")
                                               : toQt(custom.menuName()) + QStringLiteral(" - (Menu ") +
                                                     QString::number(custom.menuNumber()) + QLatin1Char(')'));
        view->fillGrid();
    } catch (const kpd::ModelError& error) {
        ui().message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
}

MenuView* MainWindow::createMenuView(const std::string& key)
{
    auto* view = new MenuView(ui_, key);
    view->setPopupMenu(menus_->menuOpsMenu);
    view->setProblemMarks([this](const std::string& menuKey, const std::string& paraKey, const std::string& modeKey) {
        return problems_->describe({menuKey, paraKey, modeKey});
    });
    view->setEditorOpener([this](MenuView& opener, const std::string& paraKey, const std::string& modeKey) {
        kpd::DrvMenu* reference = opener.refMenu();
        if (reference) openParamEditor(reference->menuKey(), paraKey, modeKey, reference->isMapped());
    });
    view->setClosedHandler([this](const std::string& closedKey) {
        if (menuWindows_->contains(closedKey)) menuWindows_->Remove(closedKey);
    });
    QMdiSubWindow* sub = mdi_->addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A new window fits the area the user sees when the area is smaller than it.
    sub->resize(mdi_->isVisible() ? QSize(600, 400).boundedTo(mdi_->viewport()->size()) : QSize(600, 400));
    sub->show();
    return view;
}

void MainWindow::chooseLanguage(int index)
{
    if (!app_) return;
    const std::string key = app_->getLangDBKey(static_cast<std::int16_t>(index));
    if (key.empty()) return;
    app_->setRefKey(key);
    languageIndex_ = static_cast<std::int16_t>(index);
    updateLanguageMenu();
    refreshMenuWindows();
}

bool MainWindow::switchDriveFolder(const QString& folder)
{
    if (download_.running()) return false;
    // The lock held stays until the new folder has loaded (a failure goes back to it); the
    // same folder again is claimed afresh, or its new lock would meet this editor's own.
    if (lock_ && QDir(lock_->folder()) == QDir(folder)) lock_->release();
    std::unique_ptr<DriveFolderLock> lock = DriveFolderLock::claim(ui_, folder, DriveFolderLock::Moment::Switching);
    if (!lock) return false;
    if (app_ && !readOnly()) {
        writeSettings();
        AppSettings::write(UserDriveFolder::leaving(AppSettings::read(), toFileName(folder_)));
    }
    autoSave_->setRunning(false);
    menuWindows_->removeAll();
    if (help_) help_->close();
    tree_->clear();
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

void MainWindow::fillWindowMenu()
{
    QMenu* menu = menus_->windowMenu;
    menu->clear();
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        action->setCheckable(true);
        action->setChecked(sub == mdi_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
    }
    if (!windows.isEmpty()) menu->addSeparator();
    menu->addAction(menus_->windowCloseAll);
}

void MainWindow::showHelp()
{
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->openFile(fromFileName(kpd::FixedFile::path(toFileName(folder_), "VX KEYPAD TOOL HELP.HLP")));
    help_->show();
    help_->raise();
}

void MainWindow::showAbout()
{
    AboutWindow about(ui_, this);
    about.exec();
}

void MainWindow::setExtraReferences(const QStringList& languages)
{
    extraReferences_ = languages;
    ExtraReferences::write(languages);
    for (MenuView& view : *menuWindows_) {
        showExtraReferences(view);
        view.fillGrid();
    }
}

void MainWindow::showExtraReferences(MenuView& view)
{
    if (app_) view.setExtraReferences(ExtraReferences::resolve(*app_, extraReferences_, view.myRefMenuKey()));
}

void MainWindow::writeSettings()
{
    // The editor holding the folder keeps the settings: a read-only look leaves them alone.
    if (readOnly()) return;
    AppSettings::write({toFileName(currentFile_), toFileName(autoSaveFile_), autoSave_->isOn() ? "on" : "off",
                        std::to_string(languageIndex_)});
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (download_.running()) {
        // The download runs below this call: it has to end before anything closes.
        download_.askToStopForClosing(ui());
        event->ignore();
        return;
    }
    if (app_ && app_->isAppDirty() &&
        ui().message("There is unsaved data - do you really want to quit?", "WARNING", kpd::MessageIcon::Exclamation,
                    kpd::MessageButtons::YesNo) == kpd::MessageAnswer::No) {
        event->ignore();
        return;
    }
    if (app_) writeSettings();
    if (lock_) lock_->release();
    autoSave_->setRunning(false);
    menuWindows_->removeAll();
    autoSave_->close();
    if (help_) help_->close();
    // The model stays until the window is destroyed: the window goes at once, and the
    // program may end without tearing the model down.
    event->accept();
}
