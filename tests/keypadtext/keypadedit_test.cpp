#include "keypadtext/ckeypadedit.h"
#include "keypadtext/ckeypadtext.h"

#include <gtest/gtest.h>

namespace {

struct Box {
    CKeypadText text;
    CKeypadEdit edit{text};

    explicit Box(const std::string& bytes, int lineLimit = 0)
    {
        text.setCols(16);
        text.setRows(2);
        text.setLineLimit(lineLimit);
        text.setText(bytes);
    }

    void select(int anchor, int end)
    {
        text.setSelAnchor(anchor);
        text.setSelEnd(end);
        text.finishSelection();
    }
};

std::string letters(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back(static_cast<char>('a' + i % 26));
    return s;
}

std::uint8_t identity(char16_t c)
{
    return static_cast<std::uint8_t>(c);
}

} // namespace

TEST(KeypadEditTyping, InsertsAtTheCursorAndMovesIt)
{
    Box b("AC");
    b.text.setCursor(1);
    EXPECT_TRUE(b.edit.typeByte('B'));
    EXPECT_EQ(b.text.text(), "ABC");
    EXPECT_EQ(b.text.cursor(), 2);
}

TEST(KeypadEditTyping, OverwriteReplacesTheByteUnderTheCursor)
{
    Box b("ABC");
    b.text.setInsertMode(false);
    b.text.setCursor(1);
    b.edit.typeByte('x');
    EXPECT_EQ(b.text.text(), "AxC");
    b.text.setCursor(3);
    b.edit.typeByte('y');
    EXPECT_EQ(b.text.text(), "AxCy");
}

TEST(KeypadEditTyping, LineBreakReplacesASelectionEvenInOverwriteMode)
{
    Box b("ABCDEF");
    b.text.setInsertMode(false);
    b.select(4, 2);
    b.edit.lineBreak();
    EXPECT_EQ(b.text.text(), "AB\rEF");
    b.text.setCursor(0);
    b.edit.lineBreak();
    EXPECT_EQ(b.text.text(), "\rAB\rEF");
}

TEST(KeypadEditLineLimit, OverwriteThatFitsIsTakenABreakThatAddsALineIsNot)
{
    Box b(letters(15) + "\r" + letters(16), 2);
    b.text.setInsertMode(false);
    b.text.setCursor(15);
    EXPECT_TRUE(b.edit.typeByte('Z'));
    EXPECT_EQ(b.text.length(), 32);
    b.text.setInsertMode(true);
    EXPECT_FALSE(b.edit.lineBreak());
    EXPECT_EQ(b.text.length(), 32);
}

TEST(KeypadEditLineLimit, RefusedOverwriteKeepsItsDeletion)
{
    Box b("abcdefghijklmno\r" + letters(16), 2);
    b.text.setInsertMode(false);
    b.text.setCursor(15);
    b.edit.typeByte('\r');
    EXPECT_EQ(b.text.text(), "abcdefghijklmno\r" + letters(16));
    b.text.setCursor(16);
    EXPECT_FALSE(b.edit.typeByte('\r'));
    EXPECT_EQ(b.text.text(), "abcdefghijklmno\r" + letters(16).substr(1));
}

TEST(KeypadEditLineLimit, ChosenCharactersStopAtTheFirstRefusal)
{
    Box b(letters(30), 2);
    b.text.setCursor(30);
    EXPECT_FALSE(b.edit.insertChosen("XYZ"));
    EXPECT_EQ(b.text.text(), letters(30) + "XY");
    EXPECT_EQ(b.text.cursor(), 32);
}

TEST(KeypadEditLineLimit, NoLimitWhenZeroOrLess)
{
    Box b(letters(32), 0);
    b.text.setCursor(32);
    EXPECT_TRUE(b.edit.typeByte('Z'));
    b.text.setLineLimit(-1);
    EXPECT_TRUE(b.edit.typeByte('Z'));
    EXPECT_EQ(b.text.length(), 34);
}

TEST(KeypadEditLineLimit, TheLongestTextRefusesAnotherByte)
{
    Box b(std::string(CKeypadText::maxLength, 'a'));
    b.text.setCursor(5);
    EXPECT_FALSE(b.edit.typeByte('b'));
    EXPECT_FALSE(b.edit.pasteKeypad("bc"));
    EXPECT_FALSE(b.edit.pastePlain(u"bc", identity));
    EXPECT_EQ(b.text.text(), std::string(CKeypadText::maxLength, 'a'));
}

TEST(KeypadEditPaste, KeypadBytesGoInFrontOfTheCursor)
{
    Box b("AD");
    b.text.setCursor(1);
    EXPECT_TRUE(b.edit.pasteKeypad("B\xe9"));
    EXPECT_EQ(b.text.text(), "AB\xe9" "D");
    EXPECT_EQ(b.text.cursor(), 1);
}

TEST(KeypadEditPaste, RefusedKeypadPasteRestoresTheDeletedSelection)
{
    Box b(letters(32), 2);
    b.select(2, 4);
    EXPECT_FALSE(b.edit.pasteKeypad("XYZ"));
    EXPECT_EQ(b.text.text(), letters(32));
}

TEST(KeypadEditPaste, PlainTextReplacesTheSelectionAndMovesTheCursorPast)
{
    Box b("ABCDEF");
    b.select(1, 3);
    EXPECT_TRUE(b.edit.pastePlain(u"xyz", identity));
    EXPECT_EQ(b.text.text(), "AxyzDEF");
    EXPECT_EQ(b.text.cursor(), 4);
    EXPECT_EQ(b.text.selState(), CKeypadText::SelMade);
}

TEST(KeypadEditPaste, PlainTextInOverwriteModeDeletesOneByteOnly)
{
    Box b("ABCDEF");
    b.text.setInsertMode(false);
    b.text.setCursor(1);
    b.edit.pastePlain(u"xyz", [](char16_t c) { return static_cast<std::uint8_t>(c - 0x20); });
    EXPECT_EQ(b.text.text(), "AXYZCDEF");
}

TEST(KeypadEditPaste, RefusedPlainTextLeavesCursorAndText)
{
    Box b(letters(30), 2);
    b.text.setCursor(10);
    EXPECT_FALSE(b.edit.pastePlain(u"xyz", identity));
    EXPECT_EQ(b.text.text(), letters(30));
    EXPECT_EQ(b.text.cursor(), 10);
}

TEST(KeypadEditDelete, DeletesTheMadeSelectionOrTheByteAtTheCursor)
{
    Box b("ABCDEF");
    b.select(4, 1);
    b.edit.del();
    EXPECT_EQ(b.text.text(), "AEF");
    EXPECT_EQ(b.text.cursor(), 1);
    b.edit.del();
    EXPECT_EQ(b.text.text(), "AF");
    b.text.setCursor(2);
    b.edit.del();
    EXPECT_EQ(b.text.text(), "AF");
}

TEST(KeypadEditDelete, BackspaceAndClear)
{
    Box b("ABC");
    b.text.setCursor(0);
    b.edit.backspace();
    EXPECT_EQ(b.text.text(), "ABC");
    b.text.setCursor(2);
    b.edit.backspace();
    EXPECT_EQ(b.text.text(), "AC");
    EXPECT_EQ(b.text.cursor(), 1);
    b.edit.clear();
    EXPECT_EQ(b.text.length(), 0);
    EXPECT_EQ(b.text.cursor(), 0);
}

TEST(KeypadEditStrip, RemovesTrailingBlanksOfEveryLine)
{
    Box b("AB  \rC  ");
    EXPECT_EQ(b.edit.stripTrailingSpaces(), 4);
    EXPECT_EQ(b.text.text(), "AB\rC");
    Box trailing("A\r\r");
    EXPECT_EQ(trailing.edit.stripTrailingSpaces(), 2);
    EXPECT_EQ(trailing.text.text(), "A");
}

TEST(KeypadEditStrip, FullLinesWrapWithoutABreakAndBlankLinesKeepOne)
{
    Box b(letters(16) + "   \r \rx \r\r");
    // Lines: 16 letters | "   \r" | " \r" | "x \r" | "\r"
    EXPECT_EQ(b.edit.stripTrailingSpaces(), 7);
    EXPECT_EQ(b.text.text(), letters(16) + "\r\rx");
    EXPECT_EQ(b.edit.stripTrailingSpaces(), 0);
}

TEST(KeypadEditStrip, ALineThatWrapsByItselfKeepsItsSpacesAndGetsNoBreak)
{
    // "def" opens the second line only because the spaces fill the first.
    const std::string padded = "abc" + std::string(13, ' ') + "def";
    Box b(padded);
    EXPECT_EQ(b.edit.stripTrailingSpaces(), 0);
    EXPECT_EQ(b.text.text(), padded);
    Box ending("abc" + std::string(15, ' '));
    ending.text.setCursor(18);
    EXPECT_EQ(ending.edit.stripTrailingSpaces(), 15);
    EXPECT_EQ(ending.text.text(), "abc");
    EXPECT_EQ(ending.text.cursor(), 3);
    EXPECT_EQ(Box("").edit.stripTrailingSpaces(), 0);
}

TEST(KeypadEditMoving, UpAndDownKeepTheColumnOrLandOnTheLastByte)
{
    Box b("abcdef\rxy\r" + letters(16));
    b.text.setCursor(4);
    b.edit.moveDown();
    EXPECT_EQ(b.text.cursor(), 9); // the break ending "xy"
    b.edit.moveDown();
    EXPECT_EQ(b.text.cursor(), 12);
    b.edit.moveDown();
    EXPECT_EQ(b.text.cursor(), 12);
    b.edit.moveUp();
    b.edit.moveUp();
    EXPECT_EQ(b.text.cursor(), 2);
    b.edit.moveUp();
    EXPECT_EQ(b.text.cursor(), 2);
}

TEST(KeypadEditMoving, HomeEndLeftRight)
{
    Box b("abc");
    b.edit.end();
    EXPECT_EQ(b.text.cursor(), 2);
    b.edit.moveRight();
    b.edit.moveRight();
    EXPECT_EQ(b.text.cursor(), 3);
    b.text.setTopRow(4);
    b.edit.home();
    EXPECT_EQ(b.text.cursor(), 0);
    EXPECT_EQ(b.text.topRow(), 0);
    b.edit.moveLeft();
    EXPECT_EQ(b.text.cursor(), 0);
}
