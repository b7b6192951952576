#pragma once

#include "model/userinterface.h"

#include <functional>

// Stands between the core and the dialogs: suspends the auto save while a progress
// window is open.
class ShellUserInterface : public kpd::UserInterface {
public:
    explicit ShellUserInterface(kpd::UserInterface& dialogs) : dialogs_(dialogs) {}

    void setAutoSaveSuspension(std::function<void()> suspend, std::function<void()> resume);

    kpd::MessageAnswer message(const std::string& text, const std::string& title, kpd::MessageIcon icon,
                               kpd::MessageButtons buttons) override;
    void waitOn() override { dialogs_.waitOn(); }
    void waitOff() override { dialogs_.waitOff(); }
    void processEvents() override { dialogs_.processEvents(); }
    std::unique_ptr<kpd::ProgressWindow> openProgress(kpd::ProgressOwner& owner, std::int32_t range,
                                                      const std::string& caption) override;
    [[noreturn]] void endProgram() override;

private:
    kpd::UserInterface& dialogs_;
    int openProgressWindows_ = 0;
    std::function<void()> suspend_;
    std::function<void()> resume_;
};
