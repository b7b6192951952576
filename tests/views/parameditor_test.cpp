#include "views/parameditor.h"
#include "views/parammimic.h"
#include "views/parampanel.h"
#include "views/spellingsession.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/theapp.h"
#include "recordinguserinterface.h"
#include "smalldrive.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using Box = ParamEditSession::Box;
using Panel = ParamEditSession::Panel;

namespace {

class EditorTest : public ::testing::Test {
protected:
    // The keypad text box comes from the registry the build filled for these tests,
    // never from the user's.
    static void SetUpTestSuite() { qputenv("KPD_COMRT_REGISTRY", TEST_REGISTRY); }

    EditorTest() { kpd::test::buildSmallDrive(app); }

    kpd::ModeData& cust(const std::string& menu, const std::string& para, const std::string& mode = "Open loop")
    {
        return app.stringDatas().Item("Custom").DrvMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }
    kpd::ModeData& ref(const std::string& menu, const std::string& para, const std::string& mode = "Open loop")
    {
        return app.stringDatas().Item("English").DrvMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
    }

    ParamEditor& open(const std::string& menu, const std::string& para, const std::string& mode = {},
                      bool trip = false)
    {
        editor = std::make_unique<ParamEditor>(ui, folder.path());
        editor->setMyData(app, menu, para, mode, trip);
        editor->show();
        return *editor;
    }

    QWidget* widget(Box box) const { return editor->box(box).widget(); }

    void focus(Box box)
    {
        editor->activateWindow();
        widget(box)->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    // A right click on the box, then the entry of its context menu with this mnemonic.
    void chooseFromContextMenu(Box box, Qt::Key mnemonic)
    {
        QTimer::singleShot(0, [mnemonic] {
            if (QWidget* menu = QApplication::activePopupWidget()) QTest::keyClick(menu, mnemonic);
        });
        QTest::mouseClick(widget(box), Qt::RightButton, {}, QPoint(5, 5));
    }

    kpd::test::RecordingUserInterface ui;
    kpd::TheApp app{ui, "/nonexistent"};
    QTemporaryDir folder;
    std::unique_ptr<ParamEditor> editor;
};

} // namespace

TEST_F(EditorTest, OpensOnTheChosenParameterAndMode)
{
    ref("m1", "p2", "Closed loop").setDesc("Reference");
    cust("m1", "p2", "Closed loop").setDesc("Custom");
    ParamEditor& e = open("m1", "p2", "Closed loop");
    ASSERT_TRUE(e.box(Box::CustDesc).isValid());
    EXPECT_EQ(e.windowTitle(), "Edit parameter data in menu 1");
    EXPECT_EQ(e.panel(Panel::Ref).title(), "Reference data (English)");
    EXPECT_EQ(e.panel(Panel::Cust).title(), "Custom data");
    EXPECT_EQ(e.modeTabs()->count(), 3);
    EXPECT_EQ(e.modeTabs()->tabText(e.modeTabs()->currentIndex()), "Closed loop");
    EXPECT_EQ(e.box(Box::RefDesc).text(), "Reference");
    EXPECT_EQ(e.box(Box::CustDesc).text(), "Custom");
    EXPECT_EQ(e.panel(Panel::Cust).paraNo()->text(), "01.02");
    EXPECT_EQ(e.mimic().parNum().text(), "01.02");
    EXPECT_FALSE(e.box(Box::RefDesc).Enabled());
    EXPECT_TRUE(e.box(Box::CustDesc).Enabled());
    EXPECT_EQ(e.box(Box::CustDesc).nCols(), 16);
    EXPECT_EQ(e.box(Box::CustDesc).lineLimit(), 2);
    EXPECT_EQ(e.box(Box::CustHelp).nRows(), 6);
    EXPECT_EQ(widget(Box::CustHelp)->size(), QSize(16 * 12, 6 * 18));
    // Loading the boxes is no edit of the user's.
    EXPECT_FALSE(e.session().anyChange());
}

TEST_F(EditorTest, TripEditingRelabelsTheWindow)
{
    ParamEditor& e = open("trips", "t1", "", true);
    EXPECT_EQ(e.windowTitle(), "Edit trip data");
    EXPECT_EQ(e.panel(Panel::Cust).label1()->text(), "Trip code & mnemonic");
    EXPECT_EQ(e.panel(Panel::Cust).label7()->text(), "2 line trip text");
    EXPECT_EQ(e.panel(Panel::Cust).label5()->text(), "Trip help");
    EXPECT_NE(e.button("< Trip"), nullptr);
    EXPECT_EQ(e.button("< Param"), nullptr);
    EXPECT_TRUE(e.panel(Panel::Cust).paraUnit()->isHidden());
    EXPECT_EQ(e.panel(Panel::Cust).paraNo()->text(), "1");

    e.ChangeMenu(1);
    EXPECT_EQ(e.windowTitle(), "Edit parameter data in menu 1");
    EXPECT_EQ(e.panel(Panel::Cust).label7()->text(), "2 line description");
    EXPECT_FALSE(e.panel(Panel::Cust).paraUnit()->isHidden());
    EXPECT_NE(e.button("Param >"), nullptr);
}

TEST_F(EditorTest, TypedTextIsCommittedEvenWhileTheBoxHasTheFocus)
{
    ParamEditor& e = open("m1", "p1");
    focus(Box::CustDesc);
    QTest::keyClicks(widget(Box::CustDesc), "HI");
    EXPECT_TRUE(e.session().textChanged(Box::CustDesc));
    e.commit();
    EXPECT_EQ(cust("m1", "p1").getDesc(), "HI");
    EXPECT_TRUE(app.stringDatas().Item("Custom").DrvMenus().Item("m1").dirty());
    EXPECT_EQ(ref("m1", "p1").getDesc(), "");
}

TEST_F(EditorTest, FocusLossReadsTheBoxBackAndRefreshesTheMimic)
{
    ParamEditor& e = open("m1", "p1");
    focus(Box::CustDesc);
    EXPECT_TRUE(e.panel(Panel::Cust).highlighted(&e.box(Box::CustDesc)));
    EXPECT_EQ(e.box(Box::CustDesc).BackColor(), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(e.box(Box::CustHelp).BackColor(), QColor(0xA0, 0xA0, 0xA0));
    QTest::keyClicks(widget(Box::CustDesc), "AB");
    focus(Box::CustHelp);
    EXPECT_EQ(e.session().working(Box::CustDesc), "AB");
    EXPECT_EQ(e.mimic().desc().text(), "AB");
    EXPECT_FALSE(e.panel(Panel::Cust).highlighted(&e.box(Box::CustDesc)));
    EXPECT_EQ(e.box(Box::CustDesc).BackColor(), QColor(0xA0, 0xA0, 0xA0));
}

TEST_F(EditorTest, UndoTwiceOnAChangedDescriptionReturnsToTheEdit)
{
    cust("m1", "p1").setDesc("Old");
    ParamEditor& e = open("m1", "p1");
    focus(Box::CustDesc);
    e.box(Box::CustDesc).setCursorPos(0);
    QTest::keyClicks(widget(Box::CustDesc), "X");
    // Ctrl+Z reaches Undo while the box has the focus.
    QTest::keyClick(widget(Box::CustDesc), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(e.box(Box::CustDesc).text(), "Old");
    e.undo();
    EXPECT_EQ(e.box(Box::CustDesc).text(), "XOld");
    EXPECT_TRUE(e.panel(Panel::Cust).highlighted(&e.box(Box::CustDesc)));
}

TEST_F(EditorTest, UndoOnAnUnchangedDescriptionAsksTheModel)
{
    cust("m1", "p1").setDesc("Before");
    cust("m1", "p1").setDesc("After");
    ParamEditor& e = open("m1", "p1");
    focus(Box::CustDesc);
    e.undo();
    EXPECT_EQ(e.box(Box::CustDesc).text(), "Before");
    EXPECT_EQ(cust("m1", "p1").getDesc(), "Before");
}

TEST_F(EditorTest, AThirdDescriptionLineIsRefusedAndWarnedForFiveTicks)
{
    ParamEditor& e = open("m1", "p1");
    focus(Box::CustDesc);
    QTest::keyClicks(widget(Box::CustDesc), "A");
    QTest::keyClick(widget(Box::CustDesc), Qt::Key_Return);
    QTest::keyClicks(widget(Box::CustDesc), "B");
    QTest::keyClick(widget(Box::CustDesc), Qt::Key_Return);
    QTest::keyClicks(widget(Box::CustDesc), "C");
    QLabel* label = e.panel(Panel::Cust).label7();
    EXPECT_EQ(label->text(), "2 lines maximum");
    EXPECT_TRUE(label->styleSheet().contains("#FF0000"));
    EXPECT_TRUE(e.isWarningActive());
    EXPECT_EQ(e.box(Box::CustDesc).MaxRow(), 1);
    EXPECT_EQ(e.box(Box::CustDesc).text().left(4), "A~MB");
    for (int tick = 0; tick < 4; ++tick) e.warningTick();
    EXPECT_EQ(label->text(), "2 lines maximum");
    e.warningTick();
    EXPECT_EQ(label->text(), "2 line description");
    EXPECT_TRUE(label->styleSheet().isEmpty());
    EXPECT_FALSE(e.isWarningActive());
}

TEST_F(EditorTest, TheWarningTimerEndsTheWarningByItself)
{
    ParamEditor& e = open("m1", "p1");
    e.setWarningInterval(1);
    emit e.box(Box::CustDesc).LineLimit();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !e.isWarningActive(); }, 5000));
    EXPECT_EQ(e.panel(Panel::Cust).label7()->text(), "2 line description");
}

TEST_F(EditorTest, AnIndicatorChosenUnitIsStoredWhenSteppingOn)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    // The picture is found whatever the case of its name.
    ASSERT_TRUE(picture.save(QDir(folder.path()).filePath("HzIcon.bmp"), "BMP"));
    cust("m1", "p3").setUnit(7);
    ParamEditor& e = open("m1", "p1");
    EXPECT_TRUE(e.mimic().icon()->pixmap().isNull());
    QTest::mouseClick(e.panel(Panel::Cust).indicator(4), Qt::LeftButton);
    EXPECT_TRUE(e.panel(Panel::Cust).indicator(4)->isChecked());
    EXPECT_EQ(e.panel(Panel::Cust).paraUnit()->currentIndex(), 4);
    EXPECT_EQ(e.mimic().iconFile(), "hzicon.bmp");
    EXPECT_EQ(e.mimic().icon()->pixmap().size(), QSize(4, 4));
    QTest::mouseClick(e.button("Param >"), Qt::LeftButton);
    EXPECT_EQ(cust("m1", "p1").unit(), 4);
    EXPECT_EQ(e.session().paraKey(), "p2");
    EXPECT_FALSE(e.panel(Panel::Cust).indicator(4)->isChecked());
    EXPECT_EQ(e.mimic().iconFile(), "noicon.bmp");
    // A unit without a picture leaves the last one shown.
    QTest::mouseClick(e.button("Param >"), Qt::LeftButton);
    EXPECT_EQ(e.mimic().iconFile(), "noicon.bmp");
    for (int unit = 1; unit <= 4; ++unit) EXPECT_FALSE(e.panel(Panel::Cust).indicator(unit)->isChecked());
}

TEST_F(EditorTest, ClickingASelectedIndicatorDeselectsIt)
{
    cust("m1", "p1").setUnit(1);
    ParamEditor& e = open("m1", "p1");
    EXPECT_TRUE(e.panel(Panel::Cust).indicator(1)->isChecked());
    QTest::mouseClick(e.panel(Panel::Cust).indicator(1), Qt::LeftButton);
    EXPECT_FALSE(e.panel(Panel::Cust).indicator(1)->isChecked());
    EXPECT_EQ(e.panel(Panel::Cust).paraUnit()->currentIndex(), 0);
    EXPECT_EQ(e.session().unit(Panel::Cust), 0);
}

TEST_F(EditorTest, ModeButtonsStopAtTheEnds)
{
    ParamEditor& e = open("m1", "p1");
    QTest::mouseClick(e.button("< Mode"), Qt::LeftButton);
    EXPECT_EQ(e.session().modeKey(), "Open loop");
    EXPECT_EQ(e.modeTabs()->currentIndex(), 0);
    QTest::mouseClick(e.button("Mode >"), Qt::LeftButton);
    EXPECT_EQ(e.session().modeKey(), "Closed loop");
    EXPECT_EQ(e.modeTabs()->currentIndex(), 1);
}

TEST_F(EditorTest, CopyButtonsNameTheOtherModes)
{
    ParamEditor& e = open("m1", "p1", "Closed loop");
    QList<QPushButton*> buttons = e.copyModeButtons();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->property("tag").toString(), "Open loop");
    EXPECT_EQ(buttons[1]->property("tag").toString(), "Servo");
    EXPECT_EQ(buttons[1]->y() - buttons[0]->y(), 17);
    focus(Box::CustDesc);
    QTest::keyClicks(widget(Box::CustDesc), "M");
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_EQ(cust("m1", "p1", "Servo").getDesc(), "M");
    EXPECT_EQ(cust("m1", "p1", "Closed loop").getDesc(), "M");
    EXPECT_EQ(cust("m1", "p1", "Open loop").getDesc(), "");
}

TEST_F(EditorTest, AModeTheReferenceLacksShowsTheNotice)
{
    ref("m1", "p1", "Servo").setDefined(false);
    ParamEditor& e = open("m1", "p1", "Servo");
    EXPECT_TRUE(e.panel(Panel::Ref).isHidden());
    EXPECT_TRUE(e.panel(Panel::Cust).isHidden());
    EXPECT_FALSE(e.noModeWarning()->isHidden());
    e.stepMode(-1);
    EXPECT_FALSE(e.panel(Panel::Cust).isHidden());
    EXPECT_TRUE(e.noModeWarning()->isHidden());
}

TEST_F(EditorTest, ALongHelpTurnsItsBoxPinkWhileActive)
{
    app.setMaxRecChars(std::int16_t{5});
    cust("m1", "p1").setHelp("ABCDEF");
    ParamEditor& e = open("m1", "p1");
    EXPECT_EQ(e.box(Box::CustHelp).BackColor(), QColor(0xC0, 0xA0, 0xA0));
    focus(Box::CustHelp);
    EXPECT_EQ(e.box(Box::CustHelp).BackColor(), QColor(0xFF, 0xD0, 0xD0));
    EXPECT_EQ(e.box(Box::CustHelp).EmptyCellColor(), QColor(0xFF, 0xD0, 0xD0));
    e.box(Box::CustHelp).setCursorPos(5);
    QTest::keyClick(widget(Box::CustHelp), Qt::Key_Backspace);
    ASSERT_EQ(e.box(Box::CustHelp).text(), "ABCDF");
    EXPECT_EQ(e.box(Box::CustHelp).BackColor(), QColor(0xFF, 0xFF, 0xFF));
}

TEST_F(EditorTest, MimicFollowsItsButtons)
{
    ref("m1", "p1").setDesc("Ref text");
    ref("m1", "p1").setHelp("Ref help");
    cust("m1", "p1").setDesc("Cust text");
    cust("m1", "p1").setDVal("500");
    ref("m1", "p1").setDecimalPlaces(1);
    ParamEditor& e = open("m1", "p1");
    EXPECT_EQ(e.mimic().desc().text(), "Cust text");
    EXPECT_EQ(e.mimic().parVal().text(), "   50.0");
    EXPECT_EQ(e.panel(Panel::Cust).paraVal()->text(), "50.0");
    QTest::mouseClick(e.mimic().displayReference(), Qt::LeftButton);
    EXPECT_EQ(e.mimic().desc().text(), "Ref text");
    QTest::mouseClick(e.mimic().showHelpToggle(), Qt::LeftButton);
    EXPECT_EQ(e.mimic().desc().text(), "Ref help");
    EXPECT_EQ(e.mimic().showHelpToggle()->text(), "Show Description");
    QTest::mouseClick(e.mimic().displayCustom(), Qt::LeftButton);
    EXPECT_EQ(e.mimic().desc().text(), "");
}

TEST_F(EditorTest, LanguageStepRecaptionsTheReferencePanel)
{
    kpd::stringData& german = app.stringDatas().Add("German");
    kpd::DrvMenu& menu = german.DrvMenus().Add("m1");
    menu.setModeNames(kpd::test::smallDriveModes(), false);
    menu.Parameters().Add("p1");
    menu.buildModes("p1");
    ParamEditor& e = open("m1", "p1");
    QTest::mouseClick(e.button("Lang >"), Qt::LeftButton);
    EXPECT_EQ(e.panel(Panel::Ref).title(), "Reference data (German)");
}

TEST_F(EditorTest, ModelErrorsAreReportedNotThrown)
{
    editor = std::make_unique<ParamEditor>(ui, folder.path());
    EXPECT_FALSE(editor->setMyData(app, "m1", "p9"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ERROR");
}

TEST_F(EditorTest, OkCommitsAndSavesTheKeyMapWhereItWasFound)
{
    ParamEditor& e = open("m1", "p1");
    focus(Box::CustDesc);
    QTest::keyClicks(widget(Box::CustDesc), "Z");
    QTest::mouseClick(e.button("OK"), Qt::LeftButton);
    EXPECT_EQ(cust("m1", "p1").getDesc(), "Z");
    EXPECT_EQ(e.result(), QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("keymap.kpm")));
}

TEST_F(EditorTest, AKeyMapInAnyLetterCaseIsTheOneUsed)
{
    {
        ParamEditor first(ui, folder.path());
        first.done(QDialog::Accepted);
    }
    const QString upper = QDir(folder.path()).filePath("KEYMAP.KPM");
    ASSERT_TRUE(QFile::rename(QDir(folder.path()).filePath("keymap.kpm"), upper));
    ParamEditor second(ui, folder.path());
    second.done(QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(upper));
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("keymap.kpm")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EditorTest, TheContextMenuAndCharacterMapInsertAtTheCursorAndTheInsertionIsCommitted)
{
    cust("m1", "p1").setDesc("AB");
    ParamEditor& e = open("m1", "p1");
    focus(Box::CustDesc);
    e.box(Box::CustDesc).setCursorPos(1);
    QApplication::clipboard()->setText("XY");
    chooseFromContextMenu(Box::CustDesc, Qt::Key_P);
    EXPECT_EQ(e.box(Box::CustDesc).text(), "AXYB");
    // The refresh after a paste leaves the cursor behind the pasted text.
    EXPECT_EQ(e.box(Box::CustDesc).cursorPos(), 3);
    e.commit();
    EXPECT_EQ(cust("m1", "p1").getDesc(), "AXYB");

    QTest::keyClick(widget(Box::CustDesc), Qt::Key_Home);
    QTest::keyClick(widget(Box::CustDesc), Qt::Key_Right);
    // Space picks the character map's current character and closes it.
    QTimer::singleShot(0, [] {
        if (QWidget* map = QApplication::activeModalWidget()) QTest::keyClick(map, Qt::Key_Space);
    });
    QTest::keyClick(widget(Box::CustDesc), Qt::Key_J, Qt::ControlModifier);
    const QString text = e.box(Box::CustDesc).text();
    EXPECT_TRUE(text.size() > 4 && text.startsWith("A") && text.endsWith("XYB")) << text.toStdString();

    e.commit();
    EXPECT_EQ(cust("m1", "p1").getDesc(), text.toLatin1().toStdString());
}

TEST_F(EditorTest, EscapeKeepsTheWindowAndClosingOffersToCommitTheTyping)
{
    ParamEditor& e = open("m1", "p1");
    e.close();
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(ui.messages.empty());

    ParamEditor& typed = open("m1", "p1");
    focus(Box::CustDesc);
    QTest::keyClicks(widget(Box::CustDesc), "Q");
    QTest::keyClick(widget(Box::CustDesc), Qt::Key_Escape);
    EXPECT_TRUE(typed.isVisible());
    ui.answers = {kpd::MessageAnswer::Cancel, kpd::MessageAnswer::No};
    typed.close();
    EXPECT_TRUE(typed.isVisible());
    ASSERT_EQ(ui.texts(), std::vector<std::string>{"Commit the changes?"});
    EXPECT_EQ(ui.messages[0].buttons, kpd::MessageButtons::YesNoCancel);
    typed.close();
    EXPECT_FALSE(typed.isVisible());
    EXPECT_EQ(cust("m1", "p1").getDesc(), "");

    ParamEditor& kept = open("m1", "p1");
    focus(Box::CustDesc);
    QTest::keyClicks(widget(Box::CustDesc), "Q");
    ui.answers = {kpd::MessageAnswer::Yes};
    kept.close();
    EXPECT_FALSE(kept.isVisible());
    EXPECT_EQ(cust("m1", "p1").getDesc(), "Q");
}

TEST_F(EditorTest, ModeTabsChosenByKeyOrMouseSwitchTheEditedMode)
{
    cust("m1", "p1", "Closed loop").setDesc("Closed");
    ParamEditor& e = open("m1", "p1");
    focus(Box::CustDesc);
    QTest::keyClicks(widget(Box::CustDesc), "O");
    QTest::keyClick(e.modeTabs(), Qt::Key_Right);
    EXPECT_EQ(e.session().modeKey(), "Closed loop");
    EXPECT_EQ(e.box(Box::CustDesc).text(), "Closed");
    EXPECT_EQ(cust("m1", "p1").getDesc(), "O");
    QTest::mouseClick(e.modeTabs(), Qt::LeftButton, {}, e.modeTabs()->tabRect(2).center());
    EXPECT_EQ(e.session().modeKey(), "Servo");
    QTest::keyClick(e.modeTabs(), Qt::Key_Left);
    EXPECT_EQ(e.session().modeKey(), "Closed loop");
}

TEST_F(EditorTest, OnlyTheCustomBoxesMarkMisspelledWordsAndAnIgnoredWordLosesItsMarks)
{
    cust("m1", "p1").setDesc("Motor spedd");
    ref("m1", "p1").setDesc("Motor spedd");
    ParamEditor& e = open("m1", "p1");
    ASSERT_TRUE(SpellingSession::instance().waitUntilLoaded(5000));
    EXPECT_TRUE(e.box(Box::CustDesc).spellCheck());
    EXPECT_TRUE(e.box(Box::CustHelp).spellCheck());
    EXPECT_FALSE(e.box(Box::RefDesc).spellCheck());
    EXPECT_EQ(e.box(Box::CustDesc).misspelledWords(), "6 11");
    SpellingSession::instance().ignore("spedd");
    EXPECT_EQ(e.box(Box::CustDesc).misspelledWords(), "");
}

TEST_F(EditorTest, TheCustomBoxsMenuOffersTheDictionarysCorrectionsOfTheWordUnderTheMouse)
{
    cust("m1", "p1").setDesc("Motor speeed");
    open("m1", "p1");
    ASSERT_TRUE(SpellingSession::instance().waitUntilLoaded(5000));
    QWidget* box = widget(Box::CustDesc);
    ASSERT_EQ(editor->box(Box::CustDesc).misspelledWords(), "6 12");
    QStringList items;
    QTimer::singleShot(0, [&items] {
        QWidget* menu = QApplication::activePopupWidget();
        if (!menu) return;
        for (QAction* action : menu->actions()) items << action->text();
        menu->close();
    });
    // The middle of cell 8 of the first line: inside "speeed".
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(box->width() * 17 / 32, box->height() / 4));
    ASSERT_GE(items.size(), 3) << items.join('|').toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("speed"))) << items.join('|').toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("Add to word list")));
}

TEST_F(EditorTest, AddToGlossaryHandsOnTheSelectionOfTheActiveBoxAndKeepsTheClipboardWithoutOne)
{
    cust("m1", "p1").setDesc("Vitesse max");
    ParamEditor& e = open("m1", "p1");
    std::vector<std::pair<QString, bool>> asked;
    QObject::connect(&e, &ParamEditor::glossaryTermRequested,
                     [&](const QString& text, bool reference) { asked.emplace_back(text, reference); });
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    focus(Box::CustDesc);
    e.box(Box::CustDesc).setCursorPos(0);
    e.button(QStringLiteral("Add to glossary"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));

    focus(Box::CustDesc);
    e.box(Box::CustDesc).setCursorPos(0);
    // A drag from the first cell to the eighth, which the selection stops before.
    QWidget* box = widget(Box::CustDesc);
    const int cell = box->width() / 16;
    const int y = box->height() / 4;
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(cell / 2, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(cell * 7 + cell / 2, y),
                     box->mapToGlobal(QPointF(cell * 7 + cell / 2, y)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(cell * 7 + cell / 2, y));
    e.button(QStringLiteral("Add to glossary"))->click();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], std::make_pair(QString(), false));
    EXPECT_EQ(asked[1], std::make_pair(QStringLiteral("Vitesse"), false));
}
