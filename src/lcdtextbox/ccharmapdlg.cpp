#include "ccharmapdlg.h"

#include "charmapcanvas.h"
#include "charmapglyphpainter.h"
#include "charmaplayout.h"
#include "lcdprompts.h"

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

constexpr int firstCode = CharMapGeometry::firstCode;
constexpr int lastCode = CharMapGeometry::lastCode;

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

QString keyText(CKeyMap::Key key)
{
    return QString(QChar(key));
}

} // namespace

CCharMapDlg::CCharMapDlg(const QColor& mappedColor, int mode, CKeyMap* keyMap, std::optional<CKeyMap::Key> key,
                         QWidget* parent)
    : QDialog(parent)
    , m_mappedColor(mappedColor)
    , m_mode(mode)
    , m_keyMap(keyMap)
    , m_key(key)
    , m_mapFlow(mode == MapKey && key.has_value())
{
    buildControls();
    if (usable()) {
        applyMode();
        return;
    }
    // Nothing here can work without a map or with an unknown mode; only Cancel stays.
    for (QWidget* control : std::initializer_list<QWidget*>{m_ui.txtCode, m_ui.lstMapped, m_ui.btnAddChar,
                                                            m_ui.btnClearKeypadMap, m_ui.btnClearWinMap,
                                                            m_ui.btnClearSelection, m_ui.btnOK})
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
    return m_ui.lblMessage->text();
}

void CCharMapDlg::buildControls()
{
    m_canvas = new CharMapCanvas(this, [this](QPainter& painter) { paintCharacters(painter); });
    m_ui.setupUi(this, m_canvas);
    m_ui.txtCode->setValue(m_current);

    connect(m_ui.btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui.btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui.btnAddChar, &QPushButton::clicked, this, &CCharMapDlg::addCharClicked);
    connect(m_ui.btnClearKeypadMap, &QPushButton::clicked, this, &CCharMapDlg::clearKeypadMapClicked);
    connect(m_ui.btnClearWinMap, &QPushButton::clicked, this, &CCharMapDlg::clearWindowsMapClicked);
    connect(m_ui.btnClearSelection, &QPushButton::clicked, this, &CCharMapDlg::clearSelectionClicked);
    connect(m_ui.lstMapped, &QListWidget::itemSelectionChanged, this, &CCharMapDlg::listSelectionChanged);
    connect(m_ui.txtCode, &QSpinBox::valueChanged, this, [this](int value) { setCurrent(value); });

    // The arrow keys belong to the grid, so the dialog opens with the focus on OK rather
    // than in the code field, where Up and Down step the code.
    m_ui.btnOK->setFocus();
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
    m_ui.lblMessage->setText(initialMessage());
    if (isMapping()) {
        m_ui.btnAddChar->setText(QStringLiteral("Select Ch&ar"));
        m_ui.btnClearSelection->setEnabled(false);
    } else {
        m_ui.lstMapped->setEnabled(false);
    }
    refreshMappingInfo();
    m_ui.btnClearKeypadMap->setEnabled(false);
    m_ui.btnClearWinMap->setEnabled(false);
    mapEvent(MapEvent::Init);
}

void CCharMapDlg::setCurrent(int code)
{
    if (code < firstCode || code > lastCode) return;
    const int old = m_current;
    m_current = static_cast<std::uint8_t>(code);
    {
        const QSignalBlocker blocker(m_ui.txtCode);
        m_ui.txtCode->setValue(code);
    }
    m_canvas->update(CharMapGeometry::codeCell(old));
    m_canvas->update(CharMapGeometry::codeCell(code));
    m_canvas->update(CharMapGeometry::enlargedArea());
    refreshMappingInfo();
}

void CCharMapDlg::refreshMappingInfo()
{
    refillList();
    const std::optional<CKeyMap::Key> representative = m_keyMap->keypadToKey(m_current);
    m_ui.btnClearKeypadMap->setEnabled(isMapping() && representative.has_value());
    if (m_key)
        m_ui.txtWinChar->setText(keyText(*m_key));
    else if (representative)
        m_ui.txtWinChar->setText(keyText(*representative));
    else
        m_ui.txtWinChar->clear();
}

void CCharMapDlg::refillList()
{
    m_ui.lstMapped->clear();
    const std::vector<CKeyMap::Key> keys = m_keyMap->keysOf(m_current);
    if (keys.empty()) {
        auto* item = new QListWidgetItem(QStringLiteral("Not Mapped"), m_ui.lstMapped);
        item->setData(Qt::UserRole, 0);
    }
    for (CKeyMap::Key key : keys) {
        auto* item = new QListWidgetItem(QStringLiteral("%1: %2").arg(keyText(key)).arg(key), m_ui.lstMapped);
        item->setData(Qt::UserRole, key);
    }
    m_ui.btnClearWinMap->setEnabled(false);
}

void CCharMapDlg::pick()
{
    if (m_selection.size() < maxSelection) {
        m_selection.append(static_cast<char>(m_current));
        m_canvas->update(CharMapGeometry::strip().area());
    }
    if (m_mode == SingleInsert) accept();
}

void CCharMapDlg::mapEvent(MapEvent event, CKeyMap::Key code)
{
    if (!isMapping()) return;
    using Action = KeyMappingFlow::Action;
    switch (m_mapFlow.step(event)) {
    case Action::None:
        break;
    case Action::ShowFirstMessage:
        m_ui.lblMessage->setText(initialMessage());
        break;
    case Action::ShowRemapMessage:
        m_ui.lblMessage->setText(remapMessage);
        break;
    case Action::AskForKey:
        m_ui.lblMessage->setText(QStringLiteral("Press the keyboard key or key combination to use for this character"));
        break;
    case Action::MapGivenKeyAndClose:
        m_keyMap->map(m_current, *m_key);
        pickAndClose();
        break;
    case Action::MapPressedKey: {
        const bool tookFromOther = m_keyMap->map(m_current, code);
        m_ui.lblMessage->setText(remapMessageAfterKey);
        if (isSingle()) {
            pickAndClose();
            return;
        }
        if (tookFromOther)
            m_canvas->update();
        else
            m_canvas->update(CharMapGeometry::codeCell(m_current));
        refreshMappingInfo();
        break;
    }
    }
}

void CCharMapDlg::pickAndClose()
{
    if (m_selection.size() < maxSelection) m_selection.append(static_cast<char>(m_current));
    accept();
}

bool CCharMapDlg::handleKey(QKeyEvent* event)
{
    if (awaitingKey()) {
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
        if (m_codeHasFocus || m_ui.lstMapped->hasFocus()) return false;
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
    const std::optional<int> code = CharMapGeometry::codeAt(pos);
    if (!code) {
        mapEvent(MapEvent::Reset);
        return;
    }
    setCurrent(*code);
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
    const bool inCodeField = watched == m_ui.txtCode || watched->parent() == m_ui.txtCode;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (inCodeField) m_codeHasFocus = true;
        break;
    case QEvent::FocusOut:
        if (inCodeField) m_codeHasFocus = false;
        break;
    case QEvent::ShortcutOverride:
        // While a key is awaited, every character goes to the mapping, never to a shortcut.
        if (awaitingKey() && CKeyMap::keyCodeOf(*static_cast<QKeyEvent*>(event))) {
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
        const QRect cell = CharMapGeometry::codeCell(code);
        const bool current = code == m_current;
        const QColor background = m_keyMap->isCharMapped(static_cast<std::uint8_t>(code))
                                      ? (current ? currentMappedColor : m_mappedColor)
                                      : (current ? currentUnmappedColor : unmappedColor);
        CharMapGlyphPainter::draw(painter, cell.topLeft(), CharMapGeometry::smallScale, static_cast<std::uint8_t>(code),
                                  background);
    }
    painter.fillRect(CharMapGeometry::strip().area(), Qt::white);
    for (int i = 0; i < m_selection.size(); ++i)
        CharMapGlyphPainter::draw(painter, CharMapGeometry::strip().cellRect(i).topLeft(), CharMapGeometry::smallScale,
                                  static_cast<std::uint8_t>(m_selection.at(i)), Qt::white);
    painter.fillRect(CharMapGeometry::enlargedArea(), Qt::white);
    CharMapGlyphPainter::draw(painter, CharMapGeometry::enlargedGlyphRect().topLeft(), CharMapGeometry::largeScale,
                              m_current, Qt::white);
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
    m_canvas->update(CharMapGeometry::codeCell(m_current));
    refreshMappingInfo();
}

void CCharMapDlg::clearWindowsMapClicked()
{
    const QListWidgetItem* item = m_ui.lstMapped->currentItem();
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
    m_canvas->update(CharMapGeometry::strip().area());
}

void CCharMapDlg::listSelectionChanged()
{
    const QList<QListWidgetItem*> selected = m_ui.lstMapped->selectedItems();
    m_ui.btnClearWinMap->setEnabled(!selected.isEmpty() && selected.front()->data(Qt::UserRole).toInt() != 0);
}
