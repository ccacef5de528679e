// Error report for user actions.
#include "platform/Guard.h"

#include <exception>

#include "platform/Dialogs.h"

namespace kx {

bool Guard(const std::function<void()>& action) {
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

} // namespace kx
