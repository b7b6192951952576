#include "keypadtext/lcdglyphs.h"
#include "lcdtextbox/ccharmapdlg.h"
#include "lcdtextbox/charmapgeometry.h"

#include <QImage>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Byte = CKeyMap::Byte;

const QColor mappedColour(0x12, 0x34, 0x56);
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
const QRgb yellow = qRgb(0xFF, 0xFF, 0x00);
const QRgb cyan = qRgb(0x00, 0xFF, 0xFF);
const QRgb red = qRgb(0xFF, 0x00, 0x00);

// The first dot of a glyph, row by row, that is lit (or dark when lit is false).
QPoint dotOf(Byte code, bool lit)
{
    const lcd::GlyphRows rows = lcd::glyphRows(code);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 5; ++column)
            if (bool(rows[row] & (0x10 >> column)) == lit) return QPoint(column, row);
    ADD_FAILURE() << "glyph " << int(code) << " has no such dot";
    return QPoint();
}

// The middle pixel of a dot drawn scale times enlarged from origin.
QPoint pixelOf(QPoint origin, int scale, QPoint dot)
{
    return origin + dot * scale + QPoint(scale / 2, scale / 2);
}

QPoint gridOrigin(int code)
{
    return CharMapGeometry::grid().cellRect((code - 16) % 24, (code - 16) / 24).topLeft();
}

class CharMapPainting : public ::testing::Test {
protected:
    QImage paint(CCharMapDlg& dlg)
    {
        dlg.show();
        return dlg.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    CKeyMap keyMap;
};

} // namespace

TEST_F(CharMapPainting, CellBackgroundsTellMappedUnmappedAndCurrent)
{
    keyMap.map(0xE9, 200);
    CCharMapDlg dlg(mappedColour, 2, &keyMap);
    QImage image = paint(dlg);
    // Code 16 is current and has no key; 'A' has one; 0xE0 has none.
    EXPECT_EQ(image.pixel(pixelOf(gridOrigin(0x10), 3, dotOf(0x10, false))), red);
    EXPECT_EQ(image.pixel(pixelOf(gridOrigin(0x41), 3, dotOf(0x41, false))), mappedColour.rgb());
    EXPECT_EQ(image.pixel(pixelOf(gridOrigin(0x41), 3, dotOf(0x41, true))), black);
    EXPECT_EQ(image.pixel(pixelOf(gridOrigin(0xE0), 3, dotOf(0xE0, false))), cyan);
    EXPECT_EQ(image.pixel(pixelOf(gridOrigin(0xE9), 3, dotOf(0xE9, false))), mappedColour.rgb());

    dlg.findChild<QSpinBox*>(QStringLiteral("txtCode"))->setValue(0x41);
    image = paint(dlg);
    EXPECT_EQ(image.pixel(pixelOf(gridOrigin(0x41), 3, dotOf(0x41, false))), yellow);
    EXPECT_EQ(image.pixel(pixelOf(gridOrigin(0x10), 3, dotOf(0x10, false))), cyan);
}

TEST_F(CharMapPainting, StripAndEnlargedGlyphShowPicksAndCurrentOnWhite)
{
    CCharMapDlg dlg(mappedColour, 2, &keyMap);
    dlg.show();
    QTest::mouseClick(&dlg, Qt::LeftButton, {}, CharMapGeometry::grid().cellRect(5, 0).center()); // 0x15
    QTest::mouseClick(&dlg, Qt::LeftButton, {}, CharMapGeometry::grid().cellRect(1, 2).center()); // 0x41
    const QImage image = paint(dlg);
    const QPoint second = CharMapGeometry::strip().cellRect(1).topLeft();
    EXPECT_EQ(second, QPoint(39, 314));
    EXPECT_EQ(image.pixel(pixelOf(second, 3, dotOf(0x41, true))), black);
    EXPECT_EQ(image.pixel(pixelOf(second, 3, dotOf(0x41, false))), white);
    EXPECT_EQ(image.pixel(pixelOf(CharMapGeometry::strip().cellRect(0).topLeft(), 3, dotOf(0x15, true))), black);
    EXPECT_EQ(image.pixel(CharMapGeometry::strip().cellRect(2).center()), white);

    const QPoint large(540, 105);
    EXPECT_EQ(image.pixel(pixelOf(large, 7, dotOf(0x41, true))), black);
    EXPECT_EQ(image.pixel(pixelOf(large, 7, dotOf(0x41, false))), white);
    EXPECT_EQ(image.pixel(QPoint(540 + 118, 105 + 181)), white);
}
