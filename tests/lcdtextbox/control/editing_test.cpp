#include "lcdtextbox/charmaprunner.h"
#include "lcdtextbox/ckeymap.h"
#include "lcdtextbox/clcdtextboxctrl.h"
#include "lcdtextbox/keypadclipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class Editing : public ::testing::Test {
protected:
    Editing()
    {
        box.resize(160, 40);
        CharMapRunner::setRunner([this](const CharMapRunner::Request& request) {
            requests.push_back(request);
            return answer;
        });
    }
    ~Editing() override { CharMapRunner::setRunner({}); }

    void type(const char* keys) { QTest::keyClicks(&box, keys); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&box, k, mods); }
    void ctrl(char letter) { QTest::keyClick(&box, static_cast<Qt::Key>(Qt::Key_A + (letter - 'a')), Qt::ControlModifier); }
    void typeChar(QChar c)
    {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &press);
    }
    // Holds Shift down across the moves, as a user does.
    void select(Qt::Key direction, int count)
    {
        QTest::keyPress(&box, Qt::Key_Shift);
        for (int i = 0; i < count; ++i) QTest::keyClick(&box, direction);
        QTest::keyRelease(&box, Qt::Key_Shift);
    }
    void selectRight(int count) { select(Qt::Key_Right, count); }

    CLcdtextboxCtrl box;
    std::vector<CharMapRunner::Request> requests;
    CharMapRunner::Result answer;
};

} // namespace

TEST_F(Editing, FreshBoxDefaults)
{
    EXPECT_EQ(box.nCols(), 16);
    EXPECT_EQ(box.nRows(), 2);
    EXPECT_EQ(box.nCells(), 32);
    EXPECT_EQ(box.nChars(), 0);
    EXPECT_EQ(box.MaxRow(), 0);
    EXPECT_EQ(box.row(), 0);
    EXPECT_EQ(box.text(), QString());
    EXPECT_EQ(box.EmptyCellColor(), QColor::fromRgb(0xBBBBBB));
    EXPECT_EQ(box.lineLimit(), 0);
}

TEST_F(Editing, TypingInsertsAndEveryCharacterRaisesChange)
{
    QSignalSpy change(&box, &CLcdtextboxCtrl::Change);
    type("Ab~");
    EXPECT_EQ(box.text(), QString("Ab~~"));
    EXPECT_EQ(change.count(), 3);
    key(Qt::Key_Left);
    EXPECT_EQ(change.count(), 3); // movement is no character
    key(Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QString("A~~"));
    EXPECT_EQ(change.count(), 4);
}

TEST_F(Editing, TypingOverASelectionMadeWithShiftReplacesIt)
{
    box.setText("ABCDEF");
    box.setCursorPos(1);
    selectRight(3);
    type("x");
    EXPECT_EQ(box.text(), QString("AxEF"));
    EXPECT_EQ(box.cursorPos(), 2);
}

TEST_F(Editing, EnterOverASelectionInsertsWhereItBegan)
{
    box.setText("ABCDEF");
    box.setCursorPos(4);
    select(Qt::Key_Left, 2);
    key(Qt::Key_Return);
    EXPECT_EQ(box.text(), QString("AB~MEF"));
    EXPECT_EQ(box.MaxRow(), 1);
}

TEST_F(Editing, InsertKeyAndCtrlITurnOverwriteOnAndOff)
{
    box.setText("ABC");
    key(Qt::Key_Insert);
    type("xy");
    EXPECT_EQ(box.text(), QString("xyC"));
    ctrl('i');
    type("z");
    EXPECT_EQ(box.text(), QString("xyzC"));
}

TEST_F(Editing, LineLimitRefusesTheThirtyThirdCharacter)
{
    box.setLineLimit(2);
    box.setText("abcdefghijklmnopqrstuvwxyzabcdef");
    QSignalSpy limit(&box, &CLcdtextboxCtrl::LineLimit);
    key(Qt::Key_End);
    key(Qt::Key_Right);
    type("Z");
    EXPECT_EQ(box.nChars(), 32);
    EXPECT_EQ(box.text(), QString("abcdefghijklmnopqrstuvwxyzabcdef"));
    EXPECT_EQ(limit.count(), 1);
    key(Qt::Key_Return);
    EXPECT_EQ(limit.count(), 2);
}

TEST_F(Editing, DeleteKeyAndCtrlE)
{
    box.setText("ABC");
    key(Qt::Key_Delete);
    EXPECT_EQ(box.text(), QString("BC"));
    ctrl('e');
    EXPECT_EQ(box.nChars(), 0);
}

TEST_F(Editing, HomeEndAndVerticalMoves)
{
    box.setText("abcdef~Mxy");
    key(Qt::Key_End);
    EXPECT_EQ(box.cursorPos(), 8);
    key(Qt::Key_Up);
    EXPECT_EQ(box.cursorPos(), 1);
    key(Qt::Key_Down);
    EXPECT_EQ(box.cursorPos(), 8);
    key(Qt::Key_Home);
    EXPECT_EQ(box.cursorPos(), 0);
    key(Qt::Key_End, Qt::ControlModifier);
    type("z");
    EXPECT_EQ(box.text(), QString("abcdef~Mxyz")) << "Ctrl+End goes past the last byte";
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(box.cursorPos(), 0);
    box.scrollDown();
    EXPECT_EQ(box.row(), 1);
    box.scrollUp();
    EXPECT_EQ(box.row(), 0);
}

TEST_F(Editing, CutWithNothingSelectedDeletesTheByteAndLeavesTheClipboard)
{
    QGuiApplication::clipboard()->setText("keep");
    box.setText("ABC");
    box.setCursorPos(1);
    ctrl('x');
    EXPECT_EQ(box.text(), QString("AC"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("keep"));
}

TEST_F(Editing, KeypadBytesPasteFaithfullyIntoAnotherBoxAndOthersGetPlainText)
{
    box.setText("~xe9~x17Z~M");
    selectRight(4);
    ctrl('c');
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("  Z "));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(KeypadClipboard::markerFormat));
    EXPECT_EQ(data->data(KeypadClipboard::markerFormat), QByteArray("\x01\x00\x00\x00", 4));

    CLcdtextboxCtrl other;
    other.setText("ab");
    other.setCursorPos(1);
    QSignalSpy pasted(&other, &CLcdtextboxCtrl::Paste);
    QTest::keyClick(&other, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(other.text(), QString("a~xe9~x17Z~Mb"));
    EXPECT_EQ(other.cursorPos(), 1);
    EXPECT_EQ(pasted.count(), 1);
}

TEST_F(Editing, ForeignMarkerWithoutOurContentPastesAsPlainText)
{
    box.setText("~xe9");
    selectRight(1);
    ctrl('c');
    auto* foreign = new QMimeData;
    foreign->setData(KeypadClipboard::markerFormat, QByteArray("\x01\x00\x00\x00", 4));
    foreign->setText("Q");
    QGuiApplication::clipboard()->setMimeData(foreign);
    CLcdtextboxCtrl other;
    other.paste();
    EXPECT_EQ(other.text(), QString("Q"));
}

TEST_F(Editing, PlainTextPastesThroughTheKeyMapAndAsksForUnmappedCharacters)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8("Hi\xc3\xa9!"));
    box.setText("ABCD");
    box.setCursorPos(1);
    selectRight(2);
    answer.accepted = false; // the current character counts even when cancelled
    answer.current = 0xC9;
    box.paste();
    EXPECT_EQ(box.text(), QString("AHi~xc9!D"));
    EXPECT_EQ(box.cursorPos(), 5);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, 3);
    EXPECT_EQ(requests[0].key, std::optional<CKeyMap::Key>(0xE9));
    EXPECT_EQ(requests[0].mappedColor, QColor::fromRgb(0x808080));
}

TEST_F(Editing, EmptyClipboardOnlyRaisesPaste)
{
    QGuiApplication::clipboard()->clear();
    box.setText("AB");
    QSignalSpy pasted(&box, &CLcdtextboxCtrl::Paste);
    QSignalSpy limit(&box, &CLcdtextboxCtrl::LineLimit);
    box.paste();
    EXPECT_EQ(box.text(), QString("AB"));
    EXPECT_EQ(pasted.count(), 1);
    EXPECT_EQ(limit.count(), 0);
}

TEST_F(Editing, RefusedPasteRaisesLineLimitAndPaste)
{
    QGuiApplication::clipboard()->setText("xyz");
    box.setLineLimit(1);
    box.setText("abcdefghijklmno");
    QSignalSpy pasted(&box, &CLcdtextboxCtrl::Paste);
    QSignalSpy limit(&box, &CLcdtextboxCtrl::LineLimit);
    box.paste();
    EXPECT_EQ(box.text(), QString("abcdefghijklmno"));
    EXPECT_EQ(limit.count(), 1);
    EXPECT_EQ(pasted.count(), 1);
}

TEST_F(Editing, UnmappedTypedCharacterOpensTheMapAndInsertsItsChoice)
{
    answer.accepted = true;
    answer.selection = QByteArray("\xe9");
    typeChar(QChar(0x00E9));
    EXPECT_EQ(box.text(), QString("~xe9"));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, 3);
    EXPECT_EQ(requests[0].key, std::optional<CKeyMap::Key>(0xE9));
    answer.accepted = false;
    typeChar(QChar(0x00E9));
    EXPECT_EQ(box.text(), QString("~xe9"));
}

TEST_F(Editing, CtrlJBAndSOpenTheMapInTheirModes)
{
    answer.accepted = true;
    answer.selection = QByteArray("\x80\x81");
    ctrl('j');
    ctrl('b');
    ctrl('s');
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].mode, 1);
    EXPECT_EQ(requests[1].mode, 2);
    EXPECT_EQ(requests[2].mode, 0);
    EXPECT_EQ(box.text(), QString("~x80~x81~x80~x81")); // mode 0 inserts nothing
}

TEST_F(Editing, ItsControlKeysGoBeforeTheHostsShortcutsWhileOthersReachThem)
{
    QWidget host;
    auto* hosted = new CLcdtextboxCtrl(&host);
    int saves = 0;
    int undos = 0;
    for (auto [keys, count] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_S), &saves},
                               std::pair{QKeySequence(Qt::CTRL | Qt::Key_Z), &undos}}) {
        auto* action = new QAction(&host);
        action->setShortcut(keys);
        QObject::connect(action, &QAction::triggered, [count = count] { ++*count; });
        host.addAction(action);
    }
    host.show();
    host.activateWindow();
    hosted->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QTest::keyClick(hosted, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(hosted, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, 0) << "Ctrl+S edits the character map";
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(undos, 1);
}

TEST_F(Editing, CharacterMapChoiceStopsAtTheLineLimit)
{
    box.setLineLimit(1);
    box.setText("abcdefghijklmn");
    box.setCursorPos(13);
    QSignalSpy limit(&box, &CLcdtextboxCtrl::LineLimit);
    answer.accepted = true;
    answer.selection = QByteArray("XYZ");
    EXPECT_EQ(box.invokeCharMap(2), QString());
    EXPECT_EQ(box.text(), QString("abcdefghijklmXYn"));
    EXPECT_EQ(limit.count(), 1);
}

TEST_F(Editing, ShiftTappedBetweenMovesStartsTheSelectionAgain)
{
    box.setText("ABCDEF");
    box.setCursorPos(1);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    type("x");
    EXPECT_EQ(box.text(), QString("ABxDEF"));
}

TEST_F(Editing, ShiftWithHomeAndEndSelectsFromTheCursor)
{
    box.setText("ABCDEF");
    box.setCursorPos(4);
    select(Qt::Key_Home, 1);
    type("x");
    EXPECT_EQ(box.text(), QString("xEF"));

    box.setCursorPos(1);
    select(Qt::Key_End, 1);
    type("y");
    EXPECT_EQ(box.text(), QString("xy"));
}

TEST_F(Editing, ContextMenuCaptionsPromptsAndCommands)
{
    std::unique_ptr<QMenu> menu(box.createContextMenu(nullptr));
    QStringList captions;
    QStringList prompts;
    for (QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QString("-") : action->text());
        prompts << action->statusTip();
    }
    EXPECT_EQ(captions, QStringList({"Cu&t (ctrl-X)", "&Copy (ctrl-C)", "&Paste (ctrl-V)", "-",
                                     "&Insert / Overtype (ctrl-I)", "-", "Clea&r (ctrl-E)", "-",
                                     "&Select character (ctrl-J)", "Select characters (ctrl-B)", "-",
                                     "&Edit character map (ctrl-S)"}));
    EXPECT_EQ(prompts.mid(0, 3),
              QStringList({"Place selection on clip board", "Copy text to clipboard", "Paste text from clipboard"}));

    box.setText("ABC");
    selectRight(2);
    menu->actions().at(0)->trigger();
    EXPECT_EQ(box.text(), QString("C"));
    menu->actions().at(2)->trigger();
    EXPECT_EQ(box.text(), QString("ABC"));
}

TEST_F(Editing, EscapedTextRoundTrips)
{
    QSignalSpy change(&box, &CLcdtextboxCtrl::Change);
    box.setText("A~MB");
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(box.nChars(), 3);
    EXPECT_EQ(box.MaxRow(), 1);
    EXPECT_EQ(box.text(), QString("A~MB"));
    box.setText("~xg41~x4");
    EXPECT_EQ(box.text(), QString("A"));
    box.setText("~q~~");
    EXPECT_EQ(box.text(), QString(" ~~"));
    box.setText("~x01~x10~xE9");
    EXPECT_EQ(box.text(), QString("~A~x10~xe9"));
    box.setText(box.text());
    EXPECT_EQ(box.text(), QString("~A~x10~xe9"));
}

TEST_F(Editing, SettingTextIsNeverRefusedButCutToTheLongestText)
{
    box.setLineLimit(1);
    box.setText(QString(70000, QChar('a')));
    EXPECT_EQ(box.text().size(), 65535);
}

TEST_F(Editing, CursorPosAndPresentRow)
{
    box.setText("AB~MCD");
    box.setCursorPos(4);
    EXPECT_EQ(box.cursorPos(), 4);
    box.setCursorPos(5);
    EXPECT_EQ(box.cursorPos(), 4); // the length is refused
    box.setPresentRow(0);
    EXPECT_EQ(box.cursorPos(), 0);
    box.setPresentRow(1);
    EXPECT_EQ(box.cursorPos(), 3);
    EXPECT_EQ(box.PresentRow(), 1);
    EXPECT_EQ(box.col(), 0);
}

TEST_F(Editing, ConvertStringAndStripTrailingSpaces)
{
    box.setConvertString("a~mb~~c~zd");
    EXPECT_EQ(box.convertString(), QString("a\rb~c d"));
    box.setText("AB  ~MC  ");
    EXPECT_EQ(box.StripTrailingSpaces(), 4);
    EXPECT_EQ(box.text(), QString("AB~MC"));
}

TEST_F(Editing, ColumnsAndRowsGuards)
{
    box.setText("ABC");
    box.setNCols(0);
    EXPECT_EQ(box.nCols(), 1);
    EXPECT_EQ(box.MaxRow(), 2);
    box.setNRows(0);
    EXPECT_EQ(box.nRows(), 2);
    QImage image(box.size(), QImage::Format_RGB32);
    box.render(&image); // no division by zero
}
