#include "layoutcheck.h"
#include "recordinguserinterface.h"
#include "smalldrive.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "model/theapp.h"
#include "views/parameditor.h"
#include "views/parampanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using kpd::test::fitsScreen;
using kpd::test::readableLayout;
using kpd::test::shownText;
using Panel = ParamEditSession::Panel;

namespace {

class EditorLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("KPD_COMRT_REGISTRY", TEST_REGISTRY); }

    EditorLayoutTest() { kpd::test::buildSmallDrive(app); }

    ParamEditor& open(const std::string& menu, const std::string& para, bool trip)
    {
        editor = std::make_unique<ParamEditor>(ui, folder.path());
        editor->setMyData(app, menu, para, {}, trip);
        editor->show();
        return *editor;
    }

    // Pixels from the bottom of the help caption to the top of the help box, and between
    // the tops of the box and of its scroll arrows.
    static std::pair<int, int> helpGaps(const ParamPanel& panel)
    {
        const QWidget* box = panel.help().widget();
        const int boxTop = box->mapTo(&panel, QPoint(0, 0)).y();
        const int captionBottom = panel.label5()->geometry().bottom();
        const int arrowsTop = panel.helpScrollUp()->mapTo(&panel, QPoint(0, 0)).y();
        return {boxTop - captionBottom, std::abs(boxTop - arrowsTop)};
    }

    kpd::test::RecordingUserInterface ui;
    kpd::TheApp app{ui, "/nonexistent"};
    QTemporaryDir folder;
    std::unique_ptr<ParamEditor> editor;
};

} // namespace

TEST_F(EditorLayoutTest, ParameterTripAndMissingModeViewsAreReadable)
{
    ParamEditor& parameter = open("m1", "p1", false);
    ASSERT_TRUE(parameter.box(ParamEditSession::Box::CustDesc).isValid());
    EXPECT_TRUE(readableLayout(&parameter));
    EXPECT_EQ(shownText(parameter.panel(Panel::Cust).label1()), QStringLiteral("Param & default value"));
    ASSERT_EQ(parameter.copyModeButtons().size(), 2);
    for (const QPushButton* copy : parameter.copyModeButtons())
        EXPECT_EQ(copy->width(), parameter.findChild<QPushButton*>(QStringLiteral("btnCopyToAll"))->width());

    app.stringDatas().Item("English").DrvMenus().Item("m1").Parameters().Item("p2").modes().Item("Servo").setDefined(false);
    ParamEditor& missing = open("m1", "p2", false);
    missing.stepMode(1);
    missing.stepMode(1);
    ASSERT_TRUE(missing.noModeWarning()->isVisible());
    EXPECT_TRUE(readableLayout(&missing)) << "mode not available";

    ParamEditor& trip = open("trips", "t1", true);
    EXPECT_TRUE(readableLayout(&trip));
    EXPECT_EQ(shownText(trip.panel(Panel::Cust).label1()), QStringLiteral("Trip code & mnemonic"));
    trip.ChangeMenu(1);
    EXPECT_EQ(shownText(trip.panel(Panel::Cust).label1()), QStringLiteral("Param & default value"));
}

// Switching to trip editing hides the unit and limit rows; the room they leave must not
// push the help box away from its caption and its scroll arrows.
TEST_F(EditorLayoutTest, TheHelpBoxKeepsItsPlaceWhenTheWindowTurnsToTrips)
{
    ParamEditor& e = open("m1", "p1", false);
    ASSERT_NE(e.panel(Panel::Cust).help().widget(), nullptr);
    const std::pair<int, int> parameterGaps = helpGaps(e.panel(Panel::Cust));
    e.ChangeMenu(-1);
    ASSERT_EQ(e.windowTitle(), QStringLiteral("Edit trip data"));
    EXPECT_TRUE(readableLayout(&e));
    for (const Panel p : {Panel::Ref, Panel::Cust})
        EXPECT_EQ(helpGaps(e.panel(p)), parameterGaps) << "panel " << static_cast<int>(p);
}

// However large the scale, the window fits its screen and scrolls to what it cannot show,
// Commit and OK included.
TEST_F(EditorLayoutTest, TheEditorFitsTheScreenAndScrollsToItsButtons)
{
    ParamEditor& e = open("m1", "p1", false);
    EXPECT_TRUE(fitsScreen(&e));
    EXPECT_TRUE(readableLayout(&e));
    for (const QString caption : {QStringLiteral("Commit"), QStringLiteral("OK")}) {
        ASSERT_NE(e.button(caption), nullptr) << caption.toStdString();
        EXPECT_TRUE(e.button(caption)->isVisible()) << caption.toStdString();
    }
}
