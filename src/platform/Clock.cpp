// The clock in use.
#include "platform/Clock.h"

#include "platform/Errors.h"

namespace kx {

namespace {

Clock*& current() {
    static Clock* c = nullptr;
    return c;
}

} // namespace

Clock& clockService() {
    Clock* c = current();
    if (!c) MissingService("clock");
    return *c;
}

void InstallClock(Clock* c) { current() = c; }

} // namespace kx
