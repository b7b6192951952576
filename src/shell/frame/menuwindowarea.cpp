#include "menuwindowarea.h"

#include "model/theapp.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"
#include "shell/drivedocument.h"
#include "shell/extrareferences.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

MenuWindowArea::MenuWindowArea(DriveDocument& document, QMdiArea& area, QObject* parent)
    : QObject(parent),
      document_(document),
      area_(area),
      windows_(document.ui(), [this](const std::string& key) { return createMenuView(key); })
{
}

void MenuWindowArea::setWindowServices(QMenu* popupMenu, MenuView::ProblemMarks marks, EditorOpener opener)
{
    popupMenu_ = popupMenu;
    marks_ = std::move(marks);
    opener_ = std::move(opener);
}

void MenuWindowArea::openMenu(const std::string& menuKey)
{
    kpd::TheApp* app = document_.app();
    if (!app) return;
    reportFailures(document_.ui(), [&] {
        kpd::DrvMenu& reference = app->getRefMenus().Item(menuKey);
        kpd::DrvMenu& custom = app->getCustMenus().Item(menuKey);
        MenuView* view = windows_.Add(menuKey);
        if (!view) return;
        view->bringToFront();
        view->setCustMenuCol(app->getCustMenus());
        view->setRefMenu(reference);
        view->setCustMenu(custom);
        showExtraReferences(*view);
        view->setWindowTitle(custom.isMapped() ? QStringLiteral("Drive Trip Descriptions")
                                               : toQt(custom.menuName()) + QStringLiteral(" - (Menu ") +
                                                     QString::number(custom.menuNumber()) + QLatin1Char(')'));
        view->fillGrid();
    });
}

void MenuWindowArea::refreshMenuWindows()
{
    kpd::TheApp* app = document_.app();
    if (!app) return;
    reportFailures(document_.ui(), [&] {
        for (MenuView& view : windows_) {
            view.setRefMenu(app->getRefMenus().Item(view.myRefMenuKey()));
            view.setCustMenu(app->getCustMenus().Item(view.myCustMenuKey()));
            showExtraReferences(view);
            view.fillGrid();
        }
    });
    document_.notifyEdited();
}

void MenuWindowArea::markProblems()
{
    for (MenuView& view : windows_) view.markProblems();
}

MenuView* MenuWindowArea::createMenuView(const std::string& key)
{
    auto* view = new MenuView(document_.ui(), key);
    view->setPopupMenu(popupMenu_);
    view->setProblemMarks(marks_);
    view->setEditorOpener(opener_);
    view->setClosedHandler([this](const std::string& closedKey) {
        if (windows_.contains(closedKey)) windows_.Remove(closedKey);
    });
    QMdiSubWindow* sub = area_.addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A new window fits the area the user sees when the area is smaller than it.
    sub->resize(area_.isVisible() ? QSize(600, 400).boundedTo(area_.viewport()->size()) : QSize(600, 400));
    sub->show();
    return view;
}

void MenuWindowArea::fillWindowMenu(QMenu& menu, QAction* closeAll)
{
    menu.clear();
    const QList<QMdiSubWindow*> windows = area_.subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        action->setCheckable(true);
        action->setChecked(sub == area_.activeSubWindow());
        connect(action, &QAction::triggered, this, [this, sub] { area_.setActiveSubWindow(sub); });
    }
    if (!windows.isEmpty()) menu.addSeparator();
    menu.addAction(closeAll);
}

void MenuWindowArea::readExtraReferences()
{
    extraReferences_ = ExtraReferences::read();
}

void MenuWindowArea::setExtraReferences(const QStringList& languages)
{
    extraReferences_ = languages;
    ExtraReferences::write(languages);
    for (MenuView& view : windows_) {
        showExtraReferences(view);
        view.fillGrid();
    }
}

void MenuWindowArea::showExtraReferences(MenuView& view)
{
    if (document_.app())
        view.setExtraReferences(ExtraReferences::resolve(*document_.app(), extraReferences_, view.myRefMenuKey()));
}
