#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kpd::test {

// A named pipe with a writer at hand for as long as the object lives: a reader that opens
// the pipe gets its end at once instead of waiting for ever, so a test of a reader that
// should have refused the pipe fails instead of hanging.
class PipeWithWriter {
public:
    explicit PipeWithWriter(std::string path) : path_(std::move(path))
    {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        writer_ = std::thread([this] {
            while (made_ && !done_) {
                // Without a reader this fails at once, so the writer never waits for one.
                if (const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                    ::close(fd);
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~PipeWithWriter()
    {
        done_ = true;
        writer_.join();
    }
    PipeWithWriter(const PipeWithWriter&) = delete;
    PipeWithWriter& operator=(const PipeWithWriter&) = delete;

    bool made() const { return made_; }

private:
    std::string path_;
    bool made_ = false;
    std::atomic<bool> done_{false};
    std::thread writer_;
};

} // namespace kpd::test
