#include "terminaluserinterface.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kpd {
namespace {

struct Worker : ProgressOwner {
    std::int32_t done = 0;
    std::int32_t progress() const override { return done; }
    void stopProcess() override {}
};

TEST(TerminalProgressBar, RedrawsInPlaceOnlyWhenThePercentMovesAndBlanksItsLineWhenClosed)
{
    std::ostringstream err;
    TerminalUserInterface ui(err);
    ui.setProgressShown(true);
    Worker worker;
    auto window = ui.openProgress(worker, 200, "Compressing Strings");
    EXPECT_EQ(err.str(), "\rCompressing Strings [..............................]   0%");

    err.str({});
    worker.done = 100;
    ui.processEvents();
    EXPECT_EQ(err.str(), "\rCompressing Strings [###############...............]  50%");
    err.str({});
    worker.done = 101;
    ui.processEvents();
    EXPECT_EQ(err.str(), "");

    // Workers may count past the range they announced.
    worker.done = 250;
    ui.processEvents();
    EXPECT_NE(err.str().find("[##############################] 100%"), std::string::npos);

    err.str({});
    window->close();
    EXPECT_EQ(err.str(), "\r" + std::string(19 + 30 + 8, ' ') + "\r");
    err.str({});
    window.reset();
    worker.done = 0;
    ui.processEvents();
    EXPECT_EQ(err.str(), "");
}

TEST(TerminalProgressBar, AMessageTakesTheLineFromTheBarAndAHiddenBarWritesNothing)
{
    std::ostringstream err;
    TerminalUserInterface ui(err);
    Worker worker;
    auto hidden = ui.openProgress(worker, 10, "Translating database");
    worker.done = 5;
    ui.processEvents();
    EXPECT_EQ(err.str(), "");
    hidden.reset();

    ui.setProgressShown(true);
    auto shown = ui.openProgress(worker, 10, "Translating database");
    ui.message("Too big", "ERROR", MessageIcon::Critical, MessageButtons::Ok);
    const std::string text = err.str();
    EXPECT_EQ(text.substr(text.rfind('\r') + 1), "ERROR: Too big\n");
    err.str({});
    worker.done = 10;
    ui.processEvents();
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace kpd
