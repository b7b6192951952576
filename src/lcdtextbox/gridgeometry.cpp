#include "gridgeometry.h"

#include <algorithm>

GridGeometry::GridGeometry(QPoint origin, QSize pitch, int columns, int rows, QSize cellSize)
    : m_origin(origin), m_pitch(pitch), m_columns(std::max(columns, 1)), m_rows(std::max(rows, 1)), m_cellSize(cellSize)
{
}

GridGeometry::GridGeometry(QPoint origin, QSize pitch, int columns, int rows)
    : GridGeometry(origin, pitch, columns, rows, pitch)
{
}

GridGeometry GridGeometry::fitted(const QRect& bounds, int columns, int rows)
{
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    return GridGeometry(bounds.topLeft(), QSize(bounds.width() / columns, bounds.height() / rows), columns, rows);
}

QRect GridGeometry::cellRect(int column, int row) const
{
    return QRect(QPoint(m_origin.x() + column * m_pitch.width(), m_origin.y() + row * m_pitch.height()), m_cellSize);
}

QRect GridGeometry::area() const
{
    return QRect(m_origin, QSize(m_columns * m_pitch.width(), m_rows * m_pitch.height()));
}

std::optional<GridGeometry::Cell> GridGeometry::cellAt(const QPoint& point) const
{
    if (m_pitch.width() <= 0 || m_pitch.height() <= 0) return std::nullopt;
    const QPoint offset = point - m_origin;
    if (offset.x() < 0 || offset.y() < 0) return std::nullopt;
    const Cell cell{offset.x() / m_pitch.width(), offset.y() / m_pitch.height()};
    if (cell.column >= m_columns || cell.row >= m_rows) return std::nullopt;
    return cell;
}
