#pragma once

#include "loopbacksocket.h"
#include "nodewire.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// A keypad node on a simulated drive network: listens on 127.0.0.1 on a port the system
// chooses and answers the network library's requests as the keypad would, taking the
// database segment files one by one. It runs on a thread of its own so that a test and
// the library under test can share one process.
class NodeSimulator {
public:
    struct Config {
        std::int32_t nodeAddress = 1;
        // The node type the node reports; 5 is a keypad. The upper bits carry status
        // flags that the reader has to mask off.
        std::int32_t nodeType = 5;
        // Parameter 40.08: without it the keypad does not answer the network at all.
        bool networkEnabled = true;
        std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> parameters{{{40, 52}, 0}, {{40, 8}, 1}};
        // Segment name -> how many of its transfers are refused before one is taken.
        std::map<std::string, int> refusals;
        // Faults, each at one request counted over every connection from 1 (0: never).
        // dropAt: the connection is closed instead of answering that request.
        // garbleAt: that request is answered with a line that cannot be read.
        // silentFrom: that request and every later one are taken but never answered,
        // as by a node that went away.
        // The request a fault falls on is not carried out: the library has to send it again.
        int dropAt = 0;
        int garbleAt = 0;
        int silentFrom = 0;
        // How long the node takes over each answer (ms). It serves one request after the
        // other, so a slow answer holds back the answers to the requests behind it.
        int answerMs = 0;
        // Segment name -> how many of its transfers are answered lateMs later than the
        // others: after the library has given up on them, when it waits for a later request.
        std::map<std::string, int> lateAnswers;
        int lateMs = 0;
    };

    static constexpr int kMaxClients = 4;
    static constexpr std::int32_t kStatusFlags = 0x800;

    explicit NodeSimulator(Config config);
    ~NodeSimulator();
    NodeSimulator(const NodeSimulator&) = delete;
    NodeSimulator& operator=(const NodeSimulator&) = delete;

    // Starts listening; the port chosen, 0 when listening failed.
    std::uint16_t start();
    void stop();
    std::uint16_t port() const { return port_; }

    // What the node has taken, in arrival order, and the bytes of each segment it holds.
    std::vector<std::string> accepted() const;
    std::vector<std::string> requests() const;
    std::string segment(const std::string& name) const;
    // The database image put back together from the segments 000 onwards that arrived:
    // a segment shorter than 2,048 bytes holds 2,048 minus its length image bytes.
    std::string image() const;

    // Folder where every accepted segment is also written (empty: kept in memory only).
    void setSaveFolder(std::string folder);

private:
    struct Client;

    void run();
    void receive(Client& client);
    static int pollTimeout(const std::vector<std::unique_ptr<Client>>& clients);
    static void sendDue(Client& client);
    void record(const NodeWire::Request& request);
    NodeWire::Answer answer(const NodeWire::Request& request);
    // How long after the previous answer this request's answer goes out.
    std::chrono::milliseconds answerTime(const NodeWire::Request& request);
    NodeWire::Answer download(const NodeWire::Request& request);
    bool addressesThisNode(const std::string& node) const;

    Config config_;
    LoopbackSocket listener_;
    std::uint16_t port_ = 0;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    // Requests taken so far, on the node's own thread only.
    int taken_ = 0;
    mutable std::mutex mutex_;
    std::vector<std::string> accepted_;
    std::vector<std::string> requests_;
    std::map<std::string, std::string> segments_;
    std::string saveFolder_;
};
