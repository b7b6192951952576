#include "sizereportwindow.h"

#include "budgetmeter.h"
#include "shell/startupsequence.h"
#include "sizebarchart.h"

#include "build/sizeanalysis.h"
#include "build/sizecomparison.h"
#include "model/theapp.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"
#include "views/keyednames.h"
#include "xmlfiles/driveloader.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdlib>
#include <functional>
#include <map>

namespace {

// Keypad control codes as "_" and a line break as "|", so a text fits its row.
QString readable(const std::string& text)
{
    std::string shown;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        shown += code == 0x0D ? '|' : code < 0x20 ? '_' : c;
    }
    return toQt(shown);
}

QTableWidgetItem* number(std::int64_t value)
{
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, static_cast<qlonglong>(value));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A change sorts by its size, growth or shrinkage alike, so the largest comes first.
class ChangeItem : public QTableWidgetItem {
public:
    explicit ChangeItem(std::int64_t change)
    {
        setData(Qt::DisplayRole, static_cast<qlonglong>(change));
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return std::llabs(data(Qt::DisplayRole).toLongLong()) < std::llabs(other.data(Qt::DisplayRole).toLongLong());
    }
};

QTableWidgetItem* text(const QString& value)
{
    return new QTableWidgetItem(value);
}

// Ids first, so that the column still sorts by them; the name says what the id is.
QTableWidgetItem* menuNamed(const std::string& key, const std::string& name)
{
    return text(toQt(KeyedNames::menu(key, nullptr, name)));
}

QTableWidgetItem* parameterNamed(const std::string& key, const std::string& name)
{
    return text(toQt(KeyedNames::parameter(key, nullptr, name)));
}

// Fills one row; the first cell carries the keys a double click opens.
void setRow(QTableWidget* table, int row, const std::string& menuKey, const std::string& paraKey,
            std::initializer_list<QTableWidgetItem*> cells)
{
    int column = 0;
    for (QTableWidgetItem* cell : cells) {
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, column++, cell);
    }
    table->item(row, 0)->setData(SizeReportWindow::MenuKeyRole, toQt(menuKey));
    table->item(row, 0)->setData(SizeReportWindow::ParaKeyRole, toQt(paraKey));
}

QTableWidget* newTable(const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// Sorting stays off while rows are filled, or each new cell would move its row.
void fillSorted(QTableWidget* table, int rows, int sortColumn, const std::function<void(int)>& fillRow)
{
    table->setSortingEnabled(false);
    table->setRowCount(rows);
    for (int r = 0; r < rows; ++r) fillRow(r);
    table->setSortingEnabled(true);
    table->sortByColumn(sortColumn, Qt::DescendingOrder);
    table->resizeColumnsToContents();
}

} // namespace

SizeReportWindow::SizeReportWindow(kpd::UserInterface& ui, QString programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      ui_(ui),
      folder_(std::move(programFolder)),
      summary_(new QLabel(this)),
      filter_(new QLineEdit(this)),
      chart_(new SizeBarChart(this)),
      tabs_(new QTabWidget(this))
{
    setObjectName(QStringLiteral("SizeReportWindow"));
    setWindowTitle(QStringLiteral("Size report"));
    tables_[Menus] = newTable({QStringLiteral("Menu"), QStringLiteral("Parameters"), QStringLiteral("Bytes")}, this);
    tables_[Parameters] = newTable({QStringLiteral("Menu"), QStringLiteral("Parameter"), QStringLiteral("Bytes"),
                                    QStringLiteral("Saved by sharing")},
                                   this);
    tables_[Strings] = newTable({QStringLiteral("Menu"), QStringLiteral("Parameter"), QStringLiteral("Bytes"),
                                 QStringLiteral("Shared by"), QStringLiteral("Saved by sharing"),
                                 QStringLiteral("Kind"), QStringLiteral("Text")},
                                this);
    tables_[Words] =
        newTable({QStringLiteral("Word"), QStringLiteral("Saved"), QStringLiteral("Cost"), QStringLiteral("Net"),
                  QStringLiteral("Tokens"), QStringLiteral("Count"), QStringLiteral("Index")},
                 this);
    tables_[Changes] = newTable({QStringLiteral("Menu"), QStringLiteral("Parameter"), QStringLiteral("Before"),
                                 QStringLiteral("After"), QStringLiteral("Change")},
                                this);
    tabs_->addTab(tables_[Menus], QStringLiteral("Menus"));
    tabs_->addTab(tables_[Parameters], QStringLiteral("Parameters"));
    tabs_->addTab(tables_[Strings], QStringLiteral("Strings"));
    tabs_->addTab(tables_[Words], QStringLiteral("Dictionary words"));
    tabs_->addTab(tables_[Changes], QStringLiteral("Changes"));
    tabs_->setTabEnabled(Changes, false);
    for (QTableWidget* table : tables_)
        connect(table, &QTableWidget::cellDoubleClicked, this, &SizeReportWindow::activated);

    filter_->setPlaceholderText(QStringLiteral("Filter"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, &SizeReportWindow::applyFilter);
    auto* compare = new QPushButton(QStringLiteral("Compare with file..."), this);
    connect(compare, &QPushButton::clicked, this, &SizeReportWindow::chooseComparison);

    auto* top = new QHBoxLayout;
    top->addWidget(summary_, 1);
    top->addWidget(filter_);
    top->addWidget(compare);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(chart_);
    layout->addWidget(tabs_, 1);
    resize(820, 560);
}

QTableWidget* SizeReportWindow::table(Table which) const
{
    return tables_[which];
}

void SizeReportWindow::setReport(std::shared_ptr<const kpd::SizeReport> report)
{
    report_ = std::move(report);
    chart_->setReport(report_);
    fill();
    fillChanges();
    applyFilter(filter_->text());
}

void SizeReportWindow::fill()
{
    if (!report_) return;
    const kpd::SizeReport& r = *report_;
    if (!r.built()) {
        summary_->setText(QStringLiteral("The set cannot be built: ") + QString::fromStdString(r.failure));
        return;
    }
    const std::int64_t left = static_cast<std::int64_t>(r.limit) - r.totalBytes;
    summary_->setText(BudgetMeter::grouped(r.totalBytes) + QStringLiteral(" bytes used of ") +
                      BudgetMeter::grouped(r.limit) + QStringLiteral(", ") +
                      (left >= 0 ? BudgetMeter::grouped(left) + QStringLiteral(" left")
                                 : BudgetMeter::grouped(-left) + QStringLiteral(" too many")) +
                      QStringLiteral("; header and menu table ") + BudgetMeter::grouped(r.tableBytes) +
                      QStringLiteral(", dictionary ") + BudgetMeter::grouped(r.dictionaryBytes));

    fillSorted(tables_[Menus], static_cast<int>(r.menus.size()), 2, [&](int row) {
        const kpd::MenuSize& m = r.menus[static_cast<std::size_t>(row)];
        setRow(tables_[Menus], row, m.menuKey, {},
               {menuNamed(m.menuKey, m.menuName), number(m.parameters), number(m.bytes)});
    });
    fillSorted(tables_[Parameters], static_cast<int>(r.parameters.size()), 2, [&](int row) {
        const kpd::ParamSize& p = r.parameters[static_cast<std::size_t>(row)];
        setRow(tables_[Parameters], row, p.menuKey, p.paraKey,
               {menuNamed(p.menuKey, p.menuName), parameterNamed(p.paraKey, p.paraName), number(p.bytes),
                number(p.savedBySharing)});
    });
    fillSorted(tables_[Strings], static_cast<int>(r.strings.size()), 2, [&](int row) {
        const kpd::StringSize& s = r.strings[static_cast<std::size_t>(row)];
        const kpd::ParamSize& owner = r.parameters[s.owner];
        setRow(tables_[Strings], row, owner.menuKey, owner.paraKey,
               {menuNamed(owner.menuKey, owner.menuName), parameterNamed(owner.paraKey, owner.paraName),
                number(s.bytes), number(static_cast<std::int64_t>(s.sharedBy.size())), number(s.savedBySharing),
                text(s.help ? QStringLiteral("help") : QStringLiteral("description")), text(readable(s.text))});
    });
    fillSorted(tables_[Words], static_cast<int>(r.words.size()), 1, [&](int row) {
        const kpd::WordSize& w = r.words[static_cast<std::size_t>(row)];
        setRow(tables_[Words], row, {}, {},
               {text(readable(w.word)), number(w.saved), number(w.cost), number(w.net()), number(w.tokens),
                number(w.occurrences), number(w.index)});
    });
}

void SizeReportWindow::fillChanges()
{
    if (!report_ || !compared_ || !report_->built()) return;
    std::vector<kpd::SizeChange> changes = kpd::SizeComparison::menus(*compared_, *report_);
    const std::vector<kpd::SizeChange> params = kpd::SizeComparison::parameters(*compared_, *report_);
    changes.insert(changes.end(), params.begin(), params.end());
    // Named as the set names them now; a parameter gone since has only its ids.
    std::map<std::string, std::string> names;
    for (const kpd::ParamSize& p : report_->parameters) {
        names.emplace(p.menuKey, p.menuName);
        names.emplace(p.menuKey + '\n' + p.paraKey, p.paraName);
    }
    const auto nameOf = [&](const std::string& key) {
        const auto found = names.find(key);
        return found == names.end() ? std::string() : found->second;
    };
    QTableWidget* table = tables_[Changes];
    fillSorted(table, static_cast<int>(changes.size()), 4, [&](int row) {
        const kpd::SizeChange& c = changes[static_cast<std::size_t>(row)];
        setRow(table, row, c.menuKey, c.paraKey,
               {menuNamed(c.menuKey, nameOf(c.menuKey)),
                c.paraKey.empty() ? text({}) : parameterNamed(c.paraKey, nameOf(c.menuKey + '\n' + c.paraKey)),
                number(c.before), number(c.after), new ChangeItem(c.change())});
    });
    tabs_->setTabEnabled(Changes, true);
    tabs_->setTabText(Changes, QStringLiteral("Changes from ") + QFileInfo(comparedFile_).fileName());
}

void SizeReportWindow::chooseComparison()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Compare with file"), folder_,
                                                      QStringLiteral("Keypad data files (*.kpd);;All files (*)"));
    if (!file.isEmpty()) compareWith(file);
}

void SizeReportWindow::compareWith(const QString& file)
{
    bool read = false;
    reportFailures(ui_, [&] {
        // A data root of its own: the set being edited stays as it is.
        kpd::TheApp other(ui_, toFileName(folder_));
        kpd::DriveLoader loader(other);
        if (loader.readConfiguration() != kpd::DriveLoader::Configuration::Read) return;
        loader.loadConstants();
        if (!loader.loadFile(toFileName(file))) return;
        compared_ = std::make_shared<const kpd::SizeReport>(kpd::SizeAnalysis::analyse(other));
        read = true;
    });
    if (!read) return;
    comparedFile_ = file;
    fillChanges();
    tabs_->setCurrentIndex(Changes);
    applyFilter(filter_->text());
}

void SizeReportWindow::applyFilter(const QString& wanted)
{
    for (QTableWidget* table : tables_) {
        for (int row = 0; row < table->rowCount(); ++row) {
            bool match = wanted.isEmpty();
            for (int column = 0; !match && column < table->columnCount(); ++column)
                if (const QTableWidgetItem* item = table->item(row, column))
                    match = item->text().contains(wanted, Qt::CaseInsensitive);
            table->setRowHidden(row, !match);
        }
    }
}

void SizeReportWindow::activated(int row, int)
{
    auto* table = qobject_cast<QTableWidget*>(sender());
    const QTableWidgetItem* first = table ? table->item(row, 0) : nullptr;
    if (!first) return;
    const std::string menuKey = toModel(first->data(MenuKeyRole).toString());
    const std::string paraKey = toModel(first->data(ParaKeyRole).toString());
    if (menuKey.empty()) return;
    if (paraKey.empty())
        emit openMenu(menuKey);
    else
        emit openParameter(menuKey, paraKey);
}
