#include "shortformdialog.h"

#include "shell/keypaddisplaymimic.h"

#include "checks/keypadtextlayout.h"
#include "model/counted.h"
#include "modeltext/modeltext.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

KeypadDisplayMimic* mimicOf(const std::string& escaped, QWidget* parent)
{
    const std::vector<std::string> lines = kpd::KeypadTextLayout::lines(escaped);
    auto* mimic =
        new KeypadDisplayMimic(kpd::KeypadTextLayout::kDisplayColumns, static_cast<int>(lines.size()), parent);
    for (std::size_t row = 0; row < lines.size(); ++row) mimic->setLine(static_cast<int>(row), toQt(lines[row]));
    return mimic;
}

} // namespace

ShortFormDialog::ShortFormDialog(const std::string& current, const kpd::ShortFormFix::Proposal& proposal,
                                 QWidget* parent)
    : QDialog(parent),
      before_(mimicOf(current, this)),
      after_(mimicOf(proposal.text, this)),
      lblReplaced_(new QLabel(this)),
      lblSaving_(new QLabel(savingText(proposal.bytesSaved), this)),
      btnApply_(new QPushButton(QStringLiteral("&Apply"), this))
{
    setObjectName(QStringLiteral("dlgShortForms"));
    setWindowTitle(QStringLiteral("Short forms"));
    lblSaving_->setObjectName(QStringLiteral("lblSaving"));
    btnApply_->setObjectName(QStringLiteral("btnApply"));
    QString replaced;
    for (const auto& r : proposal.replacements)
        replaced += (replaced.isEmpty() ? QString() : QStringLiteral(", ")) + toQt(r.from) +
                    QStringLiteral(" \u2192 ") + toQt(r.to);
    lblReplaced_->setText(replaced);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(btnApply_, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Now:"), this), 0, 0);
    layout->addWidget(before_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("With short forms:"), this), 1, 0);
    layout->addWidget(after_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Replaced:"), this), 2, 0);
    layout->addWidget(lblReplaced_, 2, 1);
    layout->addWidget(lblSaving_, 3, 0, 1, 2);
    layout->addWidget(buttons, 4, 0, 1, 2);
}

QString ShortFormDialog::savingText(std::int64_t bytesSaved)
{
    if (bytesSaved == 0) return QStringLiteral("Saves no bytes");
    const std::string bytes = kpd::counted(bytesSaved > 0 ? bytesSaved : -bytesSaved, "byte");
    return (bytesSaved > 0 ? QStringLiteral("Saves ") : QStringLiteral("Costs ")) + toQt(bytes);
}
