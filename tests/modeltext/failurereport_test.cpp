#include "modeltext/failurereport.h"

#include "recordinguserinterface.h"

#include "fileio/filewriteerror.h"
#include "model/modelerror.h"

#include <gtest/gtest.h>

#include <cerrno>

using kpd::test::RecordingUserInterface;

TEST(ReportFailures, AModelErrorOrAFailedWriteIsShownTitledError)
{
    RecordingUserInterface ui;
    EXPECT_FALSE(
        reportFailures(ui, [] { throw kpd::ModelError(kpd::ModelError::SubscriptOutOfRange, "no such menu"); }));
    EXPECT_FALSE(reportFailures(ui, [] { throw kpd::FileWriteError("/data/out.kpd", ENOSPC, "disk full"); }));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "no such menu");
    EXPECT_EQ(ui.messages[1].text, kpd::FileWriteError::text("/data/out.kpd", "disk full"));
    for (const auto& message : ui.messages) {
        EXPECT_EQ(message.title, "ERROR");
        EXPECT_EQ(message.icon, kpd::MessageIcon::Critical);
    }
}

TEST(ReportFailures, WorkThatEndsWellShowsNothing)
{
    RecordingUserInterface ui;
    int runs = 0;
    EXPECT_TRUE(reportFailures(ui, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(ui.messages.empty());
}
