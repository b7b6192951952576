#include "mainwindow.h"

#include "aboutwindow.h"
#include "autosavewindow.h"
#include "download/dlgnodeaddr.h"
#include "download/downloadcommands.h"
#include "download/steadydownloadclock.h"
#include "download/zvnapilibrary.h"
#include "extrareferencesdialog.h"
#include "helpwindow.h"
#include "mainmenus.h"
#include "menuwindowarea.h"
#include "model/theapp.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"
#include "shell/commands/buildcommands.h"
#include "shell/commands/comparecommands.h"
#include "shell/commands/exportcommands.h"
#include "shell/commands/menufilecommands.h"
#include "shell/commands/setfilecommands.h"
#include "shell/commands/translationmenucommands.h"
#include "shell/drivedocument.h"
#include "shell/extrareferences.h"
#include "shell/panels/budgetmeter.h"
#include "shell/panels/glossarywindow.h"
#include "shell/panels/problemspanel.h"
#include "shell/panels/sizereportwindow.h"
#include "shell/panels/textspanel.h"
#include "spellinglanguagesdialog.h"
#include "views/menudialogcommands.h"
#include "views/menuview.h"
#include "views/parameditor.h"
#include "views/screenfit.h"
#include "xmlfiles/fixedfile.h"

#include <QApplication>
#include <QCloseEvent>
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
    static kpd::ZvnApiLibrary library({toFileName(QCoreApplication::applicationDirPath()), toFileName(programFolder)});
    return library;
}

} // namespace

MainWindow::MainWindow(kpd::UserInterface& dialogs, QString programFolder, QWidget* parent)
    : QMainWindow(parent),
      document_(std::make_unique<DriveDocument>(dialogs, std::move(programFolder))),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      tree_(new QTreeWidget(splitter_)),
      mdi_(new QMdiArea(splitter_)),
      windowArea_(new MenuWindowArea(*document_, *mdi_, this)),
      autoSave_(new AutoSaveWindow(this)),
      autoSavePanel_(autoSave_->statusPanel(this)),
      problems_(new ProblemsPanel(
          document_->ui(), [this] { return document_->app(); }, this)),
      budget_(new BudgetMeter([this] { return document_->app(); }, this))
{
    connect(document_.get(), &DriveDocument::titleChanged, this, &QWidget::setWindowTitle);
    connect(document_.get(), &DriveDocument::modifiedChanged, this, &QWidget::setWindowModified);
    document_->showCurrentFile();
    menus_ = std::make_unique<MainMenus>(*this);
    setFileCommands_ = std::make_unique<SetFileCommands>(*document_, this);
    menuFileCommands_ =
        std::make_unique<MenuFileCommands>(*document_, windowArea_->menuWindows(), std::make_shared<FileChooser>(this));
    windowArea_->setWindowServices(
        menus_->menuOpsMenu,
        [this](const std::string& menuKey, const std::string& paraKey, const std::string& modeKey) {
            return problems_->describe({menuKey, paraKey, modeKey});
        },
        [this](MenuView& opener, const std::string& paraKey, const std::string& modeKey) {
            kpd::DrvMenu* reference = opener.refMenu();
            if (reference) openParamEditor(reference->menuKey(), paraKey, modeKey, reference->isMapped());
        });

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
    connect(document_.get(), &DriveDocument::customSetEdited, budget_, &BudgetMeter::request);
    connect(document_.get(), &DriveDocument::notice, statusBar(), &QStatusBar::showMessage);
    connect(document_.get(), &DriveDocument::changed, windowArea_, &MenuWindowArea::refreshMenuWindows);
    connect(document_.get(), &DriveDocument::configured, this, &MainWindow::configured);
    connect(document_.get(), &DriveDocument::loaded, this, &MainWindow::loaded);
    connect(document_.get(), &DriveDocument::dropping, this, &MainWindow::dropping);
    connect(document_.get(), &DriveDocument::languageChanged, this, &MainWindow::showLanguages);
    document_->setAutoSaveState([this] { return autoSave_->isOn(); });
    document_->shellUi().setAutoSaveSuspension([this] { autoSave_->suspend(); }, [this] { autoSave_->resume(); });

    connect(tree_, &QTreeWidget::itemExpanded, this, &MainWindow::fillMenuNode);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { selectNode(node); });
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* node) { selectNode(node); });
    connectCommands();
    connectDownload();

    addDockWidget(Qt::LeftDockWidgetArea, problems_);
    connect(document_.get(), &DriveDocument::customSetEdited, problems_, &ProblemsPanel::request);
    connect(problems_, &ProblemsPanel::edited, windowArea_, &MenuWindowArea::refreshMenuWindows);
    connect(problems_, &ProblemsPanel::problemsChanged, windowArea_, &MenuWindowArea::markProblems);
    connect(problems_, &ProblemsPanel::openRequested, this,
            [this](const QString& menuKey, const QString& paraKey, const QString& modeKey) {
                openParamEditor(toModel(menuKey), toModel(paraKey), toModel(modeKey), false);
                windowArea_->refreshMenuWindows();
            });
    menus_->driveMenu->insertAction(menus_->driveTexts, problems_->toggleViewAction());
    TextsPanel* texts =
        TextsPanel::attach(*this, *document_, budget_, [this] { return windowArea_->extraReferences(); });
    connect(menus_->driveTexts, &QAction::toggled, texts, &QWidget::setVisible);
    connect(texts->toggleViewAction(), &QAction::toggled, menus_->driveTexts, &QAction::setChecked);
    connect(menus_->driveFind, &QAction::triggered, texts, &TextsPanel::showFindReplace);
    ScreenFit::resize(*this, {1200, 760});
    resizeDocks({problems_}, {std::min(340, width() / 3)}, Qt::Horizontal);
}

MainWindow::~MainWindow()
{
    // Menu windows point into the data root: they go first.
    for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
}

void MainWindow::connectCommands()
{
    DriveDocument& document = *document_;
    const auto whenLoaded = [this](auto command) {
        return [this, command] {
            if (document_->app()) command();
        };
    };
    const std::pair<QAction*, void (SetFileCommands::*)()> setCommands[] = {
        {menus_->fileNew, &SetFileCommands::newFile},
        {menus_->fileOpen, &SetFileCommands::open},
        {menus_->fileSave, &SetFileCommands::save},
        {menus_->fileSaveAs, &SetFileCommands::saveAs},
        {menus_->fileSaveConstants, &SetFileCommands::saveConstants},
        {menus_->fileOpenDriveFolder, &SetFileCommands::openDriveFolder},
        {menus_->driveClearAll, &SetFileCommands::clearAllData},
        {menus_->driveMerge, &SetFileCommands::merge},
        {menus_->driveCopyRefToCust, &SetFileCommands::copyRefToCust},
    };
    for (const auto& [action, command] : setCommands)
        connect(action, &QAction::triggered, this, [this, command = command] { ((*setFileCommands_).*command)(); });
    const std::pair<QAction*, void (MenuFileCommands::*)()> menuCommands[] = {
        {menus_->menuLoad, &MenuFileCommands::loadMenu},
        {menus_->menuSave, &MenuFileCommands::saveMenu},
        {menus_->menuClear, &MenuFileCommands::clearMenu},
        {menus_->menuCopyRefToCust, &MenuFileCommands::copyMenuRefToCust},
        {menus_->menuCopyLimitsOnly, &MenuFileCommands::copyLimitsOnly},
    };
    for (const auto& [action, command] : menuCommands)
        connect(action, &QAction::triggered, this, [this, command = command] { ((*menuFileCommands_).*command)(); });

    connect(menus_->fileExport, &QAction::triggered, this,
            [this, &document] { ExportCommands(document, this).exportText(); });
    connect(menus_->fileSaveAssembler, &QAction::triggered, this,
            [this, &document] { ExportCommands(document, this).saveAssembler(); });
    connect(menus_->fileCompare, &QAction::triggered, this,
            [this, &document] { CompareCommands(document, this).compareWith(); });
    connect(menus_->fileExportTranslation, &QAction::triggered, this,
            [this, &document] { TranslationMenuCommands(document, this).exportForTranslation(); });
    connect(menus_->fileImportTranslation, &QAction::triggered, this,
            [this, &document] { TranslationMenuCommands(document, this).importTranslation(); });
    connect(menus_->fileAutoSave, &QAction::triggered, autoSave_, &QWidget::show);
    connect(menus_->fileExit, &QAction::triggered, this, &QWidget::close);

    connect(menus_->driveCheckSize, &QAction::triggered, this,
            whenLoaded([&document] { BuildCommands(*document.app(), document.ui(), document.hexBase()).checkSize(); }));
    const auto menuDialogs = [this, &document] {
        return MenuDialogCommands(*document.app(), document.ui(), windowArea_->menuWindows(),
                                  [this] { windowArea_->refreshMenuWindows(); });
    };
    // An empty folder: the keypad text box library is looked for beside the program.
    connect(menus_->driveStrip, &QAction::triggered, this,
            whenLoaded([this, menuDialogs] { menuDialogs().stripTrailingSpaces(QString(), this); }));
    connect(menus_->menuClone, &QAction::triggered, this, whenLoaded([menuDialogs] { menuDialogs().cloneMenu(); }));
    connect(menus_->menuCopyModeToMode, &QAction::triggered, this,
            whenLoaded([menuDialogs] { menuDialogs().copyModeToMode(); }));
    connect(menus_->driveSizeReport, &QAction::triggered, this, [this] {
        SizeReportWindow* window = sizeReport();
        window->show();
        window->raise();
        window->activateWindow();
    });
    connect(menus_->driveNextProblem, &QAction::triggered, this, [this] { goToProblem(false); });
    connect(menus_->drivePreviousProblem, &QAction::triggered, this, [this] { goToProblem(true); });
    connect(menus_->driveGlossary, &QAction::triggered, this, [this] {
        if (document_->app()) GlossaryWindow::edit(document_->ui(), *document_->app(), this);
        problems_->request();
    });

    for (QAction* language : menus_->languages)
        connect(language, &QAction::triggered, this,
                [this, language] { document_->chooseLanguage(language->data().toInt()); });
    connect(menus_->languageExtra, &QAction::triggered, this, whenLoaded([this] {
                ExtraReferencesDialog dialog(ExtraReferences::offered(*document_->app()),
                                             windowArea_->extraReferences(), this);
                if (dialog.exec() == QDialog::Accepted) windowArea_->setExtraReferences(dialog.chosen());
            }));
    connect(menus_->languageSpelling, &QAction::triggered, this,
            whenLoaded([this] { SpellingLanguagesDialog::edit(*document_->app(), this); }));
    connect(menus_->windowMenu, &QMenu::aboutToShow, this,
            [this] { windowArea_->fillWindowMenu(*menus_->windowMenu, menus_->windowCloseAll); });
    connect(menus_->windowCloseAll, &QAction::triggered, this, [this] { windowArea_->menuWindows().removeAll(); });
    connect(menus_->helpContents, &QAction::triggered, this, &MainWindow::showHelp);
    connect(menus_->helpAbout, &QAction::triggered, this, [this] {
        AboutWindow about(document_->ui(), this);
        about.exec();
    });
}

void MainWindow::connectDownload()
{
    download_.setListener([this](bool running) {
        document_->setSwitchBlocked(running);
        menus_->applyDownloadState(running, !document_->readOnly());
    });
    const auto commands = [this](kpd::DownloadClock& clock, ActiveDownload* active) {
        DriveDocument& document = *document_;
        return DownloadCommands(*document.app(), document.ui(), document.hexBase(),
                                toFileName(document.programFolder()), driveNetwork(document.programFolder()), clock,
                                active);
    };
    connect(menus_->connectDownload, &QAction::triggered, this, [this, commands] {
        if (!document_->app() || download_.running()) return;
        kpd::SteadyDownloadClock clock;
        commands(clock, &download_).download([this]() -> std::optional<std::string> {
            dlgNodeAddr dialog(this);
            dialog.exec();
            if (!dialog.confirmed()) return std::nullopt;
            return toModel(dialog.address());
        });
        if (download_.takeCloseRequest()) close();
    });
    connect(menus_->connectSetup, &QAction::triggered, this, [this, commands] {
        if (!document_->app()) return;
        kpd::SteadyDownloadClock clock;
        commands(clock, nullptr).setupComms(this);
    });
}

bool MainWindow::load()
{
    return document_->load();
}

void MainWindow::configured()
{
    menus_->applyDriveState(document_->alternate(), !document_->readOnly());
    buildTree();
}

void MainWindow::loaded(bool autoSaveOn)
{
    autoSave_->setData(document_.get(), document_->autoSaveFile(), autoSaveOn);
    showLanguages();
    windowArea_->readExtraReferences();
    problems_->request();
    budget_->analysis().runNow();
}

void MainWindow::dropping()
{
    autoSave_->setRunning(false);
    windowArea_->menuWindows().removeAll();
    if (help_) help_->close();
    tree_->clear();
}

kpd::menuWindows<MenuView>& MainWindow::menuWindows()
{
    return windowArea_->menuWindows();
}

void MainWindow::buildTree()
{
    tree_->clear();
    kpd::TheApp& app = *document_->app();
    if (const kpd::stringData* set = app.stringDatas().find(app.getLangDBKey(0))) {
        QTreeWidgetItem* root = MenuTree::build(*set);
        tree_->addTopLevelItem(root);
        root->setExpanded(true);
        // The pane starts wide enough for the tree's names, up to a third of the window.
        const int treeWidth =
            std::clamp(MenuTree::namesWidth(*tree_, *set), kTreeWidth, std::max(kTreeWidth, width() / 3));
        splitter_->setSizes({treeWidth, std::max(1, width() - treeWidth)});
    }
}

void MainWindow::showLanguages()
{
    kpd::TheApp* app = document_->app();
    menus_->showLanguages(
        [app](int index) { return app ? app->getLangDBKey(static_cast<std::int16_t>(index)) : std::string(); },
        document_->languageIndex());
}

QString MainWindow::autoSavePanelText() const
{
    return autoSavePanel_->text();
}

void MainWindow::selectNode(QTreeWidgetItem* node)
{
    using Kind = MenuTree::Node::Kind;
    kpd::TheApp* app = document_->app();
    if (!node || !app) return;
    const MenuTree::Node selected = MenuTree::nodeOf(node);
    if (selected.kind == Kind::Menu) windowArea_->openMenu(toModel(selected.key));
    if (selected.kind != Kind::Parameter && selected.kind != Kind::Mode) return;
    // A mode node hangs under its parameter node, and that under its menu node.
    QTreeWidgetItem* paraNode = selected.kind == Kind::Mode ? node->parent() : node;
    QTreeWidgetItem* menuNode = paraNode ? paraNode->parent() : nullptr;
    if (!menuNode) return;
    const std::string paraKey = toModel(MenuTree::nodeOf(paraNode).key);
    const std::string menuKey = toModel(MenuTree::nodeOf(menuNode).key);
    bool mapped = false;
    if (!reportFailures(document_->ui(), [&] { mapped = app->getCustMenus().Item(menuKey).isMapped(); })) return;
    openParamEditor(menuKey, paraKey, selected.kind == Kind::Mode ? toModel(selected.key) : std::string(), mapped);
    // Open menu windows show what the editor committed.
    windowArea_->refreshMenuWindows();
}

void MainWindow::openParamEditor(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey,
                                 bool tripMode)
{
    if (!document_->app()) return;
    ParamEditor editor(document_->ui(), document_->programFolder(), this);
    editor.setModal(true);
    if (!editor.setMyData(*document_->app(), menuKey, paraKey, modeKey, tripMode)) return;
    editor.setProblemNavigator(
        [this](const kpd::ProblemList::Location& from, bool backwards) { return problems_->step(from, backwards); });
    editor.setCostEstimator(budget_->estimator());
    // The editor is modal: the budget, the problems and the title's mark follow its commits while it stays open.
    connect(&editor, &ParamEditor::committed, document_.get(), &DriveDocument::notifyEdited);
    connect(&editor, &ParamEditor::glossaryTermRequested, this, [this, &editor](const QString& text, bool reference) {
        GlossaryWindow::edit(document_->ui(), *document_->app(), &editor, text, reference);
        problems_->request();
    });
    if (runEditor_)
        runEditor_(editor);
    else
        editor.exec();
    document_->notifyEdited();
}

void MainWindow::goToProblem(bool backwards)
{
    const kpd::Problem* current = problems_->selected();
    const std::optional<kpd::ProblemList::Location> target =
        problems_->step(current ? kpd::ProblemList::locationOf(*current) : kpd::ProblemList::Location{}, backwards);
    if (!target) return;
    openParamEditor(target->menuKey, target->paraKey, target->modeKey, false);
    windowArea_->refreshMenuWindows();
}

SizeReportWindow* MainWindow::sizeReport()
{
    if (sizeReport_) return sizeReport_;
    sizeReport_ = new SizeReportWindow(document_->ui(), document_->programFolder(), this);
    sizeReport_->setAttribute(Qt::WA_DeleteOnClose);
    sizeReport_->setReport(budget_->report());
    connect(budget_, &BudgetMeter::reportChanged, sizeReport_, [this] { sizeReport_->setReport(budget_->report()); });
    connect(sizeReport_, &SizeReportWindow::openParameter, this,
            [this](const std::string& menuKey, const std::string& paraKey) {
                const kpd::DrvMenu* menu = document_->app() ? document_->app()->getCustMenus().find(menuKey) : nullptr;
                if (menu) openParamEditor(menuKey, paraKey, {}, menu->isMapped());
                windowArea_->refreshMenuWindows();
            });
    connect(sizeReport_, &SizeReportWindow::openMenu, windowArea_, &MenuWindowArea::openMenu);
    return sizeReport_;
}

void MainWindow::fillMenuNode(QTreeWidgetItem* node)
{
    kpd::TheApp* app = document_->app();
    if (!app || node->parent() == nullptr) return;
    if (const kpd::stringData* set = app->stringDatas().find(app->getLangDBKey(0))) MenuTree::fill(node, *set);
}

QTreeWidgetItem* MainWindow::findNode(const MenuTree::Node& wanted)
{
    if (QTreeWidgetItem* root = tree_->topLevelItem(0))
        for (int i = 0; i < root->childCount(); ++i) fillMenuNode(root->child(i));
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if (MenuTree::nodeOf(*it) == wanted) return *it;
    }
    return nullptr;
}

void MainWindow::showHelp()
{
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->openFile(
        fromFileName(kpd::FixedFile::path(toFileName(document_->programFolder()), "VX KEYPAD TOOL HELP.HLP")));
    help_->show();
    help_->raise();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (download_.running()) {
        // The download runs below this call: it has to end before anything closes.
        download_.askToStopForClosing(document_->ui());
        event->ignore();
        return;
    }
    if (document_->app() && document_->app()->isAppDirty() &&
        document_->ui().message("There is unsaved data - do you really want to quit?", "WARNING",
                                kpd::MessageIcon::Exclamation, kpd::MessageButtons::YesNo) == kpd::MessageAnswer::No) {
        event->ignore();
        return;
    }
    document_->close();
    autoSave_->setRunning(false);
    windowArea_->menuWindows().removeAll();
    autoSave_->close();
    if (help_) help_->close();
    // The model stays until the window is destroyed: the window goes at once, and the
    // program may end without tearing the model down.
    event->accept();
}
