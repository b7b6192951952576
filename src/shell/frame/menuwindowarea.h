#pragma once

#include "views/menuview.h"
#include "views/menuwindows.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <string>

class DriveDocument;
class QAction;
class QMdiArea;
class QMenu;

// The menu windows of the frame: opening one per menu key in the window area, showing the
// document again after a change, the Window menu's list and the extra reference languages.
class MenuWindowArea : public QObject {
    Q_OBJECT
public:
    using EditorOpener = std::function<void(MenuView&, const std::string& paraKey, const std::string& modeKey)>;

    MenuWindowArea(DriveDocument& document, QMdiArea& area, QObject* parent = nullptr);

    // What every new window gets: the right button's menu, its problem marks, and what
    // a click on a cell opens.
    void setWindowServices(QMenu* popupMenu, MenuView::ProblemMarks marks, EditorOpener opener);

    kpd::menuWindows<MenuView>& menuWindows() { return windows_; }
    // The window of the menu, opened or brought forward, filled from the document.
    void openMenu(const std::string& menuKey);
    // Every open window shows the document again; the analyses hear of the change.
    void refreshMenuWindows();
    void markProblems();
    // Lists the open windows in `menu`, each bringing its window forward, then closeAll.
    void fillWindowMenu(QMenu& menu, QAction* closeAll);

    // The languages every menu grid shows under its reference rows; remembered in the settings.
    void setExtraReferences(const QStringList& languages);
    const QStringList& extraReferences() const { return extraReferences_; }
    void readExtraReferences();

private:
    MenuView* createMenuView(const std::string& key);
    void showExtraReferences(MenuView& view);

    DriveDocument& document_;
    QMdiArea& area_;
    kpd::menuWindows<MenuView> windows_;
    QMenu* popupMenu_ = nullptr;
    MenuView::ProblemMarks marks_;
    EditorOpener opener_;
    QStringList extraReferences_;
};
