#include "downloadcommands.h"

#include "build/buildmessages.h"
#include "build/compress.h"
#include "model/theapp.h"
#include "model/userinterface.h"

#include <filesystem>
#include <system_error>

namespace {

// The transport the editor always uses, and the time-outs it gives the library (ms).
constexpr std::int32_t kTransport = 3;
constexpr std::int32_t kTimeout = 6000;
constexpr std::int32_t kSetupDialogFlags = 0x1007;

} // namespace

DownloadCommands::DownloadCommands(kpd::TheApp& app, kpd::UserInterface& ui, std::int32_t hexBase,
                                   std::string programFolder, kpd::DriveNetwork& network, kpd::DownloadClock& clock,
                                   ActiveDownload* active)
    : app_(app), ui_(ui), hexBase_(hexBase), programFolder_(std::move(programFolder)), network_(network),
      clock_(clock), active_(active)
{
}

std::string DownloadCommands::segmentFolder() const
{
    return (std::filesystem::path(programFolder_) / "dlSegs" / "").string();
}

DownloadCommands::Result DownloadCommands::download(const NodeAddressPrompt& askNodeAddress)
{
    ActiveDownload unwatched;
    ActiveDownload& active = active_ ? *active_ : unwatched;
    ActiveDownload::Running running(active);
    const std::optional<std::string> address = askNodeAddress();
    if (!address) return Result::Declined;
    const std::string node = *address + ".4";
    if (ui_.message("If you have not already done so, please set parameter 40.08 to enabled, then press OK", {},
                    kpd::MessageIcon::None, kpd::MessageButtons::OkCancel) == kpd::MessageAnswer::Cancel)
        return Result::Declined;

    std::int16_t lastSegment = 0;
    {
        kpd::Compress compress;
        compress.setData(app_, hexBase_);
        switch (compress.compress()) {
        case kpd::CompressResult::TooLarge:
            ui_.message(kpd::kTooLargeMessage);
            return Result::TooLarge;
        case kpd::CompressResult::Stopped:
            return Result::BuildStopped;
        case kpd::CompressResult::Fits:
            break;
        }
        try {
            lastSegment = compress.WriteFileSegs(segmentFolder(), programFolder_);
        } catch (const std::system_error& error) {
            // The older build's segments stay whole as they were; none of them is sent.
            ui_.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
            return Result::WriteFailed;
        }
    }

    // Stopped while the database was built: the keypad has not been touched.
    if (active.stopRequested()) return Result::NotDownloaded;
    kpd::KeypadDownload transfer(network_, ui_, clock_, segmentFolder());
    running.attach(&transfer);
    kpd::KeypadDownload::Outcome outcome = kpd::KeypadDownload::Outcome::NoLibrary;
    try {
        outcome = transfer.run(node, lastSegment);
    } catch (const kpd::DriveNetworkError& error) {
        // A library without one of its calls fails wherever that call is first made.
        ui_.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
    running.attach(nullptr);
    return outcome == kpd::KeypadDownload::Outcome::Complete ? Result::Downloaded : Result::NotDownloaded;
}

void DownloadCommands::setupComms(void* ownerWindow)
{
    try {
        kpd::DriveNetwork::Settings settings{};
        network_.KNR_GetParameters(settings);
        settings[0] = kTransport;
        network_.KNR_SetParameters(settings);
        kpd::DriveNetwork::ExtendedSettings extended{};
        network_.KNR_GetParametersEx(extended);
        extended[1] = kTimeout;
        extended[2] = kTimeout;
        extended[5] = kTimeout;
        network_.KNR_SetParametersEx(extended);
        network_.KNR_OpenSetupDialogEx(ownerWindow, kSetupDialogFlags, 0);
    } catch (const kpd::DriveNetworkError& error) {
        ui_.message(error.what(), "ERROR", kpd::MessageIcon::Critical);
    }
}
