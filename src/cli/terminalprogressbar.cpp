#include "terminalprogressbar.h"

#include <algorithm>
#include <ostream>

namespace kpd {

TerminalProgressBar::TerminalProgressBar(std::ostream& err, const ProgressOwner& owner, std::int32_t range,
                                         std::string caption, TerminalProgressBar*& active)
    : err_(err), owner_(owner), range_(range), caption_(std::move(caption)), active_(active)
{
    active_ = this;
    update();
}

TerminalProgressBar::~TerminalProgressBar()
{
    close();
}

void TerminalProgressBar::setRange(std::int32_t range)
{
    range_ = range;
    update();
}

void TerminalProgressBar::update()
{
    if (closed_) return;
    // A worker may report past its announced range, and a range of zero has nothing to show.
    const std::int64_t done = std::clamp<std::int64_t>(owner_.progress(), 0, std::max(range_, 0));
    const int percent = range_ > 0 ? static_cast<int>(done * 100 / range_) : 0;
    if (percent == shown_) return;
    shown_ = percent;
    const int filled = percent * kBarWidth / 100;
    std::string percentText = std::to_string(percent);
    percentText.insert(0, 3 - percentText.size(), ' ');
    err_ << '\r' << caption_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percentText << '%'
         << std::flush;
}

void TerminalProgressBar::close()
{
    if (closed_) return;
    closed_ = true;
    if (active_ == this) active_ = nullptr;
    if (shown_ >= 0)
        err_ << '\r' << std::string(caption_.size() + static_cast<std::size_t>(kBarWidth) + 8, ' ') << '\r'
             << std::flush;
}

} // namespace kpd
