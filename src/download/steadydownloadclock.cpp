#include "steadydownloadclock.h"

#include <algorithm>
#include <thread>

namespace kpd {

std::chrono::milliseconds SteadyDownloadClock::now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyDownloadClock::pause(std::chrono::milliseconds atMost)
{
    std::this_thread::sleep_for(std::clamp(atMost, std::chrono::milliseconds(0), kSlice));
}

} // namespace kpd
