// The busy cursor and its service.
#include "platform/BusyCursor.h"

namespace kx {

namespace {

CursorService*& service() {
    static CursorService* s = nullptr;
    return s;
}

int& busyDepth() {
    static int d = 0;
    return d;
}

} // namespace

void InstallCursorService(CursorService* s) { service() = s; }

BusyCursor::BusyCursor() {
    if (busyDepth()++ == 0 && service()) service()->ShowBusy();
}

BusyCursor::~BusyCursor() {
    if (--busyDepth() == 0 && service()) service()->Restore();
}

int BusyCursor::depth() { return busyDepth(); }

} // namespace kx
