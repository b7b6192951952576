#include "lcdtextbox/clcdtextboxctrl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Cells of 10 × 20 pixels; the point (10 c + 5, 20 r + 10) is the middle of cell (c, r).
QPoint cellMiddle(int column, int row)
{
    return QPoint(10 * column + 5, 20 * row + 10);
}

class Mouse : public ::testing::Test {
protected:
    Mouse() { box.resize(160, 40); }

    void type(const char* keys) { QTest::keyClicks(&box, keys); }

    CLcdtextboxCtrl box;
};

} // namespace

TEST_F(Mouse, DragSelectsAndMovesTheCursor)
{
    box.setText("ABCDEF");
    QTest::mousePress(&box, Qt::LeftButton, {}, cellMiddle(1, 0));
    EXPECT_EQ(box.cursorPos(), 0); // a press does not move the cursor
    QMouseEvent move(QEvent::MouseMove, QPointF(cellMiddle(3, 0)), QPointF(box.mapToGlobal(cellMiddle(3, 0))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &move);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, cellMiddle(3, 0));
    EXPECT_EQ(box.cursorPos(), 3);
    type("x");
    EXPECT_EQ(box.text(), QString("AxDEF"));
}

TEST_F(Mouse, ClickOnTheSameCellOnlyMovesTheCursor)
{
    box.setText("AB~MCD");
    QTest::mouseClick(&box, Qt::LeftButton, {}, cellMiddle(1, 1));
    EXPECT_EQ(box.cursorPos(), 4);
    QTest::mouseClick(&box, Qt::LeftButton, {}, cellMiddle(9, 1));
    EXPECT_EQ(box.cursorPos(), 5); // beyond the last line's end: the text end
    type("x");
    EXPECT_EQ(box.text(), QString("AB~MCDx"));
}

TEST_F(Mouse, ClicksLandOnTheCellsShown)
{
    box.setText("A~MB~MC");
    box.setCursorPos(1);
    // The first cell's first pixel; QTest takes the point (0, 0) for the widget's middle.
    for (QEvent::Type kind : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(kind, QPointF(0, 0), QPointF(box.mapToGlobal(QPoint(0, 0))), Qt::LeftButton,
                          kind == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &event);
    }
    EXPECT_EQ(box.cursorPos(), 0);
    // Moving the cursor to the third line scrolls it into view before anything is painted.
    box.setCursorPos(4);
    QTest::mouseClick(&box, Qt::LeftButton, {}, cellMiddle(0, 0));
    EXPECT_EQ(box.cursorPos(), 2);
}

TEST_F(Mouse, PointsOffTheGridAreIgnored)
{
    box.resize(165, 40); // 5 spare pixels at the right
    box.setText("ABC");
    box.setCursorPos(1);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(162, 10));
    EXPECT_EQ(box.cursorPos(), 1);
    CLcdtextboxCtrl tiny;
    tiny.resize(8, 1); // narrower than one pixel per cell
    tiny.setText("ABC");
    QTest::mouseClick(&tiny, Qt::LeftButton, {}, QPoint(4, 0));
    EXPECT_EQ(tiny.cursorPos(), 0);
}
