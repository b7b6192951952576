#include "shelluserinterface.h"

#include <cstdlib>

namespace {

// Resumes the auto save when the last progress window closes.
class SuspendingProgressWindow : public kpd::ProgressWindow {
public:
    SuspendingProgressWindow(std::unique_ptr<kpd::ProgressWindow> inner, std::function<void()> onClose)
        : inner_(std::move(inner)), onClose_(std::move(onClose))
    {
    }
    ~SuspendingProgressWindow() override { close(); }
    void setRange(std::int32_t range) override { inner_->setRange(range); }
    void stopProgress() override { inner_->stopProgress(); }
    void setStatus(const std::string& text) override { inner_->setStatus(text); }
    void close() override
    {
        if (closed_) return;
        closed_ = true;
        inner_->close();
        onClose_();
    }

private:
    std::unique_ptr<kpd::ProgressWindow> inner_;
    std::function<void()> onClose_;
    bool closed_ = false;
};

} // namespace

void ShellUserInterface::setAutoSaveSuspension(std::function<void()> suspend, std::function<void()> resume)
{
    suspend_ = std::move(suspend);
    resume_ = std::move(resume);
}

kpd::MessageAnswer ShellUserInterface::message(const std::string& text, const std::string& title, kpd::MessageIcon icon,
                                               kpd::MessageButtons buttons)
{
    return dialogs_.message(text, title, icon, buttons);
}

std::unique_ptr<kpd::ProgressWindow> ShellUserInterface::openProgress(kpd::ProgressOwner& owner, std::int32_t range,
                                                                      const std::string& caption)
{
    if (openProgressWindows_++ == 0 && suspend_) suspend_();
    return std::make_unique<SuspendingProgressWindow>(dialogs_.openProgress(owner, range, caption), [this] {
        if (--openProgressWindows_ == 0 && resume_) resume_();
    });
}

void ShellUserInterface::endProgram()
{
    dialogs_.endProgram();
    // The compiler cannot see through the virtual call that it never comes back.
    std::abort();
}
