#include "keypadtext/ckeypadtext.h"
#include "lcdtextbox/clcdtextboxctrl.h"
#include "lcdtextbox/gridgeometry.h"
#include "lcdtextbox/lcdpainter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// 16 × 2 cells of 12 × 18 pixels: every glyph dot is 2 × 2 pixels, the gap column is
// pixels 10-11 of a cell and the gap row pixels 16-17. The 11 spare pixels at the right
// and the one at the bottom stay background.
constexpr int cellW = 12;
constexpr int cellH = 18;
const QRgb back = 0x336699;
const QRgb black = 0x000000;
const QRgb yellow = 0xFFFF00;
const QRgb green = 0x00FF00;
const QRgb magenta = 0xFF00FF;
const QRgb emptyGrey = 0xBBBBBB;

class Rendering : public ::testing::Test {
protected:
    Rendering()
    {
        box.resize(16 * cellW + 11, 2 * cellH + 1);
        box.setBackColor(QColor::fromRgb(back));
    }

    QRgb at(int x, int y)
    {
        QImage image(box.size(), QImage::Format_RGB32);
        box.render(&image);
        return image.pixel(x, y) & 0xFFFFFF;
    }

    void focus(bool in)
    {
        QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut);
        QApplication::sendEvent(&box, &event);
    }

    CLcdtextboxCtrl box;
};

} // namespace

TEST_F(Rendering, GlyphDotsAreBlackOnTheBackColourWithAOneDotGap)
{
    box.setText("A");
    box.setCursorPos(0);
    EXPECT_EQ(at(4, 2), black);   // 'A' row 1 "..#..", dot 2: the pointed top
    EXPECT_EQ(at(2, 3), back);    // 'A' row 1, dot 1
    EXPECT_EQ(at(9, 11), black);  // 'A' row 5 "#####", dot 4
    EXPECT_EQ(at(10, 11), back);  // the gap column beside it
    EXPECT_EQ(at(5, 13), back);   // 'A' row 6 "#...#", dot 2
}

TEST_F(Rendering, CellsWithoutAByteOrWithAControlByteAreEmptyCells)
{
    box.setText("A~x01");
    EXPECT_EQ(at(cellW + 5, 9), emptyGrey);     // byte 0x01
    EXPECT_EQ(at(2 * cellW + 5, 9), emptyGrey); // past the text
    EXPECT_EQ(at(5, cellH + 9), emptyGrey);     // line 1 does not exist
    box.setEmptyCellColor(QColor::fromRgb(0x123456));
    EXPECT_EQ(at(2 * cellW + 5, 9), 0x123456u);
}

TEST_F(Rendering, RemainderOfTheWidthStaysBackground)
{
    box.setText("A");
    EXPECT_EQ(at(16 * cellW + 9, 9), back);
    EXPECT_EQ(at(50, 2 * cellH), back);
}

TEST_F(Rendering, InsertCursorIsABarAlongTheCellBottom)
{
    box.setText("AB");
    EXPECT_EQ(at(5, 16), black);
    EXPECT_EQ(at(5, 15), back); // 'A' row 7 dot 2 is background, above the bar
    box.setCursorPos(1);
    EXPECT_EQ(at(5, 16), back);
    EXPECT_EQ(at(cellW + 5, 17), black);
}

TEST_F(Rendering, OverwriteCursorIsADottedRectangle)
{
    box.setText("AB~MCD");
    box.setCursorPos(4); // 'D' on the second row
    QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
    QApplication::sendEvent(&box, &insert);
    int blackOnTopEdge = 0;
    for (int x = cellW; x < 2 * cellW; ++x) blackOnTopEdge += at(x, cellH) == black ? 1 : 0;
    EXPECT_GE(blackOnTopEdge, 3);
    EXPECT_LT(blackOnTopEdge, cellW);
    EXPECT_EQ(at(cellW + 5, cellH + 16), back); // no bar
}

TEST_F(Rendering, EndMarksAtTheStartOfAnEmptyTextAndAfterTheLastByte)
{
    box.setText("");
    EXPECT_EQ(at(1, 8), black); // left bar, cellW / 5 = 2 pixels wide
    EXPECT_EQ(at(2, 8), emptyGrey);
    box.setText("AB");
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&box, &end);
    QApplication::sendEvent(&box, &right);
    ASSERT_EQ(box.cursorPos(), 2);
    EXPECT_EQ(at(2 * cellW - 2, 9), black); // right bar of 'B'
    EXPECT_EQ(at(2 * cellW - 3, 9), back);
    EXPECT_EQ(at(1, 1), back); // no left bar over the blank top row of 'A'
}

TEST_F(Rendering, SelectedCellsAreYellow)
{
    box.setText("ABC");
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
    QApplication::sendEvent(&box, &shift);
    QApplication::sendEvent(&box, &right);
    EXPECT_EQ(at(1, 3), yellow);
    EXPECT_EQ(at(10, 9), yellow); // the gap column too
    EXPECT_EQ(at(cellW + 9, 3), back); // the cursor's cell is not part of the selection
    EXPECT_EQ(at(4, 2), black);
}

TEST_F(Rendering, LineBreakShowsTheReturnArrowOnGreenOrMagentaWhenSelected)
{
    box.setText("A~MB");
    EXPECT_EQ(at(cellW + 1, 3), green); // arrow row 1, dot 0
    EXPECT_EQ(at(cellW + 8, 2), black); // arrow row 1, dot 4
    box.setCursorPos(1);
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
    QApplication::sendEvent(&box, &shift);
    QApplication::sendEvent(&box, &right);
    EXPECT_EQ(at(cellW + 1, 3), magenta);
}

TEST_F(Rendering, DisabledBoxHidesLineBreaksAndTheCursor)
{
    box.setText("A~MB");
    box.setEnabled(false);
    EXPECT_EQ(at(cellW + 1, 3), back);
    EXPECT_EQ(at(cellW + 8, 2), back);
    EXPECT_EQ(at(5, 16), back);
    EXPECT_EQ(at(4, 2), black);
}

TEST_F(Rendering, FocusFrameIsBlackOnlyWithTheFocus)
{
    box.setText("A");
    EXPECT_EQ(at(100, 0), back);
    focus(true);
    EXPECT_EQ(at(100, 0), black);
    EXPECT_EQ(at(box.width() - 1, 20), black);
    focus(false);
    EXPECT_EQ(at(100, 0), back);
}

TEST_F(Rendering, ScrolledViewShowsTheCursorLine)
{
    box.setText("A~MB~MC");
    box.setCursorPos(4); // 'C' on line 2
    EXPECT_EQ(at(2, cellH + 2), black); // 'C' row 1 dot 1 on grid row 1
    EXPECT_EQ(at(2, 2), black);         // 'B' row 1 "####." dot 1 on grid row 0
    EXPECT_EQ(at(1, 3), black);
}

TEST(Painting, LeavesTheScrollPositionAsItFindsIt)
{
    CKeypadText text;
    text.setRows(2);
    text.setText("A\rB\rC");
    text.setCursor(4); // on the third line, below the view
    QImage image(16 * cellW, 2 * cellH, QImage::Format_RGB32);
    QPainter painter(&image);
    LcdPainter::paint(painter, image.rect(), GridGeometry::fitted(image.rect(), 16, 2), text, {});
    EXPECT_EQ(text.topRow(), 0);
}
