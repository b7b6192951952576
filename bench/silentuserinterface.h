#pragma once

#include "model/userinterface.h"

#include <cstdlib>
#include <memory>

namespace kpd::bench {

// A user interface that answers every message with OK and shows nothing, for the
// benchmarks of the headless core.
class SilentUserInterface : public kpd::UserInterface {
    class NoWindow : public kpd::ProgressWindow {
        void setRange(std::int32_t) override {}
        void stopProgress() override {}
        void close() override {}
    };

public:
    kpd::MessageAnswer message(const std::string&, const std::string&, kpd::MessageIcon, kpd::MessageButtons) override
    {
        return kpd::MessageAnswer::Ok;
    }
    void waitOn() override {}
    void waitOff() override {}
    void processEvents() override {}
    std::unique_ptr<kpd::ProgressWindow> openProgress(kpd::ProgressOwner&, std::int32_t, const std::string&) override
    {
        return std::make_unique<NoWindow>();
    }
    [[noreturn]] void endProgram() override { std::abort(); }
};

} // namespace kpd::bench
