#include "layoutcheck.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QtMath>
#include <QToolButton>

#include <optional>

namespace kpd::test {
namespace {

// The style options of these widgets are filled by protected members; a member pointer
// taken through a derived class reaches them without pretending the widget is one.
struct PushButtonAccess : QPushButton {
    using QPushButton::initStyleOption;
};
struct CheckBoxAccess : QCheckBox {
    using QCheckBox::initStyleOption;
};
struct RadioButtonAccess : QRadioButton {
    using QRadioButton::initStyleOption;
};
struct GroupBoxAccess : QGroupBox {
    using QGroupBox::initStyleOption;
};

QString withoutMnemonics(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

QString rectText(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString describe(const QWidget* widget)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) text = shownText(label);
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) text = shownText(button);
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) text = withoutMnemonics(group->title());
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty()) name += QStringLiteral(" '%1'").arg(widget->objectName());
    if (!text.isEmpty()) name += QStringLiteral(" \"%1\"").arg(text.simplified().left(40));
    return name;
}

// Where the widget can be seen, in the window's coordinates: its own rectangle cut by
// every ancestor's, as painting clips it.
QRect visibleRect(const QWidget* widget, const QWidget* window)
{
    QRect seen(widget->mapTo(window, QPoint(0, 0)), widget->size());
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        seen &= QRect(up->mapTo(window, QPoint(0, 0)), up->size());
    return seen & window->rect();
}

// A frame that holds controls placed over it rather than inside it: it draws no content
// of its own where they stand.
bool holdsControls(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    return qobject_cast<const QGroupBox*>(widget) || type == &QWidget::staticMetaObject ||
           type == &QFrame::staticMetaObject ||
           (widget->testAttribute(Qt::WA_TransparentForMouseEvents) && !widget->autoFillBackground());
}

// How far the content of a scroll area's viewport can be brought into view: the viewport
// widened by what its scroll bars can still scroll. A bar that is always off scrolls nothing.
std::optional<QRect> scrollReach(const QWidget* viewport)
{
    const auto* area = viewport ? qobject_cast<const QAbstractScrollArea*>(viewport->parentWidget()) : nullptr;
    if (!area || area->viewport() != viewport) return std::nullopt;
    // What lies before the shown part and what lies after it.
    const auto span = [](const QScrollBar* bar, Qt::ScrollBarPolicy policy) {
        if (policy == Qt::ScrollBarAlwaysOff) return std::pair(0, 0);
        return std::pair(bar->value() - bar->minimum(), bar->maximum() - bar->value());
    };
    const auto [left, right] = span(area->horizontalScrollBar(), area->horizontalScrollBarPolicy());
    const auto [above, below] = span(area->verticalScrollBar(), area->verticalScrollBarPolicy());
    return viewport->rect().adjusted(-left, -above, right, below);
}

QString cutOffFault(const QWidget* widget, const QWidget* window)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent) return {};
    // Content that scrolls may reach beyond its viewport, as far as the area scrolls.
    const QRect room = scrollReach(parent).value_or(parent->rect());
    if (room.contains(widget->geometry())) return {};
    return QStringLiteral("cut off: %1 %2 reaches outside %3 %4")
        .arg(describe(widget), rectText(QRect(widget->mapTo(window, QPoint(0, 0)), widget->size())),
             parent == window ? QStringLiteral("the window") : describe(parent),
             rectText(QRect(parent->mapTo(window, QPoint(0, 0)), parent->size())));
}

const QMdiSubWindow* mdiWindowOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const auto* sub = qobject_cast<const QMdiSubWindow*>(w)) return sub;
    return nullptr;
}

struct Item {
    const QWidget* widget = nullptr; // null for a painted area
    QString name;
    QRect rect;
};

bool meantToStack(const Item& a, const Item& b)
{
    if (a.widget && b.widget) {
        if (a.widget->isAncestorOf(b.widget) || b.widget->isAncestorOf(a.widget)) return true;
        const QMdiSubWindow* subA = mdiWindowOf(a.widget);
        const QMdiSubWindow* subB = mdiWindowOf(b.widget);
        if (subA && subB && subA != subB) return true;
    }
    if (a.widget && holdsControls(a.widget) && a.rect.contains(b.rect)) return true;
    if (b.widget && holdsControls(b.widget) && b.rect.contains(a.rect)) return true;
    return false;
}

QString roomFault(const QString& what, QSize needed, QRect room, const QRect& where)
{
    QStringList parts;
    if (needed.width() > room.width())
        parts << QStringLiteral("is %1 px wide with room for %2").arg(needed.width()).arg(room.width());
    if (needed.height() > room.height())
        parts << QStringLiteral("is %1 px high with room for %2").arg(needed.height()).arg(room.height());
    if (parts.isEmpty()) return {};
    return QStringLiteral("clipped: the text of %1 %2 %3").arg(what, parts.join(QStringLiteral(" and ")), rectText(where));
}

QString labelFault(const QLabel* label, const QRect& where)
{
    if (label->text().isEmpty()) return {};
    const QRect room = label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(),
                                                                     label->margin(), label->margin()));
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed <= label->height()) return {};
        return QStringLiteral("clipped: the wrapped text of %1 is %2 px high with room for %3 %4")
            .arg(describe(label))
            .arg(needed)
            .arg(label->height())
            .arg(rectText(where));
    }
    QSize needed;
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        needed = QSize(qCeil(document.idealWidth()), qCeil(document.size().height()));
    } else {
        needed = label->fontMetrics().size(Qt::TextExpandTabs, shownText(label));
    }
    return roomFault(describe(label), needed, room, where);
}

// The room a button's style leaves for its text, after the indicator or the bevel.
std::optional<QRect> textRoom(const QAbstractButton* button)
{
    QStyleOptionButton option;
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        (push->*&PushButtonAccess::initStyleOption)(&option);
        QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (!option.icon.isNull()) room.setLeft(room.left() + option.iconSize.width() + 4);
        return room;
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(button)) {
        (check->*&CheckBoxAccess::initStyleOption)(&option);
        return button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(button)) {
        (radio->*&RadioButtonAccess::initStyleOption)(&option);
        return button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
        const bool textShown = tool->toolButtonStyle() != Qt::ToolButtonIconOnly ||
                               (tool->icon().isNull() && tool->arrowType() == Qt::NoArrow);
        if (!textShown) return std::nullopt;
    }
    return button->contentsRect();
}

QString buttonFault(const QAbstractButton* button, const QRect& where)
{
    const QString text = shownText(button);
    if (text.isEmpty()) return {};
    const std::optional<QRect> room = textRoom(button);
    if (!room) return {};
    return roomFault(describe(button), button->fontMetrics().size(0, text), *room, where);
}

QString titleFault(const QGroupBox* group, const QRect& where)
{
    if (group->title().isEmpty()) return {};
    QStyleOptionGroupBox option;
    (group->*&GroupBoxAccess::initStyleOption)(&option);
    const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    if (group->rect().contains(title)) return {};
    return QStringLiteral("clipped: the title of %1 needs %2 inside %3 %4")
        .arg(describe(group), rectText(title), rectText(group->rect()), rectText(where));
}

} // namespace

QString shownText(const QLabel* label)
{
    return label->buddy() ? withoutMnemonics(label->text()) : label->text();
}

QString shownText(const QAbstractButton* button)
{
    return withoutMnemonics(button->text());
}

QStringList layoutFaults(QWidget* window, const QList<PaintedArea>& painted)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList faults;
    QList<Item> items;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisible() || widget->size().isEmpty()) continue;
        if (const QString cut = cutOffFault(widget, window); !cut.isEmpty()) faults << cut;
        const QRect seen = visibleRect(widget, window);
        if (seen.isEmpty()) continue;
        items.append({widget, describe(widget), seen});

        QString fault;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) fault = labelFault(label, seen);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) fault = buttonFault(button, seen);
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) fault = titleFault(group, seen);
        if (!fault.isEmpty()) faults << fault;
    }
    for (const PaintedArea& area : painted) items.append({nullptr, QStringLiteral("painted ") + area.name, area.rect});

    for (qsizetype i = 0; i < items.size(); ++i) {
        for (qsizetype j = i + 1; j < items.size(); ++j) {
            const Item& a = items[i];
            const Item& b = items[j];
            if (!a.rect.intersects(b.rect) || meantToStack(a, b)) continue;
            faults << QStringLiteral("overlap: %1 %2 and %3 %4 share %5")
                          .arg(a.name, rectText(a.rect), b.name, rectText(b.rect), rectText(a.rect & b.rect));
        }
    }
    return faults;
}

::testing::AssertionResult fitsScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen) return ::testing::AssertionFailure() << "the window has no screen";
    const QSize room = screen->availableGeometry().size();
    const QSize frame = window->frameGeometry().size();
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    if (frame.boundedTo(room) == frame && least.boundedTo(room) == least) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "window \"" << window->windowTitle().toStdString() << "\" takes "
                                         << frame.width() << "x" << frame.height() << " and cannot shrink below "
                                         << least.width() << "x" << least.height() << " on a screen of "
                                         << room.width() << "x" << room.height();
}

::testing::AssertionResult readableLayout(QWidget* window, const QList<PaintedArea>& painted)
{
    const QStringList faults = layoutFaults(window, painted);
    if (faults.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "window \"" << window->windowTitle().toStdString() << "\" "
                                         << QString::number(window->width()).toStdString() << "x"
                                         << QString::number(window->height()).toStdString() << ":\n  "
                                         << faults.join(QStringLiteral("\n  ")).toStdString();
}

} // namespace kpd::test
