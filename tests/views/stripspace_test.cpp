#include "menudialogsfixture.h"

#include "lcdtextboxhost/lcdtextboxhost.h"
#include "views/stripspace.h"

#include <QPushButton>

namespace {

// Where the build put the keypad text box library; the tests' registry already has it.
const QString kControlFolder = QStringLiteral(LCDTEXTBOX_FOLDER);

class StopOnEvents : public kpd::test::RecordingUserInterface {
public:
    void processEvents() override
    {
        RecordingUserInterface::processEvents();
        if (stripWindow) stripWindow->btnStopStrip()->click();
    }
    Stripspace* stripWindow = nullptr;
};

class StripspaceTest : public MenuDialogsTest {};

} // namespace

TEST_F(StripspaceTest, TheWindowHostsASixBySixteenTextBox)
{
    Stripspace window(ui, kControlFolder);
    ASSERT_TRUE(window.gtbStripTrail().isValid());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Strip trailing spaces"));
    EXPECT_EQ(window.size(), QSize(281, 175));
    EXPECT_EQ(window.gtbStripTrail().nRows(), 6);
    EXPECT_EQ(window.gtbStripTrail().nCols(), 16);
    EXPECT_EQ(window.gtbStripTrail().EmptyCellColor(), window.gtbStripTrail().BackColor());
    EXPECT_EQ(window.gtbStripTrail().widget()->size(), QSize(192, 54));
    EXPECT_EQ(window.btnStopStrip()->text(), QStringLiteral("Stop"));
}

// Worked by hand from the keypad text box's rule: the spaces before a line break and the
// blanks at the end of the text go; a full line wraps by itself and keeps its spaces.
TEST_F(StripspaceTest, OnlyTheSpacesTheBoxRemovesLeaveTheTexts)
{
    record("m1", "p1", "Servo").setDesc("AB  ~MC  ");
    record("m1", "p1", "Servo").setHelp("Hello   ");
    record("m2", "p0", "Open loop").setDesc("0123456789ABCDEF  Next");
    record("m2", "p5", "Closed loop").setDesc("~X41  ");
    record("m3", "p1", "Servo").setHelp("Range -40000 to 40000~m");
    Stripspace window(ui, kControlFolder);
    EXPECT_EQ(window.stripTrail(app.getCustMenus()), 4 + 3 + 2 + 1);
    EXPECT_EQ(window.textsChanged(), 4);
    EXPECT_EQ(record("m1", "p1", "Servo").getDesc(), "AB~MC");
    EXPECT_EQ(record("m1", "p1", "Servo").getHelp(), "Hello");
    EXPECT_EQ(record("m2", "p0", "Open loop").getDesc(), "0123456789ABCDEF  Next") << "leading blanks stay";
    EXPECT_EQ(record("m2", "p5", "Closed loop").getDesc(), "~X41") << "escapes keep their spelling";
    EXPECT_EQ(record("m3", "p1", "Servo").getHelp(), "Range -40000 to 40000")
        << "the space filling the first line keeps 40000 on the second, without a new break";
    EXPECT_TRUE(window.isVisible()) << "its owner closes it";
    EXPECT_FALSE(window.btnStopStrip()->isEnabled());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StripspaceTest, StopEndsTheRunAfterTheCurrentMenu)
{
    record("m1", "p3", "Servo").setDesc("First  ");
    record("m2", "p0", "Servo").setDesc("Second  ");
    StopOnEvents stopping;
    Stripspace window(stopping, kControlFolder);
    stopping.stripWindow = &window;
    EXPECT_EQ(window.stripTrail(app.getCustMenus()), 2);
    EXPECT_EQ(record("m1", "p3", "Servo").getDesc(), "First");
    EXPECT_EQ(record("m2", "p0", "Servo").getDesc(), "Second  ");
    EXPECT_EQ(stopping.eventRuns, 1);
}

TEST_F(StripspaceTest, WithoutTheControlNoTextIsTouched)
{
    const QByteArray previous = qgetenv("KPD_COMRT_REGISTRY");
    QTemporaryDir empty;
    qputenv("KPD_COMRT_REGISTRY", empty.filePath(QStringLiteral("registry.json")).toLocal8Bit());
    record("m1", "p1", "Servo").setDesc("Text  ");
    {
        Stripspace window(ui, empty.path());
        EXPECT_EQ(window.stripTrail(app.getCustMenus()), 0);
    }
    qputenv("KPD_COMRT_REGISTRY", previous);
    EXPECT_EQ(record("m1", "p1", "Servo").getDesc(), "Text  ");
    EXPECT_EQ(record("m1", "p1", "Servo").undoD(), "") << "not even rewritten";
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{Stripspace::kNoControlMessage}));
    EXPECT_EQ(ui.messages[0].title, "ERROR");
}
