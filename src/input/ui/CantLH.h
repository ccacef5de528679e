// The effective length of the left-hand cantilever.
#pragma once

#include "input/ui/Cantilever.h"

namespace kx {

class TCantLHFrm : public TCantileverFrm {
    Q_OBJECT
public:
    explicit TCantLHFrm(QWidget* parent = nullptr);

    void CantLHClear() { Clear(); }
    void CantLHRestoreFromCommitted() { RestoreFromCommitted(); }
};

} // namespace kx
