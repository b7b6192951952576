#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The bytes that travel between the network library and a node on the loopback drive
// network. Every message is one line of text; a download carries the file's bytes right
// after its line. Requests:
//   "CHECK <node>\n"
//   "READ <node> <menu> <parameter>\n"
//   "DOWNLOAD <node> <name> <length>\n" followed by <length> bytes
// and every request is answered by "ANSWER <code> <data> <value>\n".
namespace NodeWire {

// Longest line either side accepts, and the largest file a download may carry: a
// segment file is never longer than 2,048 bytes.
inline constexpr std::size_t kMaxLine = 256;
inline constexpr std::size_t kMaxBody = 4096;

enum class Kind { Check, Read, Download };

struct Request {
    Kind kind = Kind::Check;
    std::string node;
    std::int32_t menu = 0;
    std::int32_t parameter = 0;
    std::string name;
    std::string body;
};

struct Answer {
    std::int32_t code = 0;
    std::int32_t data = 0;
    std::int32_t value = 0;
};

enum class Take { Incomplete, Complete, Malformed };

// Empty when a field cannot travel (empty, spaces or control characters, too long).
std::optional<std::string> formatRequest(const Request& request);
std::string formatAnswer(const Answer& answer);

// Takes one whole message from the front of buffer; a malformed one is never partly taken.
Take takeRequest(std::string& buffer, Request& request);
Take takeAnswer(std::string& buffer, Answer& answer);

} // namespace NodeWire
