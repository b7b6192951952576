#pragma once

#include "model/userinterface.h"

#include <functional>

class SplashWindow;

// Stands between the core and the dialogs: keeps the values the core hands to the main
// window (hex base, alternate and cannot-run flags), writes the splash status while
// start-up runs, and suspends the auto save while a progress window is open.
class ShellUserInterface : public kpd::UserInterface {
public:
    explicit ShellUserInterface(kpd::UserInterface& dialogs) : dialogs_(dialogs) {}

    std::int32_t hexBase() const { return hexBase_; }
    bool alternate() const { return alternate_; }
    bool cannotRun() const { return cannotRun_; }
    void resetFlags();

    void setSplash(SplashWindow* splash) { splash_ = splash; }
    void setAutoSaveSuspension(std::function<void()> suspend, std::function<void()> resume);

    kpd::MessageAnswer message(const std::string& text, const std::string& title, kpd::MessageIcon icon,
                               kpd::MessageButtons buttons) override;
    void waitOn() override { dialogs_.waitOn(); }
    void waitOff() override { dialogs_.waitOff(); }
    void processEvents() override { dialogs_.processEvents(); }
    std::unique_ptr<kpd::ProgressWindow> openProgress(kpd::ProgressOwner& owner, std::int32_t range,
                                                      const std::string& caption) override;
    void setHexBase(std::int32_t base) override;
    void setAlternate(bool alternate) override;
    void setCannotRun(bool cannotRun) override;
    void splashStatus(const std::string& status) override;
    void splashProgress(int value) override;
    [[noreturn]] void endProgram() override;

private:
    kpd::UserInterface& dialogs_;
    SplashWindow* splash_ = nullptr;
    std::int32_t hexBase_ = 0;
    bool alternate_ = false;
    bool cannotRun_ = false;
    int openProgressWindows_ = 0;
    std::function<void()> suspend_;
    std::function<void()> resume_;
};
