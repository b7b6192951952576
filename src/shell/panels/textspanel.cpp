#include "textspanel.h"

#include "budgetmeter.h"
#include "findreplacedialog.h"
#include "glossaryfixes.h"
#include "keypadlinesdelegate.h"
#include "referencepictures.h"
#include "shell/drivedocument.h"
#include "shell/keypaddisplaymimic.h"
#include "textsfilterbar.h"
#include "textslistmodel.h"

#include "checks/keypadtextlayout.h"
#include "checks/textrows.h"
#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/theapp.h"
#include "modeltext/modeltext.h"
#include "views/keymapfile.h"
#include "views/parampanel.h"
#include "views/spellingsession.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

TextsPanel::TextsPanel(DriveDocument& document, QWidget* parent)
    : QDockWidget(QStringLiteral("Texts"), parent),
      document_(document),
      marks_(document.ui()),
      filters_(new TextsFilterBar),
      list_(new QTableView),
      references_(new ReferencePictures),
      done_(new QCheckBox(QStringLiteral("&Done"))),
      note_(new QLineEdit)
{
    setObjectName(QStringLiteral("TextsPanel"));
    auto* body = new QWidget(this);
    list_->setObjectName(QStringLiteral("lstTexts"));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSortingEnabled(true);
    list_->sortByColumn(-1, Qt::AscendingOrder);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    // Every row the same height: the view then never measures the thousands of rows.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(
        KeypadLinesDelegate::kShownLines * KeypadDisplayMimic::cellSize(KeypadLinesDelegate::kDot).height() +
        2 * KeypadLinesDelegate::kMargin);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setItemDelegate(new KeypadLinesDelegate(list_));
    list_->installEventFilter(this);
    done_->setObjectName(QStringLiteral("chkDone"));
    note_->setObjectName(QStringLiteral("txtNote"));
    note_->setPlaceholderText(QStringLiteral("Note on this text"));
    auto* findButton = new QPushButton(QStringLiteral("&Find and replace..."));
    findButton->setObjectName(QStringLiteral("btnFindReplace"));
    auto* undoButton = new QPushButton(QStringLiteral("&Undo"));
    undoButton->setObjectName(QStringLiteral("btnUndo"));
    undoButton->setToolTip(QStringLiteral("Undo the last change of this text; a second undo redoes it"));

    auto* boxFrame = new QWidget;
    // Registered from beside the program when it must be, as the parameter editor's boxes
    // are: a drive folder holds no control library.
    box_ = new LcdtextboxHost(boxFrame);
    box_->setObjectName(QStringLiteral("gtbText"));
    auto* boxLayout = new QVBoxLayout(boxFrame);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    if (QWidget* widget = box_->widget()) {
        boxLayout->addWidget(widget);
        widget->installEventFilter(this);
        widget->setToolTip(QStringLiteral("Enter writes the text and moves on, Ctrl+Enter writes it and stays, "
                                          "Escape gives back the stored text"));
    }
    keyMap_ = std::make_unique<KeyMapFile>(document.programFolder(), *box_);

    auto* marks = new QHBoxLayout;
    marks->addWidget(done_);
    marks->addWidget(note_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(undoButton);
    buttons->addWidget(findButton);
    buttons->addStretch();
    // Extra reference languages stand side by side; they scroll rather than widen the panel.
    auto* referenceArea = new QScrollArea;
    referenceArea->setWidget(references_);
    referenceArea->setWidgetResizable(true);
    referenceArea->setFrameShape(QFrame::NoFrame);
    referenceArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    referenceArea->setMinimumHeight(references_->minimumHeight());

    auto* layout = new QVBoxLayout(body);
    layout->addWidget(filters_);
    layout->addWidget(list_, 1);
    layout->addWidget(referenceArea);
    layout->addWidget(boxFrame, 0, Qt::AlignLeft);
    layout->addLayout(marks);
    layout->addLayout(buttons);
    setWidget(body);

    connect(filters_, &TextsFilterBar::changed, this, &TextsPanel::applyFilter);
    connect(done_, &QCheckBox::clicked, this, &TextsPanel::setDone);
    connect(note_, &QLineEdit::editingFinished, this, [this] { setNote(note_->text()); });
    connect(findButton, &QPushButton::clicked, this, &TextsPanel::showFindReplace);
    connect(undoButton, &QPushButton::clicked, this, &TextsPanel::undoCurrent);
    // The box leaves Ctrl+Z to its host: here it is the text's undo, as in every editor.
    auto* undoKeys = new QShortcut(QKeySequence::Undo, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(undoKeys, &QShortcut::activated, this, &TextsPanel::undoCurrent);
    for (const bool backwards : {false, true}) {
        const QKeySequence keys(Qt::CTRL | (backwards ? Qt::Key_Up : Qt::Key_Down));
        auto* step = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(step, &QShortcut::activated, this, [this, backwards] { nextNotDone(backwards); });
    }
}

TextsPanel::~TextsPanel()
{
    keyMap_->save();
}

TextsPanel* TextsPanel::attach(QMainWindow& window, DriveDocument& document, BudgetMeter* budget,
                               std::function<QStringList()> extraReferences)
{
    auto* panel = new TextsPanel(document, &window);
    panel->budget_ = budget;
    panel->extraReferences_ = std::move(extraReferences);
    // Right of the menu windows, shown when asked for (Drive > Texts): the editor opens as
    // it always did, and a large drive's rows are not built before anyone looks at them.
    window.addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->hide();
    connect(&document, &DriveDocument::customSetEdited, panel, &TextsPanel::setEdited);
    // The dictionary loads apart and may be read again: its problems come and go with it.
    connect(&SpellingSession::instance(), &SpellingSession::changed, panel, &TextsPanel::setEdited);
    connect(&document, &DriveDocument::dropping, panel, &TextsPanel::dropRows);
    connect(&document, &DriveDocument::keypadFileOpened, panel, &TextsPanel::fileOpened);
    connect(&document, &DriveDocument::keypadFileSaved, panel, &TextsPanel::fileSaved);
    if (budget)
        connect(budget, &BudgetMeter::reportChanged, panel, [panel, budget] {
            if (panel->model()) panel->model()->setEstimator(budget->estimator());
        });
    return panel;
}

void TextsPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    if (!ensureRows()) return;
    if (std::exchange(stale_, false)) setEdited();
    if (model_->rowCount() > 0 && !currentRow()) selectRow(0);
}

bool TextsPanel::ensureRows()
{
    kpd::TheApp* app = document_.app();
    if (!app) return false;
    if (rows_) return true;
    marks_.open(document_.currentFile());
    auto rows = std::make_unique<kpd::TextRows>(*app, marks_.marks());
    rows->setGlossary(GlossaryFixes::load(*app));
    rows->setSpelling(SpellingSession::instance().checker(*app));
    auto model = std::make_unique<TextsListModel>(*rows);
    connect(model.get(), &TextsListModel::shownCountChanged, filters_, &TextsFilterBar::showCount);
    if (budget_) model->setEstimator(budget_->estimator());
    rows->rebuild();
    list_->setModel(model.get());
    model_ = std::move(model);
    rows_ = std::move(rows);
    for (int column : {TextsListModel::Reference, TextsListModel::Custom})
        list_->horizontalHeader()->resizeSection(column, KeypadLinesDelegate::columnWidth());
    for (int column : {TextsListModel::Mode, TextsListModel::Field, TextsListModel::Bytes})
        list_->resizeColumnToContents(column);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { loadRow(); });
    filters_->fillMenus(rows_->app());
    applyFilter();
    return true;
}

void TextsPanel::saveMarks()
{
    if (!document_.readOnly()) marks_.write(document_.currentFile());
}

void TextsPanel::applyFilter()
{
    if (!model_) return;
    const std::optional<std::size_t> kept = currentRow() ? std::optional(currentTextRow()) : std::nullopt;
    model_->setFilter(filters_->filter());
    const std::optional<int> again = kept ? model_->listRow(*kept) : std::nullopt;
    if (model_->rowCount() > 0)
        selectRow(again.value_or(0));
    else
        loadRow();
}

std::optional<int> TextsPanel::currentRow() const
{
    if (!model_ || !list_->selectionModel()) return std::nullopt;
    const QModelIndex current = list_->selectionModel()->currentIndex();
    if (!current.isValid() || current.row() >= model_->rowCount()) return std::nullopt;
    return current.row();
}

std::size_t TextsPanel::currentTextRow() const
{
    return model_->textRow(*currentRow());
}

void TextsPanel::selectRow(int listRow)
{
    if (!model_ || listRow < 0 || listRow >= model_->rowCount()) return;
    const QModelIndex at = model_->index(listRow, TextsListModel::Custom);
    list_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(at);
    loadRow();
}

void TextsPanel::loadRow()
{
    const std::optional<int> row = currentRow();
    const bool any = row.has_value();
    box_->setEnabled(any && rows_->editable(currentTextRow()));
    if (QWidget* widget = box_->widget()) widget->setEnabled(box_->Enabled());
    done_->setEnabled(any);
    note_->setEnabled(any);
    if (!any) {
        box_->assignText({});
        references_->clear();
        return;
    }
    const std::size_t i = currentTextRow();
    const bool help = rows_->row(i).field == kpd::TextField::Help;
    // The parameter editor's boxes: two lines that the description may not pass, or the
    // help's six visible lines that scroll on.
    const int lines = help ? 6 : kpd::KeypadTextLayout::kDescriptionLines;
    box_->setNCols(kpd::KeypadTextLayout::kDisplayColumns);
    box_->setNRows(static_cast<qint16>(lines));
    box_->setLineLimit(static_cast<qint16>(help ? 0 : kpd::KeypadTextLayout::kDescriptionLines));
    if (QWidget* widget = box_->widget())
        widget->setFixedSize(kpd::KeypadTextLayout::kDisplayColumns * ParamPanel::kCellWidth,
                             lines * ParamPanel::kCellHeight);
    box_->assignText(toQt(rows_->text(i)));
    done_->setChecked(rows_->has(i, kpd::TextRows::Status::Done));
    note_->setText(toQt(rows_->marks().note(rows_->key(i))));
    references_->showTexts(rows_->app(), extraReferences_ ? extraReferences_() : QStringList(), rows_->row(i));
}

bool TextsPanel::commit()
{
    if (!currentRow()) return false;
    const std::size_t i = currentTextRow();
    if (!rows_->setText(i, toModel(box_->text()))) return false;
    // Writing took any done mark away.
    done_->setChecked(rows_->has(i, kpd::TextRows::Status::Done));
    model_->textWritten(i);
    saveMarks();
    announce();
    return true;
}

void TextsPanel::commitAndNext()
{
    commit();
    if (const std::optional<int> row = currentRow(); row && *row + 1 < model_->rowCount()) selectRow(*row + 1);
}

void TextsPanel::revert()
{
    if (currentRow()) box_->assignText(toQt(rows_->text(currentTextRow())));
}

void TextsPanel::nextNotDone(bool backwards)
{
    const std::optional<int> row = currentRow();
    if (!row) return;
    commit();
    const auto next = kpd::TextFilter::nextNotDone(*rows_, model_->order(), static_cast<std::size_t>(*row), backwards);
    if (next) selectRow(static_cast<int>(*next));
}

void TextsPanel::undoCurrent()
{
    if (!currentRow()) return;
    const std::size_t i = currentTextRow();
    rows_->undo(i);
    model_->textWritten(i);
    loadRow();
    saveMarks();
    announce();
}

void TextsPanel::setDone(bool isDone)
{
    if (!currentRow()) return;
    // The mark is set on what the box holds: a text written and marked in one go.
    commit();
    const std::size_t i = currentTextRow();
    rows_->setDone(i, isDone);
    model_->textWritten(i);
    saveMarks();
}

void TextsPanel::setNote(const QString& note)
{
    if (!currentRow()) return;
    const std::size_t i = currentTextRow();
    if (rows_->marks().note(rows_->key(i)) == toModel(note)) return;
    rows_->marks().setNote(rows_->key(i), toModel(note));
    model_->textWritten(i);
    saveMarks();
}

FindReplaceDialog* TextsPanel::findReplace()
{
    if (!ensureRows()) return nullptr;
    if (!findReplace_) {
        findReplace_ = new FindReplaceDialog(*rows_, *model_, document_.ui(), this);
        connect(findReplace_, &FindReplaceDialog::textsWritten, this, &TextsPanel::textsWritten);
    }
    return findReplace_;
}

void TextsPanel::showFindReplace()
{
    show();
    if (FindReplaceDialog* dialog = findReplace()) {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void TextsPanel::textsWritten()
{
    const std::optional<int> row = currentRow();
    model_->setFilter(model_->filter());
    if (row && *row < model_->rowCount()) selectRow(*row);
    saveMarks();
    announce();
}

void TextsPanel::announce()
{
    const QScopedValueRollback<bool> quiet(announcing_, true);
    // The menu windows show the texts again, and the analyses hear of them.
    document_.notifyChanged();
}

void TextsPanel::setEdited()
{
    if (announcing_) return;
    // Hidden, the list is checked again when it is next shown.
    stale_ = !isVisible();
    if (stale_) return;
    if (!rows_) {
        if (ensureRows() && model_->rowCount() > 0) selectRow(0);
        return;
    }
    const std::optional<std::size_t> kept = currentRow() ? std::optional(currentTextRow()) : std::nullopt;
    // The glossary may have been edited meanwhile, as the Problems panel reads it afresh.
    rows_->setGlossary(GlossaryFixes::load(rows_->app()));
    rows_->setSpelling(SpellingSession::instance().checker(rows_->app()));
    model_->refresh();
    if (const std::optional<int> again = kept ? model_->listRow(*kept) : std::nullopt) selectRow(*again);
}

void TextsPanel::dropRows()
{
    delete findReplace_;
    references_->clear();
    list_->setModel(nullptr);
    model_.reset();
    rows_.reset();
}

void TextsPanel::fileOpened(const QString& file)
{
    marks_.open(file);
    if (!rows_) return;
    model_->reload();
    if (model_->rowCount() > 0) selectRow(0);
}

void TextsPanel::fileSaved(const QString& file)
{
    // Saved under a new name, the file takes its marks along.
    if (file == document_.currentFile()) marks_.write(file);
}

bool TextsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QDockWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // The list would take Ctrl+Up and Ctrl+Down as plain moves when the shortcut is not
    // reached first (another window active).
    const bool step =
        key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up);
    if (step && (watched == list_ || watched == box_->widget())) {
        nextNotDone(key->key() == Qt::Key_Up);
        return true;
    }
    if (!box_->widget() || watched != box_->widget()) return QDockWidget::eventFilter(watched, event);
    // Shift+Enter is left to the box: it breaks the line there.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !(key->modifiers() & Qt::ShiftModifier)) {
        if (key->modifiers() & Qt::ControlModifier)
            commit();
        else
            commitAndNext();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        revert();
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
}
