#pragma once

#include "downloadclock.h"
#include "drivenetwork.h"
#include "networkmessages.h"

#include "model/userinterface.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace kpd {

// Sends the segment files of a built database to the keypad: connects to the drive
// network, checks that the node is a keypad ready to take a download, then sends the
// segments in the keypad's order with retries, progress and a Stop button. The progress
// window watches this object.
class KeypadDownload : public ProgressOwner {
public:
    enum class Outcome {
        Complete,
        NoLibrary,       // the network library could not be loaded
        NotConnected,    // the library refused a user
        KeypadNotFound,
        NotAKeypad,
        NotReadable,     // parameter 40.52 could not be read
        NotReady,        // parameter 40.52 reads 1
        SegmentFailed,
        Stopped,
    };

    static constexpr std::int32_t kProgressRange = 127;
    static constexpr std::int32_t kKeypadNodeType = 5;
    static constexpr int kAttempts = 3;
    static constexpr std::chrono::milliseconds kShortWait{500};
    // The keypad writes a block of its flash after segments 063 and 127: that takes long.
    static constexpr std::chrono::milliseconds kLongWait{20000};
    static constexpr int kSegmentCount = 128;
    static constexpr int kEnd = -1;

    // segmentFolder ends with the separator; the segment files are in it already.
    KeypadDownload(DriveNetwork& network, UserInterface& ui, DownloadClock& clock, std::string segmentFolder);

    // Steps from opening the progress window to its clean-up; lastSegment is the last
    // segment that holds image bytes.
    Outcome run(const std::string& nodeAddressText, std::int16_t lastSegment);

    // After segment s - 1 was sent: the next segment to send, or kEnd. The keypad wants
    // the image segments 0 to lastSegment, then 63 and 64 (which close its first flash
    // half) and 127 (which closes the second), each once.
    static int nextSegment(int s, std::int16_t lastSegment);
    static std::string segmentName(int s);

    std::int32_t progress() const override { return progress_; }
    void stopProcess() override { stopFlag_ = true; }
    // Ends the download at its next wait, without the stop question: the user has already
    // agreed to stop it (by closing the editor). The keypad is told nothing more.
    void abort() { aborted_ = true; }

    // Internal steps, each true on success.
    bool checkKeypadNode(std::int32_t& nodeType);
    bool readKeypadParameter(std::int32_t menu, std::int32_t parameter, std::int32_t& value);
    bool downloadSegment(const std::string& name);

private:
    Outcome connected(std::int16_t lastSegment);
    Outcome sendSegments(std::int16_t lastSegment);
    bool reportProgress(std::int32_t value);
    void waitFor(std::chrono::milliseconds duration);
    void waitUntil(std::chrono::milliseconds moment);
    void pollForResponse(std::int32_t& code, std::int32_t& data);
    void throwIfAborted() const;
    void warn(const std::string& text);
    void reportStopped();
    // The progress window's line after a failed attempt at segment name (1 is the first).
    std::string retryStatus(const std::string& name, int attempt) const;
    std::int32_t timeoutMs(std::size_t field);

    DriveNetwork& network_;
    UserInterface& ui_;
    DownloadClock& clock_;
    std::string segmentFolder_;
    std::string node_;
    ProgressWindow* window_ = nullptr;
    // What went wrong with the last request, for the messages that follow.
    NetworkFault fault_;
    std::int32_t user_ = 0;
    std::int32_t progress_ = 0;
    bool stopFlag_ = false;
    bool aborted_ = false;
};

} // namespace kpd
