#pragma once

#include "model/theapp.h"

#include <string>
#include <vector>

namespace kpd::test {

// Every description of every set of `app` that the editor's two-line description box (16
// cells, line limit 2) cannot hold, laid out by the keypad text box's own code; each as
// "set menu parameter mode: text".
std::vector<std::string> descriptionsOverTwoLines(const TheApp& app);

} // namespace kpd::test
