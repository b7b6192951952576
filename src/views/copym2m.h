#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class DialogArrow;
class QLabel;
class QListWidget;
class QPushButton;

namespace kpd {
class DrvMenu;
}

// Copy mode to mode: the user picks the source mode in the list, then a destination
// mode button (or "All"), and every parameter of the menu gets the source mode's
// texts and unit in that mode (CopyM2MRun does it).
class CopyM2M : public QDialog {
    Q_OBJECT
public:
    // The dialog has always had seven mode buttons; a menu with more modes gets more.
    static constexpr int kModeButtons = 7;

    explicit CopyM2M(QWidget* parent = nullptr);

    // Sets the menu to work on and starts again at choosing the source mode.
    void setData(kpd::DrvMenu& aMenu);
    int state() const { return state_; }

    QListWidget* modeList() const { return modeList_; }
    const std::vector<QPushButton*>& btnCopyMode() const { return btnCopyMode_; }
    QPushButton* btnCopyToAll() const { return btnCopyToAll_; }
    QLabel* Hint() const { return hint_; }
    DialogArrow* arrow() const { return arrow_; }
    // The mode a button copies to, as its tag holds it.
    const std::string& buttonTag(std::size_t index) const { return buttonTags_[index]; }

    void listClicked();
    void modeButtonClicked(std::size_t index);
    void allClicked();

private:
    void addModeButton();
    std::string sourceMode() const;

    kpd::DrvMenu* menu_ = nullptr;
    int state_ = 0;
    QListWidget* modeList_;
    std::vector<QPushButton*> btnCopyMode_;
    std::vector<std::string> buttonTags_;
    QPushButton* btnCopyToAll_;
    QLabel* hint_;
    DialogArrow* arrow_;
};
