#include "clcdtextboxctrl.h"

#include "charmaprunner.h"
#include "ckeymap.h"
#include "keypadtext/cescapedtext.h"
#include "lcdpainter.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <memory>

namespace {

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
    showCursor();
}

void CLcdtextboxCtrl::setNRows(qint16 rows)
{
    m_text.setRows(rows);
    showCursor();
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
    // Marks of the old text would stand under the wrong letters; the host marks the new one.
    m_marks.setRanges(QString());
    showCursor();
    emit Change();
}

void CLcdtextboxCtrl::setCursorPos(qint16 index)
{
    if (index >= 0 && index < m_text.length()) m_text.setCursor(index);
    showCursor();
}

QString CLcdtextboxCtrl::convertString() const
{
    return fromBytes(CEscapedText::convertString(toBytes(m_convertString)));
}

void CLcdtextboxCtrl::setPresentRow(qint16 line)
{
    const int p = m_text.positionAt(line, 0);
    if (p <= m_text.length()) m_text.setCursor(p);
    showCursor();
}

void CLcdtextboxCtrl::scrollUp()
{
    m_edit.moveUp();
    showCursor();
}

void CLcdtextboxCtrl::scrollDown()
{
    m_edit.moveDown();
    showCursor();
}

void CLcdtextboxCtrl::cut()
{
    m_clipboard.cut();
    followCursor();
}

void CLcdtextboxCtrl::copy()
{
    m_clipboard.copy();
}

void CLcdtextboxCtrl::paste()
{
    const bool accepted = m_clipboard.paste();
    followCursor();
    if (!accepted) emit LineLimit();
    emit Paste();
}

void CLcdtextboxCtrl::del()
{
    m_edit.del();
    followCursor();
}

void CLcdtextboxCtrl::clear()
{
    m_edit.clear();
    followCursor();
}

qint32 CLcdtextboxCtrl::StripTrailingSpaces()
{
    const qint32 removed = m_edit.stripTrailingSpaces();
    followCursor();
    return removed;
}

QString CLcdtextboxCtrl::invokeCharMap(qint16 mode)
{
    const CharMapRunner::Result result = CharMapRunner::run({this, m_backColor, mode, std::nullopt});
    if (result.accepted && mode >= 1 && mode <= 3) insertChosen(result.selection);
    followCursor();
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

void CLcdtextboxCtrl::setSpellCheck(bool on)
{
    m_spellCheck = on;
    update();
}

void CLcdtextboxCtrl::setMisspelledWords(const QString& ranges)
{
    m_marks.setRanges(ranges);
    m_marks.fit(m_text.length());
    update();
}

void CLcdtextboxCtrl::setSpellingSuggestions(const QString& suggestions)
{
    m_suggestions = suggestions.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QMenu* CLcdtextboxCtrl::createContextMenu(QWidget* parent, int index)
{
    QMenu* menu = createContextMenu(parent);
    const std::optional<SpellMarks::Range> range = m_spellCheck ? m_marks.at(index) : std::nullopt;
    if (range) addSpellingItems(*menu, *range);
    return menu;
}

void CLcdtextboxCtrl::addSpellingItems(QMenu& menu, SpellMarks::Range range)
{
    const std::string bytes =
        m_text.text().substr(static_cast<std::size_t>(range.first), static_cast<std::size_t>(range.last - range.first));
    const QString word = fromBytes(bytes);
    m_suggestions.clear();
    emit SuggestionsWanted(word);
    QAction* before = menu.actions().value(0);
    const auto insert = [&menu, before](const QString& caption) {
        auto* action = new QAction(caption, &menu);
        menu.insertAction(before, action);
        return action;
    };
    for (const QString& suggestion : std::as_const(m_suggestions))
        connect(insert(suggestion), &QAction::triggered, this,
                [this, range, suggestion] { replaceWord(range, suggestion); });
    if (m_suggestions.isEmpty()) insert(QStringLiteral("(no suggestions)"))->setEnabled(false);
    // An accepted word loses its marks at once; the host learns of it by the event.
    const auto accepted = [this, bytes, word](void (CLcdtextboxCtrl::*notify)(const QString&)) {
        return [this, bytes, word, notify] {
            m_marks.removeWord(m_text.text(), bytes);
            update();
            emit(this->*notify)(word);
        };
    };
    connect(insert(QStringLiteral("Add to word list")), &QAction::triggered, this, accepted(&CLcdtextboxCtrl::AddWord));
    connect(insert(QStringLiteral("Ignore")), &QAction::triggered, this, accepted(&CLcdtextboxCtrl::IgnoreWord));
    menu.insertSeparator(before);
}

void CLcdtextboxCtrl::replaceWord(SpellMarks::Range range, const QString& word)
{
    const std::string replacement = toBytes(word);
    std::string bytes = m_text.text();
    bytes.replace(static_cast<std::size_t>(range.first), static_cast<std::size_t>(range.last - range.first),
                  replacement);
    m_text.setText(bytes);
    m_text.setCursor(range.first + static_cast<int>(replacement.size()));
    m_marks.setRanges(QString());
    showCursor();
    emit Change();
}

QMenu* CLcdtextboxCtrl::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const auto add = [this, menu](const QString& caption, const QString& prompt, auto command) {
        QAction* action = menu->addAction(caption);
        action->setStatusTip(prompt);
        connect(action, &QAction::triggered, this, [this, command] {
            command();
            showCursor();
        });
    };
    add(QStringLiteral("Cu&t (ctrl-X)"), QStringLiteral("Place selection on clip board"), [this] { cut(); });
    add(QStringLiteral("&Copy (ctrl-C)"), QStringLiteral("Copy text to clipboard"), [this] { copy(); });
    add(QStringLiteral("&Paste (ctrl-V)"), QStringLiteral("Paste text from clipboard"), [this] { paste(); });
    menu->addSeparator();
    add(QStringLiteral("&Insert / Overtype (ctrl-I)"), QString(), [this] { m_keys.toggleInsertMode(); });
    menu->addSeparator();
    add(QStringLiteral("Clea&r (ctrl-E)"), QString(), [this] { clear(); });
    menu->addSeparator();
    add(QStringLiteral("&Select character (ctrl-J)"), QString(), [this] { invokeCharMap(1); });
    add(QStringLiteral("Select characters (ctrl-B)"), QString(), [this] { invokeCharMap(2); });
    menu->addSeparator();
    add(QStringLiteral("&Edit character map (ctrl-S)"), QString(), [this] { invokeCharMap(0); });
    return menu;
}

bool CLcdtextboxCtrl::event(QEvent* event)
{
    // The box's control keys are its own while it has the focus: a host's shortcut on one
    // of them (Save on Ctrl+S) waits. Other Ctrl keys, Enter included, stay the host's.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const auto code = CKeyMap::keyCodeOf(key);
        if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z && code &&
            KeyController::controlCode(*code)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void CLcdtextboxCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    LcdPainter::paint(painter, rect(), grid(), m_text,
                      {m_backColor, m_emptyCellColor, isEnabled(), m_focused, m_spellCheck ? &m_marks : nullptr});
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
    if (m_keys.keyDown(key, event->modifiers()) && key != Qt::Key_Backspace) {
        showCursor();
        return;
    }
    const auto code = CKeyMap::keyCodeOf(*event);
    if (!code) {
        // Function keys and Alt combinations belong to the host.
        event->ignore();
        return;
    }
    character(*code);
    showCursor();
}

void CLcdtextboxCtrl::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Shift || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    m_keys.shiftReleased();
    showCursor();
}

void CLcdtextboxCtrl::character(int code)
{
    if (const auto control = KeyController::controlCode(code))
        command(*control);
    else if (code >= 32)
        typeCharacter(code);
    showCursor();
    emit Change();
}

void CLcdtextboxCtrl::command(KeyController::ControlCode code)
{
    using Code = KeyController::ControlCode;
    switch (code) {
    case Code::SelectCharacters: invokeCharMap(2); break;
    case Code::Copy: copy(); break;
    case Code::Clear: clear(); break;
    case Code::ToggleInsert: m_keys.toggleInsertMode(); break;
    case Code::SelectCharacter: invokeCharMap(1); break;
    case Code::LineBreak:
        if (!m_edit.lineBreak()) emit LineLimit();
        break;
    case Code::EditCharacterMap: invokeCharMap(0); break;
    case Code::Paste: paste(); break;
    case Code::Cut: cut(); break;
    }
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

void CLcdtextboxCtrl::insertChosen(const QByteArray& bytes)
{
    if (!m_edit.insertChosen(bytes.toStdString())) emit LineLimit();
}

std::optional<int> CLcdtextboxCtrl::positionAt(const QPoint& point) const
{
    const std::optional<GridGeometry::Cell> cell = grid().cellAt(point);
    if (!cell) return std::nullopt;
    const int line = std::min(cell->row + m_text.topRow(), m_text.lastLine());
    return m_text.positionAt(line, cell->column);
}

void CLcdtextboxCtrl::showCursor()
{
    followCursor();
    update();
}

void CLcdtextboxCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    if (const auto position = positionAt(event->position().toPoint())) {
        m_text.setSelState(CKeypadText::SelNone);
        m_text.setSelAnchor(*position);
    }
    showCursor();
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
    showCursor();
}

void CLcdtextboxCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        const std::optional<int> position = positionAt(event->position().toPoint());
        std::unique_ptr<QMenu> menu(createContextMenu(this, position.value_or(-1)));
        menu->exec(event->globalPosition().toPoint());
        showCursor();
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
    showCursor();
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
