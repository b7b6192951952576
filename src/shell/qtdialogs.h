#pragma once

#include "model/userinterface.h"

class QWidget;

// The editor's answers to the core: real message boxes, the busy pointer, pending events
// and progress windows.
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
    [[noreturn]] void endProgram() override;

private:
    QWidget* parent_;
};
