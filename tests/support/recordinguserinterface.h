#pragma once

#include "model/startupstatus.h"
#include "model/userinterface.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace kpd::test {

// What endProgram() throws in tests, so a fatal path unwinds instead of exiting.
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("the program was ended") {}
};

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
};

struct RecordedProgress {
    std::string caption;
    std::int32_t range = 0;
    std::vector<std::int32_t> ranges;
    std::vector<std::string> statuses;
    bool stopped = false;
    bool closed = false;
};

// Records everything the core asks of the user interface, and the splash steps of a data
// root that was given it as its start-up status; answers questions from a script, an
// unscripted question with the first button (Ok or Yes).
class RecordingUserInterface : public UserInterface, public StartupStatus {
public:
    MessageAnswer message(const std::string& text, const std::string& title, MessageIcon icon,
                          MessageButtons buttons) override;
    void waitOn() override
    {
        ++waitOnCount;
        ++busyDepth;
    }
    void waitOff() override
    {
        ++waitOffCount;
        --busyDepth;
    }
    void processEvents() override { ++eventRuns; }
    std::unique_ptr<ProgressWindow> openProgress(ProgressOwner& owner, std::int32_t range,
                                                 const std::string& caption) override;
    void splashStatus(const std::string& status) override { splashStatuses.push_back(status); }
    void splashProgress(int value) override { splashValues.push_back(value); }
    [[noreturn]] void endProgram() override;

    // Texts of the recorded messages, in order, for compact assertions.
    std::vector<std::string> texts() const;

    std::deque<MessageAnswer> answers;
    std::vector<RecordedMessage> messages;
    std::vector<RecordedProgress> progressWindows;
    int waitOnCount = 0;
    int waitOffCount = 0;
    int busyDepth = 0;
    int eventRuns = 0;
    bool ended = false;
    std::vector<std::string> splashStatuses;
    std::vector<int> splashValues;
};

} // namespace kpd::test
