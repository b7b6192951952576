#pragma once

#include <QRect>

class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QWidget;

// The character map's controls at their places in a 400 × 234 dialog-unit form. One
// dialog unit is two pixels in both directions, the units of a dialog font whose average
// character is 8 pixels wide and 16 high, so the form is 800 × 468 pixels and keeps its
// proportions.
class CharMapLayout {
public:
    static constexpr int pixelsPerUnit = 2;
    static QRect dlu(int x, int y, int w, int h);

    // Builds the controls on dialog. The group boxes let clicks through to the dialog, and
    // canvas (a child of dialog) is stacked above them and below every control.
    void setupUi(QDialog* dialog, QWidget* canvas);

    QGroupBox* grpGrid = nullptr;
    QGroupBox* grpMapping = nullptr;
    QGroupBox* grpSelection = nullptr;
    QLineEdit* txtWinChar = nullptr;
    QSpinBox* txtCode = nullptr;
    QListWidget* lstMapped = nullptr;
    QPushButton* btnAddChar = nullptr;
    QPushButton* btnClearKeypadMap = nullptr;
    QPushButton* btnClearWinMap = nullptr;
    QPushButton* btnClearSelection = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* lblMessage = nullptr;
};
