// The conversion of the open input windows to new units.
#include "input/ui/RescaleForms.h"

#include "app/Forms.h"
#include "foundation/Preferences.h"
#include "input/KX_Beam.h"
#include "input/Rescale.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"

namespace kx {

namespace {

void rescaleBeamForm(TKX_BeamFrm* w, UnitRescale& r) {
    BeamFormControls f = w->Controls();
    BeamFormUnitTexts t{f.Edit_Timber_W,
                        f.lbl_Wunit,
                        f.Edit_Timber_H,
                        f.lbl_Hunit,
                        f.lbl_GA,
                        f.Label_GA_Unit,
                        f.Edit_L,
                        f.Label_L_Std_Unit,
                        {},
                        f.Grid_Spans.Cell(0, 1),
                        f.lbl_Ixx,
                        f.lbl_S01_Ixx,
                        f.lbl_E,
                        f.lbl_S01_E};
    for (int col = 1; col < f.Grid_Spans.ColCount(); ++col)
        t.SpanLengths.push_back(f.Grid_Spans.Cell(col, 1));
    const std::vector<std::string> lengthsBefore = t.SpanLengths;
    RescaleBeamFormTexts(t, r);
    f.Edit_Timber_W = t.Edit_Timber_W;
    f.lbl_Wunit = t.lbl_Wunit;
    f.Edit_Timber_H = t.Edit_Timber_H;
    f.lbl_Hunit = t.lbl_Hunit;
    f.lbl_GA = t.lbl_GA;
    f.Label_GA_Unit = t.Label_GA_Unit;
    f.Edit_L = t.Edit_L;
    f.Label_L_Std_Unit = t.Label_L_Std_Unit;
    f.Grid_Spans.SetCell(0, 1, t.LengthCaption);
    for (std::size_t i = 0; i < t.SpanLengths.size(); ++i)
        f.Grid_Spans.SetCell(static_cast<int>(i) + 1, 1, t.SpanLengths[i]);
    f.lbl_Ixx = t.lbl_Ixx;
    f.lbl_S01_Ixx = t.lbl_S01_Ixx;
    f.lbl_E = t.lbl_E;
    f.lbl_S01_E = t.lbl_S01_E;
    w->ShowControls(f);
    // New length texts: the working beam, its length and its sketch follow, as after typing.
    if (t.SpanLengths != lengthsBefore) w->Grid_SpansKeyUp();
}

template <class Access, class Texts, class Window>
void rescaleByAccess(Window* w, UnitRescale& r, void (*convert)(Texts&, UnitRescale&)) {
    // The window takes part once it hands its texts over.
    auto* access = dynamic_cast<Access*>(w);
    if (!access) return;
    Texts t = access->UnitTexts();
    convert(t, r);
    access->SetUnitTexts(t);
}

void rescaleCantilever(TCantileverFrm* w, RescaleForm form, UnitRescale& r) {
    CantControls c = w->Controls();
    EffLengthUnitTexts t{c.lbl_Le, c.Label_Units};
    RescaleEffLengthTexts(t, form, r);
    c.lbl_Le = t.lbl_Le;
    c.Label_Units = t.UnitCaption;
    w->ShowControls(c);
}

} // namespace

void RescaleInputForms() {
    UnitRescale r(OldUnitFactors, Model);
    if (Forms.KX_BeamFrm) rescaleBeamForm(Forms.KX_BeamFrm, r);
    if (Forms.LoadDataFrm)
        rescaleByAccess<LoadFormUnitTextsAccess, LoadFormUnitTexts>(Forms.LoadDataFrm, r,
                                                                    &RescaleLoadFormTexts);
    if (Forms.KX_GridFrm)
        rescaleByAccess<SectionGridUnitTextsAccess, SectionGridUnitTexts>(Forms.KX_GridFrm, r,
                                                                          &RescaleSectionGridTexts);
    if (Forms.CantLHFrm) rescaleCantilever(Forms.CantLHFrm, RescaleForm::CantLHFrm, r);
    if (TSpanFrm* w = Forms.SpanFrm) {
        SpanControls c = w->Controls();
        EffLengthUnitTexts t{c.lbl_Le, c.Label_2_Unit};
        RescaleEffLengthTexts(t, RescaleForm::SpanFrm, r);
        c.lbl_Le = t.lbl_Le;
        c.Label_2_Unit = t.UnitCaption;
        w->ShowControls(c);
    }
    if (Forms.CantRHFrm) rescaleCantilever(Forms.CantRHFrm, RescaleForm::CantRHFrm, r);
}

void InstallInputFormsRescale() { InstallRescaleBeamForms(&RescaleInputForms); }

void UninstallInputFormsRescale() { InstallRescaleBeamForms({}); }

} // namespace kx
