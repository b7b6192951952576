#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A TCP socket that only ever reaches 127.0.0.1: the drive network of this program is a
// simulated node on the same machine, and nothing here may talk to another host.
class LoopbackSocket {
public:
    LoopbackSocket() = default;
    explicit LoopbackSocket(int fd) : fd_(fd) {}
    ~LoopbackSocket();
    LoopbackSocket(LoopbackSocket&& other) noexcept;
    LoopbackSocket& operator=(LoopbackSocket&& other) noexcept;
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;

    // Connects to 127.0.0.1:port, giving up after timeoutMs; an invalid socket on failure.
    static LoopbackSocket connectTo(std::uint16_t port, int timeoutMs);
    // Listens on 127.0.0.1 on a port the system chooses; an invalid socket on failure.
    static LoopbackSocket listenAny(int backlog);

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    std::uint16_t localPort() const;

    // Waits up to timeoutMs for a connection; an invalid socket when none came.
    LoopbackSocket accept(int timeoutMs) const;
    // Sends every byte or fails, never waiting longer than timeoutMs without progress.
    bool sendAll(const std::string& bytes, int timeoutMs) const;
    // Appends what has arrived within timeoutMs (0: only what is already there). Returns
    // false when the peer has closed the connection or it failed.
    bool receive(std::string& into, int timeoutMs) const;
    void close();

private:
    int fd_ = -1;
};
