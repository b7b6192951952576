#include "controlfixture.h"

#include "lcdtextbox/lcdtextboxdispids.h"

#include <QColor>
#include <QDataStream>
#include <QFont>
#include <QWidget>

namespace result = comrt::result;
namespace id = lcdtextbox::dispid;

namespace {

QByteArray saved(comrt::DispatchObject& object)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    EXPECT_EQ(object.save(out), result::ok);
    return bytes;
}

} // namespace

TEST_F(ControlTest, FormRoundTripKeepsStockPropertiesAndExtentOnly)
{
    set(id::nCols, 20);
    set(id::nRows, 4);
    set(id::EmptyCellColor, QColor(Qt::red));
    set(id::lineLimit, 2);
    set(id::text, QStringLiteral("abc"));
    const QFont font(QStringLiteral("Monospace"), 13);
    set(comrt::dispid::backColor, QColor(Qt::blue));
    set(comrt::dispid::foreColor, QColor(Qt::green));
    set(comrt::dispid::font, font);
    set(comrt::dispid::borderStyle, 1);
    set(comrt::dispid::enabled, false);
    object->widget()->resize(123, 45);
    EXPECT_TRUE(object->isDirty());
    const QByteArray bytes = saved(*object);
    EXPECT_FALSE(object->isDirty());

    // Version 1.0 as two big-endian 16-bit numbers, then the extent 123 × 45.
    EXPECT_EQ(bytes.left(12), QByteArray::fromHex("0001" "0000" "0000007b" "0000002d"));

    std::unique_ptr<comrt::DispatchObject> loaded;
    ASSERT_EQ(comrt::ComRuntime::create(lcdtextbox::ids::controlClass, nullptr, loaded), result::ok);
    QDataStream in(bytes);
    ASSERT_EQ(loaded->load(in), result::ok);
    QVariant v;
    const auto value = [&](comrt::DispId dispId) {
        EXPECT_EQ(loaded->getProperty(dispId, v), result::ok);
        return v;
    };
    EXPECT_EQ(value(id::nCols).toInt(), 16);
    EXPECT_EQ(value(id::nRows).toInt(), 2);
    EXPECT_EQ(value(id::EmptyCellColor).value<QColor>(), QColor(0xBB, 0xBB, 0xBB));
    EXPECT_EQ(value(id::lineLimit).toInt(), 0);
    EXPECT_EQ(value(id::text).toString(), QString());
    EXPECT_EQ(value(comrt::dispid::backColor).value<QColor>(), QColor(Qt::blue));
    EXPECT_EQ(value(comrt::dispid::foreColor).value<QColor>(), QColor(Qt::green));
    EXPECT_EQ(value(comrt::dispid::font).value<QFont>(), font);
    EXPECT_EQ(value(comrt::dispid::borderStyle).toInt(), 1);
    EXPECT_FALSE(value(comrt::dispid::enabled).toBool());
    EXPECT_EQ(loaded->widget()->size(), QSize(123, 45));
    // Saving what was loaded gives the same bytes.
    EXPECT_EQ(saved(*loaded), bytes);
}

TEST_F(ControlTest, StateItCannotReadLeavesTheControlAsItWas)
{
    set(comrt::dispid::backColor, QColor(Qt::blue));
    QByteArray good = saved(*object);
    set(comrt::dispid::backColor, QColor(Qt::yellow));

    QByteArray laterVersion = good;
    laterVersion[1] = 2;
    QByteArray badBorder = good;
    const QByteArray tail = QByteArray::fromHex("000001");
    ASSERT_TRUE(badBorder.endsWith(tail));
    badBorder[badBorder.size() - 2] = 7;
    for (const QByteArray& unreadable : {laterVersion, good.left(good.size() - 1), QByteArray(), badBorder}) {
        QDataStream in(unreadable);
        EXPECT_EQ(object->load(in), result::fail);
        EXPECT_EQ(get(comrt::dispid::backColor).value<QColor>(), QColor(Qt::yellow));
    }
}

TEST_F(ControlTest, ResettingRestoresTheStockDefaults)
{
    std::unique_ptr<comrt::DispatchObject> fresh;
    ASSERT_EQ(comrt::ComRuntime::create(lcdtextbox::ids::controlClass, nullptr, fresh), result::ok);
    const QByteArray freshBytes = saved(*fresh);

    object->widget()->resize(fresh->widget()->size());
    set(comrt::dispid::backColor, QColor(Qt::blue));
    set(comrt::dispid::foreColor, QColor(Qt::green));
    set(comrt::dispid::font, QFont(QStringLiteral("Monospace"), 13));
    set(comrt::dispid::borderStyle, 1);
    set(comrt::dispid::enabled, false);
    ASSERT_EQ(object->initNew(), result::ok);
    EXPECT_FALSE(object->isDirty());
    EXPECT_EQ(saved(*object), freshBytes);
}
