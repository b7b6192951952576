#pragma once

#include "downloadclock.h"

namespace kpd {

// Real time, in slices short enough for the Stop button and repaints to stay lively.
class SteadyDownloadClock : public DownloadClock {
public:
    static constexpr std::chrono::milliseconds kSlice{10};

    std::chrono::milliseconds now() override;
    void pause(std::chrono::milliseconds atMost) override;
};

} // namespace kpd
