#include "problemspanel.h"

#include "glossaryfixes.h"
#include "spellingmenu.h"

#include "shell/backgroundanalysis.h"

#include "checks/problemfixer.h"
#include "checks/textchecker.h"
#include "model/counted.h"
#include "model/theapp.h"
#include "model/userinterface.h"
#include "modeltext/failurereport.h"
#include "modeltext/modeltext.h"
#include "views/spellingsession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int kAllKinds = -1;
// More lines than this make a confirmation nobody reads to the end.
constexpr std::size_t kListedReplacements = 20;

} // namespace

ProblemsPanel::ProblemsPanel(kpd::UserInterface& ui, AppSource app, QWidget* parent)
    : QDockWidget(QStringLiteral("Problems"), parent),
      ui_(ui),
      app_(std::move(app)),
      summary_(new QLabel),
      kindFilter_(new QComboBox),
      translation_(new QCheckBox(QStringLiteral("Translation: report unchanged texts"))),
      model_(new ProblemTreeModel(this)),
      tree_(new QTreeView),
      fix_(new QPushButton(QStringLiteral("Fix"))),
      fixAll_(new QPushButton(QStringLiteral("Fix all of this kind")))
{
    setObjectName(QStringLiteral("problemsPanel"));
    // Listed in the Drive menu, where P is its access letter.
    toggleViewAction()->setText(QStringLiteral("&Problems"));
    analysis_ = new BackgroundAnalysis([this] { return checkWork(); }, this);
    connect(&SpellingSession::instance(), &SpellingSession::changed, this, &ProblemsPanel::request);

    summary_->setWordWrap(true);
    summary_->setText(QStringLiteral("Checking..."));
    tree_->setModel(model_);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->setUniformRowHeights(true);
    tree_->header()->setStretchLastSection(true);
    fix_->setToolTip(QStringLiteral("Apply the suggested fix to the selected text"));
    fixAll_->setToolTip(QStringLiteral("Apply the suggested fix to every text with a problem of the selected kind"));

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("Show:")));
    filterRow->addWidget(kindFilter_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fix_);
    buttons->addWidget(fixAll_);
    buttons->addStretch(1);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(summary_);
    layout->addLayout(filterRow);
    layout->addWidget(translation_);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);
    setWidget(body);
    // Wide enough for the filter and the buttons; the list scrolls sideways for long messages,
    // so the panel leaves room for the menu tree and the grids beside it.
    body->setMinimumWidth(QFontMetrics(tree_->font()).horizontalAdvance(QLatin1Char('x')) * 36);
    fillFilter();
    fix_->setEnabled(false);
    fixAll_->setEnabled(false);

    connect(analysis_, &BackgroundAnalysis::staleChanged, this, [this](bool stale) {
        if (stale && !summary_->text().endsWith(QStringLiteral(" (checking...)")))
            summary_->setText(summary_->text() + QStringLiteral(" (checking...)"));
    });
    connect(translation_, &QCheckBox::toggled, this, &ProblemsPanel::request);
    connect(kindFilter_, &QComboBox::currentIndexChanged, this, &ProblemsPanel::fillTree);
    connect(tree_, &QTreeView::doubleClicked, this, &ProblemsPanel::activated);
    connect(tree_, &QTreeView::customContextMenuRequested, this, &ProblemsPanel::showContextMenu);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        const kpd::Problem* problem = selected();
        fix_->setEnabled(problem && kpd::ProblemFixer::canFix(*problem));
        fixAll_->setEnabled(problem && kpd::ProblemFixer::canFixAll(problem->kind));
    });
    connect(fix_, &QPushButton::clicked, this, &ProblemsPanel::fixSelected);
    connect(fixAll_, &QPushButton::clicked, this, [this] {
        if (const kpd::Problem* problem = selected()) fixAllOfKind(problem->kind);
    });
}

ProblemsPanel::~ProblemsPanel() = default;

BackgroundAnalysis::Work ProblemsPanel::checkWork()
{
    auto input = std::make_shared<kpd::CheckInput>();
    if (kpd::TheApp* root = app_()) *input = kpd::CheckInput::fromApp(*root, GlossaryFixes::load(*root));
    kpd::TextChecker::Options options;
    if (translation_->isChecked()) options.kinds.insert(kpd::ProblemKind::Unchanged);
    QString spellingNote;
    if (kpd::TheApp* root = app_()) {
        options.spelling = SpellingSession::instance().checker(*root);
        spellingNote = SpellingSession::instance().missingNote(*root);
    }
    if (options.spelling) options.kinds.insert(kpd::ProblemKind::Spelling);
    return [this, input, options, spellingNote]() -> BackgroundAnalysis::Delivery {
        auto list = std::make_shared<kpd::ProblemList>(*input, kpd::TextChecker::check(*input, options));
        return [this, list, spellingNote] {
            deliver(std::move(*list));
            // Said once for the set, in place of a problem for every word.
            if (!spellingNote.isEmpty()) summary_->setText(summary_->text() + QLatin1Char('\n') + spellingNote);
        };
    };
}

void ProblemsPanel::request()
{
    analysis_->request();
}

std::set<kpd::ProblemKind> ProblemsPanel::shownKinds() const
{
    const int kind = kindFilter_->currentData().toInt();
    if (kind == kAllKinds) return {kpd::kAllProblemKinds.begin(), kpd::kAllProblemKinds.end()};
    return {static_cast<kpd::ProblemKind>(kind)};
}

void ProblemsPanel::deliver(kpd::ProblemList list)
{
    list_ = std::move(list);
    const auto counts = list_.countsByKind();
    QStringList parts;
    for (const auto& [kind, count] : counts)
        parts << QStringLiteral("%1 %2").arg(count).arg(QString::fromLatin1(kpd::kindName(kind)));
    summary_->setText(list_.problems().empty()
                          ? QStringLiteral("No problems found")
                          : toQt(kpd::counted(static_cast<long long>(list_.problems().size()), "problem")) +
                                QStringLiteral(": ") + parts.join(", "));
    fillFilter();
    fillTree();
    emit problemsChanged();
}

void ProblemsPanel::fillFilter()
{
    const int current = kindFilter_->currentData().isValid() ? kindFilter_->currentData().toInt() : kAllKinds;
    const auto counts = list_.countsByKind();
    QSignalBlocker blocker(kindFilter_);
    kindFilter_->clear();
    kindFilter_->addItem(QStringLiteral("All kinds (%1)").arg(list_.problems().size()), kAllKinds);
    for (kpd::ProblemKind kind : kpd::kAllProblemKinds) {
        const auto found = counts.find(kind);
        kindFilter_->addItem(QStringLiteral("%1 (%2)")
                                 .arg(QString::fromLatin1(kpd::kindName(kind)))
                                 .arg(found == counts.end() ? 0 : found->second),
                             static_cast<int>(kind));
    }
    kindFilter_->setCurrentIndex(std::max(0, kindFilter_->findData(current)));
}

const kpd::DrvMenus* ProblemsPanel::menus() const
{
    const kpd::TheApp* root = app_();
    return root && root->stringDatas().find(root->getCustKey()) ? &root->getCustMenus() : nullptr;
}

void ProblemsPanel::fillTree()
{
    model_->fill(list_, shownKinds(), menus());
    // Spans are the view's, kept by index: every new row of a menu gets its own.
    for (int row = 0; row < model_->rowCount(); ++row) tree_->setFirstColumnSpanned(row, QModelIndex(), true);
    tree_->expandAll();
    tree_->resizeColumnToContents(0);
    tree_->resizeColumnToContents(1);
    tree_->resizeColumnToContents(2);
}

QString ProblemsPanel::describe(const kpd::ProblemList::Location& at) const
{
    QStringList lines;
    for (const std::string& line : list_.describe(at)) lines << toQt(line);
    return lines.join(QLatin1Char('\n'));
}

std::optional<kpd::ProblemList::Location> ProblemsPanel::step(const kpd::ProblemList::Location& from, bool backwards)
{
    // A step taken right after an edit would follow a list that has not caught up with it
    // (the problem just fixed, or one just made, in the wrong place): the set is checked as
    // it is now, here, without letting other events in while the user is stepping.
    if (!analysis_->isCurrent()) checkWork()()();
    const std::optional<std::size_t> index = list_.next(from, backwards, shownKinds());
    if (!index) return std::nullopt;
    select(*index);
    return kpd::ProblemList::locationOf(list_.problems()[*index]);
}

const kpd::Problem* ProblemsPanel::selected() const
{
    const std::optional<std::size_t> index = model_->problemAt(tree_->currentIndex());
    return index && *index < list_.problems().size() ? &list_.problems()[*index] : nullptr;
}

void ProblemsPanel::select(std::size_t index)
{
    const QModelIndex row = model_->indexOf(index);
    if (!row.isValid()) return;
    tree_->setCurrentIndex(row);
    tree_->scrollTo(row);
}

void ProblemsPanel::activated(const QModelIndex& index)
{
    const std::optional<std::size_t> problem = model_->problemAt(index);
    if (!problem || *problem >= list_.problems().size()) return;
    const kpd::Problem& p = list_.problems()[*problem];
    emit openRequested(toQt(p.menuKey), toQt(p.paraKey), toQt(p.modeKey));
}

void ProblemsPanel::fixSelected()
{
    const kpd::Problem* problem = selected();
    kpd::TheApp* root = app_();
    if (!problem || !root) return;
    if (problem->kind == kpd::ProblemKind::NearDuplicate || problem->kind == kpd::ProblemKind::Inconsistent) {
        if (problem->suggestion) unify(*problem, *problem->suggestion);
        return;
    }
    reportFailures(ui_, [&] {
        kpd::ProblemFixer fixer(root->getCustMenus());
        const bool changed =
            problem->kind == kpd::ProblemKind::Overflow   ? GlossaryFixes::shortenOverflow(this, ui_, *root, *problem)
            : problem->kind == kpd::ProblemKind::Spelling ? fixer.apply(SpellingMenu::withFixes(*problem, *root))
                                                          : fixer.apply(*problem);
        if (changed) emit edited();
    });
}

void ProblemsPanel::fixAllOfKind(kpd::ProblemKind kind)
{
    kpd::TheApp* root = app_();
    if (!root || !kpd::ProblemFixer::canFixAll(kind)) return;
    if (kind == kpd::ProblemKind::NoGlyph) {
        // Replacing characters changes what the keypad shows: the user sees the list first.
        std::string listing;
        std::size_t listed = 0;
        for (const kpd::Problem& p : list_.problems()) {
            if (p.kind != kind || !p.suggestion) continue;
            if (++listed <= kListedReplacements)
                listing += ProblemTreeModel::placeOf(p, menus()) + ": " + p.message + " -> \"" + *p.suggestion + "\"\n";
        }
        if (listed == 0) {
            ui_.message("No character without a glyph has a suggested replacement");
            return;
        }
        if (listed > kListedReplacements)
            listing += "... and " + std::to_string(listed - kListedReplacements) + " more\n";
        const std::string question =
            listed == 1 ? "Replace this character?" : "Replace these " + std::to_string(listed) + " characters?";
        if (ui_.message(listing + "\n" + question, "Replace characters", kpd::MessageIcon::Question,
                        kpd::MessageButtons::YesNo) != kpd::MessageAnswer::Yes)
            return;
    }
    reportFailures(ui_, [&] {
        if (kpd::ProblemFixer(root->getCustMenus()).applyAll(kind, list_.problems()) > 0) emit edited();
    });
}

void ProblemsPanel::unify(const kpd::Problem& problem, const std::string& form)
{
    kpd::TheApp* root = app_();
    if (!root) return;
    reportFailures(ui_, [&] {
        if (GlossaryFixes::unify(*root, problem, form) > 0) emit edited();
    });
}

void ProblemsPanel::showContextMenu(const QPoint& pos)
{
    const QModelIndex index = tree_->indexAt(pos);
    if (!model_->problemAt(index)) return;
    tree_->setCurrentIndex(index);
    const kpd::Problem* problem = selected();
    kpd::TheApp* root = app_();
    if (!problem || !root) return;
    const kpd::Problem chosen = *problem;
    QMenu menu(this);
    menu.addAction(QStringLiteral("Open in the parameter editor"), this,
                   [this, row = QPersistentModelIndex(index)] { activated(row); });
    if (chosen.kind == kpd::ProblemKind::NearDuplicate || chosen.kind == kpd::ProblemKind::Inconsistent) {
        for (const auto& [form, uses] : GlossaryFixes::unifyForms(*root, chosen))
            menu.addAction(QStringLiteral("Unify to \"%1\" (%2)").arg(toQt(form), toQt(kpd::counted(uses, "text"))),
                           this, [this, chosen, form = form] { unify(chosen, form); });
    } else if (chosen.kind == kpd::ProblemKind::Spelling) {
        SpellingMenu::addItems(menu, chosen, *root, [this, root](const kpd::Problem& fix) {
            reportFailures(ui_, [&] {
                if (kpd::ProblemFixer(root->getCustMenus()).apply(fix)) emit edited();
            });
        });
    } else if (kpd::ProblemFixer::canFixAll(chosen.kind)) {
        menu.addAction(QStringLiteral("Fix this text"), this, &ProblemsPanel::fixSelected);
        menu.addAction(QStringLiteral("Fix all %1 problems").arg(QString::fromLatin1(kpd::kindName(chosen.kind))), this,
                       [this, kind = chosen.kind] { fixAllOfKind(kind); });
    }
    menu.exec(tree_->viewport()->mapToGlobal(pos));
}
