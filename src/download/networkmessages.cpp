#include "networkmessages.h"

#include "zvnapi/zvnapi.h"

namespace kpd {

namespace {

const char* const kStartAgain = "Start the download again.";

// 3000 -> "3 s", 2500 -> "2.5 s", 100 -> "0.1 s".
std::string seconds(std::int32_t ms)
{
    std::string text = std::to_string(ms / 1000);
    if (const std::int32_t fraction = ms % 1000; fraction != 0) {
        std::string digits = std::to_string(1000 + fraction).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += '.' + digits;
    }
    return text + " s";
}

} // namespace

NetworkFault answerFault(std::int32_t code, std::int32_t data, std::int32_t timeoutMs)
{
    if (code == zvn::kTransferDone) return {"The keypad refused the segment", kStartAgain};
    if (code != zvn::kNoResponse) return {"Unexpected response: " + std::to_string(code), {}};
    switch (data) {
    case zvn::kAnswerTimedOut:
        return {"No answer from the keypad within " + seconds(timeoutMs),
                "Check that the keypad is connected and switched on; a slow keypad can be given more time in "
                "Connect | Setup comms."};
    case zvn::kConnectionClosed:
        return {"The keypad closed the connection", "Check the keypad's connection, then start the download again."};
    case zvn::kAnswerMalformed:
        return {"The keypad's answer could not be read",
                "Check that the port in Connect | Setup comms is the keypad node's, then start the download again."};
    default:
        return {"The keypad did not respond", "Check the node address and that parameter 40.08 is enabled."};
    }
}

NetworkFault notIssuedFault(std::int32_t result)
{
    switch (result) {
    case zvn::kNotSent:
        return {"The connection to the keypad was lost and could not be made again",
                "Check that the keypad node is running and that Connect | Setup comms names its port."};
    case zvn::kNoFile:
        return {"The network library could not read the segment file", kStartAgain};
    case zvn::kBusy:
        return {"The network library was still busy with an earlier request", kStartAgain};
    case zvn::kUnknownUser:
        return {"The network library had no connection for this download", kStartAgain};
    default:
        return {"The network library did not take the request (code " + std::to_string(result) + ")", {}};
    }
}

std::string faultLines(const NetworkFault& fault)
{
    return "\r\n" + fault.what + '.' + (fault.remedy.empty() ? "" : "\r\n" + fault.remedy);
}

std::string registrationFailure(std::int32_t code)
{
    switch (code) {
    case zvn::kNoTransport:
        return "The communication settings do not choose the drive network: open Connect | Setup comms and "
               "press OK.";
    case zvn::kNoGatewayPort:
        return "No gateway port is set: enter the keypad node's port in Connect | Setup comms.";
    case zvn::kNoConnection:
        return "Nothing answers at the gateway port on this computer: check that the keypad node is running and "
               "that Connect | Setup comms names its port.";
    case zvn::kTooManyUsers:
        return "Too many programs use the drive network at once: close one of them and try again.";
    default:
        return {};
    }
}

} // namespace kpd
