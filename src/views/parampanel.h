#pragma once

#include <QGroupBox>

#include <array>

class LcdtextboxHost;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

// One of the parameter editor's two panels: number and default value, unit list and
// indicators, limits, and the description and help boxes with their captions. The
// panel only shows; the editor decides what the controls hold.
class ParamPanel : public QGroupBox {
    Q_OBJECT
public:
    // A keypad dot is 2 × 2 pixels, so a cell of 6 × 9 dots is 12 × 18 pixels.
    static constexpr int kCellWidth = 12;
    static constexpr int kCellHeight = 18;

    // libraryFolder: where the keypad text box library lies when it must be registered;
    // empty is beside the program.
    ParamPanel(const QString& title, const QString& libraryFolder, QWidget* parent = nullptr);
    ~ParamPanel() override;

    LcdtextboxHost& desc() const { return *desc_; }
    LcdtextboxHost& help() const { return *help_; }
    QLineEdit* paraNo() const { return paraNo_; }
    QLineEdit* paraVal() const { return paraVal_; }
    QComboBox* paraUnit() const { return paraUnit_; }
    // Indicator of unit 1 to 4 (%, A, RPM, Hz).
    QRadioButton* indicator(int unit) const { return indicators_[static_cast<std::size_t>(unit - 1)]; }
    QLineEdit* lLim() const { return lLim_; }
    QLineEdit* uLim() const { return uLim_; }
    QLabel* label1() const { return label1_; }
    QLabel* label7() const { return label7_; }
    QLabel* label5() const { return label5_; }
    QToolButton* helpScrollUp() const { return helpUp_; }
    QToolButton* helpScrollDown() const { return helpDown_; }

    // Boxes and unit controls only: the help box of a read-only panel still scrolls.
    void setEditable(bool editable);
    // Parameter editing shows units and limits; trip editing hides them.
    void setTripEditing(bool tripEditing);
    void showUnit(int unit);
    // The highlight shape around the active box; nullptr hides it.
    void highlight(const LcdtextboxHost* box);
    bool highlighted(const LcdtextboxHost* box) const;

    // Sizes a keypad text box to its cells and makes its empty cells its background.
    static void configureBox(LcdtextboxHost& box, int cols, int rows, int lineLimit, bool enabled = true);
    static void paintBox(LcdtextboxHost& box, const QColor& background);

signals:
    void unitChosen(int unit);
    void indicatorClicked(int unit);

private:
    QFrame* holder(LcdtextboxHost& box);

    LcdtextboxHost* desc_;
    LcdtextboxHost* help_;
    QFrame* descFrame_;
    QFrame* helpFrame_;
    QLineEdit* paraNo_;
    QLineEdit* paraVal_;
    QComboBox* paraUnit_;
    std::array<QRadioButton*, 4> indicators_{};
    QLineEdit* lLim_;
    QLineEdit* uLim_;
    QLabel* label1_;
    QLabel* label7_;
    QLabel* label5_;
    QList<QWidget*> unitWidgets_;
    QToolButton* helpUp_;
    QToolButton* helpDown_;
};
