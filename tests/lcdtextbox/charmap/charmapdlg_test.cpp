#include "keypadtext/lcdglyphs.h"
#include "lcdtextbox/ccharmapdlg.h"
#include "lcdtextbox/charmapgeometry.h"

#include "recordingprompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Key = CKeyMap::Key;
using Byte = CKeyMap::Byte;

const QColor grey(0x80, 0x80, 0x80);

QPoint cellCentre(int code)
{
    return CharMapGeometry::grid().cellRect((code - 16) % 24, (code - 16) / 24).center();
}

class CharMapDialog : public ::testing::Test {
protected:
    CCharMapDlg& open(int mode, std::optional<Key> key = std::nullopt)
    {
        dialog = std::make_unique<CCharMapDlg>(grey, mode, &keyMap, key);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }

    template <typename T>
    T* child(const char* name)
    {
        T* found = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(int code) { QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, cellCentre(code)); }
    void clickAt(QPoint point) { QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, point); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(dialog.get(), k, mods); }

    QStringList listTexts()
    {
        QStringList texts;
        auto* list = child<QListWidget>("lstMapped");
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }

    bool isOpen() const { return dialog->isVisible(); }

    CKeyMap keyMap;
    RecordingPrompter prompter;
    std::unique_ptr<CCharMapDlg> dialog;
};

} // namespace

// ---- opening ----

TEST_F(CharMapDialog, EachModeHasItsTitleAndFirstMessage)
{
    struct Row {
        int mode;
        std::optional<Key> key;
        const char* title;
        QString message;
    };
    const Row rows[] = {
        {0, std::nullopt, "Character Map: Edit mapping mode", QStringLiteral("Click a character to re-map ")},
        {1, std::nullopt, "Character Map: Single character insert mode", QStringLiteral("Click a character to insert")},
        {2, std::nullopt, "Character Map: Multiple character insert mode",
         QStringLiteral("Click characters to insert")},
        {3, Key(0xE4), "Character Map: Edit mapping mode",
         QStringLiteral("Click a character to use for the key you just used: ") + QChar(0xE4)},
    };
    for (const Row& row : rows) {
        CCharMapDlg& dlg = open(row.mode, row.key);
        EXPECT_EQ(dlg.windowTitle(), QString::fromLatin1(row.title)) << row.mode;
        EXPECT_EQ(dlg.message(), row.message) << row.mode;
        EXPECT_EQ(dlg.currentChar(), 0x10);
        EXPECT_EQ(child<QSpinBox>("txtCode")->value(), 16);
        EXPECT_EQ(listTexts(), QStringList{QStringLiteral("Not Mapped")});
        EXPECT_FALSE(child<QPushButton>("btnClearKeypadMap")->isEnabled());
        EXPECT_FALSE(child<QPushButton>("btnClearWinMap")->isEnabled());
    }
}

TEST_F(CharMapDialog, MappingModesRenameAddCharAndInsertModesLockTheList)
{
    open(0);
    child<QListWidget>("lstMapped")->setCurrentRow(0); // "Not Mapped" names no key to clear
    EXPECT_FALSE(child<QPushButton>("btnClearWinMap")->isEnabled());
    EXPECT_EQ(child<QPushButton>("btnAddChar")->text(), QStringLiteral("Select Ch&ar"));
    EXPECT_FALSE(child<QPushButton>("btnClearSelection")->isEnabled());
    EXPECT_TRUE(child<QListWidget>("lstMapped")->isEnabled());
    open(2);
    child<QSpinBox>("txtCode")->setValue(0x41);
    EXPECT_FALSE(child<QPushButton>("btnClearKeypadMap")->isEnabled());
    EXPECT_EQ(child<QPushButton>("btnAddChar")->text(), QStringLiteral("&Add char"));
    EXPECT_TRUE(child<QPushButton>("btnClearSelection")->isEnabled());
    EXPECT_FALSE(child<QListWidget>("lstMapped")->isEnabled());
}

TEST_F(CharMapDialog, WindowsCharacterShowsTheGivenKeyOrTheRepresentative)
{
    open(3, Key('q'));
    EXPECT_EQ(child<QLineEdit>("txtWinChar")->text(), QStringLiteral("q"));
    open(2);
    child<QSpinBox>("txtCode")->setValue(0x41);
    EXPECT_EQ(child<QLineEdit>("txtWinChar")->text(), QStringLiteral("A"));
    child<QSpinBox>("txtCode")->setValue(0xE9);
    EXPECT_TRUE(child<QLineEdit>("txtWinChar")->text().isEmpty());
}

TEST_F(CharMapDialog, WithoutKeyMapOrWithAnUnknownModeExecEndsAtOnceWithCancel)
{
    for (int mode : {1, 4, -1}) {
        CCharMapDlg dlg(grey, mode, mode == 1 ? nullptr : &keyMap);
        bool shownWhileRunning = false;
        QTimer::singleShot(0, &dlg, [&] {
            shownWhileRunning = dlg.isVisible();
            dlg.reject();
        });
        EXPECT_EQ(dlg.exec(), QDialog::Rejected) << mode;
        QCoreApplication::processEvents();
        EXPECT_FALSE(shownWhileRunning) << mode;
    }
}

TEST_F(CharMapDialog, ExecRunsModallyUntilAPickInSingleMode)
{
    CCharMapDlg dlg(grey, 1, &keyMap);
    QTimer::singleShot(0, &dlg, [&] { QTest::mouseClick(&dlg, Qt::LeftButton, {}, cellCentre(0x41)); });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.selection(), QByteArray("A"));
    EXPECT_EQ(dlg.currentChar(), 0x41);
}

// ---- picking ----

TEST_F(CharMapDialog, MultipleInsertIgnoresTheSeventeenthPick)
{
    CCharMapDlg& dlg = open(2);
    QByteArray expected;
    for (int i = 0; i < 17; ++i) {
        click(0x30 + i);
        if (i < 16) expected.append(char(0x30 + i));
    }
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(dlg.selection(), expected);
    EXPECT_EQ(dlg.currentChar(), 0x40);
    child<QPushButton>("btnOK")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(CharMapDialog, GridClicksAreCountedFromItsEdges)
{
    CCharMapDlg& dlg = open(2);
    clickAt(QPoint(21, 40));
    clickAt(QPoint(40, 29));
    clickAt(QPoint(22 + 17 * 24, 40));
    clickAt(QPoint(40, 30 + 26 * 10));
    EXPECT_TRUE(dlg.selection().isEmpty());
    clickAt(QPoint(22, 30)); // the first pixel of the grid
    clickAt(QPoint(22 + 16, 30 + 25)); // in the gap right of and below code 16's glyph
    clickAt(QPoint(22 + 17 * 24 - 1, 30 + 26 * 10 - 1));
    EXPECT_EQ(dlg.selection(), QByteArray("\x10\x10\xFF"));
}

TEST_F(CharMapDialog, AddCharSpaceAndEnterInTheCodeFieldPick)
{
    CCharMapDlg& dlg = open(2);
    child<QPushButton>("btnAddChar")->click();
    key(Qt::Key_Space);
    auto* code = child<QSpinBox>("txtCode");
    code->setFocus();
    QTest::keyClick(code, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(code, QStringLiteral("200"));
    EXPECT_EQ(dlg.currentChar(), 200);
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(dlg.selection(), QByteArray("\x10\x10\xC8"));
    child<QPushButton>("btnClearSelection")->click();
    EXPECT_TRUE(dlg.selection().isEmpty());
}

TEST_F(CharMapDialog, ArrowKeysMoveOneCellAndStopAtTheEdges)
{
    CCharMapDlg& dlg = open(2);
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    EXPECT_EQ(dlg.currentChar(), 16);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    EXPECT_EQ(dlg.currentChar(), 16 + 24 + 1);
    for (int i = 0; i < 30; ++i) key(Qt::Key_Down);
    for (int i = 0; i < 30; ++i) key(Qt::Key_Right);
    EXPECT_EQ(dlg.currentChar(), 255);
    EXPECT_EQ(child<QSpinBox>("txtCode")->value(), 255);
    EXPECT_TRUE(dlg.selection().isEmpty());
}

// ---- mapping ----

TEST_F(CharMapDialog, EditModeMapsTheShiftedKeyToTheClickedCharacter)
{
    CCharMapDlg& dlg = open(0);
    click(0xC4);
    EXPECT_EQ(dlg.message(), QStringLiteral("Press the keyboard key or key combination to use for this character"));
    QTest::keyClick(dialog.get(), 'A', Qt::ShiftModifier);
    EXPECT_EQ(keyMap.keyToKeypad(65), std::optional<Byte>(0xC4));
    EXPECT_EQ(keyMap.keypadToKey(0xC4), std::optional<Key>(65));
    EXPECT_FALSE(keyMap.isCharMapped(0x41));
    EXPECT_EQ(dlg.message(), QStringLiteral("Click a character to re-map "));
    EXPECT_EQ(listTexts(), QStringList{QStringLiteral("A: 65")});
    EXPECT_TRUE(child<QPushButton>("btnClearKeypadMap")->isEnabled());
    EXPECT_TRUE(isOpen());
    EXPECT_TRUE(dlg.selection().isEmpty());
    // Back in the first state, a typed character maps nothing.
    QTest::keyClick(dialog.get(), 'B', Qt::ShiftModifier);
    EXPECT_EQ(keyMap.keyToKeypad(66), std::optional<Byte>(0x42));
}

TEST_F(CharMapDialog, WhileWaitingAClickChoosesAnotherCharacterForTheKey)
{
    open(0);
    click(0xC4);
    click(0xD6);
    key(Qt::Key_X);
    EXPECT_EQ(keyMap.keyToKeypad('x'), std::optional<Byte>(0xD6));
    EXPECT_FALSE(keyMap.isCharMapped(0xC4));
}

TEST_F(CharMapDialog, SelectCharStartsTheWaitAndArrowsCancelIt)
{
    CCharMapDlg& dlg = open(0);
    child<QSpinBox>("txtCode")->setValue(0xE9);
    child<QPushButton>("btnAddChar")->click();
    EXPECT_EQ(dlg.message(), QStringLiteral("Press the keyboard key or key combination to use for this character"));
    key(Qt::Key_Right);
    EXPECT_EQ(dlg.message(), QStringLiteral("Click a character to re-map"));
    key(Qt::Key_E);
    EXPECT_FALSE(keyMap.isCharMapped(0xEA));
    EXPECT_EQ(keyMap.keyToKeypad('e'), std::optional<Byte>('e'));
    clickAt(QPoint(5, 5));
    EXPECT_EQ(dlg.message(), QStringLiteral("Click a character to re-map"));
}

TEST_F(CharMapDialog, WhileWaitingControlKeysEscapeAndSpaceAreKeysToMap)
{
    CCharMapDlg& dlg = open(0);
    click(0xE9);
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(keyMap.keyToKeypad(1), std::optional<Byte>(0xE9));
    click(0xEA);
    key(Qt::Key_Escape);
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(keyMap.keyToKeypad(27), std::optional<Byte>(0xEA));
    click(0xEB);
    QTest::keyClick(child<QPushButton>("btnOK"), Qt::Key_Space);
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(keyMap.keyToKeypad(32), std::optional<Byte>(0xEB));
    EXPECT_TRUE(dlg.selection().isEmpty());
}

TEST_F(CharMapDialog, KeyModeWithItsKeyMapsOnTheFirstClickAndCloses)
{
    CCharMapDlg& dlg = open(3, Key(0xE4));
    click(0xE1);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.selection(), QByteArray("\xE1"));
    EXPECT_EQ(keyMap.keyToKeypad(0xE4), std::optional<Byte>(0xE1));
    EXPECT_EQ(keyMap.keypadToKey(0xE1), std::optional<Key>(0xE4));
}

TEST_F(CharMapDialog, KeyModeWithoutAKeyWaitsForOneThenCloses)
{
    CCharMapDlg& dlg = open(3);
    click(0xE1);
    EXPECT_TRUE(isOpen());
    QTest::keyClick(dialog.get(), 'Q', Qt::ShiftModifier);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(dlg.selection(), QByteArray("\xE1"));
    EXPECT_EQ(keyMap.keyToKeypad('Q'), std::optional<Byte>(0xE1));
}

TEST_F(CharMapDialog, CancelledKeyModeStillReportsTheCurrentCharacter)
{
    CCharMapDlg& dlg = open(3, Key(0xE4));
    key(Qt::Key_Right);
    child<QPushButton>("btnCancel")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.currentChar(), 0x11);
    EXPECT_FALSE(keyMap.isKeyMapped(0xE4));
}

// ---- clearing ----

TEST_F(CharMapDialog, ClearingACharacterAsksAndOnlyOkUnmapsIt)
{
    keyMap.map(0x41, 200);
    open(0);
    child<QSpinBox>("txtCode")->setValue(0x41);
    auto* clear = child<QPushButton>("btnClearKeypadMap");
    ASSERT_TRUE(clear->isEnabled());
    prompter.answers = {QMessageBox::Cancel, QMessageBox::Ok};
    clear->click();
    EXPECT_EQ(keyMap.keysOf(0x41), (std::vector<Key>{65, 200}));
    clear->click();
    EXPECT_FALSE(keyMap.isCharMapped(0x41));
    EXPECT_FALSE(keyMap.isKeyMapped(65));
    EXPECT_FALSE(keyMap.isKeyMapped(200));
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Clear all the mappings for this character? please confirm"));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("WARNING"));
    EXPECT_EQ(prompter.messages[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(listTexts(), QStringList{QStringLiteral("Not Mapped")});
}

TEST_F(CharMapDialog, ClearingASelectedKeyAsksAndPromotesTheOtherKey)
{
    keyMap.map(0xE9, 200);
    keyMap.map(0xE9, 18500);
    open(0);
    child<QSpinBox>("txtCode")->setValue(0xE9);
    EXPECT_EQ(listTexts(), (QStringList{QStringLiteral("%1: 18500").arg(QChar(18500)), QString::fromUtf8("È: 200")}));
    auto* list = child<QListWidget>("lstMapped");
    auto* clear = child<QPushButton>("btnClearWinMap");
    EXPECT_FALSE(clear->isEnabled());
    list->setCurrentRow(0);
    ASSERT_TRUE(clear->isEnabled());
    clear->click();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              QStringLiteral("Clear the mapping for this selected windows character? please confirm"));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("WARNING"));
    EXPECT_FALSE(keyMap.isKeyMapped(18500));
    EXPECT_EQ(keyMap.keypadToKey(0xE9), std::optional<Key>(200));
    EXPECT_EQ(listTexts(), QStringList{QString::fromUtf8("È: 200")});
    EXPECT_FALSE(clear->isEnabled());
}
