#pragma once

#include <string>

namespace kpd {

// Model text (each byte an ISO-8859-1 character) as a quoted JSON string in UTF-8: quotes,
// backslashes and codes below 0x20 escaped, so keypad control codes survive any JSON reader.
std::string jsonString(const std::string& modelText);

} // namespace kpd
