#pragma once

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

// Records everything the core asks of the user interface and answers questions from a
// script; an unscripted question is answered with the first button (Ok or Yes).
class RecordingUserInterface : public UserInterface {
public:
    MessageAnswer message(const std::string& text, const std::string& title, MessageIcon icon,
                          MessageButtons buttons) override;
    void waitOn() override { ++waitOnCount; ++busyDepth; }
    void waitOff() override { ++waitOffCount; --busyDepth; }
    void processEvents() override { ++eventRuns; }
    std::unique_ptr<ProgressWindow> openProgress(ProgressOwner& owner, std::int32_t range,
                                                 const std::string& caption) override;
    void setHexBase(std::int32_t base) override { hexBase = base; }
    void setAlternate(bool value) override { alternate = value; }
    void setCannotRun(bool value) override { cannotRun = value; }
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
    std::int32_t hexBase = 0;
    bool alternate = false;
    bool cannotRun = false;
    bool ended = false;
    std::vector<std::string> splashStatuses;
    std::vector<int> splashValues;
};

} // namespace kpd::test
