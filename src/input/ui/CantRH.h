// The effective length of the right-hand cantilever.
#pragma once

#include "input/ui/Cantilever.h"

namespace kx {

class TCantRHFrm : public TCantileverFrm {
    Q_OBJECT
public:
    explicit TCantRHFrm(QWidget* parent = nullptr);

    void CantRHClear() { Clear(); }
    void CantRHRestoreFromCommitted() { RestoreFromCommitted(); }
};

} // namespace kx
