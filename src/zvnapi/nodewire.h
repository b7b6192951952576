#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The bytes that travel between the network library and a node on the loopback drive
// network. Every message is one line of text; a download carries the file's bytes right
// after its line. Requests:
//   "CHECK <number> <node>\n"
//   "READ <number> <node> <menu> <parameter>\n"
//   "DOWNLOAD <number> <node> <name> <length>\n" followed by <length> bytes
// and every request is answered by "ANSWER <number> <code> <data> <value>\n".
//
// The number (1 to 2,147,483,647) is chosen by the library for each request and comes back
// in its answer. A node may answer after the library has stopped waiting; by its number
// that late answer is told apart from the answer to the request sent next, which it would
// otherwise be taken for.
namespace NodeWire {

// Longest line either side accepts, and the largest file a download may carry: a
// segment file is never longer than 2,048 bytes.
inline constexpr std::size_t kMaxLine = 256;
inline constexpr std::size_t kMaxBody = 4096;

enum class Kind { Check, Read, Download };

struct Request {
    Kind kind = Kind::Check;
    std::int32_t number = 1;
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
    std::int32_t number = 1;
};

enum class Take { Incomplete, Complete, Malformed };

// Empty when a field cannot travel (empty, spaces or control characters, too long, a
// number below 1).
std::optional<std::string> formatRequest(const Request& request);
std::string formatAnswer(const Answer& answer);

// Takes one whole message from the front of buffer; a malformed one is never partly taken.
Take takeRequest(std::string& buffer, Request& request);
Take takeAnswer(std::string& buffer, Answer& answer);

} // namespace NodeWire
