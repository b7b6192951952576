#pragma once

#include <cstdint>
#include <string>

namespace kpd {

// Something that went wrong between the editor and the keypad, in the user's words. The
// codes read here are those of the editor's own network library; a code it does not
// know is shown as a number.
struct NetworkFault {
    // What happened, a sentence without its full stop: it also goes into the progress
    // window's line.
    std::string what;
    // What the user can do about it, a whole sentence; empty when nothing helps.
    std::string remedy;
};

// An answer other than the one a request wanted: code 1 (no response) with the data
// word saying why, a refused transfer, or a code the editor does not expect. timeoutMs
// is how long the library waited.
NetworkFault answerFault(std::int32_t code, std::int32_t data, std::int32_t timeoutMs);
// A request the library did not issue; result is what its call returned.
NetworkFault notIssuedFault(std::int32_t result);
// What and remedy on lines of their own, for the end of a message box.
std::string faultLines(const NetworkFault& fault);

// The line that explains the error code of a refused registration; empty for a code
// the library does not give.
std::string registrationFailure(std::int32_t code);

} // namespace kpd
