#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CloneMenuRun;
class DialogArrow;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kpd {
class DrvMenus;
class UserInterface;
} // namespace kpd

// Clone menu to another menu: the user picks one or more of the source menu's clone
// targets, and OK copies the whole source menu over each of them (CloneMenuRun does it).
class CloneMenu : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kSelectHint = "Select the destination menu(s) from the list.";

    explicit CloneMenu(kpd::UserInterface& ui, QWidget* parent = nullptr);
    ~CloneMenu() override;

    // aMenuCol is the custom set's collection, aKey the key of the menu to clone.
    void setData(kpd::DrvMenus& aMenuCol, const std::string& aKey);

    QLineEdit* txtSourceName() const { return txtSourceName_; }
    QListWidget* lstClones() const { return lstClones_; }
    QLabel* Hint() const { return hint_; }
    QPushButton* OKButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    DialogArrow* arrow() const { return arrow_; }

    // The selected destinations' menu numbers, in list order.
    std::vector<std::int16_t> selectedMenus() const;

    void listClicked();
    void okClicked();

private:
    kpd::UserInterface& ui_;
    std::unique_ptr<CloneMenuRun> run_;
    QLineEdit* txtSourceName_;
    QListWidget* lstClones_;
    QLabel* hint_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    DialogArrow* arrow_;
};
