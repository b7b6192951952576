#pragma once

#include "download/activedownload.h"
#include "menutree.h"
#include "views/menuwindows.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class AutoSaveWindow;
class BudgetMeter;
class DriveDocument;
class HelpWindow;
class MenuFileCommands;
class MenuView;
class MenuWindowArea;
class ParamEditor;
class ProblemsPanel;
class QLabel;
class QMdiArea;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class SetFileCommands;
class SizeReportWindow;
struct MainMenus;

namespace kpd {
class UserInterface;
}

// The editor's frame: the menu tree on the left, the menu windows in the middle, the
// Problems panel, the auto-save state and size meter in the status bar, and the menu bar
// wired to the commands. What is edited is the drive document's.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // dialogs answers messages and shows progress; the tests pass a recorder.
    MainWindow(kpd::UserInterface& dialogs, QString programFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: reads the configuration and every file; false when the program cannot run.
    bool load();

    DriveDocument& document() { return *document_; }
    MainMenus& menus() { return *menus_; }
    SetFileCommands& setFileCommands() { return *setFileCommands_; }
    MenuFileCommands& menuFileCommands() { return *menuFileCommands_; }
    MenuWindowArea& windowArea() { return *windowArea_; }
    kpd::menuWindows<MenuView>& menuWindows();
    QTreeWidget* tree() const { return tree_; }
    QMdiArea* mdiArea() const { return mdi_; }
    AutoSaveWindow* autoSaveWindow() const { return autoSave_; }
    QString autoSavePanelText() const;
    ProblemsPanel* problemsPanel() const { return problems_; }
    BudgetMeter* budgetMeter() const { return budget_; }
    // The size report window, made when first asked for.
    SizeReportWindow* sizeReport();

    // What selecting a tree node does: a menu opens its window, a parameter or mode its editor.
    void selectNode(QTreeWidgetItem* node);
    // The tree node; the branches of menus not yet opened are filled first.
    QTreeWidgetItem* findNode(const MenuTree::Node& wanted);
    // The parameter editor on one parameter (or trip) and mode, modal over the window.
    void openParamEditor(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey,
                         bool tripMode);
    // How an opened editor is shown; tests look at it instead of running it modally.
    void setEditorRunner(std::function<void(ParamEditor&)> runner) { runEditor_ = std::move(runner); }
    // "Next problem" and "Previous problem": the parameter editor on the place of the next
    // problem after the one selected in the Problems panel.
    void goToProblem(bool backwards);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectCommands();
    void connectDownload();
    void configured();
    void loaded(bool autoSaveOn);
    void dropping();
    void buildTree();
    void fillMenuNode(QTreeWidgetItem* node);
    void showLanguages();
    void showHelp();

    std::unique_ptr<DriveDocument> document_;
    std::unique_ptr<MainMenus> menus_;
    QSplitter* splitter_;
    QTreeWidget* tree_;
    QMdiArea* mdi_;
    MenuWindowArea* windowArea_;
    std::unique_ptr<SetFileCommands> setFileCommands_;
    std::unique_ptr<MenuFileCommands> menuFileCommands_;
    AutoSaveWindow* autoSave_;
    QLabel* autoSavePanel_;
    ProblemsPanel* problems_;
    BudgetMeter* budget_;
    QPointer<SizeReportWindow> sizeReport_;
    QPointer<HelpWindow> help_;
    std::function<void(ParamEditor&)> runEditor_;
    ActiveDownload download_;
};
