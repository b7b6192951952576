#include "editboxes.h"

#include "parampanel.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "modeltext/modeltext.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>

namespace {

const QColor kActiveColour(0xFF, 0xFF, 0xFF);
const QColor kInactiveColour(0xA0, 0xA0, 0xA0);
const QColor kLongActiveColour(0xFF, 0xD0, 0xD0);
const QColor kLongInactiveColour(0xC0, 0xA0, 0xA0);

} // namespace

EditBoxes::EditBoxes(ParamEditSession& session, ParamPanel& reference, ParamPanel& custom, QObject* parent)
    : QObject(parent),
      session_(session),
      reference_(reference),
      custom_(custom)
{
    for (Box b : kAll) connectBox(b);
}

LcdtextboxHost& EditBoxes::box(Box b) const
{
    ParamPanel& p = ParamEditSession::isCustom(b) ? custom_ : reference_;
    return ParamEditSession::isHelp(b) ? p.help() : p.desc();
}

std::string EditBoxes::text(Box b) const
{
    return toModel(box(b).text());
}

void EditBoxes::connectBox(Box b)
{
    LcdtextboxHost& host = box(b);
    if (host.widget()) host.widget()->installEventFilter(this);
    connect(&host, &LcdtextboxHost::edited, this, [this, b] {
        session_.markChanged(b);
        if (ParamEditSession::isHelp(b)) paint();
        emit edited(b);
    });
    if (ParamEditSession::isCustom(b)) connect(&host, &LcdtextboxHost::Paste, this, [this, b] { handBack(b); });
    if (!ParamEditSession::isHelp(b)) connect(&host, &LcdtextboxHost::LineLimit, this, &EditBoxes::lineLimitReached);
}

bool EditBoxes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (Box b : kAll) {
            if (box(b).widget() != watched) continue;
            if (event->type() == QEvent::FocusIn) {
                boxFocused(b);
            } else if (leavesBox(*box(b).widget(), *static_cast<QFocusEvent*>(event))) {
                enteredBox_ = Box::None;
                handBack(b);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool EditBoxes::leavesBox(const QWidget& boxWidget, const QFocusEvent& event)
{
    if (event.reason() == Qt::PopupFocusReason) return false;
    // The character map and the box's own messages are windows of the box itself.
    for (const QWidget* w = QApplication::activeWindow(); w; w = w->parentWidget()) {
        if (w == &boxWidget) return false;
    }
    return true;
}

void EditBoxes::boxFocused(Box b)
{
    // The focus coming back from the box's context menu or character map: the box was
    // never left, and giving it its text again would undo what they inserted.
    if (enteredBox_ == b) return;
    enteredBox_ = b;
    if (ParamEditSession::isCustom(b)) assign(b, session_.working(b));
    session_.setActiveBox(b);
    highlightActive(true);
    paint();
    emit entered(b);
}

void EditBoxes::handBack(Box b)
{
    if (!ParamEditSession::isCustom(b)) return;
    readBackIfEdited(b);
    highlightActive(false);
    emit handedBack(b);
}

void EditBoxes::readBackIfEdited(Box b)
{
    const QString current = box(b).text();
    if (current == assigned_[slot(b)]) return;
    session_.readBack(b, toModel(current));
    session_.markChanged(b);
    assigned_[slot(b)] = current;
}

void EditBoxes::absorbEdits()
{
    readBackIfEdited(Box::CustDesc);
    readBackIfEdited(Box::CustHelp);
}

void EditBoxes::assign(Box b, const std::string& working)
{
    LcdtextboxHost& host = box(b);
    // Giving a box its own text again would only move its cursor back to the start.
    if (host.text() != toQt(working)) host.assignText(toQt(working));
    assigned_[slot(b)] = host.text();
}

void EditBoxes::assignWorking()
{
    for (Box b : kAll) assign(b, session_.working(b));
}

void EditBoxes::paint()
{
    for (Box b : kAll) {
        const bool active = session_.activeBox() == b;
        QColor colour = active ? kActiveColour : kInactiveColour;
        if (ParamEditSession::isHelp(b) && session_.helpTooLong(text(b)))
            colour = active ? kLongActiveColour : kLongInactiveColour;
        ParamPanel::paintBox(box(b), colour);
    }
}

void EditBoxes::highlightActive(bool visible)
{
    const Box active = visible ? session_.activeBox() : Box::None;
    const bool inCustom = ParamEditSession::isCustom(active);
    reference_.highlight(active != Box::None && !inCustom ? &box(active) : nullptr);
    custom_.highlight(active != Box::None && inCustom ? &box(active) : nullptr);
}
