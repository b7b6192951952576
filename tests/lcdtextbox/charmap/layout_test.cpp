#include "layoutcheck.h"

#include "lcdtextbox/ccharmapdlg.h"
#include "lcdtextbox/charmapgeometry.h"

#include <QFrame>

#include <gtest/gtest.h>

using kpd::test::PaintedArea;
using kpd::test::readableLayout;

// Every mode, opened alone and from a host whose style sheet takes the dialog's small font
// away (as the parameter editor's highlighted frames do), keeps its controls whole and
// clear of the glyphs it paints.
TEST(CharMapLayout, EveryModeIsReadableInItsOwnFontAndInAHostsLargerOne)
{
    const QRect grid = CharMapGeometry::grid().cellRect(0, 0).united(
        CharMapGeometry::grid().cellRect(CCharMapDlg::gridColumns - 1, CCharMapDlg::gridRows - 1));
    const QList<PaintedArea> painted{{QStringLiteral("glyph grid"), grid},
                                     {QStringLiteral("selection strip"), CharMapGeometry::strip().area()},
                                     {QStringLiteral("enlarged glyph"), CharMapGeometry::enlargedArea()}};
    QFrame styledHost;
    styledHost.setObjectName(QStringLiteral("boxFrame"));
    styledHost.setStyleSheet(QStringLiteral("QFrame#boxFrame { border: 3px solid #0000FF; }"));
    CKeyMap keyMap;
    for (QWidget* host : {static_cast<QWidget*>(nullptr), static_cast<QWidget*>(&styledHost)}) {
        for (int mode = CCharMapDlg::EditMapping; mode <= CCharMapDlg::MapKey; ++mode) {
            CCharMapDlg dialog(QColor(0x80, 0x80, 0x80), mode, &keyMap, CKeyMap::Key(0xE9), host);
            dialog.show();
            EXPECT_TRUE(readableLayout(&dialog, painted)) << "mode " << mode << (host ? " in a styled host" : "");
        }
    }
}
