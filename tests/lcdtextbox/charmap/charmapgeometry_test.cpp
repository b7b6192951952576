#include "lcdtextbox/charmapgeometry.h"

#include <gtest/gtest.h>

TEST(CharMapGeometry, EveryCharacterCellLeadsBackToItsCharacter)
{
    const QSize pitch = CharMapGeometry::grid().pitch();
    for (int code = CharMapGeometry::firstCode; code <= CharMapGeometry::lastCode; ++code) {
        const QRect cell = CharMapGeometry::codeCell(code);
        EXPECT_EQ(CharMapGeometry::codeAt(cell.topLeft()), code);
        // The gap right of and below a glyph picks it too.
        EXPECT_EQ(CharMapGeometry::codeAt(cell.topLeft() + QPoint(pitch.width() - 1, pitch.height() - 1)), code);
    }
    EXPECT_EQ(CharMapGeometry::codeCell(0x41), QRect(22 + 17, 30 + 2 * 26, 15, 24));
}

TEST(CharMapGeometry, PointsBesideTheGridPickNothing)
{
    const QRect grid = CharMapGeometry::grid().area();
    for (const QPoint& point : {grid.topLeft() - QPoint(1, 0), grid.topLeft() - QPoint(0, 1),
                                grid.topRight() + QPoint(1, 0), grid.bottomLeft() + QPoint(0, 1)})
        EXPECT_FALSE(CharMapGeometry::codeAt(point)) << point.x() << ", " << point.y();
}
