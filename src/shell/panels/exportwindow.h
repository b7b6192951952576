#pragma once

#include <QDialog>

#include <cstdint>

class FolderPicker;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kpd {
class UserInterface;
}

// The export dialog: which fields and modes go into the text table, in which layout, and
// the folder and name of the file. The caller reads the results after it closes.
class ExportWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kNothingToExport =
        "The lines would be empty: tick a parameter field, or a mode and a mode field";

    ExportWindow(kpd::UserInterface& ui, const QString& startFolder, QWidget* parent = nullptr);

    bool accepted() const { return accepted_; }
    std::uint16_t options() const { return options_; }
    QString folder() const;
    QString fileName() const;
    // The folder and the file name joined, the target of the export.
    QString path() const;

    // The Save button: checks the name and that the lines would hold a field; an acceptable
    // name gets its extension and closes the dialog.
    void save();

    FolderPicker* folderPicker() const { return picker_; }
    QLineEdit* fileNameBox() const { return UserFileName_; }
    // The check box of one option bit.
    QCheckBox* optionBox(std::uint16_t option) const;

private:
    kpd::UserInterface& ui_;
    bool accepted_ = false;
    std::uint16_t options_ = 0;
    QList<QPair<std::uint16_t, QCheckBox*>> boxes_;
    FolderPicker* picker_;
    QLineEdit* UserFileName_;
    QPushButton* btnSave_;
    QPushButton* CancelButton_;
};
