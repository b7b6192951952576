#include "ccharmapdlg.h"

#include "charmapcanvas.h"
#include "charmapglyphpainter.h"
#include "lcdprompts.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace {

// One dialog unit in pixels, in both directions (see the class comment).
constexpr int pixelsPerUnit = 2;

QRect dlu(int x, int y, int w, int h)
{
    return QRect(x * pixelsPerUnit, y * pixelsPerUnit, w * pixelsPerUnit, h * pixelsPerUnit);
}

constexpr int firstCode = 16;
constexpr int lastCode = 255;
constexpr int gridLeft = 22;
constexpr int gridTop = 30;
constexpr int cellPitchX = 17;
constexpr int cellPitchY = 26;
constexpr int smallScale = 3;
constexpr int largeScale = 7;
constexpr int stripTop = 314;
constexpr QPoint enlargedAt(540, 105);

const QColor currentMappedColor(0xFF, 0xFF, 0x00);
const QColor unmappedColor(0x00, 0xFF, 0xFF);
const QColor currentUnmappedColor(0xFF, 0x00, 0x00);

const char* const titles[] = {
    "Character Map: Edit mapping mode",
    "Character Map: Single character insert mode",
    "Character Map: Multiple character insert mode",
    "Character Map: Edit mapping mode",
};

const QString remapMessage = QStringLiteral("Click a character to re-map");
// The message after a key has been mapped carries a trailing space; keep both texts.
const QString remapMessageAfterKey = QStringLiteral("Click a character to re-map ");

QRect codeCell(int code)
{
    return CCharMapDlg::gridCellRect((code - firstCode) % CCharMapDlg::gridColumns,
                                     (code - firstCode) / CCharMapDlg::gridColumns);
}

QString keyText(CKeyMap::Key key)
{
    return QString(QChar(key));
}

} // namespace

CCharMapDlg::CCharMapDlg(const QColor& mappedColor, int mode, CKeyMap* keyMap, std::optional<CKeyMap::Key> key,
                         QWidget* parent)
    : QDialog(parent), m_mappedColor(mappedColor), m_mode(mode), m_keyMap(keyMap), m_key(key)
{
    QFont dialogFont = font();
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    setFixedSize(dlu(0, 0, 400, 234).size());
    buildControls();
    if (usable()) {
        applyMode();
        return;
    }
    // Nothing here can work without a map or with an unknown mode; only Cancel stays.
    for (QWidget* control : {static_cast<QWidget*>(m_txtCode), static_cast<QWidget*>(m_lstMapped),
                             static_cast<QWidget*>(m_btnAddChar), static_cast<QWidget*>(m_btnClearKeypadMap),
                             static_cast<QWidget*>(m_btnClearWinMap), static_cast<QWidget*>(m_btnClearSelection),
                             static_cast<QWidget*>(m_btnOK)})
        control->setEnabled(false);
}

bool CCharMapDlg::usable() const
{
    return m_keyMap != nullptr && m_mode >= EditMapping && m_mode <= MapKey;
}

int CCharMapDlg::exec()
{
    if (!usable()) {
        setResult(Rejected);
        return Rejected;
    }
    return QDialog::exec();
}

QString CCharMapDlg::message() const
{
    return m_lblMessage->text();
}

QRect CCharMapDlg::gridCellRect(int column, int row)
{
    return QRect(gridLeft + cellPitchX * column, gridTop + cellPitchY * row, 5 * smallScale, 8 * smallScale);
}

QRect CCharMapDlg::stripCellRect(int index)
{
    return QRect(gridLeft + cellPitchX * index, stripTop, 5 * smallScale, 8 * smallScale);
}

QRect CCharMapDlg::enlargedGlyphRect()
{
    return QRect(enlargedAt, QSize(5 * largeScale, 8 * largeScale));
}

QRect CCharMapDlg::stripArea()
{
    return QRect(gridLeft, stripTop, cellPitchX * maxSelection, cellPitchY);
}

QRect CCharMapDlg::enlargedArea()
{
    return QRect(enlargedAt, QSize(cellPitchX * largeScale, cellPitchY * largeScale));
}

void CCharMapDlg::buildControls()
{
    // Group boxes come first so the controls placed over them stack above; clicks pass
    // through them to the painted grid and strip.
    auto group = [this](const QString& title, QRect geometry) {
        auto* box = new QGroupBox(title, this);
        box->setGeometry(geometry);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    };
    m_grpGrid = group(QStringLiteral("Keypad Characters:"), dlu(6, 5, 213, 143));
    m_grpSelection = group(QStringLiteral("Character selection (maximum 16)"), dlu(6, 150, 213, 26));
    m_grpMapping = group(QStringLiteral("Mapping information"), dlu(225, 5, 169, 171));
    m_canvas = new CharmapCanvas(this, [this](QPainter& painter) { paintCharacters(painter); });

    auto label = [this](const QString& text, QRect geometry) {
        auto* l = new QLabel(text, this);
        l->setGeometry(geometry);
        return l;
    };
    auto button = [this](const QString& text, const QString& name, QRect geometry) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        return b;
    };

    label(QStringLiteral("Windows character"), dlu(231, 15, 70, 8));
    m_txtWinChar = new QLineEdit(this);
    m_txtWinChar->setObjectName(QStringLiteral("txtWinChar"));
    m_txtWinChar->setGeometry(dlu(231, 23, 32, 30));
    m_txtWinChar->setReadOnly(true);
    m_txtWinChar->setMaxLength(1);
    m_txtWinChar->setFocusPolicy(Qt::NoFocus);
    m_txtWinChar->setAlignment(Qt::AlignCenter);
    QFont bigFont = font();
    bigFont.setPixelSize(50);
    const int averageWidth = QFontMetrics(bigFont).averageCharWidth();
    if (averageWidth > 0) bigFont.setStretch(std::clamp(25 * 100 / averageWidth, 1, 4000));
    m_txtWinChar->setFont(bigFont);

    label(QStringLiteral("Keypad character"), dlu(270, 43, 60, 8));
    QLabel* codeLabel = label(QStringLiteral("Keypad character code:"), dlu(334, 15, 58, 8));
    m_txtCode = new QSpinBox(this);
    m_txtCode->setObjectName(QStringLiteral("txtCode"));
    m_txtCode->setGeometry(dlu(334, 24, 40, 12));
    m_txtCode->setRange(firstCode, lastCode);
    m_txtCode->setValue(m_current);
    codeLabel->setBuddy(m_txtCode);
    m_btnAddChar = button(QStringLiteral("&Add char"), QStringLiteral("btnAddChar"), dlu(334, 40, 56, 14));

    QLabel* mappedLabel = label(QStringLiteral("Mapped Windows characters && codes:"), dlu(334, 57, 58, 16));
    mappedLabel->setWordWrap(true);
    m_lstMapped = new QListWidget(this);
    m_lstMapped->setObjectName(QStringLiteral("lstMapped"));
    m_lstMapped->setGeometry(dlu(334, 74, 56, 55));
    mappedLabel->setBuddy(m_lstMapped);
    m_btnClearKeypadMap = button(QStringLiteral("Clear &keypad char map"), QStringLiteral("btnClearKeypadMap"),
                                 dlu(231, 153, 75, 14));
    m_btnClearWinMap = button(QStringLiteral("Clear &windows char map"), QStringLiteral("btnClearWinMap"),
                              dlu(310, 153, 80, 14));
    m_btnClearSelection = button(QStringLiteral("Clear &selection"), QStringLiteral("btnClearSelection"),
                                 dlu(153, 157, 62, 14));

    m_lblMessage = label(QStringLiteral("Message here"), dlu(6, 181, 388, 10));
    m_lblMessage->setObjectName(QStringLiteral("lblMessage"));
    m_btnOK = button(QStringLiteral("&OK"), QStringLiteral("btnOK"), dlu(299, 210, 45, 14));
    m_btnOK->setDefault(true);
    m_btnCancel = button(QStringLiteral("&Cancel"), QStringLiteral("btnCancel"), dlu(349, 210, 45, 14));

    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnAddChar, &QPushButton::clicked, this, &CCharMapDlg::addCharClicked);
    connect(m_btnClearKeypadMap, &QPushButton::clicked, this, &CCharMapDlg::clearKeypadMapClicked);
    connect(m_btnClearWinMap, &QPushButton::clicked, this, &CCharMapDlg::clearWindowsMapClicked);
    connect(m_btnClearSelection, &QPushButton::clicked, this, &CCharMapDlg::clearSelectionClicked);
    connect(m_lstMapped, &QListWidget::itemSelectionChanged, this, &CCharMapDlg::listSelectionChanged);
    connect(m_txtCode, &QSpinBox::valueChanged, this, [this](int value) { setCurrent(value); });

    // The arrow keys belong to the grid, so the dialog opens with the focus on OK rather
    // than in the code field, where Up and Down step the code.
    m_btnOK->setFocus();
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

QString CCharMapDlg::initialMessage() const
{
    switch (m_mode) {
    case EditMapping:
        return remapMessageAfterKey;
    case SingleInsert:
        return QStringLiteral("Click a character to insert");
    case MultipleInsert:
        return QStringLiteral("Click characters to insert");
    default:
        return QStringLiteral("Click a character to use for the key you just used: %1")
            .arg(m_key ? keyText(*m_key) : QString());
    }
}

void CCharMapDlg::applyMode()
{
    setWindowTitle(QString::fromLatin1(titles[m_mode]));
    m_lblMessage->setText(initialMessage());
    if (isMapping()) {
        m_btnAddChar->setText(QStringLiteral("Select Ch&ar"));
        m_btnClearSelection->setEnabled(false);
    } else {
        m_lstMapped->setEnabled(false);
    }
    refreshMappingInfo();
    m_btnClearKeypadMap->setEnabled(false);
    m_btnClearWinMap->setEnabled(false);
    mapEvent(MapEvent::Init);
}

void CCharMapDlg::setCurrent(int code)
{
    if (code < firstCode || code > lastCode) return;
    const int old = m_current;
    m_current = static_cast<std::uint8_t>(code);
    {
        const QSignalBlocker blocker(m_txtCode);
        m_txtCode->setValue(code);
    }
    m_canvas->update(codeCell(old));
    m_canvas->update(codeCell(code));
    m_canvas->update(enlargedArea());
    refreshMappingInfo();
}

void CCharMapDlg::refreshMappingInfo()
{
    refillList();
    const std::optional<CKeyMap::Key> representative = m_keyMap->keypadToKey(m_current);
    m_btnClearKeypadMap->setEnabled(isMapping() && representative.has_value());
    if (m_key)
        m_txtWinChar->setText(keyText(*m_key));
    else if (representative)
        m_txtWinChar->setText(keyText(*representative));
    else
        m_txtWinChar->clear();
}

void CCharMapDlg::refillList()
{
    m_lstMapped->clear();
    const std::vector<CKeyMap::Key> keys = m_keyMap->keysOf(m_current);
    if (keys.empty()) {
        auto* item = new QListWidgetItem(QStringLiteral("Not Mapped"), m_lstMapped);
        item->setData(Qt::UserRole, 0);
    }
    for (CKeyMap::Key key : keys) {
        auto* item = new QListWidgetItem(QStringLiteral("%1: %2").arg(keyText(key)).arg(key), m_lstMapped);
        item->setData(Qt::UserRole, key);
    }
    m_btnClearWinMap->setEnabled(false);
}

void CCharMapDlg::pick()
{
    if (m_selection.size() < maxSelection) {
        m_selection.append(static_cast<char>(m_current));
        m_canvas->update(stripArea());
    }
    if (m_mode == SingleInsert) accept();
}

void CCharMapDlg::mapEvent(MapEvent event, CKeyMap::Key code)
{
    if (!isMapping()) return;
    const bool select = event == MapEvent::Click || event == MapEvent::Button;
    switch (m_mapState) {
    case 0:
        if (event == MapEvent::Init) {
            m_lblMessage->setText(initialMessage());
            m_mapState = 1;
        }
        break;
    case 1:
        if (select && m_mode == MapKey && m_key) {
            m_keyMap->map(m_current, *m_key);
            pickAndClose();
        } else if (select) {
            m_lblMessage->setText(QStringLiteral("Press the keyboard key or key combination to use for this character"));
            m_mapState = 2;
        } else if (event == MapEvent::Reset || event == MapEvent::Key) {
            m_lblMessage->setText(remapMessage);
        }
        break;
    default:
        if (event == MapEvent::Key) {
            const bool tookFromOther = m_keyMap->map(m_current, code);
            m_lblMessage->setText(remapMessageAfterKey);
            m_mapState = 1;
            if (isSingle()) {
                pickAndClose();
                return;
            }
            if (tookFromOther)
                m_canvas->update();
            else
                m_canvas->update(codeCell(m_current));
            refreshMappingInfo();
        } else if (event == MapEvent::Reset || event == MapEvent::Init) {
            m_lblMessage->setText(remapMessage);
            m_mapState = 1;
        }
        break;
    }
}

void CCharMapDlg::pickAndClose()
{
    if (m_selection.size() < maxSelection) m_selection.append(static_cast<char>(m_current));
    accept();
}

bool CCharMapDlg::handleKey(QKeyEvent* event)
{
    if (isMapping() && m_mapState == 2) {
        if (const std::optional<CKeyMap::Key> code = CKeyMap::keyCodeOf(*event)) {
            mapEvent(MapEvent::Key, *code);
            return true;
        }
    }
    const int key = event->key();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // The code field steps with Up and Down and the list moves its selection.
        if (m_codeHasFocus || m_lstMapped->hasFocus()) return false;
        mapEvent(MapEvent::Reset);
        int column = (m_current - firstCode) % gridColumns;
        int row = (m_current - firstCode) / gridColumns;
        if (key == Qt::Key_Left) column = std::max(column - 1, 0);
        if (key == Qt::Key_Right) column = std::min(column + 1, gridColumns - 1);
        if (key == Qt::Key_Up) row = std::max(row - 1, 0);
        if (key == Qt::Key_Down) row = std::min(row + 1, gridRows - 1);
        setCurrent(firstCode + row * gridColumns + column);
        return true;
    }
    case Qt::Key_Space:
        if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
        pick();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_codeHasFocus) return false;
        pick();
        return true;
    default:
        return false;
    }
}

void CCharMapDlg::gridClick(QPoint pos)
{
    const int column = (pos.x() - gridLeft) / cellPitchX;
    const int row = (pos.y() - gridTop) / cellPitchY;
    if (pos.x() <= gridLeft || pos.y() <= gridTop || column >= gridColumns || row >= gridRows) {
        mapEvent(MapEvent::Reset);
        return;
    }
    setCurrent(firstCode + row * gridColumns + column);
    if (isMapping())
        mapEvent(MapEvent::Click);
    else
        pick();
}

void CCharMapDlg::mousePressEvent(QMouseEvent* event)
{
    if (usable() && event->button() == Qt::LeftButton)
        gridClick(event->position().toPoint());
    else
        QDialog::mousePressEvent(event);
}

bool CCharMapDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (!usable()) return QDialog::eventFilter(watched, event);
    const bool inCodeField = watched == m_txtCode || watched->parent() == m_txtCode;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (inCodeField) m_codeHasFocus = true;
        break;
    case QEvent::FocusOut:
        if (inCodeField) m_codeHasFocus = false;
        break;
    case QEvent::ShortcutOverride:
        // While a key is awaited, every character goes to the mapping, never to a shortcut.
        if (isMapping() && m_mapState == 2 && CKeyMap::keyCodeOf(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (handleKey(static_cast<QKeyEvent*>(event))) return true;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CCharMapDlg::paintCharacters(QPainter& painter)
{
    if (!usable()) return;
    for (int code = firstCode; code <= lastCode; ++code) {
        const QRect cell = codeCell(code);
        const bool current = code == m_current;
        const QColor background = m_keyMap->isCharMapped(static_cast<std::uint8_t>(code))
                                      ? (current ? currentMappedColor : m_mappedColor)
                                      : (current ? currentUnmappedColor : unmappedColor);
        CharmapGlyphPainter::draw(painter, cell.topLeft(), smallScale, static_cast<std::uint8_t>(code), background);
    }
    painter.fillRect(stripArea(), Qt::white);
    for (int i = 0; i < m_selection.size(); ++i)
        CharmapGlyphPainter::draw(painter, stripCellRect(i).topLeft(), smallScale,
                                  static_cast<std::uint8_t>(m_selection.at(i)), Qt::white);
    painter.fillRect(enlargedArea(), Qt::white);
    CharmapGlyphPainter::draw(painter, enlargedAt, largeScale, m_current, Qt::white);
}

void CCharMapDlg::addCharClicked()
{
    if (isMapping())
        mapEvent(MapEvent::Button);
    else
        pick();
}

void CCharMapDlg::clearKeypadMapClicked()
{
    mapEvent(MapEvent::Reset);
    if (lcd::prompter().message(this, QStringLiteral("Clear all the mappings for this character? please confirm"),
                                QStringLiteral("WARNING"), QMessageBox::Warning,
                                QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    m_keyMap->unmapChar(m_current);
    m_canvas->update(codeCell(m_current));
    refreshMappingInfo();
}

void CCharMapDlg::clearWindowsMapClicked()
{
    const QListWidgetItem* item = m_lstMapped->currentItem();
    const int key = item ? item->data(Qt::UserRole).toInt() : 0;
    mapEvent(MapEvent::Reset);
    if (key == 0) return;
    if (lcd::prompter().message(this,
                                QStringLiteral("Clear the mapping for this selected windows character? please confirm"),
                                QStringLiteral("WARNING"), QMessageBox::Warning,
                                QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    m_keyMap->unmapKey(static_cast<CKeyMap::Key>(key));
    m_canvas->update();
    refreshMappingInfo();
}

void CCharMapDlg::clearSelectionClicked()
{
    mapEvent(MapEvent::Reset);
    m_selection.clear();
    m_canvas->update(stripArea());
}

void CCharMapDlg::listSelectionChanged()
{
    const QList<QListWidgetItem*> selected = m_lstMapped->selectedItems();
    m_btnClearWinMap->setEnabled(!selected.isEmpty() && selected.front()->data(Qt::UserRole).toInt() != 0);
}
