#include "nodesimulator.h"

#include "zvnapi.h"

#include <poll.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <deque>
#include <fstream>
#include <memory>

namespace {

constexpr int kTickMs = 50;
constexpr int kSendTimeoutMs = 2000;
using zvn::kNodeFound;
using zvn::kNoResponse;
using zvn::kParameterRead;
using zvn::kTransferDone;
constexpr std::int32_t kNoSuchParameter = 18;
constexpr std::int32_t kKeypadPort = 4;
constexpr std::size_t kSegmentPositions = 1024;

bool toNumber(const std::string& text, std::int32_t& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && ptr == end;
}

// "000" to "127": the names the keypad knows its segments by.
bool isSegmentName(const std::string& name)
{
    std::int32_t number = 0;
    return name.size() == 3 && toNumber(name, number) && number >= 0 && number <= 127;
}

using Clock = std::chrono::steady_clock;

struct Outgoing {
    Clock::time_point due;
    std::string bytes;
};

} // namespace

struct NodeSimulator::Client {
    LoopbackSocket socket;
    std::string buffer;
    // Answers not yet due, in the order of their requests.
    std::deque<Outgoing> outgoing;
    Clock::time_point busyUntil;
};

// Until the first answer of any client falls due, but never longer than one tick, so
// that a stop is seen.
int NodeSimulator::pollTimeout(const std::vector<std::unique_ptr<Client>>& clients)
{
    Clock::duration wait = std::chrono::milliseconds(kTickMs);
    for (const auto& client : clients)
        if (!client->outgoing.empty()) wait = std::min(wait, client->outgoing.front().due - Clock::now());
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
    return static_cast<int>(std::max<decltype(ms)>(ms, 0));
}

void NodeSimulator::sendDue(Client& client)
{
    while (client.socket.valid() && !client.outgoing.empty() && client.outgoing.front().due <= Clock::now()) {
        if (!client.socket.sendAll(client.outgoing.front().bytes, kSendTimeoutMs)) client.socket.close();
        client.outgoing.pop_front();
    }
}

NodeSimulator::NodeSimulator(Config config) : config_(std::move(config)) {}

NodeSimulator::~NodeSimulator()
{
    stop();
}

std::uint16_t NodeSimulator::start()
{
    listener_ = LoopbackSocket::listenAny(kMaxClients);
    if (!listener_.valid()) return 0;
    port_ = listener_.localPort();
    stopping_ = false;
    thread_ = std::thread([this] { run(); });
    return port_;
}

void NodeSimulator::stop()
{
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    listener_.close();
}

void NodeSimulator::setSaveFolder(std::string folder)
{
    const std::lock_guard lock(mutex_);
    saveFolder_ = std::move(folder);
}

std::vector<std::string> NodeSimulator::accepted() const
{
    const std::lock_guard lock(mutex_);
    return accepted_;
}

std::vector<std::string> NodeSimulator::requests() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::string NodeSimulator::segment(const std::string& name) const
{
    const std::lock_guard lock(mutex_);
    const auto found = segments_.find(name);
    return found == segments_.end() ? std::string() : found->second;
}

std::string NodeSimulator::image() const
{
    const std::lock_guard lock(mutex_);
    std::string result;
    for (int s = 0; s < 128; ++s) {
        char name[4];
        std::snprintf(name, sizeof name, "%03d", s);
        const auto found = segments_.find(name);
        if (found == segments_.end()) break;
        const std::size_t held = 2 * kSegmentPositions - found->second.size();
        result += found->second.substr(0, held);
        if (held < kSegmentPositions) break;
    }
    return result;
}

void NodeSimulator::run()
{
    std::vector<std::unique_ptr<Client>> clients;
    while (!stopping_) {
        std::vector<pollfd> fds;
        fds.push_back({listener_.fd(), POLLIN, 0});
        for (const auto& client : clients) fds.push_back({client->socket.fd(), POLLIN, 0});
        if (::poll(fds.data(), fds.size(), pollTimeout(clients)) < 0) continue;

        for (std::size_t i = 0; i + 1 < fds.size(); ++i) {
            Client& client = *clients[i];
            if (fds[i + 1].revents & (POLLIN | POLLHUP | POLLERR)) receive(client);
            sendDue(client);
        }
        if (fds[0].revents & POLLIN) {
            LoopbackSocket peer = listener_.accept(0);
            // More callers than a node serves are turned away at once.
            if (peer.valid() && clients.size() < static_cast<std::size_t>(kMaxClients)) {
                clients.push_back(std::make_unique<Client>());
                clients.back()->socket = std::move(peer);
            }
        }
        std::erase_if(clients, [](const auto& client) { return !client->socket.valid(); });
    }
}

void NodeSimulator::receive(Client& client)
{
    bool open = client.socket.receive(client.buffer, 0);
    NodeWire::Request request;
    NodeWire::Take state = NodeWire::Take::Incomplete;
    while (open && (state = NodeWire::takeRequest(client.buffer, request)) == NodeWire::Take::Complete) {
        const int number = ++taken_;
        record(request);
        if (number == config_.dropAt) {
            open = false;
            break;
        }
        if (config_.silentFrom > 0 && number >= config_.silentFrom) continue;
        std::string bytes;
        if (number == config_.garbleAt) {
            bytes = "ANSWER " + std::to_string(request.number) + " garbled\n";
        } else {
            NodeWire::Answer reply = answer(request);
            reply.number = request.number;
            bytes = NodeWire::formatAnswer(reply);
        }
        client.busyUntil = std::max(Clock::now(), client.busyUntil) + answerTime(request);
        client.outgoing.push_back({client.busyUntil, std::move(bytes)});
    }
    if (state == NodeWire::Take::Malformed) open = false;
    if (!open) client.socket.close();
}

std::chrono::milliseconds NodeSimulator::answerTime(const NodeWire::Request& request)
{
    std::chrono::milliseconds time(config_.answerMs);
    if (request.kind != NodeWire::Kind::Download) return time;
    const auto late = config_.lateAnswers.find(request.name);
    if (late != config_.lateAnswers.end() && late->second > 0) {
        --late->second;
        time += std::chrono::milliseconds(config_.lateMs);
    }
    return time;
}

bool NodeSimulator::addressesThisNode(const std::string& node) const
{
    const std::size_t dot = node.find('.');
    std::int32_t address = 0;
    std::int32_t port = 0;
    return dot != std::string::npos && toNumber(node.substr(0, dot), address) &&
           toNumber(node.substr(dot + 1), port) && address == config_.nodeAddress && port == kKeypadPort &&
           config_.networkEnabled;
}

void NodeSimulator::record(const NodeWire::Request& request)
{
    const std::lock_guard lock(mutex_);
    static const char* const kinds[] = {"CHECK", "READ", "DOWNLOAD"};
    std::string line = std::string(kinds[static_cast<int>(request.kind)]) + ' ' + request.node;
    if (request.kind == NodeWire::Kind::Read)
        line += ' ' + std::to_string(request.menu) + '.' + std::to_string(request.parameter);
    if (request.kind == NodeWire::Kind::Download) line += ' ' + request.name;
    requests_.push_back(line);
}

NodeWire::Answer NodeSimulator::answer(const NodeWire::Request& request)
{
    if (!addressesThisNode(request.node)) return {kNoResponse, 0, 0};
    switch (request.kind) {
    case NodeWire::Kind::Check:
        return {kNodeFound, config_.nodeType | kStatusFlags, 0};
    case NodeWire::Kind::Read: {
        const auto found = config_.parameters.find({request.menu, request.parameter});
        if (found == config_.parameters.end()) return {kNoSuchParameter, 0, 0};
        return {kParameterRead, 0, found->second};
    }
    case NodeWire::Kind::Download:
        return download(request);
    }
    return {kNoResponse, 0, 0};
}

NodeWire::Answer NodeSimulator::download(const NodeWire::Request& request)
{
    // A segment covers 1,024 positions: image bytes take one byte each, filler two.
    const bool fits = request.body.size() >= kSegmentPositions && request.body.size() <= 2 * kSegmentPositions;
    if (!isSegmentName(request.name) || !fits) return {kTransferDone, 0, 0};
    auto refusal = config_.refusals.find(request.name);
    if (refusal != config_.refusals.end() && refusal->second > 0) {
        --refusal->second;
        return {kTransferDone, 0, 0};
    }
    const std::lock_guard lock(mutex_);
    accepted_.push_back(request.name);
    segments_[request.name] = request.body;
    if (!saveFolder_.empty()) {
        std::ofstream file(saveFolder_ + '/' + request.name, std::ios::binary | std::ios::trunc);
        file.write(request.body.data(), static_cast<std::streamsize>(request.body.size()));
    }
    return {kTransferDone, 1, 0};
}
