#include "glossarywindow.h"

#include "checks/checkinput.h"
#include "fileio/filereaderror.h"
#include "fileio/filewriteerror.h"
#include "model/theapp.h"
#include "model/userinterface.h"
#include "modeltext/modeltext.h"
#include "views/screenfit.h"
#include "views/spellingsession.h"
#include "xmlfiles/fixedfile.h"
#include "xmlfiles/tbxfile.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Offered besides the glossary's own languages: those of the dictionaries the drive
// data is usually translated with.
const char* const kCommonLanguages[] = {"fr", "de", "it", "es", "en"};

} // namespace

GlossaryWindow::GlossaryWindow(kpd::UserInterface& ui, QString folder, std::string referenceLanguage, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      folder_(std::move(folder)),
      reference_(std::move(referenceLanguage)),
      cboLanguage_(new QComboBox(this)),
      txtFilter_(new QLineEdit(this)),
      lstTerms_(new QTableWidget(this)),
      btnAdd_(new QPushButton(QStringLiteral("&Add term"), this)),
      btnRemove_(new QPushButton(QStringLiteral("&Remove term"), this)),
      btnSave_(new QPushButton(QStringLiteral("&Save"), this)),
      btnClose_(new QPushButton(QStringLiteral("&Close"), this))
{
    setObjectName(QStringLiteral("frmGlossary"));
    setWindowTitle(QStringLiteral("Glossary"));
    cboLanguage_->setObjectName(QStringLiteral("cboLanguage"));
    txtFilter_->setObjectName(QStringLiteral("txtFilter"));
    lstTerms_->setObjectName(QStringLiteral("lstTerms"));
    btnAdd_->setObjectName(QStringLiteral("btnAdd"));
    btnRemove_->setObjectName(QStringLiteral("btnRemove"));
    btnSave_->setObjectName(QStringLiteral("btnSave"));
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    txtFilter_->setPlaceholderText(QStringLiteral("Filter: a part of any form or note"));
    txtFilter_->setClearButtonEnabled(true);
    cboLanguage_->setEditable(true);
    cboLanguage_->setToolTip(QStringLiteral("The language the custom set is translated into"));

    kpd::Glossary glossary;
    try {
        glossary = kpd::TbxFile::loadIfPresent(toModel(path()));
    } catch (const kpd::FileReadError& error) {
        ui_.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
    const std::string custom = glossary.otherLanguage(reference_);
    for (const std::string& code : glossary.languages())
        if (kpd::Glossary::primaryLanguage(code) != kpd::Glossary::primaryLanguage(reference_))
            cboLanguage_->addItem(toQt(code));
    for (const char* code : kCommonLanguages)
        if (code != reference_ && cboLanguage_->findText(QLatin1String(code)) < 0)
            cboLanguage_->addItem(QLatin1String(code));
    if (!custom.empty()) cboLanguage_->setCurrentText(toQt(custom));
    table_ = std::make_unique<kpd::GlossaryTable>(
        std::move(glossary), std::vector<std::string>{reference_, toModel(cboLanguage_->currentText())});

    lstTerms_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    lstTerms_->horizontalHeader()->setStretchLastSection(true);
    lstTerms_->verticalHeader()->hide();
    lstTerms_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstTerms_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Custom language:"), this));
    top->addWidget(cboLanguage_);
    top->addWidget(txtFilter_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAdd_);
    buttons->addWidget(btnRemove_);
    buttons->addStretch(1);
    buttons->addWidget(btnSave_);
    buttons->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lstTerms_, 1);
    layout->addLayout(buttons);

    connect(txtFilter_, &QLineEdit::textChanged, this, &GlossaryWindow::applyFilter);
    connect(cboLanguage_, &QComboBox::currentTextChanged, this, &GlossaryWindow::showLanguage);
    connect(lstTerms_, &QTableWidget::cellChanged, this, &GlossaryWindow::cellEdited);
    connect(btnAdd_, &QPushButton::clicked, this, [this] { addTerm(QString(), false); });
    connect(btnRemove_, &QPushButton::clicked, this, &GlossaryWindow::removeSelected);
    connect(btnSave_, &QPushButton::clicked, this, &GlossaryWindow::save);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
    fill();
    ScreenFit::resize(*this, {1000, 480});
}

GlossaryWindow::~GlossaryWindow() = default;

QString GlossaryWindow::path() const
{
    return toQt(kpd::FixedFile::path(toModel(folder_), kpd::Glossary::kFileName));
}

void GlossaryWindow::edit(kpd::UserInterface& ui, const kpd::TheApp& app, QWidget* parent, const QString& text,
                          bool reference)
{
    GlossaryWindow window(ui, toQt(app.appFolder()), kpd::CheckInput::referenceLanguageOf(app), parent);
    if (!text.trimmed().isEmpty()) window.addTerm(text, reference);
    window.exec();
    // The glossary's forms are words spelling accepts.
    SpellingSession::instance().reload();
}

void GlossaryWindow::fill()
{
    QScopedValueRollback<bool> filling(filling_, true);
    const auto& columns = table_->columns();
    lstTerms_->clear();
    lstTerms_->setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const auto& column : columns) titles << toQt(kpd::GlossaryTable::title(column));
    lstTerms_->setHorizontalHeaderLabels(titles);
    lstTerms_->setRowCount(static_cast<int>(table_->rows()));
    for (std::size_t row = 0; row < table_->rows(); ++row)
        for (std::size_t column = 0; column < columns.size(); ++column)
            lstTerms_->setItem(static_cast<int>(row), static_cast<int>(column),
                               new QTableWidgetItem(toQt(table_->cell(row, column))));
    lstTerms_->resizeColumnsToContents();
    applyFilter(txtFilter_->text());
}

void GlossaryWindow::cellEdited(int row, int column)
{
    if (filling_) return;
    table_->setCell(static_cast<std::size_t>(row), static_cast<std::size_t>(column),
                    toModel(lstTerms_->item(row, column)->text()));
}

void GlossaryWindow::addTerm(const QString& text, bool reference)
{
    const std::string language = reference ? reference_ : toModel(cboLanguage_->currentText());
    const std::size_t row = table_->addTerm(language, toModel(text.simplified()));
    // A filter that would hide the new term goes.
    txtFilter_->clear();
    fill();
    const auto& columns = table_->columns();
    const auto full = std::find_if(columns.begin(), columns.end(), [&](const kpd::GlossaryTable::Column& c) {
        return c.language == language && c.part == kpd::GlossaryTable::Part::Full;
    });
    const int column = static_cast<int>(full - columns.begin());
    lstTerms_->setCurrentCell(static_cast<int>(row), column);
    lstTerms_->scrollToItem(lstTerms_->item(static_cast<int>(row), column));
}

void GlossaryWindow::removeSelected()
{
    const int row = lstTerms_->currentRow();
    if (row < 0) return;
    table_->removeTerm(static_cast<std::size_t>(row));
    fill();
}

bool GlossaryWindow::save()
{
    try {
        kpd::TbxFile::save(toModel(path()), table_->glossary());
    } catch (const kpd::FileWriteError& error) {
        ui_.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
        return false;
    }
    table_->setSaved();
    return true;
}

void GlossaryWindow::applyFilter(const QString& text)
{
    const std::string filter = toModel(text);
    for (int row = 0; row < lstTerms_->rowCount(); ++row)
        lstTerms_->setRowHidden(row, !table_->shows(static_cast<std::size_t>(row), filter));
}

void GlossaryWindow::showLanguage(const QString& code)
{
    if (code.trimmed().isEmpty()) return;
    table_->showLanguages({reference_, toModel(code.trimmed())});
    fill();
}

void GlossaryWindow::done(int result)
{
    if (table_->edited()) {
        const kpd::MessageAnswer answer = ui_.message("Save the changes to the glossary?", "Glossary",
                                                      kpd::MessageIcon::Question, kpd::MessageButtons::YesNoCancel);
        if (answer == kpd::MessageAnswer::Cancel || (answer == kpd::MessageAnswer::Yes && !save())) return;
    }
    QDialog::done(result);
}
