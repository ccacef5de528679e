// The busy cursor of the windows.
#pragma once

#include "platform/BusyCursor.h"

namespace kx {

class QtCursor : public CursorService {
public:
    void ShowBusy() override;
    void Restore() override;
};

} // namespace kx
