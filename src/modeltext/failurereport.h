#pragma once

#include <functional>

namespace kpd {
class UserInterface;
}

// Where a command of the editor meets the core: the work runs, and a failure of the model
// or a file that could not be written becomes a message titled "ERROR" instead of leaving
// the command. True when the work ended without a failure.
bool reportFailures(kpd::UserInterface& ui, const std::function<void()>& work);
