#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace lcd {

// Every message box and text prompt the control and its dialogs show goes through the
// installed prompter, so tests can answer them instead of blocking on a modal window.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual QMessageBox::StandardButton message(QWidget* parent, const QString& text, const QString& title,
                                                QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) = 0;
    // Returns false when the user cancels.
    virtual bool askText(QWidget* parent, const QString& title, const QString& label, QString& text) = 0;
};

// The prompter in use; the default shows real Qt dialogs.
Prompter& prompter();
// Installs a prompter (nullptr restores the default); the caller keeps ownership.
void setPrompter(Prompter* replacement);

} // namespace lcd
