// Runs a user action so that an error ends only that action, with its text in a message box.
#pragma once

#include <functional>

namespace kx {

// Runs action; an exception is shown in a message box captioned with the program title and
// swallowed, so the program goes on. Returns true when the action ran to its end.
bool Guard(const std::function<void()>& action);

// Runs after every outermost guarded action, so that a window can follow whatever that action
// changed, whichever window it came from; empty removes it.
void InstallAfterEachAction(std::function<void()> follow);

} // namespace kx
