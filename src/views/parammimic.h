#pragma once

#include <QGroupBox>

class LcdtextboxHost;
class QLabel;
class QPushButton;
class QToolButton;

// The editor's picture of the keypad: parameter number, value, unit icon and the
// description or help of one panel, with the buttons that choose what it shows.
class ParamMimic : public QGroupBox {
    Q_OBJECT
public:
    // The unit icons come from programFolder; the keypad text box library from libraryFolder
    // (empty: beside the program).
    ParamMimic(const QString& programFolder, const QString& libraryFolder, QWidget* parent = nullptr);

    LcdtextboxHost& parNum() const { return *parNum_; }
    LcdtextboxHost& parVal() const { return *parVal_; }
    LcdtextboxHost& desc() const { return *desc_; }
    QPushButton* displayCustom() const { return displayCustom_; }
    QPushButton* displayReference() const { return displayReference_; }
    QPushButton* showHelpToggle() const { return showHelp_; }
    QToolButton* scrollUp() const { return scrollUp_; }
    QToolButton* scrollDown() const { return scrollDown_; }
    QLabel* icon() const { return icon_; }

    void setShowingHelp(bool showingHelp);
    // Loads the unit's picture from the program folder; a unit without one changes nothing.
    void showUnitIcon(int unit);
    const QString& iconFile() const { return iconFile_; }

private:
    QString programFolder_;
    LcdtextboxHost* parNum_;
    LcdtextboxHost* parVal_;
    LcdtextboxHost* desc_;
    QLabel* icon_;
    QPushButton* displayCustom_;
    QPushButton* displayReference_;
    QPushButton* showHelp_;
    QToolButton* scrollUp_;
    QToolButton* scrollDown_;
    QString iconFile_;
};
