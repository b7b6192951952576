#pragma once

#include "textchecker.h"

namespace kpd {

// Checks of the custom set as a whole against the reference: one reference text
// translated several ways, parameters of a menu the keypad no longer tells apart, and
// reference texts that leave a translation no room.
class ConsistencyCheck {
public:
    // A reference text uses more than this share of its limit, in per cent.
    static constexpr int kHeadroomPercent = 90;

    static void inconsistent(const CheckInput& input, TextChecker::Found& found);
    static void ambiguous(const CheckInput& input, TextChecker::Found& found);
    static void sourceHeadroom(const CheckInput& input, TextChecker::Found& found);

    // The key of the texts that should read the same: the field and the reference text.
    static std::string translationKey(TextField field, const std::string& referenceText);
    // The characters of a description without its line breaks, or of a help text as the
    // overflow check counts them, and what the keypad allows.
    static int used(TextField field, const std::string& escaped);
    static int limit(TextField field, int maxHelpChars);
};

} // namespace kpd
