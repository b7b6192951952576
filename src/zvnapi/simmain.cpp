// keypad-node-sim: a keypad on a simulated drive network, for the tests and for trying
// a download by hand. It listens on 127.0.0.1 on a port the system chooses, prints that
// port, and ends by itself after a while.

#include "nodesimulator.h"

#include "kpdversion.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <thread>

namespace {

const char* const kUsage =
    "usage: keypad-node-sim [--node N] [--type T] [--param M.P=V] [--network-off]\n"
    "                       [--refuse NNN[=COUNT]] [--answer-ms MS] [--late NNN[=COUNT]] [--late-ms MS]\n"
    "                       [--drop-at N] [--garble-at N] [--silent-from N]\n"
    "                       [--save DIR] [--port-file FILE] [--seconds S]\n"
    "Serves one keypad node on 127.0.0.1 at a port the system chooses and prints the port.\n"
    "--refuse: the first COUNT transfers of segment NNN are refused (default 1).\n"
    "--answer-ms: every answer takes MS; --late: the first COUNT transfers of segment NNN\n"
    "are answered --late-ms later still, after the library has stopped waiting for them.\n"
    "Faults, counting requests from 1 over every connection: --drop-at closes the connection\n"
    "on request N, --garble-at answers request N with a line that cannot be read,\n"
    "--silent-from answers nothing from request N on. The request hit is not carried out.\n"
    "Set the editor's gateway port to it (Connect | Setup comms, or ZVNAPI_PORT).\n"
    "Ends after S seconds (default 1800, at most 86400).\n"
    "--help prints this text, --version the version.\n";

bool number(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && ptr == end;
}

bool parameterSetting(const std::string& text, NodeSimulator::Config& config)
{
    const std::size_t dot = text.find('.');
    const std::size_t equals = text.find('=');
    int menu = 0, parameter = 0, value = 0;
    if (dot == std::string::npos || equals == std::string::npos || equals < dot ||
        !number(text.substr(0, dot), menu) || !number(text.substr(dot + 1, equals - dot - 1), parameter) ||
        !number(text.substr(equals + 1), value))
        return false;
    config.parameters[{menu, parameter}] = value;
    if (menu == 40 && parameter == 8) config.networkEnabled = value != 0;
    return true;
}

// "NNN" or "NNN=COUNT": how many transfers of segment NNN something happens to.
bool segmentCount(const std::string& text, std::map<std::string, int>& counts)
{
    const std::size_t equals = text.find('=');
    int count = 1;
    if (equals != std::string::npos && !number(text.substr(equals + 1), count)) return false;
    counts[text.substr(0, equals)] = count;
    return true;
}

bool milliseconds(const std::string& text, int& value)
{
    return number(text, value) && value >= 0 && value <= 600000;
}

bool requestNumber(const std::string& text, int& value)
{
    return number(text, value) && value >= 1;
}

} // namespace

int main(int argc, char* argv[])
{
    NodeSimulator::Config config;
    std::string saveFolder;
    std::string portFile;
    int seconds = 1800;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        bool ok = true;
        if (option == "--help" || option == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (option == "--version") {
            std::printf("keypad-node-sim %s\n", kpd::kVersion);
            return 0;
        }
        if (option == "--network-off") {
            config.networkEnabled = false;
            config.parameters[{40, 8}] = 0;
        } else if (option == "--node" && hasValue) {
            ok = number(argv[++i], config.nodeAddress);
        } else if (option == "--type" && hasValue) {
            ok = number(argv[++i], config.nodeType);
        } else if (option == "--param" && hasValue) {
            ok = parameterSetting(argv[++i], config);
        } else if (option == "--refuse" && hasValue) {
            ok = segmentCount(argv[++i], config.refusals);
        } else if (option == "--answer-ms" && hasValue) {
            ok = milliseconds(argv[++i], config.answerMs);
        } else if (option == "--late" && hasValue) {
            ok = segmentCount(argv[++i], config.lateAnswers);
        } else if (option == "--late-ms" && hasValue) {
            ok = milliseconds(argv[++i], config.lateMs);
        } else if (option == "--drop-at" && hasValue) {
            ok = requestNumber(argv[++i], config.dropAt);
        } else if (option == "--garble-at" && hasValue) {
            ok = requestNumber(argv[++i], config.garbleAt);
        } else if (option == "--silent-from" && hasValue) {
            ok = requestNumber(argv[++i], config.silentFrom);
        } else if (option == "--save" && hasValue) {
            saveFolder = argv[++i];
        } else if (option == "--port-file" && hasValue) {
            portFile = argv[++i];
        } else if (option == "--seconds" && hasValue) {
            ok = number(argv[++i], seconds) && seconds > 0 && seconds <= 86400;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }

    NodeSimulator node(config);
    node.setSaveFolder(saveFolder);
    const std::uint16_t port = node.start();
    if (port == 0) {
        std::fprintf(stderr, "keypad-node-sim: cannot listen on 127.0.0.1: %s\n", std::strerror(errno));
        return 1;
    }
    if (!portFile.empty()) std::ofstream(portFile) << port << '\n';
    std::printf("keypad node %d listening on 127.0.0.1:%u\n", config.nodeAddress, port);
    std::fflush(stdout);

    std::size_t reported = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::vector<std::string> requests = node.requests();
        for (; reported < requests.size(); ++reported) std::printf("%s\n", requests[reported].c_str());
        std::fflush(stdout);
    }
    node.stop();
    return 0;
}
