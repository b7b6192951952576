#pragma once

#include "activedownload.h"
#include "downloadclock.h"
#include "drivenetwork.h"
#include "keypaddownload.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kpd {
class TheApp;
class UserInterface;
}

// The Connect menu's commands: Download, which builds the database, cuts it into the
// segment files and sends them to the keypad, and Setup comms.
class DownloadCommands {
public:
    // Shows the node address dialog; the address typed, or nothing when it was not confirmed.
    using NodeAddressPrompt = std::function<std::optional<std::string>()>;

    // active, when given, is told while a download runs and can stop it.
    DownloadCommands(kpd::TheApp& app, kpd::UserInterface& ui, std::int32_t hexBase, std::string programFolder,
                     kpd::DriveNetwork& network, kpd::DownloadClock& clock, ActiveDownload* active = nullptr);

    // What happened, for the callers that care; every outcome has been reported to the user.
    enum class Result { Declined, TooLarge, BuildStopped, WriteFailed, Downloaded, NotDownloaded };
    Result download(const NodeAddressPrompt& askNodeAddress);
    void setupComms(void* ownerWindow);

    // The segment folder with its trailing separator.
    std::string segmentFolder() const;

private:
    kpd::TheApp& app_;
    kpd::UserInterface& ui_;
    std::int32_t hexBase_;
    std::string programFolder_;
    kpd::DriveNetwork& network_;
    kpd::DownloadClock& clock_;
    ActiveDownload* active_;
};
