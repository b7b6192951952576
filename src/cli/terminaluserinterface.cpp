#include "terminaluserinterface.h"

#include <cstdlib>
#include <ostream>

namespace kpd {

namespace {

class SilentProgress : public ProgressWindow {
public:
    void setRange(std::int32_t) override {}
    void stopProgress() override {}
    void close() override {}
};

// Message texts carry CR LF line ends; the terminal wants plain line feeds.
std::string terminalText(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

} // namespace

MessageAnswer TerminalUserInterface::message(const std::string& text, const std::string& title, MessageIcon,
                                             MessageButtons buttons)
{
    // A message in the middle of a bar would share its line.
    if (activeBar_) activeBar_->close();
    if (title == "ERROR" || title == "CRITICAL ERROR" || title == "FATAL ERROR") ++errorCount_;
    err_ << (title.empty() ? std::string(kProgramTitle) : title) << ": " << terminalText(text) << '\n';
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (buttons == MessageButtons::OkCancel)
        return questionAnswer_ == MessageAnswer::Yes ? MessageAnswer::Ok : MessageAnswer::Cancel;
    err_ << "  answered " << (questionAnswer_ == MessageAnswer::Yes ? "Yes" : "No") << '\n';
    return questionAnswer_;
}

std::unique_ptr<ProgressWindow> TerminalUserInterface::openProgress(ProgressOwner& owner, std::int32_t range,
                                                                    const std::string& caption)
{
    if (progressShown_) return std::make_unique<TerminalProgressBar>(err_, owner, range, caption, activeBar_);
    return std::make_unique<SilentProgress>();
}

void TerminalUserInterface::processEvents()
{
    if (activeBar_) activeBar_->update();
}

void TerminalUserInterface::endProgram()
{
    err_.flush();
    std::exit(2);
}

} // namespace kpd
