#include "zvnsetupdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

QSpinBox* spinBox(int minimum, int maximum, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

ZvnSetupDialog::ZvnSetupDialog(const Settings& settings, const ExtendedSettings& extended, QWidget* owner)
    : QDialog(owner),
      settings_(settings),
      extended_(extended),
      port_(spinBox(0, 65535, settings[1], this)),
      connect_(spinBox(100, 60000, extended[1], this)),
      answer_(spinBox(100, 60000, extended[2], this)),
      transfer_(spinBox(100, 60000, extended[5], this))
{
    setWindowTitle(QStringLiteral("Drive network settings"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Gateway"), new QLabel(QStringLiteral("127.0.0.1 (this computer)"), this));
    port_->setSpecialValueText(QStringLiteral("from ZVNAPI_PORT"));
    form->addRow(QStringLiteral("Gateway port"), port_);
    form->addRow(QStringLiteral("Connection time-out (ms)"), connect_);
    form->addRow(QStringLiteral("Answer time-out (ms)"), answer_);
    form->addRow(QStringLiteral("Transfer time-out (ms)"), transfer_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

ZvnSetupDialog::Settings ZvnSetupDialog::settings() const
{
    Settings result = settings_;
    result[0] = 3;
    result[1] = port_->value();
    return result;
}

ZvnSetupDialog::ExtendedSettings ZvnSetupDialog::extended() const
{
    ExtendedSettings result = extended_;
    result[1] = connect_->value();
    result[2] = answer_->value();
    result[5] = transfer_->value();
    return result;
}
