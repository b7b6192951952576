#include "zvnuser.h"

#include "zvnapi.h"

#include <limits>

namespace {

// Index of the value in a read request record.
constexpr int kValueField = 4;

} // namespace

ZvnUser::ZvnUser(LoopbackSocket socket, Timeouts timeouts) : socket_(std::move(socket)), timeouts_(timeouts) {}

std::int32_t ZvnUser::send(const NodeWire::Request& request, std::int32_t* readRecord)
{
    if (pending_) return zvn::kBusy;
    NodeWire::Request numbered = request;
    numbered.number = lastNumber_ == std::numeric_limits<std::int32_t>::max() ? 1 : lastNumber_ + 1;
    const std::optional<std::string> bytes = NodeWire::formatRequest(numbered);
    if (!bytes) return zvn::kBadArgument;
    const int timeout = request.kind == NodeWire::Kind::Download ? timeouts_.transferMs : timeouts_.answerMs;
    if (!socket_.sendAll(*bytes, timeout)) {
        socket_.close();
        return zvn::kNotSent;
    }
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
        answerNoResponse(code, data);
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
        socket_.close();
        answerNoResponse(code, data);
        return true;
    case NodeWire::Take::Incomplete:
        break;
    }
    if (!socket_.valid() || std::chrono::steady_clock::now() >= deadline_) {
        answerNoResponse(code, data);
        return true;
    }
    return false;
}

void ZvnUser::answerNoResponse(std::int32_t& code, std::int32_t& data)
{
    pending_ = false;
    readRecord_ = nullptr;
    code = zvn::kNoResponse;
    data = 0;
}
