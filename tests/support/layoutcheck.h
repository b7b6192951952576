#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

class QAbstractButton;
class QLabel;
class QWidget;

namespace kpd::test {

// A part of a window that the window paints itself, with no widget of its own (a glyph
// grid, an enlarged character): controls must keep clear of it as of any other widget.
// The rectangle is in the window's coordinates.
struct PaintedArea {
    QString name;
    QRect rect;
};

// What makes a shown window unreadable, one readable line per fault, none when it is fine:
// - two visible widgets that overlap, unless one is an ancestor of the other, or one lies
//   wholly inside a frame that holds controls (a group box, a plain panel, a see-through
//   layer), or they belong to different windows of a multiple-document area, which the
//   user stacks at will. Widgets are compared where they can be seen: each is clipped by
//   its ancestors, so what a scroll area hides is not compared.
// - a widget that reaches outside its parent, which cuts it off (content in a scroll
//   area's viewport excepted, as far as the area can scroll to it);
// - a label, button or group box title whose text needs more room than the widget gives
//   it (a word-wrapped label: more height).
// Pending layout requests are settled first, as the event loop would before painting.
QStringList layoutFaults(QWidget* window, const QList<PaintedArea>& painted = {});

// For EXPECT_TRUE: lists the faults under the window's title.
::testing::AssertionResult readableLayout(QWidget* window, const QList<PaintedArea>& painted = {});

// For EXPECT_TRUE: the window, frame included, fits the available area of its screen, and its
// minimum size does too, so that a user can always reach every edge of it.
::testing::AssertionResult fitsScreen(QWidget* window);

// The text as it appears on the screen: a label treats "&" as a mnemonic marker only when
// it has a buddy; a button always does. "&&" shows one ampersand.
QString shownText(const QLabel* label);
QString shownText(const QAbstractButton* button);

} // namespace kpd::test
