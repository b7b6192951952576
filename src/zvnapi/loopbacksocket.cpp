#include "loopbacksocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace {

sockaddr_in loopbackAddress(std::uint16_t port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool waitFor(int fd, short events, int timeoutMs)
{
    pollfd entry{fd, events, 0};
    int result = 0;
    do {
        result = ::poll(&entry, 1, timeoutMs);
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

void setNonBlocking(int fd)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
}

} // namespace

LoopbackSocket::~LoopbackSocket()
{
    close();
}

LoopbackSocket::LoopbackSocket(LoopbackSocket&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

LoopbackSocket& LoopbackSocket::operator=(LoopbackSocket&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void LoopbackSocket::close()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

LoopbackSocket LoopbackSocket::connectTo(std::uint16_t port, int timeoutMs)
{
    LoopbackSocket socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket.valid() || port == 0) return {};
    setNonBlocking(socket.fd_);
    const sockaddr_in address = loopbackAddress(port);
    if (::connect(socket.fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return socket;
    if (errno != EINPROGRESS || !waitFor(socket.fd_, POLLOUT, timeoutMs)) return {};
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(socket.fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) return {};
    return socket;
}

LoopbackSocket LoopbackSocket::listenAny(int backlog)
{
    LoopbackSocket socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket.valid()) return {};
    const sockaddr_in address = loopbackAddress(0);
    if (::bind(socket.fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket.fd_, backlog) != 0)
        return {};
    setNonBlocking(socket.fd_);
    return socket;
}

std::uint16_t LoopbackSocket::localPort() const
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    return ntohs(address.sin_port);
}

LoopbackSocket LoopbackSocket::accept(int timeoutMs) const
{
    if (!valid() || !waitFor(fd_, POLLIN, timeoutMs)) return {};
    LoopbackSocket peer(::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    return peer;
}

bool LoopbackSocket::sendAll(const std::string& bytes, int timeoutMs) const
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (!valid() || !waitFor(fd_, POLLOUT, timeoutMs)) return false;
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

bool LoopbackSocket::receive(std::string& into, int timeoutMs) const
{
    if (!valid()) return false;
    if (!waitFor(fd_, POLLIN, timeoutMs)) return true;
    char buffer[4096];
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
    if (n < 0) return errno == EAGAIN || errno == EINTR;
    if (n == 0) return false;
    into.append(buffer, static_cast<std::size_t>(n));
    return true;
}
