#pragma once

#include <QDialog>

class FolderPicker;
class QRadioButton;

namespace kpd {
class UserInterface;
}

// The "Save assembler file" dialog: the language that names the assembler module and the
// folder the file goes to. The caller reads the results after it closes.
class AssemblerWindow : public QDialog {
    Q_OBJECT
public:
    AssemblerWindow(kpd::UserInterface& ui, const QString& startFolder, QWidget* parent = nullptr);

    bool confirmed() const { return confirmed_; }
    int languageIndex() const { return languageIndex_; }
    QString folder() const;

    // The Save button.
    void save();
    void chooseLanguage(int index);

    FolderPicker* folderPicker() const { return picker_; }
    QRadioButton* languageButton(int index) const { return languages_.value(index); }

private:
    bool confirmed_ = false;
    int languageIndex_ = 0;
    FolderPicker* picker_;
    QList<QRadioButton*> languages_;
};
