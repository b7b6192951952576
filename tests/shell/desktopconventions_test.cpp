#include "filecommandsfixture.h"
#include "showntitle.h"

#include "shell/frame/helpwindow.h"
#include "shell/frame/mainmenus.h"
#include "shell/panels/findreplacedialog.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <map>

namespace {

class DesktopConventions : public FileCommandsFixture {
protected:
    void SetUp() override
    {
        FileCommandsFixture::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(window.get(), key, modifiers);
    }
};

// Access letters shared within one menu, for the menu bar and every menu below it; and
// each key bound to a command of these menus, with the commands it runs.
void walkMenus(const QString& where, const QList<QAction*>& actions, QStringList& clashes,
               std::map<QString, QStringList>& commandsOf)
{
    std::map<QString, QStringList> byLetter;
    for (QAction* action : actions) {
        for (const QKeySequence& keys : action->shortcuts()) commandsOf[keys.toString()] << action->text();
        if (!action->isVisible() || action->isSeparator()) continue;
        const QKeySequence letter = QKeySequence::mnemonic(action->text());
        if (!letter.isEmpty()) byLetter[letter.toString()] << action->text();
        if (action->menu()) walkMenus(action->text(), action->menu()->actions(), clashes, commandsOf);
    }
    for (const auto& [letter, captions] : byLetter) {
        if (captions.size() > 1) clashes << where + QStringLiteral(": ") + captions.join(QStringLiteral(" / "));
    }
}

} // namespace

TEST_F(DesktopConventions, NoMenuSharesAnAccessLetterAndNoKeysRunTwoCommands)
{
    window->windowArea().openMenu("m1");
    window->windowArea().openMenu("trips");
    emit window->menus().windowMenu->aboutToShow();
    QStringList clashes;
    std::map<QString, QStringList> commandsOf;
    walkMenus(QStringLiteral("menu bar"), window->menuBar()->actions() + window->actions(), clashes, commandsOf);
    // These captions are the ones users of the older tools know; the letter pressed again
    // moves on to the next item that shares it.
    EXPECT_EQ(clashes.join(QLatin1Char('\n')).toStdString(),
              "&File: E&xport / E&xit\n&Menu Ops: &Load Menu / C&lone menu");
    // Keys bound to two commands of one window run neither.
    for (const auto& [keys, commands] : commandsOf)
        EXPECT_EQ(commands.size(), 1) << keys.toStdString() << ": "
                                      << commands.join(QStringLiteral(", ")).toStdString();

    MainMenus& menus = window->menus();
    const std::pair<QKeySequence, QAction*> bound[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), menus.fileNew},  {QKeySequence(Qt::CTRL | Qt::Key_O), menus.fileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), menus.fileSave}, {QKeySequence(Qt::CTRL | Qt::Key_Q), menus.fileExit},
        {QKeySequence(Qt::Key_F1), menus.helpContents},       {QKeySequence(Qt::CTRL | Qt::Key_F), menus.driveFind},
    };
    for (const auto& [keys, action] : bound)
        EXPECT_TRUE(action->shortcuts().contains(keys)) << keys.toString().toStdString();
}

TEST_F(DesktopConventions, TheTitleMarksUnsavedDataUntilASaveAndTheKeysSaveFindHelpAndQuit)
{
    EXPECT_EQ(shownTitle(*window), QStringLiteral("Keypad data editor"));
    ui.answers.push_back(kpd::MessageAnswer::Yes);
    window->menus().driveCopyRefToCust->trigger();
    EXPECT_EQ(shownTitle(*window), QStringLiteral("Keypad data editor*"));

    // No file yet: the first save asks for its name.
    const QString file = folder.file(QStringLiteral("mine.kpd"));
    answerFile(file);
    press(Qt::Key_S);
    EXPECT_TRUE(read(file).contains("Speed ref")) << "the copied reference texts are saved";
    EXPECT_EQ(shownTitle(*window), QStringLiteral("Keypad data editor: - editing: ") + file);

    custom("m1", "p1").setDesc("Edited again");
    window->document().app()->getCustMenus().Item("m1").setDirty(true);
    window->document().notifyEdited();
    EXPECT_TRUE(shownTitle(*window).endsWith(QLatin1Char('*')));
    press(Qt::Key_S);
    EXPECT_TRUE(read(file).contains("Edited again"));
    EXPECT_FALSE(shownTitle(*window).endsWith(QLatin1Char('*')));

    press(Qt::Key_F1, Qt::NoModifier);
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    press(Qt::Key_F);
    auto* find = window->findChild<FindReplaceDialog*>();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible());
    press(Qt::Key_Q);
    EXPECT_FALSE(window->isVisible()) << "nothing unsaved: Quit closes without asking";
    EXPECT_EQ(ui.messages.size(), 1u) << "only the copy's question";
}
