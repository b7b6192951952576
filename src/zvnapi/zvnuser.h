#pragma once

#include "loopbacksocket.h"
#include "nodewire.h"

#include <chrono>
#include <cstdint>
#include <string>

// One registered user of the network library: its connection to the gateway and the one
// request it may have outstanding. Requests are numbered; an answer that carries another
// number than the outstanding request's belongs to a request given up on, and is dropped.
class ZvnUser {
public:
    struct Timeouts {
        int connectMs = 3000;
        int answerMs = 3000;
        int transferMs = 3000;
    };

    // socket is the connection made at registration; port is where to make it again.
    ZvnUser(LoopbackSocket socket, std::uint16_t port, Timeouts timeouts);

    // A result of the zvn:: codes; kOk when the request went out.
    std::int32_t send(const NodeWire::Request& request, std::int32_t* readRecord);
    // True once code and data hold the answer to the outstanding request.
    bool poll(std::int32_t& code, std::int32_t& data);

private:
    bool connected();
    void answerNoResponse(std::int32_t reason, std::int32_t& code, std::int32_t& data);

    LoopbackSocket socket_;
    std::uint16_t port_;
    Timeouts timeouts_;
    std::string received_;
    bool pending_ = false;
    std::int32_t lastNumber_ = 0;
    std::int32_t* readRecord_ = nullptr;
    std::chrono::steady_clock::time_point deadline_;
};
