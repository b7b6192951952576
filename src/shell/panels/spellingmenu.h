#pragma once

#include "checks/problem.h"

#include <functional>

class QMenu;

namespace kpd {
class TheApp;
}

// What the Problems panel offers for a spelling problem. The corrections are asked of the
// dictionary only when the user wants them, one problem at a time.
class SpellingMenu {
public:
    using Apply = std::function<void(const kpd::Problem&)>;

    // The problem with its corrections; without a dictionary, as it was.
    static kpd::Problem withFixes(const kpd::Problem& problem, const kpd::TheApp& app);
    // One item per correction (each applies the problem with that correction), then "Add to
    // word list" and "Ignore".
    static void addItems(QMenu& menu, const kpd::Problem& problem, const kpd::TheApp& app, const Apply& apply);
};
