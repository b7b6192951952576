#include "translationexportdialog.h"

#include "shell/filechooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

QWidget* withButton(QWidget* parent, QLineEdit* edit, QPushButton* button)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    return row;
}

} // namespace

TranslationExportDialog::TranslationExportDialog(const QStringList& references, QWidget* parent)
    : QDialog(parent),
      cboFormat_(new QComboBox(this)),
      cboReference_(new QComboBox(this)),
      txtTarget_(new QLineEdit(QStringLiteral("und"), this)),
      cboTexts_(new QComboBox(this)),
      txtBase_(new QLineEdit(this)),
      btnBase_(new QPushButton(QStringLiteral("Browse..."), this)),
      txtFile_(new QLineEdit(this)),
      chkFont_(new QCheckBox(QStringLiteral("Put the keypad font (keypad-lcd.ttf) beside the file"), this))
{
    setWindowTitle(QStringLiteral("Export for translation"));
    cboFormat_->setObjectName(QStringLiteral("cboFormat"));
    cboReference_->setObjectName(QStringLiteral("cboReference"));
    txtTarget_->setObjectName(QStringLiteral("txtTarget"));
    cboTexts_->setObjectName(QStringLiteral("cboTexts"));
    txtBase_->setObjectName(QStringLiteral("txtBase"));
    btnBase_->setObjectName(QStringLiteral("btnBase"));
    txtFile_->setObjectName(QStringLiteral("txtFile"));
    chkFont_->setObjectName(QStringLiteral("chkFont"));
    cboFormat_->addItem(QStringLiteral("XLIFF 1.2"), static_cast<int>(kpd::ExchangeFormat::Xliff12));
    cboFormat_->addItem(QStringLiteral("XLIFF 2.1"), static_cast<int>(kpd::ExchangeFormat::Xliff21));
    cboFormat_->addItem(QStringLiteral("PO (gettext)"), static_cast<int>(kpd::ExchangeFormat::Po));
    cboReference_->addItems(references);
    txtTarget_->setToolTip(QStringLiteral("Language tag of the translation, such as de or pt-BR"));
    cboTexts_->addItem(QStringLiteral("All texts"), static_cast<int>(kpd::ExportSelection::All));
    cboTexts_->addItem(QStringLiteral("Only empty texts"), static_cast<int>(kpd::ExportSelection::Empty));
    cboTexts_->addItem(QStringLiteral("Only texts still as the reference"),
                       static_cast<int>(kpd::ExportSelection::Unchanged));
    cboTexts_->addItem(QStringLiteral("Only texts changed since a base file"),
                       static_cast<int>(kpd::ExportSelection::ChangedSince));
    auto* btnFile = new QPushButton(QStringLiteral("Browse..."), this);
    btnFile->setObjectName(QStringLiteral("btnFile"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnOk_ = buttons->button(QDialogButtonBox::Ok);
    btnOk_->setText(QStringLiteral("Export"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Format:"), cboFormat_);
    form->addRow(QStringLiteral("Reference language:"), cboReference_);
    form->addRow(QStringLiteral("Translation language:"), txtTarget_);
    form->addRow(QStringLiteral("Texts:"), cboTexts_);
    form->addRow(QStringLiteral("Base file:"), withButton(this, txtBase_, btnBase_));
    form->addRow(QStringLiteral("File:"), withButton(this, txtFile_, btnFile));
    form->addRow(QString(), chkFont_);
    form->addRow(buttons);
    txtFile_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnFile, &QPushButton::clicked, this, &TranslationExportDialog::chooseFile);
    connect(btnBase_, &QPushButton::clicked, this, &TranslationExportDialog::chooseBase);
    connect(cboTexts_, &QComboBox::currentIndexChanged, this, &TranslationExportDialog::update);
    connect(txtFile_, &QLineEdit::textChanged, this, &TranslationExportDialog::update);
    connect(txtBase_, &QLineEdit::textChanged, this, &TranslationExportDialog::update);
    update();
}

TranslationExportDialog::Choice TranslationExportDialog::choice() const
{
    return {static_cast<kpd::ExchangeFormat>(cboFormat_->currentData().toInt()),
            cboReference_->currentText(),
            txtTarget_->text().trimmed().isEmpty() ? QStringLiteral("und") : txtTarget_->text().trimmed(),
            static_cast<kpd::ExportSelection>(cboTexts_->currentData().toInt()),
            txtBase_->text(),
            txtFile_->text(),
            chkFont_->isChecked()};
}

void TranslationExportDialog::setFile(const QString& file)
{
    txtFile_->setText(file);
}
void TranslationExportDialog::setBase(const QString& base)
{
    txtBase_->setText(base);
}

void TranslationExportDialog::setSelection(kpd::ExportSelection selection)
{
    cboTexts_->setCurrentIndex(cboTexts_->findData(static_cast<int>(selection)));
}

void TranslationExportDialog::setFormat(kpd::ExchangeFormat format)
{
    cboFormat_->setCurrentIndex(cboFormat_->findData(static_cast<int>(format)));
}

QString TranslationExportDialog::suffixOf(kpd::ExchangeFormat format)
{
    return format == kpd::ExchangeFormat::Po ? QStringLiteral("po") : QStringLiteral("xlf");
}

void TranslationExportDialog::chooseFile()
{
    const kpd::ExchangeFormat format = choice().format;
    const QString suffix = suffixOf(format);
    const QString filter = format == kpd::ExchangeFormat::Po ? QStringLiteral("PO file (*.po)")
                                                             : QStringLiteral("XLIFF file (*.xlf *.xliff)");
    const QString file =
        FileChooser(this)
            .choose(
                {FileChooser::Kind::Save, QStringLiteral("Export for translation"), {filter}, suffix, txtFile_->text()})
            .name;
    if (!file.isEmpty()) txtFile_->setText(file);
}

void TranslationExportDialog::chooseBase()
{
    const QString file = FileChooser(this)
                             .choose({FileChooser::Kind::Open,
                                      QStringLiteral("Base keypad string file"),
                                      {FileChooser::keypadFilter()},
                                      QStringLiteral("kpd"),
                                      {}})
                             .name;
    if (!file.isEmpty()) txtBase_->setText(file);
}

void TranslationExportDialog::update()
{
    const bool changedSince = choice().selection == kpd::ExportSelection::ChangedSince;
    txtBase_->setEnabled(changedSince);
    btnBase_->setEnabled(changedSince);
    btnOk_->setEnabled(!txtFile_->text().isEmpty() && (!changedSince || !txtBase_->text().isEmpty()));
}
