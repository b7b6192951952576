#pragma once

#include <string>

namespace kpd {

// The splash of the editor's start-up: which step runs and how far the bar has come. A
// data root reports to one only when it was given one; a second data root (a comparison,
// a size report) or the command-line tool has none.
class StartupStatus {
public:
    virtual ~StartupStatus() = default;
    virtual void splashStatus(const std::string& status) = 0;
    virtual void splashProgress(int value) = 0;
};

} // namespace kpd
