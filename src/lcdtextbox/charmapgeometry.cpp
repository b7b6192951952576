#include "charmapgeometry.h"

namespace {

constexpr QPoint gridAt(22, 30);
constexpr QPoint stripAt(22, 314);
constexpr QPoint enlargedAt(540, 105);
constexpr QSize pitch(17, 26);
constexpr QSize glyphSize(5 * CharMapGeometry::smallScale, 8 * CharMapGeometry::smallScale);

} // namespace

GridGeometry CharMapGeometry::grid()
{
    return GridGeometry(gridAt, pitch, gridColumns, gridRows, glyphSize);
}

GridGeometry CharMapGeometry::strip()
{
    return GridGeometry(stripAt, pitch, stripCells, 1, glyphSize);
}

QRect CharMapGeometry::codeCell(int code)
{
    return grid().cellRect(code - firstCode);
}

std::optional<int> CharMapGeometry::codeAt(const QPoint& point)
{
    const std::optional<GridGeometry::Cell> cell = grid().cellAt(point);
    if (!cell) return std::nullopt;
    return firstCode + cell->row * gridColumns + cell->column;
}

QRect CharMapGeometry::enlargedGlyphRect()
{
    return QRect(enlargedAt, QSize(5 * largeScale, 8 * largeScale));
}

QRect CharMapGeometry::enlargedArea()
{
    return QRect(enlargedAt, QSize(pitch.width() * largeScale, pitch.height() * largeScale));
}
