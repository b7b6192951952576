#pragma once

#include <functional>

namespace kpd {
class KeypadDownload;
class UserInterface;
}

// The download under way, as the rest of the editor sees it. A download runs on the
// user-interface thread and lets the editor's events through while it waits, so a request
// to close the editor arrives with the download still on the call stack below it: the
// close has to wait until the download has ended, and no second download or change of
// the communication settings may start meanwhile.
class ActiveDownload {
public:
    // Told true when a download starts and false when it has ended.
    void setListener(std::function<void(bool running)> listener) { listener_ = std::move(listener); }
    bool running() const { return running_; }

    // Closing the editor while a download runs: asks the user. Yes stops the download at
    // its next wait and keeps the close for when the download has ended.
    void askToStopForClosing(kpd::UserInterface& ui);
    bool stopRequested() const { return stopRequested_; }
    // True once after a download stopped for closing has ended: the close can go on.
    bool takeCloseRequest();

    // Marks a download as running for the guard's lifetime.
    class Running {
    public:
        explicit Running(ActiveDownload& active);
        ~Running();
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;
        // The transfer that a stop reaches while it runs; null when it has ended.
        void attach(kpd::KeypadDownload* transfer);

    private:
        ActiveDownload& active_;
    };

private:
    std::function<void(bool)> listener_;
    kpd::KeypadDownload* transfer_ = nullptr;
    bool running_ = false;
    bool stopRequested_ = false;
    bool closeRequested_ = false;
};
