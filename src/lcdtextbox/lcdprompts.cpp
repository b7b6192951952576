#include "lcdprompts.h"

#include <QInputDialog>

namespace lcd {

namespace {

class DialogPrompter : public Prompter {
public:
    QMessageBox::StandardButton message(QWidget* parent, const QString& text, const QString& title,
                                        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(icon, title, text, buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    bool askText(QWidget* parent, const QString& title, const QString& label, QString& text) override
    {
        bool ok = false;
        const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
        if (ok) text = answer;
        return ok;
    }
};

DialogPrompter defaultPrompter;
Prompter* installed = nullptr;

} // namespace

Prompter& prompter()
{
    return installed ? *installed : defaultPrompter;
}

void setPrompter(Prompter* replacement)
{
    installed = replacement;
}

} // namespace lcd
