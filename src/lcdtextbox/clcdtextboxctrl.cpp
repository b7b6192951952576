#include "clcdtextboxctrl.h"

#include "charmaprunner.h"
#include "keypadtext/cescapedtext.h"
#include "ckeymap.h"
#include "keypadclipboard.h"
#include "lcdpainter.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <memory>

namespace {

// Grey behind mapped characters when the map opens for a pasted character with no key.
constexpr QRgb pastedCharMappedColor = 0x808080;

std::string toBytes(const QString& text)
{
    const QByteArray latin1 = text.toLatin1();
    return std::string(latin1.constData(), static_cast<std::size_t>(latin1.size()));
}

QString fromBytes(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

CLcdtextboxCtrl::CLcdtextboxCtrl(QWidget* parent)
    : QWidget(parent)
    , m_backColor(palette().color(QPalette::Window))
    , m_foreColor(palette().color(QPalette::WindowText))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_text.setCols(16);
    m_text.setRows(2);
}

void CLcdtextboxCtrl::setNCols(qint16 cols)
{
    m_text.setCols(cols);
    update();
}

void CLcdtextboxCtrl::setNRows(qint16 rows)
{
    m_text.setRows(rows);
    update();
}

void CLcdtextboxCtrl::setEmptyCellColor(const QColor& color)
{
    m_emptyCellColor = color;
    update();
}

void CLcdtextboxCtrl::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

QString CLcdtextboxCtrl::text() const
{
    return fromBytes(CEscapedText::encode(m_text.text()));
}

void CLcdtextboxCtrl::setText(const QString& escaped)
{
    m_text.setText(CEscapedText::decode(toBytes(escaped)));
    update();
    emit Change();
}

void CLcdtextboxCtrl::setCursorPos(qint16 index)
{
    if (index >= 0 && index < m_text.length()) m_text.setCursor(index);
    update();
}

QString CLcdtextboxCtrl::convertString() const
{
    return fromBytes(CEscapedText::convertString(toBytes(m_convertString)));
}

void CLcdtextboxCtrl::setPresentRow(qint16 line)
{
    const int p = m_text.positionAt(line, 0);
    if (p <= m_text.length()) m_text.setCursor(p);
    update();
}

void CLcdtextboxCtrl::scrollUp()
{
    m_edit.moveUp();
    update();
}

void CLcdtextboxCtrl::scrollDown()
{
    m_edit.moveDown();
    update();
}

void CLcdtextboxCtrl::cut()
{
    copy();
    m_edit.del();
}

void CLcdtextboxCtrl::copy()
{
    if (m_text.selState() != CKeypadText::SelMade) return;
    const std::string bytes = m_edit.selectedBytes();
    const CKeyMap& keyMap = CKeyMap::instance();
    QString plain;
    for (char byte : bytes) {
        const auto key = keyMap.keypadToKey(static_cast<std::uint8_t>(byte));
        plain.append(key ? QChar(*key) : QChar(u' '));
    }
    KeypadClipboard::put(bytes, plain);
}

void CLcdtextboxCtrl::paste()
{
    bool accepted = true;
    switch (KeypadClipboard::content()) {
    case KeypadClipboard::Content::KeypadBytes:
        accepted = m_edit.pasteKeypad(KeypadClipboard::pasteBuffer());
        break;
    case KeypadClipboard::Content::PlainText: {
        const QString plain = KeypadClipboard::plainText();
        const auto toByte = [this](char16_t c) -> std::uint8_t {
            if (const auto byte = CKeyMap::instance().keyToKeypad(c)) return *byte;
            return CharMapRunner::run({this, QColor::fromRgb(pastedCharMappedColor), 3, c}).current;
        };
        accepted = m_edit.pastePlain(plain.toStdU16String(), toByte);
        break;
    }
    case KeypadClipboard::Content::Nothing:
        break;
    }
    if (!accepted) emit LineLimit();
    emit Paste();
}

void CLcdtextboxCtrl::del()
{
    m_edit.del();
}

void CLcdtextboxCtrl::clear()
{
    m_edit.clear();
}

qint32 CLcdtextboxCtrl::StripTrailingSpaces()
{
    return m_edit.stripTrailingSpaces();
}

QString CLcdtextboxCtrl::invokeCharMap(qint16 mode)
{
    const CharMapRunner::Result result = CharMapRunner::run({this, m_backColor, mode, std::nullopt});
    if (result.accepted && mode >= 1 && mode <= 3) insertChosen(result.selection);
    return QString();
}

bool CLcdtextboxCtrl::saveMapping(const QString& filePathName)
{
    return CKeyMap::instance().save(filePathName, this);
}

bool CLcdtextboxCtrl::loadMapping(const QString& filePathName)
{
    return CKeyMap::instance().load(filePathName, this);
}

QMenu* CLcdtextboxCtrl::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const auto add = [this, menu](const QString& caption, const QString& prompt, auto command) {
        QAction* action = menu->addAction(caption);
        action->setStatusTip(prompt);
        connect(action, &QAction::triggered, this, [this, command] {
            command();
            update();
        });
    };
    add(QStringLiteral("Cu&t (ctrl-X)"), QStringLiteral("Place selection on clip board"), [this] { cut(); });
    add(QStringLiteral("&Copy (ctrl-C)"), QStringLiteral("Copy text to clipboard"), [this] { copy(); });
    add(QStringLiteral("&Paste (ctrl-V)"), QStringLiteral("Paste text from clipboard"), [this] { paste(); });
    menu->addSeparator();
    add(QStringLiteral("&Insert / Overtype (ctrl-I)"), QString(), [this] { toggleInsertMode(); });
    menu->addSeparator();
    add(QStringLiteral("Clea&r (ctrl-E)"), QString(), [this] { clear(); });
    menu->addSeparator();
    add(QStringLiteral("&Select character (ctrl-J)"), QString(), [this] { invokeCharMap(1); });
    add(QStringLiteral("Select characters (ctrl-B)"), QString(), [this] { invokeCharMap(2); });
    menu->addSeparator();
    add(QStringLiteral("&Edit character map (ctrl-S)"), QString(), [this] { invokeCharMap(0); });
    return menu;
}

void CLcdtextboxCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    LcdPainter::paint(painter, rect(), m_text, {m_backColor, m_emptyCellColor, isEnabled(), m_focused});
}

void CLcdtextboxCtrl::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    if (event->isAutoRepeat() && key == Qt::Key_Shift) return;
    // Keys that act on key-down carry no character, except Backspace, whose character
    // does nothing beyond the repaint and Change that follow every character.
    if (keyDown(key, event->modifiers()) && key != Qt::Key_Backspace) {
        update();
        return;
    }
    const auto code = CKeyMap::keyCodeOf(*event);
    if (!code) {
        // Function keys and Alt combinations belong to the host.
        event->ignore();
        return;
    }
    character(*code);
    update();
}

void CLcdtextboxCtrl::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Shift || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    m_shiftHeld = false;
    m_edit.shiftReleased();
    update();
}

bool CLcdtextboxCtrl::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Backspace:
        m_edit.backspace();
        return true;
    case Qt::Key_Shift:
        m_shiftHeld = true;
        m_edit.shiftPressed();
        return true;
    case Qt::Key_End:
        // End stops on the last byte. Ctrl+End goes past it, where typing appends, and so does
        // Shift+End, so that the selection takes the last byte too.
        if (modifiers & Qt::ControlModifier || m_shiftHeld)
            m_edit.endOfText();
        else
            m_edit.end();
        m_edit.afterMove(m_shiftHeld);
        return true;
    case Qt::Key_Home:
        m_edit.home();
        m_edit.afterMove(m_shiftHeld);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (key == Qt::Key_Left) m_edit.moveLeft();
        if (key == Qt::Key_Right) m_edit.moveRight();
        if (key == Qt::Key_Up) m_edit.moveUp();
        if (key == Qt::Key_Down) m_edit.moveDown();
        m_edit.afterMove(m_shiftHeld);
        return true;
    case Qt::Key_Insert:
        toggleInsertMode();
        return true;
    case Qt::Key_Delete:
        m_edit.del();
        return true;
    default:
        return false;
    }
}

void CLcdtextboxCtrl::character(int code)
{
    switch (code) {
    case 2: invokeCharMap(2); break;
    case 3: copy(); break;
    case 5: clear(); break;
    case 9: toggleInsertMode(); break;
    case 10: invokeCharMap(1); break;
    case 13:
        if (!m_edit.lineBreak()) emit LineLimit();
        break;
    case 19: invokeCharMap(0); break;
    case 22: paste(); break;
    case 24: cut(); break;
    default:
        if (code >= 32) typeCharacter(code);
        break;
    }
    update();
    emit Change();
}

void CLcdtextboxCtrl::typeCharacter(int code)
{
    const auto key = static_cast<CKeyMap::Key>(code);
    const auto byte = CKeyMap::instance().keyToKeypad(key);
    if (!byte) {
        const CharMapRunner::Result result = CharMapRunner::run({this, m_backColor, 3, key});
        if (result.accepted) insertChosen(result.selection);
        return;
    }
    if (!m_edit.typeByte(*byte)) emit LineLimit();
}

void CLcdtextboxCtrl::toggleInsertMode()
{
    m_text.setInsertMode(!m_text.insertMode());
}

void CLcdtextboxCtrl::insertChosen(const QByteArray& bytes)
{
    if (!m_edit.insertChosen(bytes.toStdString())) emit LineLimit();
}

std::optional<int> CLcdtextboxCtrl::positionAt(const QPoint& point) const
{
    const QSize cell = LcdPainter::cellSize(rect(), m_text.cols(), m_text.rows());
    // A box too small for a single pixel per cell has no grid to point at.
    if (cell.width() <= 0 || cell.height() <= 0) return std::nullopt;
    if (point.x() <= 0 || point.y() <= 0) return std::nullopt;
    const int gridRow = point.y() / cell.height();
    const int gridColumn = point.x() / cell.width();
    if (gridRow >= m_text.rows() || gridColumn >= m_text.cols()) return std::nullopt;
    const int line = std::min(gridRow + m_text.topRow(), m_text.lastLine());
    return m_text.positionAt(line, gridColumn);
}

void CLcdtextboxCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    if (const auto position = positionAt(event->position().toPoint())) {
        m_text.setSelState(CKeypadText::SelNone);
        m_text.setSelAnchor(*position);
    }
    update();
}

void CLcdtextboxCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) return;
    if (const auto position = positionAt(event->position().toPoint())) {
        m_text.setSelEnd(*position);
        m_text.setSelState(CKeypadText::SelMaking);
        if (*position <= m_text.length()) m_text.setCursor(*position);
    } else {
        m_text.finishSelection();
    }
    update();
}

void CLcdtextboxCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        std::unique_ptr<QMenu> menu(createContextMenu(this));
        menu->exec(event->globalPosition().toPoint());
        update();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (const auto position = positionAt(event->position().toPoint())) {
        m_text.setSelEnd(*position);
        if (m_text.selEnd() == m_text.selAnchor())
            m_text.setSelState(CKeypadText::SelNone);
        else
            m_text.finishSelection();
        if (*position <= m_text.length()) m_text.setCursor(*position);
    }
    update();
}

void CLcdtextboxCtrl::focusInEvent(QFocusEvent* event)
{
    m_focused = true;
    update();
    QWidget::focusInEvent(event);
}

void CLcdtextboxCtrl::focusOutEvent(QFocusEvent* event)
{
    m_focused = false;
    update();
    QWidget::focusOutEvent(event);
}
