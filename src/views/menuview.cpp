#include "menuview.h"

#include "clonemenu.h"
#include "copym2m.h"
#include "problemmarkdelegate.h"

#include "checks/keypadtextlayout.h"
#include "model/drvmenus.h"
#include "model/userinterface.h"
#include "modeltext/modeltext.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// 15 twips are one pixel at 96 dots per inch.
constexpr int kGridTop = 80 / 15;
constexpr int kWidthReserve = 100 / 15;
constexpr int kMinHeight = 400 / 15;
constexpr int kMinWidth = 200 / 15;

QColor colourOf(MenuGridModel::Colour colour)
{
    switch (colour) {
    case MenuGridModel::Colour::White: return QColor(255, 255, 255);
    case MenuGridModel::Colour::Yellow: return QColor(255, 255, 0);
    case MenuGridModel::Colour::Blue: return QColor(0, 0, 255);
    case MenuGridModel::Colour::Red: return QColor(255, 0, 0);
    case MenuGridModel::Colour::Black: break;
    }
    return QColor(0, 0, 0);
}

} // namespace

MenuView::MenuView(kpd::UserInterface& ui, std::string key, QWidget* parent)
    : QWidget(parent),
      ui_(ui),
      key_(std::move(key)),
      grid_(new QTableWidget(this)),
      statusBar_(new QStatusBar(this)),
      displayPanel_(new QLabel(QStringLiteral("Menu display"), this)),
      referencePanel_(new QLabel(QStringLiteral("Reference"), this)),
      customPanel_(new QLabel(QStringLiteral("Custom"), this))
{
    setObjectName(QStringLiteral("MenuView"));
    grid_->setObjectName(QStringLiteral("myGrid"));
    statusBar_->setObjectName(QStringLiteral("MenuStatusBar"));

    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    grid_->setFont(font);
    const QFontMetrics metrics(font);
    // A cell shows a description as the keypad's lines of sixteen characters: the column
    // holds one such line beside the cell's text margins, so the grid never wraps it again.
    const int lineWidth = metrics.horizontalAdvance(QString(kpd::KeypadTextLayout::kDisplayColumns, QLatin1Char('W')));
    const int textMargin = grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 1;
    columnWidth_ = std::max(17 * metrics.horizontalAdvance(QLatin1Char('W')), lineWidth + 2 * textMargin);
    // The cell's own frame and padding come on top of the two text lines.
    lineHeight_ = metrics.height() + 3;

    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setItemDelegate(new ProblemMarkDelegate(grid_));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setDefaultSectionSize(columnWidth_);
    grid_->horizontalHeader()->setFixedHeight(lineHeight_ + 4);
    grid_->verticalHeader()->setDefaultSectionSize(2 * lineHeight_);
    grid_->verticalHeader()->setMinimumSectionSize(lineHeight_);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Only the red notice of an undefined mode is longer than a column and wraps.
    grid_->setWordWrap(true);
    grid_->setTextElideMode(Qt::ElideNone);
    // The grid follows the window but never shrinks below a usable size.
    grid_->setMinimumSize(kMinWidth, kMinHeight);
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);

    referencePanel_->setToolTip(QStringLiteral("Press to show reference descriptions"));
    customPanel_->setToolTip(QStringLiteral("Press to show custom descriptions"));
    for (QLabel* panel : {displayPanel_, referencePanel_, customPanel_}) {
        panel->setFrameShape(QFrame::Panel);
        panel->setMargin(2);
        statusBar_->addWidget(panel);
    }
    referencePanel_->installEventFilter(this);
    customPanel_->installEventFilter(this);
    statusBar_->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, kGridTop, kWidthReserve, 0);
    layout->addWidget(grid_, 1);
    layout->addWidget(statusBar_);
    updatePanels();
}

std::string MenuView::myWorkingMenuName() const { return custMenu_ ? custMenu_->menuName() : std::string(); }
std::int16_t MenuView::myWorkingMenuNumber() const { return custMenu_ ? custMenu_->menuNumber() : std::int16_t(0); }
std::string MenuView::myRefMenuName() const { return refMenu_ ? refMenu_->menuName() : std::string(); }
std::int16_t MenuView::myRefMenuNumber() const { return refMenu_ ? refMenu_->menuNumber() : std::int16_t(0); }
std::string MenuView::myRefMenuKey() const { return refMenu_ ? refMenu_->menuKey() : std::string(); }
std::string MenuView::myCustMenuKey() const { return custMenu_ ? custMenu_->menuKey() : std::string(); }

void MenuView::setEditorOpener(std::function<void(MenuView&, const std::string&, const std::string&)> opener)
{
    openEditor_ = std::move(opener);
}

void MenuView::setExtraReferences(std::vector<MenuGridModel::ExtraReference> extras)
{
    const bool added = extras.size() > extras_.size();
    extras_ = std::move(extras);
    if (added && !(displayMode_ & MenuGridModel::ReferenceRows)) {
        displayMode_ |= MenuGridModel::ReferenceRows;
        updatePanels();
    }
}

void MenuView::fillGrid()
{
    if (!refMenu_ || !custMenu_) return;
    const MenuGridModel model = MenuGridModel::build(*refMenu_, *custMenu_, displayMode_, extras_);
    const auto& modes = model.columnKeys();
    const auto& rows = model.rows();

    grid_->clear();
    grid_->setColumnCount(static_cast<int>(modes.size()));
    grid_->setRowCount(static_cast<int>(rows.size()));
    // One spare entry beyond the last row and column, as the key lists have always had.
    columnKeys_.assign(modes.size() + 1, std::string());
    rowKeys_.assign(rows.size() + 1, std::string());
    customRows_.assign(rows.size(), false);

    QStringList headers;
    for (std::size_t c = 0; c < modes.size(); ++c) {
        headers << toQt(modes[c]);
        columnKeys_[c] = modes[c];
    }
    grid_->setHorizontalHeaderLabels(headers);

    QStringList labels;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const MenuGridModel::Row& row = rows[r];
        rowKeys_[r] = row.key;
        customRows_[r] = !row.reference;
        labels << toQt(row.label).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        grid_->setRowHeight(static_cast<int>(r), 2 * lineHeight_);
        for (std::size_t c = 0; c < row.cells.size() && c < modes.size(); ++c) {
            const MenuGridModel::Cell& cell = row.cells[c];
            auto* item = new QTableWidgetItem(toQt(cell.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            item->setBackground(colourOf(cell.background));
            item->setForeground(colourOf(cell.foreground));
            grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    grid_->setVerticalHeaderLabels(labels);
    if (!rows.empty() && !modes.empty()) grid_->setCurrentCell(0, 0);
    markProblems();
}

void MenuView::markProblems()
{
    if (!custMenu_) return;
    for (int r = 0; r < grid_->rowCount() && r < static_cast<int>(customRows_.size()); ++r) {
        if (!customRows_[static_cast<std::size_t>(r)]) continue;
        for (int c = 0; c < grid_->columnCount(); ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            if (!item) continue;
            const QString marks = problemMarks_ ? problemMarks_(custMenu_->menuKey(), rowKeys_[static_cast<std::size_t>(r)],
                                                                columnKeys_[static_cast<std::size_t>(c)])
                                                : QString();
            item->setData(ProblemMarkDelegate::ProblemRole, marks);
            item->setToolTip(marks);
        }
    }
}

bool MenuView::saveMenu(const std::string& fname)
{
    return custMenu_ && custMenu_->xmlSaveM(fname);
}

void MenuView::clear()
{
    if (custMenu_) custMenu_->clearAll();
}

void MenuView::copyR2C(bool noUserData)
{
    if (custMenu_ && refMenu_) custMenu_->copyParams(*refMenu_, noUserData);
}

void MenuView::cloneMenuToMenu()
{
    if (!refMenu_ || !custMenu_ || !custMenus_) return;
    if (!refMenu_->canClone()) {
        ui_.message("This menu is not clonable");
        return;
    }
    CloneMenu dialog(ui_, window());
    dialog.setData(*custMenus_, custMenu_->menuKey());
    dialog.exec();
}

void MenuView::copyMode2Mode()
{
    if (!custMenu_) return;
    CopyM2M dialog(window());
    dialog.setData(*custMenu_);
    dialog.exec();
}

void MenuView::togglePanel(bool referencePanel)
{
    displayMode_ = MenuGridModel::toggle(displayMode_, referencePanel);
    updatePanels();
    fillGrid();
}

bool MenuView::panelInset(bool referencePanel) const
{
    const QLabel* panel = referencePanel ? referencePanel_ : customPanel_;
    return panel->frameShadow() == QFrame::Sunken;
}

void MenuView::updatePanels()
{
    referencePanel_->setFrameShadow(displayMode_ & MenuGridModel::ReferenceRows ? QFrame::Sunken : QFrame::Raised);
    customPanel_->setFrameShadow(displayMode_ & MenuGridModel::CustomRows ? QFrame::Sunken : QFrame::Raised);
}

QWidget* MenuView::frameWindow()
{
    return qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
}

void MenuView::bringToFront()
{
    QWidget* frame = frameWindow();
    if (frame->isMinimized()) frame->showNormal();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    frame->raise();
}

void MenuView::closeWindow()
{
    frameWindow()->close();
}

void MenuView::gridReleased(Qt::MouseButton button, const QPoint& globalPos)
{
    if (busy_) return;
    busy_ = true;
    if (button == Qt::LeftButton && openEditor_ && refMenu_) {
        const int row = grid_->currentRow();
        const int column = grid_->currentColumn();
        if (row >= 0 && column >= 0) {
            const std::string paraKey = rowKeys_[static_cast<std::size_t>(row)];
            const std::string modeKey = columnKeys_[static_cast<std::size_t>(column)];
            openEditor_(*this, paraKey, modeKey);
            fillGrid();
        }
    } else if (button == Qt::RightButton && popupMenu_) {
        popupMenu_->exec(globalPos);
    }
    busy_ = false;
}

bool MenuView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        haveFocus_ = true;
        break;
    case QEvent::FocusOut: {
        // Opening a menu of the main window is not leaving the view: the Menu Ops
        // commands act on the view that had the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason && reason != Qt::ActiveWindowFocusReason)
            haveFocus_ = false;
        break;
    }
    case QEvent::MouseButtonRelease:
        if (watched == grid_->viewport()) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            gridReleased(mouse->button(), mouse->globalPosition().toPoint());
        } else if (watched == referencePanel_ || watched == customPanel_) {
            togglePanel(watched == referencePanel_);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MenuView::closeEvent(QCloseEvent* event)
{
    if (onClosed_) onClosed_(key_);
    QWidget::closeEvent(event);
}
