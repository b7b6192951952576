#pragma once

#include "model/userinterface.h"

#include <stdexcept>

namespace kpd::fuzz {

// What a fatal message would end; the harness catches it where the program would stop.
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("the program ended") {}
};

// Answers every message with its first button and shows nothing, so a fuzz run spends its
// time in the code under test.
class SilentUserInterface : public UserInterface {
public:
    MessageAnswer message(const std::string&, const std::string&, MessageIcon, MessageButtons buttons) override
    {
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                          : MessageAnswer::Ok;
    }
    void waitOn() override {}
    void waitOff() override {}
    void processEvents() override {}
    std::unique_ptr<ProgressWindow> openProgress(ProgressOwner&, std::int32_t, const std::string&) override
    {
        return nullptr;
    }
    [[noreturn]] void endProgram() override { throw ProgramEnded(); }
};

} // namespace kpd::fuzz
