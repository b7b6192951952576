#include "assemblerwindow.h"

#include "shell/folderpicker.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

AssemblerWindow::AssemblerWindow(kpd::UserInterface& ui, const QString& startFolder, QWidget* parent)
    : QDialog(parent), picker_(new FolderPicker(ui, startFolder, this))
{
    setWindowTitle(QStringLiteral("Save assembler file"));

    auto* group = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group);
    const char* captions[] = {"English", "Custom", "French", "German", "Spanish", "Italian"};
    for (int i = 0; i < 6; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(captions[i]), group);
        button->setToolTip(QStringLiteral("Choose language for assembler file"));
        groupLayout->addWidget(button);
        languages_.append(button);
        connect(button, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) chooseLanguage(i);
        });
    }
    languages_[0]->setChecked(true);

    auto* save = new QPushButton(QStringLiteral("Save"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(save, &QPushButton::clicked, this, &AssemblerWindow::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(picker_, 1);
    top->addWidget(group);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

QString AssemblerWindow::folder() const
{
    return picker_->folder();
}

void AssemblerWindow::chooseLanguage(int index)
{
    languageIndex_ = index;
}

void AssemblerWindow::save()
{
    confirmed_ = true;
    accept();
}
