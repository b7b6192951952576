#pragma once

#include "autosavehost.h"
#include "drivefolderlock.h"
#include "download/activedownload.h"
#include "model/menuwindows.h"
#include "model/userinterface.h"
#include "shelluserinterface.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>

class AutoSaveWindow;
class BudgetMeter;
class SizeReportWindow;
class FileCommands;
class HelpWindow;
class MenuView;
class ParamEditor;
class ProblemsPanel;
class QLabel;
class QMdiArea;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
struct MainMenus;

namespace kpd {
class TheApp;
}

// The editor's frame: the menu tree on the left, the menu windows in the middle, the
// auto-save state in the status bar, and every command in the menu bar.
class MainWindow : public QMainWindow, public AutoSaveHost {
    Q_OBJECT
public:
    // dialogs answers messages and shows progress; the tests pass a recorder.
    MainWindow(kpd::UserInterface& dialogs, QString programFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: reads the configuration and every file; false when the program cannot run.
    bool load();

    kpd::TheApp* app() const { return app_.get(); }
    kpd::UserInterface& ui() { return ui_; }
    const QString& programFolder() const { return folder_; }
    QString currentFile() const { return currentFile_; }
    // The file commands decide what is being edited; showCurrentFile() puts it in the title.
    void setCurrentFile(const QString& file);
    // A file that loaded only up to a fault: the title names it as incomplete, but it is
    // never the current file, so Save asks for a name instead of cutting the file short.
    void setIncompleteFile(const QString& file);
    QString incompleteFile() const { return incompleteFile_; }
    void showCurrentFile();
    // The title, marked when the drive folder is open read-only.
    void showTitle(const QString& title);
    // Another editor holds the drive folder: nothing is saved to it from here.
    bool readOnly() const { return lock_ && lock_->readOnly(); }
    QString autoSaveFile() const { return autoSaveFile_; }
    std::int16_t languageIndex() const { return languageIndex_; }
    bool alternate() const { return ui_.alternate(); }
    std::int32_t hexBase() const { return ui_.hexBase(); }

    MainMenus& menus() { return *menus_; }
    QTreeWidget* tree() const { return tree_; }
    QMdiArea* mdiArea() const { return mdi_; }
    AutoSaveWindow* autoSaveWindow() const { return autoSave_; }
    ProblemsPanel* problemsPanel() const { return problems_; }
    // "Next problem" (F8) and "Previous problem" (Shift+F8): the parameter editor on the
    // place of the next problem after the one selected in the Problems panel.
    void goToProblem(bool backwards);
    FileCommands& fileCommands() { return *fileCommands_; }
    kpd::menuWindows<MenuView>& menuWindows() { return *menuWindows_; }
    QString autoSavePanelText() const;
    BudgetMeter* budgetMeter() const { return budget_; }
    // The size report window, made when first asked for.
    SizeReportWindow* sizeReport();

    // Services of the main window to the commands and long operations.
    void waitOn() { ui_.waitOn(); }
    void waitOff() { ui_.waitOff(); }
    void stopProcess() { stopFlag_ = true; }
    std::int32_t progress() const { return progress_; }
    QString progCapt() const { return progressCaption_; }
    bool reportProgress(std::int32_t value);
    void setASFIleName(const QString& name) override;
    void AutoSave() override;
    bool hasChangesToSave() const override;
    void refreshMenuWindows();
    // Builds the database image and writes it: kind 1 an Intel hex file, kind 2 a flashing file.
    bool saveCompressedFile(const QString& file, int kind);

    // What selecting a tree node does, by the node's tag ("menu" + key, "para" + key, ...).
    void selectNode(QTreeWidgetItem* node);
    // The parameter editor on one parameter (or trip) and mode, modal over the window.
    void openParamEditor(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey,
                         bool tripMode);
    // How an opened editor is shown; tests look at it instead of running it modally.
    void setEditorRunner(std::function<void(ParamEditor&)> runner) { runEditor_ = std::move(runner); }
    void chooseLanguage(int index);
    // Drops the drive in memory and starts again on the drive of `folder`, as a new start
    // would; unsaved data is the caller's to ask about. False, back on the old folder,
    // when the new one cannot be loaded.
    bool switchDriveFolder(const QString& folder);
    // The languages every menu grid shows under its reference rows; remembered in the settings.
    void setExtraReferences(const QStringList& languages);
    const QStringList& extraReferences() const { return extraReferences_; }
    // The tree node with the tag; the branches of menus not yet opened are filled first.
    QTreeWidgetItem* findNode(const QString& tag);

signals:
    // The custom set may have changed: a command or the parameter editor committed texts,
    // or a file was loaded. Background analyses of the set listen to this.
    void customSetEdited();
    // The keypad data file now edited (empty for a new set), and one just written whole.
    void keypadFileOpened(const QString& file);
    void keypadFileSaved(const QString& file);
    // The data root is about to go (another drive folder): what points into it lets go.
    void dataRootDropped();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTree();
    void fillMenuNode(QTreeWidgetItem* node);
    void applyAlternateState();
    void updateLanguageMenu();
    void fillWindowMenu();
    void openMenuNode(const std::string& menuKey);
    void showExtraReferences(MenuView& view);
    void showHelp();
    void showAbout();
    MenuView* createMenuView(const std::string& key);
    void writeSettings();

    ShellUserInterface ui_;
    QString folder_;
    std::unique_ptr<DriveFolderLock> lock_;
    std::unique_ptr<kpd::TheApp> app_;
    std::unique_ptr<kpd::menuWindows<MenuView>> menuWindows_;
    std::unique_ptr<MainMenus> menus_;
    std::unique_ptr<FileCommands> fileCommands_;
    QSplitter* splitter_;
    QTreeWidget* tree_;
    QMdiArea* mdi_;
    AutoSaveWindow* autoSave_;
    QLabel* autoSavePanel_;
    ProblemsPanel* problems_;
    BudgetMeter* budget_;
    QPointer<SizeReportWindow> sizeReport_;
    QPointer<HelpWindow> help_;
    QString currentFile_;
    QString incompleteFile_;
    QString autoSaveFile_;
    std::int16_t languageIndex_ = 0;
    QStringList extraReferences_;
    bool stopFlag_ = false;
    std::int32_t progress_ = 0;
    QString progressCaption_;
    std::function<void(ParamEditor&)> runEditor_;
    ActiveDownload download_;
};
