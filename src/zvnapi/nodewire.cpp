#include "nodewire.h"

#include <charconv>
#include <sstream>
#include <vector>

namespace NodeWire {

namespace {

bool isWord(const std::string& text)
{
    if (text.empty() || text.size() > 64) return false;
    for (unsigned char c : text)
        if (c <= ' ' || c >= 0x7F) return false;
    return true;
}

std::vector<std::string> words(const std::string& line)
{
    std::vector<std::string> result;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t end = line.find(' ', at);
        result.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return result;
}

bool toNumber(const std::string& text, std::int32_t& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && ptr == end;
}

// The first line of buffer without its line feed; Incomplete while it has not all arrived.
Take firstLine(const std::string& buffer, std::string& line)
{
    const std::size_t end = buffer.find('\n');
    if (end == std::string::npos) return buffer.size() > kMaxLine ? Take::Malformed : Take::Incomplete;
    if (end > kMaxLine) return Take::Malformed;
    line = buffer.substr(0, end);
    return Take::Complete;
}

} // namespace

std::optional<std::string> formatRequest(const Request& request)
{
    if (!isWord(request.node) || request.number < 1) return std::nullopt;
    std::ostringstream line;
    switch (request.kind) {
    case Kind::Check:
        line << "CHECK " << request.number << ' ' << request.node << '\n';
        break;
    case Kind::Read:
        line << "READ " << request.number << ' ' << request.node << ' ' << request.menu << ' ' << request.parameter
             << '\n';
        break;
    case Kind::Download:
        if (!isWord(request.name) || request.body.size() > kMaxBody) return std::nullopt;
        line << "DOWNLOAD " << request.number << ' ' << request.node << ' ' << request.name << ' '
             << request.body.size() << '\n'
             << request.body;
        break;
    }
    return line.str();
}

std::string formatAnswer(const Answer& answer)
{
    return "ANSWER " + std::to_string(answer.number) + ' ' + std::to_string(answer.code) + ' ' +
           std::to_string(answer.data) + ' ' + std::to_string(answer.value) + '\n';
}

Take takeRequest(std::string& buffer, Request& request)
{
    std::string line;
    const Take state = firstLine(buffer, line);
    if (state != Take::Complete) return state;
    const std::vector<std::string> parts = words(line);
    Request taken;
    if (parts.size() < 3 || !toNumber(parts[1], taken.number) || taken.number < 1 || !isWord(parts[2]))
        return Take::Malformed;
    std::size_t consumed = line.size() + 1;
    if (parts.size() == 3 && parts[0] == "CHECK") {
        taken.kind = Kind::Check;
    } else if (parts.size() == 5 && parts[0] == "READ" && toNumber(parts[3], taken.menu) &&
               toNumber(parts[4], taken.parameter)) {
        taken.kind = Kind::Read;
    } else if (std::int32_t length = 0;
               parts.size() == 5 && parts[0] == "DOWNLOAD" && isWord(parts[3]) && toNumber(parts[4], length)) {
        if (length < 0 || static_cast<std::size_t>(length) > kMaxBody) return Take::Malformed;
        if (buffer.size() < consumed + static_cast<std::size_t>(length)) return Take::Incomplete;
        taken.kind = Kind::Download;
        taken.name = parts[3];
        taken.body = buffer.substr(consumed, static_cast<std::size_t>(length));
        consumed += static_cast<std::size_t>(length);
    } else {
        return Take::Malformed;
    }
    taken.node = parts[2];
    buffer.erase(0, consumed);
    request = std::move(taken);
    return Take::Complete;
}

Take takeAnswer(std::string& buffer, Answer& answer)
{
    std::string line;
    const Take state = firstLine(buffer, line);
    if (state != Take::Complete) return state;
    const std::vector<std::string> parts = words(line);
    Answer taken;
    if (parts.size() != 5 || parts[0] != "ANSWER" || !toNumber(parts[1], taken.number) || taken.number < 1 ||
        !toNumber(parts[2], taken.code) || !toNumber(parts[3], taken.data) || !toNumber(parts[4], taken.value))
        return Take::Malformed;
    buffer.erase(0, line.size() + 1);
    answer = taken;
    return Take::Complete;
}

} // namespace NodeWire
