#include "recordinguserinterface.h"
#include "startededitor.h"

#include "model/theapp.h"
#include "shell/drivedocument.h"
#include "shell/frame/mainmenus.h"
#include "shell/frame/mainwindow.h"
#include "views/copym2m.h"
#include "views/menuview.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

namespace {

class MenuDialogWiringTest : public StartedEditor<> {
protected:
    void SetUp() override
    {
        StartedEditor<>::SetUp();
        window->show();
    }

    MenuView& focusMenu(const char* key)
    {
        window->selectNode(window->findNode({MenuTree::Node::Kind::Menu, QLatin1String(key)}));
        MenuView& view = window->menuWindows().Item(key);
        QFocusEvent event(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(view.grid(), &event);
        return view;
    }

    kpd::ModeData& customRecord(const char* menu, const char* para, const char* mode)
    {
        return window->document().app()->getCustMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }
};

} // namespace

TEST_F(MenuDialogWiringTest, TheCommandsAreOffered)
{
    MainMenus& menus = window->menus();
    for (QAction* action : {menus.menuClone, menus.menuCopyModeToMode, menus.driveStrip})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
}

TEST_F(MenuDialogWiringTest, WithoutAMenuInFocusCloneAndCopyModeOnlySaySo)
{
    window->menus().menuClone->trigger();
    window->menus().menuCopyModeToMode->trigger();
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{"No menu in focus", "No menu in focus"}));
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("autoBackupm1.kpd"))));
}

TEST_F(MenuDialogWiringTest, CloneOfAMenuWithoutTargetsIsRefusedByItsWindow)
{
    focusMenu("m1");
    window->menus().menuClone->trigger();
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{"This menu is not clonable"}));
}

TEST_F(MenuDialogWiringTest, CopyModeBacksUpTheMenuAndTheWindowShowsTheCopy)
{
    MenuView& view = focusMenu("m1");
    customRecord("m1", "p1", "Open loop").setDesc("Copied text");
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<CopyM2M*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "the copy mode dialog is not open";
            if (modal) modal->close();
            return;
        }
        dialog->modeList()->setCurrentRow(0);
        dialog->listClicked();
        dialog->btnCopyMode()[2]->click();
    });
    window->menus().menuCopyModeToMode->trigger();
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("autoBackupm1.kpd"))));
    EXPECT_EQ(customRecord("m1", "p1", "Servo").getDesc(), "Copied text");
    EXPECT_EQ(view.grid()->item(0, 2)->text(), QStringLiteral("Copied text")) << "the windows are refreshed";
}
