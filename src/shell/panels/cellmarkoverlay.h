#pragma once

#include "compare/cellchanges.h"

#include <QWidget>

#include <vector>

// Frames the changed cells of the keypad text box it lies over. It takes no mouse input,
// so the box under it behaves as ever.
class CellMarkOverlay : public QWidget {
    Q_OBJECT
public:
    CellMarkOverlay(QWidget* box, int cellWidth, int cellHeight);

    void setCells(std::vector<kpd::CellChanges::Cell> cells);
    const std::vector<kpd::CellChanges::Cell>& cells() const { return cells_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int cellWidth_;
    int cellHeight_;
    std::vector<kpd::CellChanges::Cell> cells_;
};
