#pragma once

#include "textchecker.h"

namespace kpd {

struct GlossaryTerm;

// The glossary kind: a forbidden form in a custom text, and a term of the reference text
// that the custom text leaves out in every one of its forms.
class GlossaryCheck {
public:
    static void check(const CheckInput& input, TextChecker::Found& found);

private:
    static void checkText(const CheckInput& input, const CheckInput::ParamTexts& param,
                          const CheckInput::ModeTexts& mode, TextField field, std::vector<Problem>& out);
};

} // namespace kpd
