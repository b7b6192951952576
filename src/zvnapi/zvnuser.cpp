#include "zvnuser.h"

#include "zvnapi.h"

#include <limits>

namespace {

// Index of the value in a read request record.
constexpr int kValueField = 4;

} // namespace

ZvnUser::ZvnUser(LoopbackSocket socket, std::uint16_t port, Timeouts timeouts)
    : socket_(std::move(socket)), port_(port), timeouts_(timeouts)
{
}

// A gateway that closed the connection since the last answer is seen here, before a
// request is lost in it; a connection that is gone is made again. The gateway serves
// every connection alike, so nothing is owed to the old one.
bool ZvnUser::connected()
{
    for (std::size_t before = received_.size(); socket_.valid(); before = received_.size()) {
        if (!socket_.receive(received_, 0)) socket_.close();
        if (received_.size() == before) break;
    }
    if (socket_.valid()) return true;
    received_.clear();
    socket_ = LoopbackSocket::connectTo(port_, timeouts_.connectMs);
    return socket_.valid();
}

std::int32_t ZvnUser::send(const NodeWire::Request& request, std::int32_t* readRecord)
{
    if (pending_) return zvn::kBusy;
    NodeWire::Request numbered = request;
    numbered.number = lastNumber_ == std::numeric_limits<std::int32_t>::max() ? 1 : lastNumber_ + 1;
    const std::optional<std::string> bytes = NodeWire::formatRequest(numbered);
    if (!bytes) return zvn::kBadArgument;
    const int timeout = request.kind == NodeWire::Kind::Download ? timeouts_.transferMs : timeouts_.answerMs;
    // A connection may die between the look at it and the request: one new one is tried.
    bool sent = false;
    for (int round = 0; round < 2 && !sent; ++round) {
        if (!connected()) return zvn::kNotSent;
        sent = socket_.sendAll(*bytes, timeout);
        if (!sent) socket_.close();
    }
    if (!sent) return zvn::kNotSent;
    lastNumber_ = numbered.number;
    pending_ = true;
    readRecord_ = readRecord;
    deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout);
    return zvn::kOk;
}

bool ZvnUser::poll(std::int32_t& code, std::int32_t& data)
{
    if (!pending_) {
        // Nothing is outstanding, so nothing will ever come: say so rather than "not yet".
        answerNoResponse(zvn::kNodeSilent, code, data);
        return true;
    }
    if (!socket_.receive(received_, 0)) socket_.close();
    NodeWire::Answer answer;
    NodeWire::Take taken = NodeWire::takeAnswer(received_, answer);
    while (taken == NodeWire::Take::Complete && answer.number != lastNumber_)
        taken = NodeWire::takeAnswer(received_, answer);
    switch (taken) {
    case NodeWire::Take::Complete:
        pending_ = false;
        code = answer.code;
        data = answer.data;
        if (readRecord_ && answer.code == zvn::kParameterRead) readRecord_[kValueField] = answer.value;
        readRecord_ = nullptr;
        return true;
    case NodeWire::Take::Malformed:
        // Where the next answer starts cannot be known: the next request starts afresh.
        socket_.close();
        answerNoResponse(zvn::kAnswerMalformed, code, data);
        return true;
    case NodeWire::Take::Incomplete:
        break;
    }
    if (!socket_.valid()) {
        answerNoResponse(zvn::kConnectionClosed, code, data);
        return true;
    }
    if (std::chrono::steady_clock::now() >= deadline_) {
        answerNoResponse(zvn::kAnswerTimedOut, code, data);
        return true;
    }
    return false;
}

void ZvnUser::answerNoResponse(std::int32_t reason, std::int32_t& code, std::int32_t& data)
{
    pending_ = false;
    readRecord_ = nullptr;
    code = zvn::kNoResponse;
    data = reason;
}
