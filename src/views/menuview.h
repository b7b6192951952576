#pragma once

#include "menugridmodel.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QMenu;
class QLabel;
class QStatusBar;
class QTableWidget;

namespace kpd {
class DrvMenu;
class DrvMenus;
class UserInterface;
}

// One drive menu as a grid: a column per mode, a row per parameter and shown string set.
// The view only shows; the commands that change data go to the model and the caller refills.
class MenuView : public QWidget {
    Q_OBJECT
public:
    MenuView(kpd::UserInterface& ui, std::string key, QWidget* parent = nullptr);

    const std::string& key() const { return key_; }

    std::string myWorkingMenuName() const;
    std::string myCustMenuName() const { return myWorkingMenuName(); }
    std::int16_t myWorkingMenuNumber() const;
    std::int16_t myCustMenuNumber() const { return myWorkingMenuNumber(); }
    std::string myRefMenuName() const;
    std::int16_t myRefMenuNumber() const;
    std::string myRefMenuKey() const;
    std::string myCustMenuKey() const;
    bool haveFocus() const { return haveFocus_; }

    void setRefMenu(kpd::DrvMenu& menu) { refMenu_ = &menu; }
    void setCustMenu(kpd::DrvMenu& menu) { custMenu_ = &menu; }
    void setCustMenuCol(kpd::DrvMenus& menus) { custMenus_ = &menus; }
    // Languages shown under the reference rows; choosing some shows the reference rows.
    void setExtraReferences(std::vector<MenuGridModel::ExtraReference> extras);
    const std::vector<MenuGridModel::ExtraReference>& extraReferences() const { return extras_; }
    kpd::DrvMenu* refMenu() const { return refMenu_; }
    kpd::DrvMenu* custMenu() const { return custMenu_; }

    void fillGrid();
    // Writes the custom menu as a single-menu document; false when it could not be written.
    bool saveMenu(const std::string& fname);
    void clear();
    void copyR2C(bool noUserData = false);
    // Open the clone and copy mode dialogs over the main window; they change the model only.
    void cloneMenuToMenu();
    void copyMode2Mode();

    std::int16_t displayMode() const { return displayMode_; }
    // A click on the Reference (true) or Custom (false) panel of the status bar.
    void togglePanel(bool referencePanel);
    bool panelInset(bool referencePanel) const;

    QTableWidget* grid() const { return grid_; }
    const std::vector<std::string>& rowKeys() const { return rowKeys_; }
    const std::vector<std::string>& columnKeys() const { return columnKeys_; }

    // The Menu Ops menu the right button pops up, and what a left click on a cell opens.
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    void setEditorOpener(std::function<void(MenuView&, const std::string& paraKey, const std::string& modeKey)> opener);
    void setClosedHandler(std::function<void(const std::string& key)> handler) { onClosed_ = std::move(handler); }
    // What is wrong with the custom text of a parameter in a mode, one problem a line.
    using ProblemMarks =
        std::function<QString(const std::string& menuKey, const std::string& paraKey, const std::string& modeKey)>;
    void setProblemMarks(ProblemMarks marks) { problemMarks_ = std::move(marks); }
    // Marks the custom cells that have problems, with the problems as their tool tip.
    void markProblems();

    // The window interface the menu-window list uses.
    void bringToFront();
    void closeWindow();

    // What a released mouse button on the grid does.
    void gridReleased(Qt::MouseButton button, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void updatePanels();
    QWidget* frameWindow();

    kpd::UserInterface& ui_;
    std::string key_;
    kpd::DrvMenu* refMenu_ = nullptr;
    kpd::DrvMenu* custMenu_ = nullptr;
    kpd::DrvMenus* custMenus_ = nullptr;
    std::vector<MenuGridModel::ExtraReference> extras_;
    std::int16_t displayMode_ = MenuGridModel::CustomRows;
    bool haveFocus_ = false;
    bool busy_ = false;
    std::vector<std::string> rowKeys_;
    std::vector<std::string> columnKeys_;
    std::vector<bool> customRows_;
    ProblemMarks problemMarks_;
    int columnWidth_ = 0;
    int lineHeight_ = 0;
    QTableWidget* grid_;
    QStatusBar* statusBar_;
    QLabel* displayPanel_;
    QLabel* referencePanel_;
    QLabel* customPanel_;
    QMenu* popupMenu_ = nullptr;
    std::function<void(MenuView&, const std::string&, const std::string&)> openEditor_;
    std::function<void(const std::string&)> onClosed_;
};
