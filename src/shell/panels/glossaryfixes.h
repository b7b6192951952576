#pragma once

#include "checks/problem.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace kpd {
class Glossary;
class TheApp;
class UserInterface;
} // namespace kpd

// What the Problems panel does with the glossary: reads it for the checks, shows and
// applies the short forms of an overflow, and unifies inconsistent translations.
class GlossaryFixes {
public:
    // The drive folder's glossary; null when there is none or it cannot be read, which the
    // Glossary window reports when opened.
    static std::shared_ptr<const kpd::Glossary> load(const kpd::TheApp& app);

    // Asks with the shortened text in keypad glyphs and the bytes saved; true when the
    // user applied it.
    static bool shortenOverflow(QWidget* parent, kpd::UserInterface& ui, kpd::TheApp& app, const kpd::Problem& problem);

    // The forms the user may unify a near-duplicate's or an inconsistent translation's group
    // to, each with how many texts use it; and doing it, the number of texts changed.
    static std::vector<std::pair<std::string, int>> unifyForms(kpd::TheApp& app, const kpd::Problem& problem);
    static int unify(kpd::TheApp& app, const kpd::Problem& problem, const std::string& form);
};
