#include "comparewindow.h"

#include "shell/backgroundanalysis.h"
#include "cellmarkoverlay.h"
#include "shell/drivedocument.h"

#include "compare/cellchanges.h"
#include "compare/setcomparison.h"
#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/counted.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "views/parampanel.h"
#include "views/screenfit.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumns = 16;

std::string keptKey(const kpd::Difference& d)
{
    return d.menuKey() + '\n' + d.paraKey() + '\n' + d.modeKey() + '\n' + kpd::fieldName(d.field) + '\n' +
           kpd::fieldText(d.ours, d.field) + '\n' + kpd::fieldText(d.theirs, d.field);
}

// The control's library is looked for beside the program, as the parameter editor does.
LcdtextboxHost* makeBox(QWidget* parent, const char* name)
{
    auto* box = new LcdtextboxHost(parent);
    box->setObjectName(QString::fromLatin1(name));
    ParamPanel::configureBox(*box, kColumns, 2, 0, false);
    return box;
}

// A box whose control could not be created gets its marks on a hidden stand-in.
CellMarkOverlay* marksFor(LcdtextboxHost& box, QWidget* window)
{
    auto* marks =
        new CellMarkOverlay(box.widget() ? box.widget() : window, ParamPanel::kCellWidth, ParamPanel::kCellHeight);
    marks->setVisible(box.widget() != nullptr);
    return marks;
}

void showText(LcdtextboxHost& box, const std::string& text, int rows)
{
    ParamPanel::configureBox(box, kColumns, rows, 0, false);
    box.setText(toQt(text));
}

} // namespace

CompareWindow::CompareWindow(DriveDocument& document, std::unique_ptr<kpd::ComparedFile> theirs,
                             const QString& theirName, std::unique_ptr<kpd::ComparedFile> base, const QString& baseName,
                             QWidget* parent)
    : QWidget(parent, Qt::Window),
      document_(document),
      theirs_(std::move(theirs)),
      base_(std::move(base)),
      theirSnapshot_(std::make_shared<const kpd::SetSnapshot>(theirs_->snapshot())),
      baseSnapshot_(base_ ? std::make_shared<const kpd::SetSnapshot>(base_->snapshot()) : nullptr),
      model_(new DifferenceTreeModel(this)),
      tree_(new QTreeView(this)),
      status_(new QLabel(this)),
      summary_(new QLabel(this)),
      baseLabel_(new QLabel(QStringLiteral("Base"), this)),
      baseBox_(makeBox(this, "gtbBase")),
      ourBox_(makeBox(this, "gtbOurs")),
      theirBox_(makeBox(this, "gtbTheirs")),
      ourMarks_(marksFor(*ourBox_, this)),
      theirMarks_(marksFor(*theirBox_, this)),
      takeTheirs_(new QPushButton(QStringLiteral("Take theirs"), this)),
      keepOurs_(new QPushButton(QStringLiteral("Keep ours"), this)),
      takeNonConflicting_(new QPushButton(QStringLiteral("Take all non-conflicting"), this))
{
    const QString fileName = QFileInfo(theirName).fileName();
    setWindowTitle(QStringLiteral("Compare with ") + fileName);
    tree_->setObjectName(QStringLiteral("tvwDifferences"));
    tree_->setModel(model_);
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree_->setMinimumWidth(380);
    takeTheirs_->setObjectName(QStringLiteral("btnTakeTheirs"));
    takeTheirs_->setToolTip(QStringLiteral("Take the other file's side for the selected difference or branch"));
    keepOurs_->setObjectName(QStringLiteral("btnKeepOurs"));
    keepOurs_->setToolTip(QStringLiteral("Keep the custom set's side for the selected difference or branch"));
    takeNonConflicting_->setObjectName(QStringLiteral("btnTakeNonConflicting"));
    takeNonConflicting_->setToolTip(QStringLiteral("Take the other file's side wherever only it changed"));
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setWordWrap(true);
    status_->setObjectName(QStringLiteral("lblStatus"));

    auto* sidesArea = new QWidget;
    auto* sides = new QGridLayout(sidesArea);
    const QString heading = base_ ? QStringLiteral("Custom set compared with %1, common base %2")
                                        .arg(fileName, QFileInfo(baseName).fileName())
                                  : QStringLiteral("Custom set compared with %1").arg(fileName);
    sides->addWidget(new QLabel(QStringLiteral("Ours (custom set)"), this), 0, 0);
    if (ourBox_->widget()) sides->addWidget(ourBox_->widget(), 1, 0, Qt::AlignLeft);
    sides->addWidget(new QLabel(QStringLiteral("Theirs (") + fileName + QLatin1Char(')'), this), 2, 0);
    if (theirBox_->widget()) sides->addWidget(theirBox_->widget(), 3, 0, Qt::AlignLeft);
    sides->addWidget(baseLabel_, 4, 0);
    if (baseBox_->widget()) sides->addWidget(baseBox_->widget(), 5, 0, Qt::AlignLeft);
    sides->setRowStretch(6, 1);
    baseLabel_->setVisible(base_ != nullptr);
    if (baseBox_->widget()) baseBox_->widget()->setVisible(base_ != nullptr);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(takeTheirs_);
    buttons->addWidget(keepOurs_);
    buttons->addWidget(takeNonConflicting_);
    buttons->addStretch();
    buttons->addWidget(status_);

    auto* top = new QHBoxLayout;
    top->addWidget(tree_, 1);
    auto* sidesScroll = new QScrollArea(this);
    sidesScroll->setObjectName(QStringLiteral("sidesScroll"));
    sidesScroll->setWidgetResizable(true);
    sidesScroll->setWidget(sidesArea);
    // The side shows whole beside a vertical scroll bar; only a long file name may scroll it sideways.
    const int boxesWidth = kColumns * ParamPanel::kCellWidth;
    sidesScroll->setMinimumWidth(std::min(sidesArea->sizeHint().width(), 2 * boxesWidth) +
                                 sidesScroll->verticalScrollBar()->sizeHint().width() + 2 * sidesScroll->frameWidth());
    top->addWidget(sidesScroll);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(heading, this));
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    layout->addWidget(summary_);
    ScreenFit::resize(*this, {860, 520});

    connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CompareWindow::showSelection);
    connect(takeTheirs_, &QPushButton::clicked, this, [this] { takeSelected(kpd::Side::Theirs); });
    connect(keepOurs_, &QPushButton::clicked, this, [this] { takeSelected(kpd::Side::Ours); });
    connect(takeNonConflicting_, &QPushButton::clicked, this, &CompareWindow::takeAllNonConflicting);

    analysis_ = std::make_unique<BackgroundAnalysis>([this]() -> BackgroundAnalysis::Work {
        auto ours = std::make_shared<const kpd::SetSnapshot>(
            kpd::SetSnapshot::of(document_.app()->stringDatas().Item(document_.app()->getCustKey())));
        return [this, ours, theirs = theirSnapshot_, base = baseSnapshot_]() -> BackgroundAnalysis::Delivery {
            auto found =
                std::make_shared<std::vector<kpd::Difference>>(kpd::SetComparison::compare(*ours, *theirs, base.get()));
            return [this, found] {
                differences_ = std::move(*found);
                fillTree();
            };
        };
    });
    connect(analysis_.get(), &BackgroundAnalysis::staleChanged, this, &CompareWindow::setStale);
    connect(&document, &DriveDocument::customSetEdited, analysis_.get(), &BackgroundAnalysis::request);
    setStale(true);
    analysis_->runNow();
}

CompareWindow::~CompareWindow() = default;

QString CompareWindow::summary() const
{
    return summary_->text();
}

bool CompareWindow::kept(const kpd::Difference& difference) const
{
    return kept_.count(keptKey(difference)) != 0;
}

void CompareWindow::fillTree()
{
    // The old rows point into the list just replaced: nothing may read them from here on.
    tree_->selectionModel()->clear();
    model_->fill(
        differences_, [this](const kpd::Difference& d) { return !kept(d); }, document_.app()->getCustMenus());
    tree_->expandToDepth(0);
    if (analysis_ && analysis_->isCurrent()) showCount();
    showSelection();
}

std::vector<const kpd::Difference*> CompareWindow::selectedDifferences() const
{
    std::vector<const kpd::Difference*> found;
    const QModelIndexList rows = tree_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return found;
    for (std::size_t index : model_->differencesUnder(rows.front()))
        if (index < differences_.size()) found.push_back(&differences_[index]);
    return found;
}

void CompareWindow::showSelection()
{
    const std::vector<const kpd::Difference*> selected = selectedDifferences();
    const bool current = analysis_ && analysis_->isCurrent();
    takeTheirs_->setEnabled(current && !selected.empty());
    keepOurs_->setEnabled(current && !selected.empty());
    takeNonConflicting_->setEnabled(
        current && std::any_of(differences_.begin(), differences_.end(),
                               [this](const kpd::Difference& d) { return d.takesTheirsUnasked() && !kept(d); }));
    const QModelIndexList chosen = tree_->selectionModel()->selectedRows();
    if (selected.size() != 1 || !model_->differenceAt(chosen.front())) {
        for (LcdtextboxHost* box : {ourBox_, theirBox_, baseBox_}) showText(*box, {}, 2);
        ourMarks_->setCells({});
        theirMarks_->setCells({});
        return;
    }
    const kpd::Difference& d = *selected.front();
    const std::string ours = kpd::readableFieldText(d.ours, d.field);
    const std::string theirs = kpd::readableFieldText(d.theirs, d.field);
    const kpd::CellChanges ourCells(ours, theirs, kColumns);
    const kpd::CellChanges theirCells(theirs, ours, kColumns);
    // Every line shows: the boxes scroll with the rest of their side of the window.
    const int rows = std::max({ourCells.lineCount(), theirCells.lineCount(), 2});
    showText(*ourBox_, ours, rows);
    showText(*theirBox_, theirs, rows);
    showText(*baseBox_, d.base ? kpd::readableFieldText(*d.base, d.field) : std::string(), rows);
    ourMarks_->setCells(ourCells.changed());
    theirMarks_->setCells(theirCells.changed());
}

void CompareWindow::showCount()
{
    // What the tree lists: the differences kept as ours are no longer open.
    const auto open =
        std::count_if(differences_.begin(), differences_.end(), [this](const kpd::Difference& d) { return !kept(d); });
    status_->setText(toQt(kpd::counted(open, "difference")));
}

void CompareWindow::setStale(bool stale)
{
    if (stale)
        status_->setText(QStringLiteral("Comparing..."));
    else
        showCount();
    showSelection();
}

void CompareWindow::merge(const std::function<void(kpd::SetMerge&)>& work)
{
    kpd::SetMerge setMerge(document_.app()->stringDatas().Item(document_.app()->getCustKey()));
    work(setMerge);
    const kpd::MergeSummary& done = setMerge.summary();
    total_.applied += done.applied;
    total_.kept += done.kept;
    total_.stale += done.stale;
    total_.menus.insert(done.menus.begin(), done.menus.end());
    summary_->setText(toQt(total_.text()));
    if (done.applied) document_.notifyChanged();
    else fillTree();
}

void CompareWindow::takeSelected(kpd::Side side)
{
    if (!analysis_->isCurrent()) return;
    const std::vector<const kpd::Difference*> selected = selectedDifferences();
    if (side == kpd::Side::Ours) {
        for (const kpd::Difference* d : selected) kept_.insert(keptKey(*d));
    }
    merge([&](kpd::SetMerge& m) { m.take(selected, side); });
}

void CompareWindow::takeAllNonConflicting()
{
    if (!analysis_->isCurrent()) return;
    std::vector<kpd::Difference> unasked;
    for (const kpd::Difference& d : differences_)
        if (d.takesTheirsUnasked() && !kept(d)) unasked.push_back(d);
    merge([&](kpd::SetMerge& m) { m.takeNonConflicting(unasked); });
}
