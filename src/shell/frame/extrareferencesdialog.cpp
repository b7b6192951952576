#include "extrareferencesdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

ExtraReferencesDialog::ExtraReferencesDialog(const QStringList& offered, const QStringList& chosen, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Extra reference languages"));
    list_->setObjectName(QStringLiteral("lstLanguages"));
    for (const QString& language : offered) {
        auto* item = new QListWidgetItem(language, list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(chosen.contains(language) ? Qt::Checked : Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Show these languages under the reference rows of every menu:"), this));
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

QStringList ExtraReferencesDialog::chosen() const
{
    QStringList languages;
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->checkState() == Qt::Checked) languages << list_->item(i)->text();
    }
    return languages;
}
