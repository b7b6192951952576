#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// A grid of equal cells laid out row by row from an origin, one pitch apart, and the way
// back from a point to the cell under it. What draws a grid and what hit-tests it share
// one of these, so a click lands on the cell that was drawn there.
class GridGeometry {
public:
    struct Cell {
        int column = 0;
        int row = 0;
        bool operator==(const Cell& other) const { return column == other.column && row == other.row; }
    };

    // A drawn cell may be smaller than the pitch (a gap between cells); the gap belongs to
    // the cell at its left and above for hit-testing.
    GridGeometry(QPoint origin, QSize pitch, int columns, int rows, QSize cellSize);
    GridGeometry(QPoint origin, QSize pitch, int columns, int rows);
    // Cells as large as fit into bounds: integer division, the remainder stays at the right
    // and bottom. A count below 1 counts as 1.
    static GridGeometry fitted(const QRect& bounds, int columns, int rows);

    QSize pitch() const { return m_pitch; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }

    QRect cellRect(int column, int row) const;
    // Cells numbered row by row from 0.
    QRect cellRect(int index) const { return cellRect(index % m_columns, index / m_columns); }
    // Every pitch of the grid.
    QRect area() const;
    // The cell whose pitch holds point; nothing off the grid, or when a cell is smaller than
    // a pixel and the grid cannot be pointed at.
    std::optional<Cell> cellAt(const QPoint& point) const;

private:
    QPoint m_origin;
    QSize m_pitch;
    int m_columns;
    int m_rows;
    QSize m_cellSize;
};
