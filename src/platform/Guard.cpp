// Error report for user actions.
#include "platform/Guard.h"

#include <exception>

#include "platform/Dialogs.h"

namespace kx {

namespace {

std::function<void()> afterEachAction;
int running = 0; // guarded actions under way, one inside another for a modal window

bool runReported(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        dlg().Message(e.what(), kAppTitle);
    } catch (...) {
        dlg().Message("Unexpected error", kAppTitle);
    }
    return false;
}

} // namespace

bool Guard(const std::function<void()>& action) {
    ++running;
    const bool done = runReported(action);
    if (running == 1 && afterEachAction) runReported(afterEachAction); // still counted: no re-entry
    --running;
    return done;
}

void InstallAfterEachAction(std::function<void()> follow) { afterEachAction = std::move(follow); }

} // namespace kx
