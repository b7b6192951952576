#include "recordinguserinterface.h"

#include "shell/frmprogress.h"

#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

struct Owner : kpd::ProgressOwner {
    std::int32_t progress() const override
    {
        if (fail) throw std::runtime_error("owner is gone");
        return value;
    }
    void stopProcess() override { ++stops; }
    std::int32_t value = 0;
    int stops = 0;
    bool fail = false;
};

} // namespace

TEST(ProgressWindow, FollowsItsOwnerUntilTheBarIsFull)
{
    kpd::test::RecordingUserInterface ui;
    Owner owner;
    frmProgress window(ui);
    window.setData(owner, 200, QStringLiteral("Compressing"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Compressing"));
    EXPECT_EQ(ui.waitOnCount, 1);
    owner.value = 50;
    window.tick();
    EXPECT_EQ(window.barValue(), 50);
    EXPECT_TRUE(window.isActive());
    owner.value = 200;
    window.tick();
    EXPECT_FALSE(window.isActive());
    window.closeByOwner();
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST(ProgressWindow, AValueOutsideTheRangeEndsThePolling)
{
    kpd::test::RecordingUserInterface ui;
    Owner owner;
    frmProgress window(ui);
    window.setData(owner, 100, QStringLiteral("Writing"));
    owner.value = 150;
    window.tick();
    EXPECT_FALSE(window.isActive());
    EXPECT_EQ(window.barValue(), 0);
    window.setRange(300);
    EXPECT_EQ(window.barMaximum(), 300);
}

TEST(ProgressWindow, StopAsksFirstAndOnlyYesStopsTheOwner)
{
    kpd::test::RecordingUserInterface ui;
    Owner owner;
    frmProgress window(ui);
    window.setData(owner, 100, QStringLiteral("Downloading"));
    ui.answers = {kpd::MessageAnswer::No, kpd::MessageAnswer::Yes};
    window.askToStop();
    EXPECT_EQ(owner.stops, 0);
    window.askToStop();
    EXPECT_EQ(owner.stops, 1);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want to stop the current process?");
    EXPECT_EQ(ui.messages[0].buttons, kpd::MessageButtons::YesNo);
}

TEST(ProgressWindow, AnOwnerErrorIsAWarningNotACrash)
{
    kpd::test::RecordingUserInterface ui;
    Owner owner;
    owner.fail = true;
    frmProgress window(ui);
    window.setData(owner, 100, QStringLiteral("Writing"));
    window.tick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error updating progress bar: owner is gone");
    EXPECT_EQ(ui.messages[0].title, "WARNING");
}

// The operation owns the window and closes it when it ends; the user can only ask to stop.
TEST(ProgressWindow, EscapeAndTheCloseButtonAskToStopAndLeaveTheWindowOpen)
{
    kpd::test::RecordingUserInterface ui;
    Owner owner;
    frmProgress window(ui);
    window.setData(owner, 100, QStringLiteral("Downloading"));
    ui.answers = {kpd::MessageAnswer::Yes, kpd::MessageAnswer::No};
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(owner.stops, 1);
    EXPECT_TRUE(window.isVisible());
    window.windowHandle()->close();
    EXPECT_EQ(owner.stops, 1);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ui.texts(), std::vector<std::string>(2, "Are you sure you want to stop the current process?"));

    window.closeByOwner();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ui.messages.size(), 2u);
}

namespace {

struct RaiseLog : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ZOrderChange) raised.push_back(watched);
        return false;
    }
    std::vector<QObject*> raised;
};

} // namespace

TEST(ProgressWindow, AMessageShownMeanwhileStaysInFrontOfTheWindow)
{
    kpd::test::RecordingUserInterface ui;
    Owner owner;
    frmProgress window(ui);
    window.setData(owner, 100, QStringLiteral("Downloading"));
    QMessageBox box(QMessageBox::Information, QStringLiteral("Download"), QStringLiteral("Download complete"));
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    RaiseLog log;
    window.installEventFilter(&log);
    box.installEventFilter(&log);
    window.tick();
    ASSERT_FALSE(log.raised.empty());
    EXPECT_EQ(log.raised.back(), &box);
}
