#include "compare/cellchanges.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

using Cells = std::vector<CellChanges::Cell>;

TEST(CellChanges, MarksCellsByTheirRowAndColumnAsTheBoxLaysThemOut)
{
    EXPECT_EQ(CellChanges("AB~MCD", "AX~MCD", 16).changed(), (Cells{{0, 1}}));
    EXPECT_EQ(CellChanges("AB~MCD", "AX~MCD", 16).lineCount(), 2);
    // Rows wrap at the box's width; what the other side lacks is changed too.
    EXPECT_EQ(CellChanges("ABCDEF", "ABCD", 4).changed(), (Cells{{1, 0}, {1, 1}}));
    // A line break moved one cell on shifts the next line: each of its cells differs.
    EXPECT_EQ(CellChanges("A~MBC", "AB~MC", 16).changed(), (Cells{{0, 1}, {1, 0}, {1, 1}}));
    EXPECT_EQ(CellChanges("~X41", "A", 16).changed(), Cells{});
    EXPECT_EQ(CellChanges("", "A", 16).lineCount(), 1);
}

} // namespace
} // namespace kpd
