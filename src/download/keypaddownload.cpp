#include "keypaddownload.h"

#include "networkmessages.h"
#include "zvnapi/zvnapi.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace kpd {

namespace {

using zvn::kNodeFound;
using zvn::kNoResponse;
using zvn::kParameterRead;
using zvn::kTransferDone;
constexpr std::int32_t kNodeTypeMask = 0x7FF;
constexpr std::int32_t kNotReady = 1;
constexpr int kFirstHalfEnd = 63;
constexpr int kFirstHalfClose = 64;
constexpr int kLastSegment = 127;
// The fields of the library's extended settings that hold its time-outs (ms).
constexpr std::size_t kAnswerTimeoutField = 2;
constexpr std::size_t kTransferTimeoutField = 5;
// Between two polls of an outstanding request: long enough not to spin, short enough
// not to be seen.
constexpr std::chrono::milliseconds kPollPause{2};

const char* const kTargetNotFound = "ERROR: Unable to find the target. Check comms settings and node address.";
const char* const kUndefinedState = "You should download the whole database before trying to use the keypad";

// Unwinds a download that was aborted, from whichever wait it was in, to its clean-up.
struct Aborted {};

} // namespace

KeypadDownload::KeypadDownload(DriveNetwork& network, UserInterface& ui, DownloadClock& clock,
                               std::string segmentFolder)
    : network_(network), ui_(ui), clock_(clock), segmentFolder_(std::move(segmentFolder))
{
}

std::string KeypadDownload::segmentName(int s)
{
    char name[8];
    std::snprintf(name, sizeof name, "%03d", s);
    return name;
}

int KeypadDownload::nextSegment(int s, std::int16_t lastSegment)
{
    if (s <= lastSegment && s < kSegmentCount) return s;
    if (s < kFirstHalfEnd) s = kFirstHalfEnd;
    if (s <= kFirstHalfClose) return s;
    if (s >= kSegmentCount) return kEnd;
    return kLastSegment;
}

KeypadDownload::Outcome KeypadDownload::run(const std::string& nodeAddressText, std::int16_t lastSegment)
{
    node_ = nodeAddressText;
    progress_ = 0;
    stopFlag_ = false;
    const std::unique_ptr<ProgressWindow> window = ui_.openProgress(*this, kProgressRange, "Downloading to custom area");
    window_ = window.get();
    Outcome outcome = Outcome::NoLibrary;
    {
        const BusyPointer busy(ui_);
        user_ = 0;
        try {
            user_ = network_.KNR_RegisterUser(1, 0, 0, 0);
            if (user_ < 0) {
                const std::string reason = registrationFailure(user_);
                ui_.message("Sorry, could not connect to ZVNetAPI. The error code is: " + std::to_string(user_) +
                            (reason.empty() ? "" : "\r\n" + reason));
                outcome = Outcome::NotConnected;
            } else {
                outcome = connected(lastSegment);
            }
        } catch (const DriveNetworkError& error) {
            ui_.message(error.what(), "ERROR", MessageIcon::Critical);
        } catch (const Aborted&) {
            reportStopped();
            outcome = Outcome::Stopped;
        }
        window->close();
        window_ = nullptr;
        // A refused registration has no user to release; a failed release is the caller's
        // to report, after the window and the pointer are back to normal.
        if (user_ > 0) network_.KNR_DeleteUser(user_);
    }
    return outcome;
}

KeypadDownload::Outcome KeypadDownload::connected(std::int16_t lastSegment)
{
    waitFor(kShortWait);
    std::int32_t nodeType = 0;
    if (!checkKeypadNode(nodeType)) {
        ui_.message("Could not find the keypad");
        return Outcome::KeypadNotFound;
    }
    if (nodeType != kKeypadNodeType) {
        ui_.message("The node at this address is not a keypad (node type " + std::to_string(nodeType) + ").", {},
                    MessageIcon::Exclamation);
        return Outcome::NotAKeypad;
    }
    std::int32_t state = 0;
    if (!readKeypadParameter(40, 52, state)) {
        ui_.message("Could not read parameter 40.52 from the keypad." + faultLines(fault_), {},
                    MessageIcon::Exclamation);
        return Outcome::NotReadable;
    }
    // With 40.52 at 1 the keypad takes no segment: sending would repeat one forever.
    if (state == kNotReady) {
        ui_.message("The keypad is not ready to take a download (parameter 40.52 is 1).", {},
                    MessageIcon::Exclamation);
        return Outcome::NotReady;
    }
    return sendSegments(lastSegment);
}

KeypadDownload::Outcome KeypadDownload::sendSegments(std::int16_t lastSegment)
{
    progress_ = 0;
    int s = 0;
    while (s != kEnd) {
        const std::string name = segmentName(s);
        bool sent = false;
        for (int attempt = 1; attempt <= kAttempts && !sent; ++attempt) {
            throwIfAborted();
            sent = downloadSegment(name);
            // The pause after an attempt can be long: what went wrong is shown while it passes.
            if (!sent) window_->setStatus(retryStatus(name, attempt));
            else if (attempt > 1) window_->setStatus({});
            waitFor(s == kFirstHalfEnd || s >= kLastSegment ? kLongWait : kShortWait);
        }
        if (!sent) {
            ui_.message("The download failed at segment " + name + '.' + faultLines(fault_) + "\r\n" +
                            kUndefinedState,
                        {}, MessageIcon::Exclamation);
            return Outcome::SegmentFailed;
        }
        ++s;
        const std::chrono::milliseconds noted = clock_.now();
        if (reportProgress(progress_ + 1) &&
            ui_.message("Are you sure you want to stop the download?", {}, MessageIcon::Question,
                        MessageButtons::YesNo) == MessageAnswer::Yes) {
            reportStopped();
            return Outcome::Stopped;
        }
        waitUntil(noted + kShortWait);
        s = nextSegment(s, lastSegment);
    }
    ui_.message("Download complete");
    return Outcome::Complete;
}

bool KeypadDownload::checkKeypadNode(std::int32_t& nodeType)
{
    if (const std::int32_t result = network_.KNR_CheckNode(user_, node_); result != 0) {
        warn(kTargetNotFound + faultLines(notIssuedFault(result)));
        return false;
    }
    std::int32_t code = 0;
    std::int32_t data = 0;
    pollForResponse(code, data);
    if (code == kNodeFound) {
        nodeType = data & kNodeTypeMask;
        return true;
    }
    if (code != kNoResponse) {
        warn("Unexpected response: " + std::to_string(code));
        return false;
    }
    std::string text = "Did not receive a response from the keypad.\r\nIs the node address correct?\r\n"
                       "Is parameter 40.08 enabled?";
    // The questions cover a node that is not there; a connection that failed is said as well.
    if (data != zvn::kNodeSilent) text += "\r\n" + answerFault(code, data, timeoutMs(kAnswerTimeoutField)).what + '.';
    warn(text);
    return false;
}

bool KeypadDownload::readKeypadParameter(std::int32_t menu, std::int32_t parameter, std::int32_t& value)
{
    DriveNetwork::ReadRecord record{1, menu, parameter, 0, value, 0, 0, 0};
    if (const std::int32_t result = network_.KNR_ReadObject(user_, node_, record); result != 0) {
        fault_ = notIssuedFault(result);
        warn(kTargetNotFound + faultLines(fault_));
        return false;
    }
    std::int32_t code = 0;
    std::int32_t data = 0;
    pollForResponse(code, data);
    if (code != kParameterRead) {
        fault_ = answerFault(code, data, timeoutMs(kAnswerTimeoutField));
        return false;
    }
    value = record[4];
    return true;
}

bool KeypadDownload::downloadSegment(const std::string& name)
{
    const std::string path = segmentFolder_ + name;
    if (const std::int32_t result = network_.KNR_DownLoad(user_, node_, path, name); result != 0) {
        // A connection that could not be made again is no fault of the file.
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            fault_ = notIssuedFault(result);
            return false;
        }
        fault_ = {"The segment file " + path + " is missing", "Start the download again: it writes the files anew."};
        warn("ERROR: Unable to issue download request. Does the file specified exist?\r\n" + fault_.what + '.');
        return false;
    }
    std::int32_t code = 0;
    std::int32_t data = 0;
    pollForResponse(code, data);
    if (code == kTransferDone && data == 1) return true;
    fault_ = answerFault(code, data, timeoutMs(kTransferTimeoutField));
    return false;
}

std::string KeypadDownload::retryStatus(const std::string& name, int attempt) const
{
    const std::string what = fault_.what + " (segment " + name + "); ";
    if (attempt == kAttempts) return what + "no attempt left";
    return what + "retry " + std::to_string(attempt + 1) + " of " + std::to_string(kAttempts) + "...";
}

std::int32_t KeypadDownload::timeoutMs(std::size_t field)
{
    DriveNetwork::ExtendedSettings settings{};
    network_.KNR_GetParametersEx(settings);
    return settings[field];
}

bool KeypadDownload::reportProgress(std::int32_t value)
{
    progress_ = value;
    const bool stop = stopFlag_;
    stopFlag_ = false;
    ui_.processEvents();
    return stop;
}

void KeypadDownload::waitFor(std::chrono::milliseconds duration)
{
    waitUntil(clock_.now() + duration);
}

void KeypadDownload::waitUntil(std::chrono::milliseconds moment)
{
    for (std::chrono::milliseconds now = clock_.now(); now < moment; now = clock_.now()) {
        ui_.processEvents();
        throwIfAborted();
        clock_.pause(moment - now);
    }
}

void KeypadDownload::pollForResponse(std::int32_t& code, std::int32_t& data)
{
    // An abort leaves the request outstanding: deleting the user at the clean-up drops it.
    while (network_.KNR_Poll32ForResponse(user_, code, data) == 0) {
        ui_.processEvents();
        throwIfAborted();
        clock_.pause(kPollPause);
    }
}

void KeypadDownload::throwIfAborted() const
{
    if (aborted_) throw Aborted{};
}

void KeypadDownload::reportStopped()
{
    ui_.message(std::string("The download has been stopped the keypad is now in an undefined state\r\n") +
                kUndefinedState);
}

void KeypadDownload::warn(const std::string& text)
{
    ui_.message(text, {}, MessageIcon::Exclamation);
}

} // namespace kpd
