#pragma once

#include "model/userinterface.h"

#include "terminalprogressbar.h"

#include <iosfwd>

namespace kpd {

// The user interface of the command-line tool: messages go to standard error, questions
// get the answer chosen on the command line, the busy pointer shows nothing, and progress
// shows as a bar on standard error when that is a terminal that asked for it.
class TerminalUserInterface : public UserInterface {
public:
    explicit TerminalUserInterface(std::ostream& err) : err_(err) {}

    void setQuestionAnswer(MessageAnswer answer) { questionAnswer_ = answer; }
    void setProgressShown(bool shown) { progressShown_ = shown; }
    // Messages shown so far whose title marks an error.
    int errorCount() const { return errorCount_; }

    MessageAnswer message(const std::string& text, const std::string& title, MessageIcon icon,
                          MessageButtons buttons) override;
    void waitOn() override {}
    void waitOff() override {}
    // The long operations' checkpoints: the moment to redraw the progress bar.
    void processEvents() override;
    std::unique_ptr<ProgressWindow> openProgress(ProgressOwner& owner, std::int32_t range,
                                                 const std::string& caption) override;
    [[noreturn]] void endProgram() override;

private:
    std::ostream& err_;
    MessageAnswer questionAnswer_ = MessageAnswer::No;
    int errorCount_ = 0;
    bool progressShown_ = false;
    TerminalProgressBar* activeBar_ = nullptr;
};

} // namespace kpd
