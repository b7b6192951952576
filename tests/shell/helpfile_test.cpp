#include "startededitor.h"

#include "shell/frame/helpwindow.h"
#include "shell/frame/mainmenus.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

using HelpFileTest = StartedEditor<>;

// A command the help file does not name leaves the user guessing what it does.
TEST_F(HelpFileTest, TheShippedHelpNamesEveryCommandOfTheWorkMenus)
{
    const QString name = QStringLiteral("VX KEYPAD TOOL HELP.HLP");
    ASSERT_TRUE(QFile::copy(QDir(QStringLiteral(KPD_SOURCE_DIR "/data")).filePath(name), folder.file(name)));
    window->menus().helpContents->trigger();
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    const QString text = help->shownText();
    const MainMenus& menus = window->menus();
    for (QMenu* menu : {menus.fileMenu, menus.driveMenu, menus.menuOpsMenu, menus.connectMenu}) {
        for (QAction* action : menu->actions()) {
            // The keypad's upload never came: the command is never offered.
            if (action->isSeparator() || action == menus.connectUpload) continue;
            const QString caption = action->text().remove(QLatin1Char('&'));
            EXPECT_TRUE(text.contains(caption)) << caption.toStdString();
        }
    }
}

} // namespace
