#pragma once

#include <string>

// Makes a description in the keypad's escaped form readable in a grid cell: "~M" becomes
// a line break, "~~" a tilde, "~Xhh" the character hh, and any other escape a space.
std::string displayDescription(const std::string& description);
