#pragma once

#include "model/theapp.h"

#include <string>
#include <vector>

namespace kpd::test {

// A small drive built the way the configuration builds one, in two string sets:
// "English" (reference) and "Custom" (custom). Menus: m1 with p1 p2 p3, m2 with p0 p5,
// a hidden m3 with p1, and the trips menu mapping t1 -> m1.p2 and t2 -> m2.p5.
// Every parameter has the three modes of smallDriveModes().
const std::vector<std::string>& smallDriveModes();
void buildSmallDrive(TheApp& app);

} // namespace kpd::test
