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

// One copy between a field of a form's snapshot and its unit text: out of the snapshot, or back.
struct Copy {
    bool back = false;
    template <class T> void operator()(T& control, T& text) const {
        if (back)
            control = text;
        else
            text = control;
    }
    template <class Grid> void cell(Grid& g, int col, int row, std::string& text) const {
        if (back)
            g.SetCell(col, row, text);
        else
            text = g.Cell(col, row);
    }
    template <class Grid> void cell(Grid& g, int col, int row, ShownText& text) const {
        if (back)
            g.Show(col, row, text);
        else
            text = g.Shown(col, row);
    }
};

// Each form's unit texts and the controls that show them, one list walked both ways.
void walkBeamForm(BeamFormControls& f, BeamFormUnitTexts& t, Copy copy) {
    copy(f.Edit_Timber_W, t.Edit_Timber_W);
    copy(f.lbl_Wunit, t.lbl_Wunit);
    copy(f.Edit_Timber_H, t.Edit_Timber_H);
    copy(f.lbl_Hunit, t.lbl_Hunit);
    copy(f.lbl_GA, t.lbl_GA);
    copy(f.Label_GA_Unit, t.Label_GA_Unit);
    copy(f.Edit_L, t.Edit_L);
    copy(f.Label_L_Std_Unit, t.Label_L_Std_Unit);
    copy(f.lbl_Ixx, t.lbl_Ixx);
    copy(f.lbl_S01_Ixx, t.lbl_S01_Ixx);
    copy(f.lbl_E, t.lbl_E);
    copy(f.lbl_S01_E, t.lbl_S01_E);
    // Row 1 of the spans grid: the caption, then a length for each column after it.
    if (!copy.back) t.SpanLengths.resize(static_cast<std::size_t>(f.Grid_Spans.ColCount() - 1));
    copy.cell(f.Grid_Spans, 0, 1, t.LengthCaption);
    for (std::size_t i = 0; i < t.SpanLengths.size(); ++i)
        copy.cell(f.Grid_Spans, static_cast<int>(i) + 1, 1, t.SpanLengths[i]);
}

void walkLoadForm(LoadFormControls& f, LoadFormUnitTexts& t, Copy copy) {
    copy(f.lbl_PL, t.lbl_PL);
    copy(f.lbl_PLdist, t.lbl_PLdist);
    copy(f.lbl_UDLS, t.lbl_UDLS);
    copy(f.lbl_UDLF, t.lbl_UDLF);
    copy(f.lbl_Cover, t.lbl_Cover);
    for (int n = 1; n <= kLoadRows; ++n) {
        LoadRowControls& row = f.Rows[n];
        LoadRowUnitTexts& texts = t.Rows[n];
        copy(row.Edit_PL.Text, texts.Edit_PL);
        copy(row.Edit_Dist.Text, texts.Edit_Dist);
        copy(row.Edit_UDLS.Text, texts.Edit_UDLS);
        copy(row.Edit_UDLF.Text, texts.Edit_UDLF);
        copy(row.Edit_Cover.Text, texts.Edit_Cover);
    }
}

// A form's unit texts out of its snapshot, converted, and shown back.
template <class Controls, class Texts, class Convert>
void rescaleForm(FormBindings<Controls>& table, void (*walk)(Controls&, Texts&, Copy), Convert convert) {
    Controls c = table.Read();
    Texts t{};
    walk(c, t, Copy{false});
    convert(t);
    walk(c, t, Copy{true});
    table.Show(c);
}

void rescaleBeamForm(TKX_BeamFrm* w, UnitRescale& r) {
    bool lengthsChanged = false;
    rescaleForm(w->Bindings, walkBeamForm, [&](BeamFormUnitTexts& t) {
        const std::vector<ShownText> before = t.SpanLengths;
        RescaleBeamFormTexts(t, r);
        lengthsChanged = t.SpanLengths != before;
    });
    // New length texts: the working beam, its length and its sketch follow, as after typing.
    if (lengthsChanged) w->Grid_SpansKeyUp();
}

// The user section editor's grid, through its cells (row 0 the headings): shown again, the grid
// would put rows the user moved back in file order.
void rescaleSectionGrid(TKX_GridFrm* w, UnitRescale& r) {
    SectionGridUnitTexts t;
    for (int col = 2; col <= 6; ++col) {
        t.Heading[col] = w->Cell(col, 0);
        for (int row = 1; row <= kSectionGridRows; ++row)
            t.Cells[row][col] = w->CellShown(col, row);
    }
    const SectionGridUnitTexts before = t;
    RescaleSectionGridTexts(t, r);
    for (int col = 2; col <= 6; ++col) {
        if (t.Heading[col] != before.Heading[col]) w->SetCell(col, 0, t.Heading[col]);
        for (int row = 1; row <= kSectionGridRows; ++row)
            if (t.Cells[row][col] != before.Cells[row][col]) w->ShowCell(col, row, t.Cells[row][col]);
    }
}

// An effective-length window's length and the caption of its unit.
template <class Controls>
void rescaleEffLength(FormBindings<Controls>& table, std::string Controls::*unit, UnitRescale& r) {
    Controls c = table.Read();
    EffLengthUnitTexts t{c.lbl_Le, c.*unit};
    RescaleEffLengthTexts(t, r);
    c.lbl_Le = t.lbl_Le;
    c.*unit = t.UnitCaption;
    table.Show(c);
}

// The span form's span length and restraint spaces; an open interval panel is drawn again, so
// that its figures follow.
void rescaleSpanLengths(TSpanFrm* w, UnitRescale& r) {
    SpanControls c = w->Bindings.Read();
    SpanLengthUnitTexts t{c.lbl_L, c.Label_1_Unit, c.Grid_Int.Cell(0, 1), {}};
    for (int i = 1; i <= 6; ++i)
        t.Spaces[i] = c.Grid_Int.Shown(i, 1);
    const SpanLengthUnitTexts before = t;
    RescaleSpanLengthTexts(t, r);
    if (t == before) return;
    c.lbl_L = t.lbl_L;
    c.Label_1_Unit = t.Label_1_Unit;
    c.Grid_Int.SetCell(0, 1, t.IntervalCaption);
    for (int i = 1; i <= 6; ++i)
        c.Grid_Int.Show(i, 1, t.Spaces[i]);
    w->Bindings.Show(c);
    if (c.Frame_Int_Visible) w->Grid_IntKeyUp();
}

} // namespace

void RescaleInputForms(const RescaledForms& forms) {
    UnitRescale r(OldUnitFactors, Model);
    if (forms.Beam) rescaleBeamForm(forms.Beam, r);
    if (forms.Loads)
        rescaleForm(forms.Loads->Bindings, walkLoadForm,
                    [&r](LoadFormUnitTexts& t) { RescaleLoadFormTexts(t, r); });
    if (forms.UserSections) {
        // The editor's values are in the units it last showed, which New or Open may have left
        // behind the snapshot: they are converted from those.
        const TOldUnitFactors gridUnits = UnitFactorsOf(SectionGridUnits());
        UnitRescale fromGrid(gridUnits, Model);
        rescaleSectionGrid(forms.UserSections, fromGrid);
        SectionGridUnitsTaken();
    }
    if (forms.CantLH) rescaleEffLength(forms.CantLH->Bindings, &CantControls::Label_Units, r);
    if (forms.Span) {
        rescaleEffLength(forms.Span->Bindings, &SpanControls::Label_2_Unit, r);
        rescaleSpanLengths(forms.Span, r);
    }
    if (forms.CantRH) rescaleEffLength(forms.CantRH->Bindings, &CantControls::Label_Units, r);
}

void InstallInputFormsRescale(const RescaledForms& forms) {
    InstallRescaleBeamForms([forms] { RescaleInputForms(forms); });
}

void UninstallInputFormsRescale() { InstallRescaleBeamForms({}); }

} // namespace kx
