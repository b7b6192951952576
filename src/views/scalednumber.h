#pragma once

#include <cstdint>
#include <string>

// The drive holds defaults and limits as whole numbers of a parameter's smallest step;
// the keypad shows them with the parameter's decimal places: 500 with one place is
// "50.0". A text that is no number, or more than five places, is shown as held.
std::string scaledNumber(const std::string& stored, std::int16_t decimalPlaces);
