#pragma once

#include "checks/shortformfix.h"

#include <QDialog>

class KeypadDisplayMimic;
class QLabel;
class QPushButton;

// What putting in the glossary's short forms makes of an overflowing text, before the
// user applies it: the text as the keypad shows it now and after, the forms replaced and
// the bytes the image saves.
class ShortFormDialog : public QDialog {
    Q_OBJECT
public:
    ShortFormDialog(const std::string& current, const kpd::ShortFormFix::Proposal& proposal, QWidget* parent = nullptr);

    KeypadDisplayMimic* before() const { return before_; }
    KeypadDisplayMimic* after() const { return after_; }
    QLabel* saving() const { return lblSaving_; }

    // "Saves 12 bytes", "Saves no bytes", "Costs 2 bytes": the byte meter's change, told.
    static QString savingText(std::int64_t bytesSaved);

private:
    KeypadDisplayMimic* before_;
    KeypadDisplayMimic* after_;
    QLabel* lblReplaced_;
    QLabel* lblSaving_;
    QPushButton* btnApply_;
};
