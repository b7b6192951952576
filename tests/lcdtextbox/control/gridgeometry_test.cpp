#include "lcdtextbox/gridgeometry.h"

#include <gtest/gtest.h>

namespace {

using Cell = GridGeometry::Cell;

// Every corner pixel of every drawn cell leads back to that cell, and the pixel just before
// a cell's first column belongs to the cell at its left, or to nothing in the first column.
void expectRoundTrip(const GridGeometry& grid)
{
    for (int row = 0; row < grid.rows(); ++row) {
        for (int column = 0; column < grid.columns(); ++column) {
            const QRect rect = grid.cellRect(column, row);
            SCOPED_TRACE(testing::Message() << "cell " << column << ", " << row);
            EXPECT_EQ(grid.cellAt(rect.topLeft()), (Cell{column, row}));
            EXPECT_EQ(grid.cellAt(rect.bottomRight()), (Cell{column, row}));
            EXPECT_EQ(grid.cellRect(row * grid.columns() + column), rect);
            const std::optional<Cell> before = grid.cellAt(rect.topLeft() - QPoint(1, 0));
            if (column == 0)
                EXPECT_FALSE(before);
            else
                EXPECT_EQ(before, (Cell{column - 1, row}));
        }
    }
}

} // namespace

TEST(GridGeometry, FittedCellsAndPointsLeadToEachOther)
{
    const GridGeometry grid = GridGeometry::fitted(QRect(3, 4, 16 * 12 + 11, 2 * 18 + 1), 16, 2);
    EXPECT_EQ(grid.pitch(), QSize(12, 18));
    EXPECT_EQ(grid.cellRect(17), QRect(3 + 12, 4 + 18, 12, 18));
    expectRoundTrip(grid);
    expectRoundTrip(GridGeometry::fitted(QRect(0, 0, 160, 40), 16, 2));
}

TEST(GridGeometry, GapsBelongToTheCellBeforeThem)
{
    const GridGeometry grid(QPoint(22, 30), QSize(17, 26), 24, 10, QSize(15, 24));
    EXPECT_EQ(grid.cellRect(2, 1), QRect(56, 56, 15, 24));
    EXPECT_EQ(grid.cellAt(QPoint(22 + 3 * 17 - 1, 30 + 26 - 1)), (Cell{2, 0}));
    EXPECT_EQ(grid.area(), QRect(22, 30, 24 * 17, 10 * 26));
    expectRoundTrip(grid);
}

TEST(GridGeometry, PointsOffTheCellsHitNothing)
{
    const GridGeometry grid = GridGeometry::fitted(QRect(0, 0, 16 * 12 + 11, 2 * 18 + 1), 16, 2);
    EXPECT_FALSE(grid.cellAt(QPoint(16 * 12, 5))); // the spare pixels at the right
    EXPECT_FALSE(grid.cellAt(QPoint(5, 2 * 18)));  // and at the bottom
    EXPECT_FALSE(grid.cellAt(QPoint(5, -1)));
    // Narrower than a pixel per cell: nothing to point at.
    EXPECT_FALSE(GridGeometry::fitted(QRect(0, 0, 8, 1), 16, 2).cellAt(QPoint(0, 0)));
}
