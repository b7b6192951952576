#include "controlfixture.h"

#include "comrt/typelibrary.h"
#include "lcdtextbox/lcdtextboxdispids.h"

#include <QClipboard>
#include <QColor>
#include <QFont>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

namespace result = comrt::result;
namespace id = lcdtextbox::dispid;

namespace {

const QString twentyAs(20, QLatin1Char('a'));

} // namespace

TEST_F(ControlTest, FreshControlHasTheDocumentedDefaults)
{
    EXPECT_EQ(get(id::nCols).value<qint16>(), 16);
    EXPECT_EQ(get(id::nRows).value<qint16>(), 2);
    EXPECT_EQ(get(id::nCells).value<qint16>(), 32);
    EXPECT_EQ(get(id::nChars).value<qint16>(), 0);
    EXPECT_EQ(get(id::maxCell).value<qint16>(), 0);
    EXPECT_EQ(get(id::MaxRow).value<qint16>(), 0);
    EXPECT_EQ(get(id::row).value<qint16>(), 0);
    EXPECT_EQ(get(id::col).value<qint16>(), 0);
    EXPECT_EQ(get(id::PresentRow).value<qint16>(), 0);
    EXPECT_EQ(get(id::cursorPos).value<qint16>(), 0);
    EXPECT_EQ(get(id::lineLimit).value<qint16>(), 0);
    EXPECT_EQ(get(id::text).toString(), QString());
    EXPECT_EQ(get(comrt::dispid::value).toString(), QString());
    EXPECT_EQ(get(id::convertString).toString(), QString());
    EXPECT_EQ(get(id::EmptyCellColor).value<QColor>(), QColor(0xBB, 0xBB, 0xBB));
    EXPECT_EQ(get(comrt::dispid::borderStyle).value<qint16>(), 0);
    EXPECT_TRUE(get(comrt::dispid::enabled).toBool());
    // Integers cross as 16-bit values, as the type library declares them.
    EXPECT_EQ(get(id::nCols).metaType(), QMetaType::fromType<qint16>());
    EXPECT_FALSE(object->isDirty());
}

TEST_F(ControlTest, CreatedByProgIdAsWell)
{
    QUuid classId;
    ASSERT_EQ(comrt::ComRuntime::classIdFromProgId(QStringLiteral("LCDTEXTBOX.LcdtextboxCtrl.1"), classId),
              result::ok);
    std::unique_ptr<comrt::DispatchObject> second;
    ASSERT_EQ(comrt::ComRuntime::create(classId, nullptr, second), result::ok);
    QVariant cells;
    EXPECT_EQ(second->getProperty(id::nCells, cells), result::ok);
    EXPECT_EQ(cells.toInt(), 32);
}

TEST_F(ControlTest, EveryNameResolvesToItsIdentifier)
{
    const std::vector<std::pair<const char*, comrt::DispId>> names = {
        {"nCols", 1}, {"nRows", 2}, {"EmptyCellColor", 3}, {"lineLimit", 4}, {"text", 5}, {"nChars", 6},
        {"cursorPos", 7}, {"row", 8}, {"col", 9}, {"nCells", 10}, {"maxCell", 11}, {"convertString", 12},
        {"PresentRow", 13}, {"MaxRow", 14}, {"scrollUp", 15}, {"scrollDown", 16}, {"cut", 17}, {"paste", 18},
        {"copy", 19}, {"del", 20}, {"invokeCharMap", 21}, {"saveMapping", 22}, {"loadMapping", 23},
        {"clear", 24}, {"StripTrailingSpaces", 25}, {"ForeColor", -513}, {"Font", -512}, {"BackColor", -501},
        {"BorderStyle", -504}, {"Enabled", -514}, {"Refresh", -550}, {"NCOLS", 1}};
    for (const auto& [name, expected] : names) {
        comrt::DispId found = 12345;
        EXPECT_EQ(object->idOfName(QString::fromLatin1(name), found), result::ok) << name;
        EXPECT_EQ(found, expected) << name;
    }
    comrt::DispId found = 0;
    EXPECT_EQ(object->idOfName(QStringLiteral("Change"), found), result::unknownName);
    const std::vector<std::pair<const char*, comrt::DispId>> events = {
        {"Change", 1}, {"paste", 2}, {"test", 3}, {"lineLimit", 4}};
    for (const auto& [name, expected] : events) {
        EXPECT_EQ(object->idOfEvent(QString::fromLatin1(name), found), result::ok) << name;
        EXPECT_EQ(found, expected) << name;
    }
    const comrt::TypeInfo* dispatch = object->dispatchInterface();
    ASSERT_NE(dispatch, nullptr);
    EXPECT_EQ(dispatch->name, QStringLiteral("_DLcdtextbox"));
    EXPECT_EQ(dispatch->helpString, QStringLiteral("Dispatch interface for Lcdtextbox Control"));
    EXPECT_TRUE(dispatch->flags & comrt::TypeInfo::Hidden);
    EXPECT_EQ(object->eventInterface()->helpString, QStringLiteral("Event interface for Lcdtextbox Control"));
    const comrt::TypeLibrary& library = object->typeLibrary();
    EXPECT_EQ(library.name, QStringLiteral("LCDTEXTBOXLib"));
    EXPECT_EQ(library.locale, 0x0409u);
    EXPECT_EQ(library.type(object->classId())->helpString, QStringLiteral("Lcdtextbox Control"));
}

TEST_F(ControlTest, ReadOnlyPropertiesRefuseEveryValue)
{
    set(id::text, twentyAs);
    for (const comrt::DispId readOnly : {id::nChars, id::row, id::col, id::nCells, id::maxCell, id::MaxRow}) {
        const QVariant before = get(readOnly);
        EXPECT_EQ(object->setProperty(readOnly, QVariant::fromValue<qint16>(3)), result::propertyReadOnly) << readOnly;
        EXPECT_EQ(get(readOnly), before) << readOnly;
    }
    EXPECT_EQ(comrt::describeResult(result::propertyReadOnly), QStringLiteral("Property is read-only"));
    EXPECT_EQ(static_cast<quint32>(result::propertyReadOnly), 0x800A017Fu);
}

TEST_F(ControlTest, TextThroughBothIdentifiers)
{
    set(comrt::dispid::value, QStringLiteral("Hello"));
    EXPECT_EQ(get(id::text).toString(), QStringLiteral("Hello"));
    EXPECT_EQ(get(id::nChars).toInt(), 5);
    EXPECT_EQ(get(id::maxCell).toInt(), 5);
    set(id::text, QStringLiteral("Bye"));
    EXPECT_EQ(get(comrt::dispid::value).toString(), QStringLiteral("Bye"));
    // The escaped form carries a line break as an escape, two display lines as one string.
    set(id::text, QStringLiteral("ab~Mcd"));
    EXPECT_EQ(get(id::nChars).toInt(), 5);
    EXPECT_EQ(get(id::MaxRow).toInt(), 1);
}

TEST_F(ControlTest, CursorRowColumnAndPresentRow)
{
    set(id::text, twentyAs);
    EXPECT_EQ(get(id::MaxRow).toInt(), 1);
    set(id::cursorPos, 17);
    EXPECT_EQ(get(id::cursorPos).toInt(), 17);
    EXPECT_EQ(get(id::row).toInt(), 1);
    EXPECT_EQ(get(id::PresentRow).toInt(), 1);
    // col is the cursor's place within its display line.
    EXPECT_EQ(get(id::col).toInt(), 1);

    // The text length itself is no place to set the cursor to; nor is a negative index.
    set(id::cursorPos, 20);
    EXPECT_EQ(get(id::cursorPos).toInt(), 17);
    set(id::cursorPos, -1);
    EXPECT_EQ(get(id::cursorPos).toInt(), 17);
    set(id::cursorPos, 19);
    EXPECT_EQ(get(id::cursorPos).toInt(), 19);

    set(id::PresentRow, 0);
    EXPECT_EQ(get(id::cursorPos).toInt(), 0);
    EXPECT_EQ(get(id::row).toInt(), 0);
    set(id::PresentRow, 1);
    EXPECT_EQ(get(id::cursorPos).toInt(), 16);
    EXPECT_EQ(get(id::col).toInt(), 0);

    call(id::scrollUp);
    EXPECT_EQ(get(id::row).toInt(), 0);
    call(id::scrollDown);
    EXPECT_EQ(get(id::row).toInt(), 1);
}

TEST_F(ControlTest, GridSizeAndColoursAndLineLimit)
{
    set(id::nCols, 20);
    set(id::nRows, 4);
    EXPECT_EQ(get(id::nCells).toInt(), 80);
    // Rows of zero or less leave the model as it was.
    set(id::nRows, 0);
    set(id::nRows, -3);
    EXPECT_EQ(get(id::nRows).toInt(), 4);
    set(id::EmptyCellColor, QColor(Qt::red));
    EXPECT_EQ(get(id::EmptyCellColor).value<QColor>(), QColor(Qt::red));
    set(id::lineLimit, 3);
    EXPECT_EQ(get(id::lineLimit).toInt(), 3);
    set(id::convertString, QStringLiteral("plain"));
    EXPECT_EQ(get(id::convertString).toString(), QStringLiteral("plain"));
    set(comrt::dispid::foreColor, QColor(Qt::green));
    EXPECT_EQ(get(comrt::dispid::foreColor).value<QColor>(), QColor(Qt::green));
    set(comrt::dispid::backColor, QColor(Qt::blue));
    EXPECT_EQ(get(comrt::dispid::backColor).value<QColor>(), QColor(Qt::blue));
    set(comrt::dispid::borderStyle, 1);
    EXPECT_EQ(get(comrt::dispid::borderStyle).toInt(), 1);
    QFont font(QStringLiteral("Monospace"), 13);
    set(comrt::dispid::font, font);
    EXPECT_EQ(get(comrt::dispid::font).value<QFont>(), font);
    set(comrt::dispid::enabled, false);
    EXPECT_FALSE(get(comrt::dispid::enabled).toBool());
    EXPECT_FALSE(object->widget()->isEnabled());
}

TEST_F(ControlTest, CountsBeyondSixteenBitsReportTheLargestValue)
{
    set(id::nCols, 256);
    set(id::nRows, 256);
    EXPECT_EQ(get(id::nCells).toInt(), 32767);
    set(id::nRows, 100);
    EXPECT_EQ(get(id::nCells).toInt(), 25600);
    set(id::text, QString(40000, QLatin1Char('a')));
    EXPECT_EQ(get(id::nChars).toInt(), 32767);
    EXPECT_EQ(get(id::maxCell).toInt(), 32767);
}

TEST_F(ControlTest, ValuesConvertAsLateBoundCallersExpect)
{
    set(id::nCols, QStringLiteral("12"));
    EXPECT_EQ(get(id::nCols).toInt(), 12);
    EXPECT_EQ(object->setProperty(id::nCols, QStringLiteral("twelve")), result::typeMismatch);
    EXPECT_EQ(object->setProperty(id::nCols, 70000), result::overflow);
    EXPECT_EQ(object->setProperty(id::nCols, -32769), result::overflow);
    EXPECT_EQ(get(id::nCols).toInt(), 12);
    set(id::EmptyCellColor, 0x102030);
    EXPECT_EQ(get(id::EmptyCellColor).value<QColor>(), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(object->setProperty(id::EmptyCellColor, -1), result::invalidPropertyValue);
    EXPECT_EQ(object->setProperty(id::EmptyCellColor, 0x1000000), result::invalidPropertyValue);
    EXPECT_EQ(object->setProperty(comrt::dispid::borderStyle, 2), result::invalidPropertyValue);
    EXPECT_EQ(object->setProperty(comrt::dispid::font, QStringLiteral("Arial")), result::typeMismatch);
    EXPECT_EQ(get(id::EmptyCellColor).value<QColor>(), QColor(0x10, 0x20, 0x30));
}

TEST_F(ControlTest, MembersAreReachedOnlyAsWhatTheyAre)
{
    QVariant value;
    QVariantList none;
    EXPECT_EQ(object->getProperty(99, value), result::memberNotFound);
    EXPECT_EQ(object->setProperty(99, 1), result::memberNotFound);
    EXPECT_EQ(object->getProperty(id::clear, value), result::memberNotFound);
    EXPECT_EQ(object->setProperty(id::clear, 1), result::memberNotFound);
    EXPECT_EQ(object->invoke(id::nCols, none, value), result::memberNotFound);
    EXPECT_EQ(object->invoke(99, none, value), result::memberNotFound);
    EXPECT_EQ(object->invoke(id::invokeCharMap, none, value), result::badParamCount);
    QVariantList two{1, 2};
    EXPECT_EQ(object->invoke(id::clear, two, value), result::badParamCount);
}

TEST_F(ControlTest, OnlyTheLayoutPropertiesMarkTheControlModified)
{
    set(id::text, QStringLiteral("abc"));
    set(id::cursorPos, 1);
    EXPECT_FALSE(object->isDirty());
    for (const comrt::DispId marking : {id::nCols, id::nRows, id::lineLimit}) {
        QByteArray saved;
        QDataStream out(&saved, QIODevice::WriteOnly);
        ASSERT_EQ(object->save(out), result::ok);
        EXPECT_FALSE(object->isDirty());
        set(marking, 5);
        EXPECT_TRUE(object->isDirty()) << marking;
    }
}

TEST_F(ControlTest, EditingMethods)
{
    set(id::text, QStringLiteral("abc   "));
    const QVariant stripped = call(id::StripTrailingSpaces);
    EXPECT_EQ(stripped.metaType(), QMetaType::fromType<qint32>());
    EXPECT_EQ(stripped.toInt(), 3);
    EXPECT_EQ(get(id::text).toString(), QStringLiteral("abc"));

    set(id::cursorPos, 0);
    call(id::del);
    EXPECT_EQ(get(id::text).toString(), QStringLiteral("bc"));

    QGuiApplication::clipboard()->setText(QStringLiteral("xy"));
    call(id::paste);
    EXPECT_EQ(get(id::text).toString(), QStringLiteral("xybc"));

    // Without a selection, copy leaves the clipboard alone.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    call(id::copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    // The first two bytes selected with the keyboard, then copied and cut by dispatch.
    set(id::cursorPos, 0);
    QWidget* box = object->widget();
    QKeyEvent shiftDown(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
    QKeyEvent shiftUp(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(box, &shiftDown);
    QApplication::sendEvent(box, &right);
    QApplication::sendEvent(box, &right);
    QApplication::sendEvent(box, &shiftUp);
    call(id::copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("xy"));
    call(id::cut);
    EXPECT_EQ(get(id::text).toString(), QStringLiteral("bc"));

    call(comrt::dispid::refresh);
    call(id::clear);
    EXPECT_EQ(get(id::nChars).toInt(), 0);
}

TEST_F(ControlTest, CharacterMapInsertsWhatWasChosenAndReturnsEmpty)
{
    charMapAnswer.accepted = true;
    charMapAnswer.selection = QByteArray("\xE4", 1);
    EXPECT_EQ(call(id::invokeCharMap, {QStringLiteral("1")}).toString(), QString());
    EXPECT_EQ(charMapModes, std::vector<int>{1});
    EXPECT_EQ(get(id::nChars).toInt(), 1);
    EXPECT_EQ(get(id::text).toString(), QStringLiteral("~xe4"));
}

TEST_F(ControlTest, SavingAndLoadingTheKeyMap)
{
    const QString missing = registry.folder() + QStringLiteral("/no such folder/keymap.kpm");
    QVariant saved = call(id::saveMapping, {missing});
    EXPECT_EQ(saved.metaType(), QMetaType::fromType<bool>());
    EXPECT_FALSE(saved.toBool());
    EXPECT_EQ(prompter.messages.size(), 1u);

    const QString file = registry.folder() + QStringLiteral("/keymap.kpm");
    QVariantList args{file};
    QVariant result;
    ASSERT_EQ(object->invoke(id::saveMapping, args, result), result::ok);
    EXPECT_TRUE(result.toBool());
    EXPECT_EQ(args.value(0).toString(), file);
    EXPECT_TRUE(call(id::loadMapping, {file}).toBool());
    EXPECT_FALSE(call(id::loadMapping, {missing}).toBool());
}

TEST_F(ControlTest, EventsReachTheSink)
{
    set(id::text, QStringLiteral("abc"));
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].first, id::eventChange);

    sink.events.clear();
    QTest::keyClicks(object->widget(), QStringLiteral("d"));
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].first, id::eventChange);

    sink.events.clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("e"));
    call(id::paste);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].first, id::eventPaste);

    // A paste that would need a second line under a one-line limit is refused.
    sink.events.clear();
    set(id::lineLimit, 1);
    QGuiApplication::clipboard()->setText(twentyAs);
    call(id::paste);
    std::vector<comrt::DispId> raised;
    for (const auto& event : sink.events) raised.push_back(event.first);
    EXPECT_EQ(raised, (std::vector<comrt::DispId>{id::eventLineLimit, id::eventPaste}));
    EXPECT_EQ(get(id::nChars).toInt(), 5);

    sink.events.clear();
    object->advise(nullptr);
    set(id::text, QStringLiteral("quiet"));
    EXPECT_TRUE(sink.events.empty());
}

TEST_F(ControlTest, CallsAfterTheWindowIsGoneReportADisconnectedObject)
{
    auto parent = std::make_unique<QWidget>();
    std::unique_ptr<comrt::DispatchObject> child;
    ASSERT_EQ(comrt::ComRuntime::create(lcdtextbox::ids::controlClass, parent.get(), child), result::ok);
    EXPECT_EQ(child->widget()->parent(), parent.get());
    parent.reset();
    QVariant value;
    QVariantList none;
    EXPECT_EQ(child->widget(), nullptr);
    EXPECT_EQ(child->getProperty(id::nCols, value), result::disconnected);
    EXPECT_EQ(child->setProperty(id::nCols, 3), result::disconnected);
    EXPECT_EQ(child->invoke(id::clear, none, value), result::disconnected);
}
