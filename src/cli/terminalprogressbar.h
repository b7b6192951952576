#pragma once

#include "model/userinterface.h"

#include <iosfwd>
#include <string>

namespace kpd {

// A progress window drawn as one line of a terminal: the caption, a bar and the percent
// done, redrawn in place with a carriage return whenever the percent changes. Closing
// it blanks the line, so the messages that follow start on a clean one.
class TerminalProgressBar : public ProgressWindow {
public:
    static constexpr int kBarWidth = 30;

    // `active` is where the user interface keeps the bar it redraws at each checkpoint;
    // the bar clears it when it goes.
    TerminalProgressBar(std::ostream& err, const ProgressOwner& owner, std::int32_t range, std::string caption,
                        TerminalProgressBar*& active);
    ~TerminalProgressBar() override;
    TerminalProgressBar(const TerminalProgressBar&) = delete;
    TerminalProgressBar& operator=(const TerminalProgressBar&) = delete;

    // Reads the owner's progress and redraws the line when the percent has moved.
    void update();

    void setRange(std::int32_t range) override;
    void stopProgress() override {}
    void close() override;

private:
    std::ostream& err_;
    const ProgressOwner& owner_;
    std::int32_t range_;
    std::string caption_;
    TerminalProgressBar*& active_;
    int shown_ = -1;
    bool closed_ = false;
};

} // namespace kpd
