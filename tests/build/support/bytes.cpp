#include "bytes.h"

#include <cstdio>

namespace kpd::test {

namespace {
std::string around(const Bytes& b, std::size_t at)
{
    std::string s;
    const std::size_t from = at >= 4 ? at - 4 : 0;
    for (std::size_t i = from; i < at + 8 && i < b.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", b[i]);
        s += (i == at ? "[" : " ") + std::string(hex) + (i == at ? "]" : "");
    }
    return s;
}
}

std::string firstDifference(const Bytes& actual, const Bytes& expected)
{
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    if (at == actual.size() && at == expected.size()) return "equal";
    return "first difference at offset " + std::to_string(at) + " (sizes " + std::to_string(actual.size()) + " / " +
           std::to_string(expected.size()) + ")\n  actual:  " + around(actual, at) + "\n  expected:" +
           around(expected, at);
}

} // namespace kpd::test
