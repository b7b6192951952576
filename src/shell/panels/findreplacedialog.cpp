#include "findreplacedialog.h"

#include "keypadlinesdelegate.h"
#include "shell/keypaddisplaymimic.h"
#include "textslistmodel.h"

#include "checks/textrows.h"
#include "model/theapp.h"
#include "model/userinterface.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { Take, Where, Before, After, Warning, ColumnCount };

QTableWidgetItem* keypadItem(const std::string& escaped)
{
    auto* item = new QTableWidgetItem(toQt(escaped));
    item->setData(TextsListModel::EscapedRole, QByteArray(escaped.data(), static_cast<qsizetype>(escaped.size())));
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QTableWidgetItem* plainItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString where(const kpd::TextRows& rows, std::size_t i)
{
    const kpd::TextRows::Row& row = rows.row(i);
    return toQt(row.menu->menuKey()) + QLatin1Char(' ') + toQt(row.param->paraKey()) + QStringLiteral("  ") +
           toQt(row.param->paraName()) + QStringLiteral(" (") + toQt(row.mode->modeKey()) + QStringLiteral(", ") +
           toQt(std::string(kpd::fieldName(row.field))) + QLatin1Char(')');
}

QCheckBox* option(const QString& text, const char* name, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

FindReplaceDialog::FindReplaceDialog(kpd::TextRows& rows, const TextsListModel& costs, kpd::UserInterface& ui,
                                     QWidget* parent)
    : QDialog(parent),
      rows_(rows),
      costs_(costs),
      ui_(ui),
      find_(new QLineEdit(this)),
      replace_(new QLineEdit(this)),
      wholeWord_(option(QStringLiteral("&Whole word"), "chkWholeWord", this)),
      matchCase_(option(QStringLiteral("Match &case"), "chkMatchCase", this)),
      regularExpression_(option(QStringLiteral("Regular e&xpression"), "chkRegex", this)),
      references_(option(QStringLiteral("Find in the re&ferences too"), "chkReferences", this)),
      results_(new QTableWidget(0, ColumnCount, this)),
      summary_(new QLabel(this)),
      replaceButton_(new QPushButton(QStringLiteral("&Replace"), this)),
      undoButton_(new QPushButton(QStringLiteral("&Undo replacement"), this))
{
    setObjectName(QStringLiteral("dlgFindReplace"));
    setWindowTitle(QStringLiteral("Find and replace"));
    find_->setObjectName(QStringLiteral("txtFind"));
    replace_->setObjectName(QStringLiteral("txtReplace"));
    results_->setObjectName(QStringLiteral("lstResults"));
    summary_->setObjectName(QStringLiteral("lblSummary"));
    replaceButton_->setObjectName(QStringLiteral("btnReplace"));
    undoButton_->setObjectName(QStringLiteral("btnUndoReplace"));
    results_->setHorizontalHeaderLabels({QStringLiteral("Take"), QStringLiteral("Text"), QStringLiteral("Now"),
                                         QStringLiteral("After"), QStringLiteral("Warning")});
    results_->verticalHeader()->hide();
    results_->verticalHeader()->setDefaultSectionSize(
        KeypadLinesDelegate::kShownLines * KeypadDisplayMimic::cellSize(KeypadLinesDelegate::kDot).height() +
        2 * KeypadLinesDelegate::kMargin);
    results_->horizontalHeader()->setStretchLastSection(true);
    results_->setItemDelegate(new KeypadLinesDelegate(results_));
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    summary_->setWordWrap(true);
    replaceButton_->setEnabled(false);
    undoButton_->setEnabled(false);

    auto* findButton = new QPushButton(QStringLiteral("&Find"), this);
    findButton->setObjectName(QStringLiteral("btnFind"));
    auto* previewButton = new QPushButton(QStringLiteral("&Preview"), this);
    previewButton->setObjectName(QStringLiteral("btnPreview"));
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("F&ind:"), find_);
    form->addRow(QStringLiteral("Replace wit&h:"), replace_);
    auto* options = new QHBoxLayout;
    for (QCheckBox* box : {wholeWord_, matchCase_, regularExpression_, references_}) options->addWidget(box);
    options->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {findButton, previewButton, replaceButton_, undoButton_}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(options);
    layout->addWidget(results_, 1);
    layout->addWidget(summary_);
    layout->addLayout(buttons);
    resize(760, 480);

    connect(findButton, &QPushButton::clicked, this, &FindReplaceDialog::find);
    connect(previewButton, &QPushButton::clicked, this, &FindReplaceDialog::preview);
    connect(replaceButton_, &QPushButton::clicked, this, &FindReplaceDialog::replace);
    connect(undoButton_, &QPushButton::clicked, this, &FindReplaceDialog::undoReplace);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void FindReplaceDialog::setOptions(const kpd::FindReplace::Options& options)
{
    find_->setText(toQt(options.find));
    replace_->setText(toQt(options.replace));
    wholeWord_->setChecked(options.wholeWord);
    matchCase_->setChecked(options.matchCase);
    regularExpression_->setChecked(options.regularExpression);
    references_->setChecked(options.inReferences);
}

kpd::FindReplace::Options FindReplaceDialog::options() const
{
    kpd::FindReplace::Options options;
    options.find = toModel(find_->text());
    options.replace = toModel(replace_->text());
    options.wholeWord = wholeWord_->isChecked();
    options.matchCase = matchCase_->isChecked();
    options.regularExpression = regularExpression_->isChecked();
    options.inReferences = references_->isChecked();
    return options;
}

std::optional<kpd::FindReplace> FindReplaceDialog::engine()
{
    std::optional<kpd::FindReplace> built;
    reportFailures(ui_, [&] { built.emplace(options()); });
    return built;
}

void FindReplaceDialog::find()
{
    const std::optional<kpd::FindReplace> finder = engine();
    if (!finder) return;
    changes_.clear();
    replaceButton_->setEnabled(false);
    const std::vector<kpd::FindReplace::Hit> hits = finder->find(rows_);
    results_->setRowCount(0);
    results_->setRowCount(static_cast<int>(hits.size()));
    for (int r = 0; r < results_->rowCount(); ++r) {
        const kpd::FindReplace::Hit& hit = hits[static_cast<std::size_t>(r)];
        results_->setItem(r, Take, plainItem(hit.reference ? QStringLiteral("reference") : QStringLiteral("custom")));
        results_->setItem(r, Where, plainItem(where(rows_, hit.row)));
        results_->setItem(r, Before, keypadItem(hit.reference ? rows_.refText(hit.row) : rows_.text(hit.row)));
        results_->setItem(r, After, plainItem({}));
        results_->setItem(r, Warning, plainItem({}));
    }
    summary_->setText(QString::number(hits.size()) +
                      (hits.size() == 1 ? QStringLiteral(" match") : QStringLiteral(" matches")));
}

void FindReplaceDialog::preview()
{
    const std::optional<kpd::FindReplace> finder = engine();
    if (!finder) return;
    changes_ = finder->preview(rows_);
    showChanges();
}

void FindReplaceDialog::showChanges()
{
    results_->setRowCount(0);
    results_->setRowCount(static_cast<int>(changes_.size()));
    int matches = 0;
    int marked = 0;
    for (int r = 0; r < results_->rowCount(); ++r) {
        const kpd::FindReplace::Change& change = changes_[static_cast<std::size_t>(r)];
        matches += change.matches;
        QStringList warnings;
        if (change.overflows) warnings << QStringLiteral("overflows the keypad");
        if (change.losesGlyph) warnings << QStringLiteral("a character without a glyph");
        if (!warnings.isEmpty()) ++marked;
        auto* take = plainItem({});
        take->setFlags(take->flags() | Qt::ItemIsUserCheckable);
        take->setCheckState(warnings.isEmpty() ? Qt::Checked : Qt::Unchecked);
        results_->setItem(r, Take, take);
        results_->setItem(r, Where, plainItem(where(rows_, change.row)));
        results_->setItem(r, Before, keypadItem(change.before));
        results_->setItem(r, After, keypadItem(change.after));
        results_->setItem(r, Warning, plainItem(warnings.join(QStringLiteral(", "))));
    }
    replaceButton_->setEnabled(!changes_.empty());
    summary_->setText(QString::number(matches) + QStringLiteral(" replacements in ") +
                      QString::number(changes_.size()) + QStringLiteral(" texts; ") + QString::number(marked) +
                      QStringLiteral(" left out unless ticked (overflow or a missing glyph)"));
}

void FindReplaceDialog::replace()
{
    // A ticked change is wanted even when marked; an unticked one is not, marked or not.
    std::vector<kpd::FindReplace::Change> chosen;
    for (int r = 0; r < results_->rowCount() && static_cast<std::size_t>(r) < changes_.size(); ++r) {
        if (results_->item(r, Take)->checkState() != Qt::Checked) continue;
        chosen.push_back(changes_[static_cast<std::size_t>(r)]);
        chosen.back().insisted = true;
    }
    kpd::FindReplace::Cost cost;
    if (costs_.hasEstimator())
        cost = [this](std::size_t row, const std::string& text) { return *costs_.cost(row, text); };
    lastRun_ = kpd::FindReplace::apply(rows_, chosen, cost);
    changes_.clear();
    results_->setRowCount(0);
    replaceButton_->setEnabled(false);
    undoButton_->setEnabled(!lastRun_->previous.empty());
    const std::int64_t saved = lastRun_->bytesSaved;
    summary_->setText(QString::number(lastRun_->replacements) + QStringLiteral(" replacements in ") +
                      QString::number(lastRun_->previous.size()) + QStringLiteral(" texts; ") +
                      (!cost        ? QStringLiteral("the bytes are known after the next size analysis")
                       : saved >= 0 ? QStringLiteral("saves ") + QString::number(saved) + QStringLiteral(" bytes")
                                    : QStringLiteral("costs ") + QString::number(-saved) + QStringLiteral(" bytes")));
    emit textsWritten();
}

void FindReplaceDialog::undoReplace()
{
    if (!lastRun_) return;
    kpd::FindReplace::undo(rows_, *lastRun_);
    summary_->setText(QStringLiteral("Replacement undone in ") + QString::number(lastRun_->previous.size()) +
                      QStringLiteral(" texts"));
    lastRun_.reset();
    undoButton_->setEnabled(false);
    emit textsWritten();
}
