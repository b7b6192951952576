#pragma once

#include <string>

// Makes a description in the keypad's escaped form readable in a grid cell: "~M" becomes
// a line break, "~~" a tilde, "~Xhh" the character hh, and any other escape a space.
std::string displayDescription(const std::string& description);

// Breaks a readable description where the keypad breaks it: after every line break and after
// every `columns` characters, as the keypad text box lays the text out. Lines are joined by
// "\r\n", as displayDescription writes its line breaks.
std::string inKeypadLines(const std::string& shown, int columns);
