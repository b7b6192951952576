#include "keypadtext/ckeypadtext.h"

#include <gtest/gtest.h>

namespace {

CKeypadText textOf(const std::string& bytes, int cols = 16, int rows = 2)
{
    CKeypadText t;
    t.setCols(cols);
    t.setRows(rows);
    t.setText(bytes);
    return t;
}

std::string letters(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back(static_cast<char>('A' + i % 26));
    return s;
}

} // namespace

TEST(KeypadTextWrapping, EmptyTextIsOneLine)
{
    const CKeypadText t = textOf("");
    EXPECT_EQ(t.lastLine(), 0);
    EXPECT_EQ(t.lineStart(0), 0);
    EXPECT_EQ(t.lineEnd(0), 0);
}

TEST(KeypadTextWrapping, FullLineThenBreakMakesABreakLineOfItsOwn)
{
    const CKeypadText t = textOf(letters(16) + "\r");
    ASSERT_EQ(t.lastLine(), 1);
    EXPECT_EQ(t.lineEnd(0), 15);
    EXPECT_EQ(t.lineStart(1), 16);
    EXPECT_EQ(t.lineEnd(1), 16);
}

TEST(KeypadTextWrapping, BreakEndsItsLineAndTrailingBreakOpensNoLine)
{
    const CKeypadText t = textOf("AB\rC");
    ASSERT_EQ(t.lastLine(), 1);
    EXPECT_EQ(t.lineStart(0), 0);
    EXPECT_EQ(t.lineEnd(0), 2);
    EXPECT_EQ(t.lineStart(1), 3);
    EXPECT_EQ(t.lineEnd(1), 3);
    EXPECT_EQ(textOf("AB\r").lastLine(), 0);
}

TEST(KeypadTextWrapping, LongTextWrapsAtTheColumnCount)
{
    const CKeypadText t = textOf(letters(33));
    ASSERT_EQ(t.lastLine(), 2);
    EXPECT_EQ(t.lineStart(1), 16);
    EXPECT_EQ(t.lineEnd(1), 31);
    EXPECT_EQ(t.lineStart(2), 32);
    EXPECT_EQ(t.lineEnd(2), 32);
}

TEST(KeypadTextWrapping, ChangingColumnsRewraps)
{
    CKeypadText t = textOf(letters(10));
    t.setCols(4);
    EXPECT_EQ(t.lastLine(), 2);
    EXPECT_EQ(t.lineStart(2), 8);
}

TEST(KeypadTextWrapping, TextIsCutToTheLongestTheTablesIndex)
{
    CKeypadText t = textOf(std::string(CKeypadText::maxLength + 10, 'A'));
    EXPECT_EQ(t.length(), CKeypadText::maxLength);
    EXPECT_EQ(t.lineEnd(t.lastLine()), CKeypadText::maxLength - 1);
    EXPECT_FALSE(t.insertAt(0, "B"));
    EXPECT_EQ(t.length(), CKeypadText::maxLength);
}

TEST(KeypadTextLineOf, FindsTheLineOfEachIndexAndOnePastTheEnd)
{
    const CKeypadText t = textOf("AB\rC");
    EXPECT_EQ(t.lineOf(0), 0);
    EXPECT_EQ(t.lineOf(2), 0);
    EXPECT_EQ(t.lineOf(3), 1);
    EXPECT_EQ(t.lineOf(4), 2); // the cursor after the last byte
}

TEST(KeypadTextLineOf, CursorColumnIsZeroPastTheLastLine)
{
    CKeypadText t = textOf(letters(20));
    t.setCursor(18);
    EXPECT_EQ(t.cursorLine(), 1);
    EXPECT_EQ(t.cursorColumn(), 2);
    t.setCursor(20);
    EXPECT_EQ(t.cursorLine(), 2);
    EXPECT_EQ(t.cursorColumn(), 0);
}

TEST(KeypadTextPositionAt, MapsLineAndColumnToAnIndex)
{
    const CKeypadText t = textOf("AB\rCDE");
    EXPECT_EQ(t.positionAt(0, 1), 1);
    EXPECT_EQ(t.positionAt(1, 2), 5);
}

TEST(KeypadTextPositionAt, PastALineEndLandsOnItsLastByteOrTheTextEnd)
{
    const CKeypadText t = textOf("AB\rCDE");
    EXPECT_EQ(t.positionAt(0, 10), 2); // the line break
    EXPECT_EQ(t.positionAt(1, 10), 6); // after the last byte
}

TEST(KeypadTextPositionAt, ClampsLineAndColumn)
{
    const CKeypadText t = textOf("AB\rCDE");
    EXPECT_EQ(t.positionAt(-3, -2), 0);
    EXPECT_EQ(t.positionAt(9, 0), 3);
}

TEST(KeypadTextScrolling, FollowsTheCursorDownAndUp)
{
    CKeypadText t = textOf("A\rB\rC\rD\rE", 16, 2);
    ASSERT_EQ(t.lastLine(), 4);
    t.setCursor(8);
    t.ensureVisible();
    EXPECT_EQ(t.topRow(), 3);
    t.setCursor(2);
    t.ensureVisible();
    EXPECT_EQ(t.topRow(), 1);
}

TEST(KeypadTextScrolling, EverythingFitsMeansTopRowZero)
{
    CKeypadText t = textOf("A\rB", 16, 2);
    t.setTopRow(1);
    t.ensureVisible();
    EXPECT_EQ(t.topRow(), 0);
}

TEST(KeypadTextCells, ShowBytesRowMajorFromTheTopRow)
{
    CKeypadText t = textOf("AB\rC", 4, 2);
    EXPECT_EQ(t.cellAt(0).byte, 'A');
    EXPECT_EQ(t.cellAt(2).byte, 0x0D);
    EXPECT_EQ(t.cellAt(3).byte, 0); // past the line end
    EXPECT_EQ(t.cellAt(4).byte, 'C');
    EXPECT_EQ(t.cellAt(5).byte, 0);
    t.setTopRow(1);
    EXPECT_EQ(t.cellAt(0).byte, 'C');
    EXPECT_EQ(t.cellAt(4).byte, 0); // below the last line
}

TEST(KeypadTextCells, CursorCellAndEndMarks)
{
    CKeypadText t = textOf("AB", 4, 1);
    t.setCursor(1);
    EXPECT_TRUE(t.cellAt(1).isCursorCell);
    EXPECT_FALSE(t.cellAt(0).isCursorCell);
    EXPECT_EQ(t.cellAt(1).endMark, CKeypadText::NoEndMark);
    t.setCursor(2);
    EXPECT_EQ(t.cellAt(1).endMark, CKeypadText::EndMarkRight);
    EXPECT_FALSE(t.cellAt(2).isCursorCell);
    EXPECT_EQ(textOf("").cellAt(0).endMark, CKeypadText::EndMarkLeft);
}

TEST(KeypadTextCells, SelectionHighlightsTheBytesItCoversWhicheverWayItWasMade)
{
    CKeypadText t = textOf("ABCDE", 8, 1);
    t.setSelAnchor(3);
    t.setSelEnd(1);
    t.setSelState(CKeypadText::SelMaking);
    EXPECT_FALSE(t.cellAt(0).isSelected);
    EXPECT_TRUE(t.cellAt(1).isSelected);
    EXPECT_TRUE(t.cellAt(2).isSelected);
    EXPECT_FALSE(t.cellAt(3).isSelected); // selLength is 2: 'D' is not cut with them
    t.setSelEnd(3);
    EXPECT_FALSE(t.cellAt(3).isSelected); // equal ends select nothing
    t.setSelEnd(1);
    t.setSelState(CKeypadText::SelNone);
    EXPECT_FALSE(t.cellAt(2).isSelected);
}

TEST(KeypadTextCells, ControlBytesOccupyACell)
{
    const CKeypadText t = textOf(std::string("\x01") + "A", 4, 1);
    EXPECT_EQ(t.cellAt(0).byte, 0x01);
    EXPECT_EQ(t.cellAt(1).byte, 'A');
}
