// The conversion of the open input windows to new units.
#include "input/ui/RescaleForms.h"

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
    BeamFormControls f = w->Bindings.Read();
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
    w->Bindings.Show(f);
    // New length texts: the working beam, its length and its sketch follow, as after typing.
    if (t.SpanLengths != lengthsBefore) w->Grid_SpansKeyUp();
}

void rescaleLoadForm(TLoadDataFrm* w, UnitRescale& r) {
    LoadFormControls f = w->Bindings.Read();
    LoadFormUnitTexts t{f.lbl_PL, f.lbl_PLdist, f.lbl_UDLS, f.lbl_UDLF, f.lbl_Cover, {}};
    for (int n = 1; n <= kLoadRows; ++n) {
        const LoadRowControls& row = f.Rows[n];
        t.Rows[n] = {row.Edit_PL.Text, row.Edit_Dist.Text, row.Edit_UDLS.Text, row.Edit_UDLF.Text,
                     row.Edit_Cover.Text};
    }
    RescaleLoadFormTexts(t, r);
    f.lbl_PL = t.lbl_PL;
    f.lbl_PLdist = t.lbl_PLdist;
    f.lbl_UDLS = t.lbl_UDLS;
    f.lbl_UDLF = t.lbl_UDLF;
    f.lbl_Cover = t.lbl_Cover;
    for (int n = 1; n <= kLoadRows; ++n) {
        LoadRowControls& row = f.Rows[n];
        row.Edit_PL.Text = t.Rows[n].Edit_PL;
        row.Edit_Dist.Text = t.Rows[n].Edit_Dist;
        row.Edit_UDLS.Text = t.Rows[n].Edit_UDLS;
        row.Edit_UDLF.Text = t.Rows[n].Edit_UDLF;
        row.Edit_Cover.Text = t.Rows[n].Edit_Cover;
    }
    w->Bindings.Show(f);
}

// The user section editor's grid, through its cells (row 0 the headings), once the editor offers
// them.
template <class Editor> void rescaleSectionGrid(Editor* w, UnitRescale& r) {
    if constexpr (requires(std::string t) {
                      t = w->Cell(2, 1);
                      w->SetCell(2, 1, t);
                  }) {
        SectionGridUnitTexts t;
        for (int col = 2; col <= 6; ++col) {
            t.Heading[col] = w->Cell(col, 0);
            for (int row = 1; row <= kSectionGridRows; ++row)
                t.Cells[row][col] = w->Cell(col, row);
        }
        const SectionGridUnitTexts before = t;
        RescaleSectionGridTexts(t, r);
        for (int col = 2; col <= 6; ++col) {
            if (t.Heading[col] != before.Heading[col]) w->SetCell(col, 0, t.Heading[col]);
            for (int row = 1; row <= kSectionGridRows; ++row)
                if (t.Cells[row][col] != before.Cells[row][col]) w->SetCell(col, row, t.Cells[row][col]);
        }
    } else {
        (void)w, (void)r;
    }
}

void rescaleCantilever(TCantileverFrm* w, RescaleForm form, UnitRescale& r) {
    CantControls c = w->Bindings.Read();
    EffLengthUnitTexts t{c.lbl_Le, c.Label_Units};
    RescaleEffLengthTexts(t, form, r);
    c.lbl_Le = t.lbl_Le;
    c.Label_Units = t.UnitCaption;
    w->Bindings.Show(c);
}

} // namespace

void RescaleInputForms(const RescaledForms& forms) {
    UnitRescale r(OldUnitFactors, Model);
    if (forms.Beam) rescaleBeamForm(forms.Beam, r);
    if (forms.Loads) rescaleLoadForm(forms.Loads, r);
    if (forms.UserSections) rescaleSectionGrid(forms.UserSections, r);
    if (forms.CantLH) rescaleCantilever(forms.CantLH, RescaleForm::CantLHFrm, r);
    if (TSpanFrm* w = forms.Span) {
        SpanControls c = w->Bindings.Read();
        EffLengthUnitTexts t{c.lbl_Le, c.Label_2_Unit};
        RescaleEffLengthTexts(t, RescaleForm::SpanFrm, r);
        c.lbl_Le = t.lbl_Le;
        c.Label_2_Unit = t.UnitCaption;
        w->Bindings.Show(c);
    }
    if (forms.CantRH) rescaleCantilever(forms.CantRH, RescaleForm::CantRHFrm, r);
}

void InstallInputFormsRescale(const RescaledForms& forms) {
    InstallRescaleBeamForms([forms] { RescaleInputForms(forms); });
}

void UninstallInputFormsRescale() { InstallRescaleBeamForms({}); }

} // namespace kx
