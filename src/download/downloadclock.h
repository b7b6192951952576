#pragma once

#include <chrono>

namespace kpd {

// The time the download waits by: the keypad needs its pauses between segments, and the
// tests need them to pass at once.
class DownloadClock {
public:
    virtual ~DownloadClock() = default;
    virtual std::chrono::milliseconds now() = 0;
    // Lets up to atMost pass; the waiting caller lets events run between pauses.
    virtual void pause(std::chrono::milliseconds atMost) = 0;
};

} // namespace kpd
