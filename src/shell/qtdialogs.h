#pragma once

#include "model/userinterface.h"

class QWidget;

// The editor's answers to the core: real message boxes, the busy pointer, pending events
// and progress windows. The main window's own flags are kept by ShellUserInterface.
class QtDialogs : public kpd::UserInterface {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    kpd::MessageAnswer message(const std::string& text, const std::string& title, kpd::MessageIcon icon,
                               kpd::MessageButtons buttons) override;
    void waitOn() override;
    void waitOff() override;
    void processEvents() override;
    std::unique_ptr<kpd::ProgressWindow> openProgress(kpd::ProgressOwner& owner, std::int32_t range,
                                                      const std::string& caption) override;
    void setHexBase(std::int32_t) override {}
    void setAlternate(bool) override {}
    void setCannotRun(bool) override {}
    void splashStatus(const std::string&) override {}
    void splashProgress(int) override {}
    [[noreturn]] void endProgram() override;

private:
    QWidget* parent_;
};
