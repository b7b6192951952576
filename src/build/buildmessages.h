#pragma once

#include <cstdint>
#include <string>

namespace kpd {

// Shown instead of writing an image that does not fit the keypad.
extern const char* const kTooLargeMessage;

// The Check size report for an image of totalBytes.
std::string checkSizeMessage(std::int32_t totalBytes);

} // namespace kpd
