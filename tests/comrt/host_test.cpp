#include "tempregistry.h"

#include "comrt/comruntime.h"
#include "lcdtextboxhost/lcdtextboxhost.h"
#include "lcdtextbox/lcdprompts.h"
#include "lcdtextbox/lcdtextboxids.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

namespace result = comrt::result;

namespace {

const QString library = QFileInfo(QStringLiteral(LCDTEXTBOX_LIBRARY)).canonicalFilePath();
const QString programFolder = QFileInfo(library).absolutePath();

} // namespace

TEST(Host, RegistersTheLibraryBesideTheProgramOnce)
{
    const TempRegistry temp;
    {
        LcdtextboxHost first(nullptr, programFolder);
        ASSERT_TRUE(first.isValid());
        EXPECT_EQ(comrt::ComRuntime::serverPath(lcdtextbox::ids::controlClass), library);
    }
    // Taken away behind the host's back: it does not register again for this registry.
    ASSERT_EQ(comrt::ComRuntime::unregisterServer(library), result::ok);
    LcdtextboxHost second(nullptr, programFolder);
    EXPECT_FALSE(second.isValid());
    EXPECT_EQ(second.creationResult(), result::classNotRegistered);
    EXPECT_EQ(second.nCols(), 0);
    EXPECT_EQ(second.lastResult(), result::classNotRegistered);
    EXPECT_EQ(second.widget(), nullptr);
}

TEST(Host, NoLibraryBesideTheProgramIsReported)
{
    const TempRegistry temp;
    LcdtextboxHost host(nullptr, temp.folder());
    EXPECT_FALSE(host.isValid());
    EXPECT_EQ(host.creationResult(), result::moduleNotFound);
}

TEST(Host, TypedAccessGoesThroughTheDispatchIdentifiers)
{
    const TempRegistry temp;
    QWidget form;
    LcdtextboxHost host(&form, programFolder);
    ASSERT_TRUE(host.isValid());
    EXPECT_EQ(host.widget()->parent(), &form);
    EXPECT_EQ(host.nCols(), 16);
    EXPECT_EQ(host.nRows(), 2);
    EXPECT_EQ(host.nCells(), 32);
    host.setNCols(10);
    host.setNRows(3);
    EXPECT_EQ(host.nCells(), 30);
    host.setText(QStringLiteral("abcdefghijkl  "));
    EXPECT_EQ(host.nChars(), 14);
    EXPECT_EQ(host.maxCell(), 14);
    EXPECT_EQ(host.MaxRow(), 1);
    host.setCursorPos(11);
    EXPECT_EQ(host.row(), 1);
    EXPECT_EQ(host.col(), 1);
    EXPECT_EQ(host.PresentRow(), 1);
    host.setPresentRow(0);
    EXPECT_EQ(host.cursorPos(), 0);
    EXPECT_EQ(host.StripTrailingSpaces(), 2);
    EXPECT_EQ(host.text(), QStringLiteral("abcdefghijkl"));
    host.setLineLimit(2);
    EXPECT_EQ(host.lineLimit(), 2);
    host.setEmptyCellColor(QColor(Qt::red));
    EXPECT_EQ(host.EmptyCellColor(), QColor(Qt::red));
    host.setBackColor(QColor(Qt::blue));
    EXPECT_EQ(host.BackColor(), QColor(Qt::blue));
    host.setForeColor(QColor(Qt::green));
    EXPECT_EQ(host.ForeColor(), QColor(Qt::green));
    host.setBorderStyle(1);
    EXPECT_EQ(host.BorderStyle(), 1);
    host.setEnabled(false);
    EXPECT_FALSE(host.Enabled());
    host.setConvertString(QStringLiteral("x"));
    EXPECT_EQ(host.convertString(), QStringLiteral("x"));
    host.clear();
    EXPECT_EQ(host.nChars(), 0);
    EXPECT_EQ(host.lastResult(), result::ok);
}

TEST(Host, FailuresAreRecordedNotHidden)
{
    const TempRegistry temp;
    LcdtextboxHost host(nullptr, programFolder);
    ASSERT_TRUE(host.isValid());
    host.setBorderStyle(5);
    EXPECT_EQ(host.lastResult(), result::invalidPropertyValue);
    EXPECT_EQ(host.BorderStyle(), 0);
    EXPECT_EQ(host.lastResult(), result::ok);
    EXPECT_EQ(host.object()->setProperty(6, 1), result::propertyReadOnly);
}

class SilentPrompter : public lcd::Prompter {
public:
    QMessageBox::StandardButton message(QWidget*, const QString&, const QString&, QMessageBox::Icon,
                                        QMessageBox::StandardButtons) override
    {
        return QMessageBox::Ok;
    }
    bool askText(QWidget*, const QString&, const QString&, QString&) override { return false; }
};

TEST(Host, KeyMapThroughTheHost)
{
    const TempRegistry temp;
    SilentPrompter silent;
    lcd::setPrompter(&silent);
    LcdtextboxHost host(nullptr, programFolder);
    ASSERT_TRUE(host.isValid());
    QString missing = temp.folder() + QStringLiteral("/missing/keymap.kpm");
    EXPECT_FALSE(host.saveMapping(missing));
    QString file = temp.folder() + QStringLiteral("/keymap.kpm");
    EXPECT_TRUE(host.saveMapping(file));
    EXPECT_TRUE(host.loadMapping(file));
    EXPECT_EQ(file, temp.folder() + QStringLiteral("/keymap.kpm"));
    lcd::setPrompter(nullptr);
}

TEST(Host, EventsBecomeSignals)
{
    const TempRegistry temp;
    LcdtextboxHost host(nullptr, programFolder);
    ASSERT_TRUE(host.isValid());
    QSignalSpy changes(&host, &LcdtextboxHost::Change);
    QSignalSpy pastes(&host, &LcdtextboxHost::Paste);
    QSignalSpy limits(&host, &LcdtextboxHost::LineLimit);
    QSignalSpy edits(&host, &LcdtextboxHost::edited);
    host.assignText(QStringLiteral("own"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(edits.count(), 0) << "the owner's own text is no edit";
    host.setText(QStringLiteral("a"));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(edits.count(), 1);
    host.setLineLimit(1);
    QGuiApplication::clipboard()->setText(QString(40, QLatin1Char('b')));
    host.paste();
    EXPECT_EQ(pastes.count(), 1);
    EXPECT_EQ(limits.count(), 1);
    EXPECT_EQ(host.text(), QStringLiteral("a"));
}

// The host learns of the spelling items through events and answers the menu's question
// before the control goes on; the control's signals stand for the user's choices here.
TEST(Host, SpellingMarksAndTheMenusQuestionGoThroughDispatch)
{
    const TempRegistry temp;
    LcdtextboxHost host(nullptr, programFolder);
    ASSERT_TRUE(host.isValid());
    host.setText(QStringLiteral("Motor speeed"));
    host.setSpellCheck(true);
    host.setMisspelledWords(QStringLiteral("6 12;bad;3 1;0 99"));
    EXPECT_TRUE(host.spellCheck());
    EXPECT_EQ(host.misspelledWords(), QStringLiteral("6 12")) << "pieces that are no range of the text are dropped";

    QObject::connect(&host, &LcdtextboxHost::suggestionsWanted, &host,
                     [&host](const QString& word) { host.setSpellingSuggestions(word + QStringLiteral("?\nspeed")); });
    QSignalSpy added(&host, &LcdtextboxHost::addWord);
    QSignalSpy ignored(&host, &LcdtextboxHost::ignoreWord);
    QWidget* control = host.widget();
    QMetaObject::invokeMethod(control, "SuggestionsWanted", Q_ARG(QString, QStringLiteral("speeed")));
    EXPECT_EQ(control->property("spellingSuggestions").toString(), QStringLiteral("speeed?\nspeed"));
    QMetaObject::invokeMethod(control, "AddWord", Q_ARG(QString, QStringLiteral("Spd")));
    QMetaObject::invokeMethod(control, "IgnoreWord", Q_ARG(QString, QStringLiteral("r\u00E9f")));
    ASSERT_EQ(added.count(), 1);
    EXPECT_EQ(added.first().first().toString(), QStringLiteral("Spd"));
    ASSERT_EQ(ignored.count(), 1);
    EXPECT_EQ(ignored.first().first().toString(), QStringLiteral("r\u00E9f"));
}
