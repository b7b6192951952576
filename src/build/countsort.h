#pragma once

#include <cstdint>
#include <vector>

namespace kpd {

// The order in which the keypad's dictionary has always been ranked: a descending bubble
// sort that exchanges neighbours whose counts are equal as well, and whose next pass
// stops before the last exchange of the previous one. Its order among equal counts is
// part of the image, so it must be reproduced exactly; this computes the same result
// without the quadratic number of exchanges. counts must all be at least 1 (a word is
// counted when it is first seen). The result lists original indices by rank.
std::vector<std::int32_t> bubbleOrder(const std::vector<std::int32_t>& counts);

} // namespace kpd
