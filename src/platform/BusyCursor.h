// The hourglass cursor for the life of a scope.
#pragma once

namespace kx {

// Shows and restores the busy cursor; the windows install one, and without it nothing shows.
class CursorService {
public:
    virtual ~CursorService() = default;
    virtual void ShowBusy() = 0;
    virtual void Restore() = 0;
};
void InstallCursorService(CursorService* s);

// Busy for the life of the object; nests, and restores on every path out of the scope.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // How many busy scopes are open now.
    static int depth();
};

} // namespace kx
