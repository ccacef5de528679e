// The one instance of the committed model and of the working copies.
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "platform/StateRegistry.h"

namespace kx {

SharedModel::SharedModel() {
    struct Start {
        TUnitKind kind;
        const char* text;
        float factor;
    };
    static const Start units[] = {
        {TUnitKind::Length, "m", 1000},
        {TUnitKind::Force, "kN", 1000},
        {TUnitKind::UDL, "kN/m", 1},
        {TUnitKind::SectE, "N/mm^2", 1},
        {TUnitKind::SectI, "cm^4", 10000},
        {TUnitKind::Shear, "kN", 0.001f},
        {TUnitKind::Moment, "kN-m", 0.000001f},
        {TUnitKind::Deflection, "mm", 1},
    };
    for (const Start& u : units) {
        UnitText(*this, u.kind) = u.text;
        UnitFactor(*this, u.kind) = u.factor;
    }
}

SharedModel Model;
KX_REGISTER_STATE(Model);
WorkingCopies Work;
KX_REGISTER_STATE(Work);

} // namespace kx
