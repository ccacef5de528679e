// Conversion of the input windows' unit texts on a change of units.
#include "input/Rescale.h"

#include <cmath>

#include "foundation/SigFig.h"
#include "platform/NumberInput.h"

namespace kx {

namespace {

bool usable(double f) { return std::isfinite(f) && f > 0; }

// A blank effective length says "restrained", not 0: it stays too.
constexpr NumberPolicy kEffLengthConverted = NumberPolicy::ZeroWhenNotANumber;

} // namespace

UnitRescale::UnitRescale(const TOldUnitFactors& old, const TUnitSettings& now) : old_(old), now_(now) {}

double UnitRescale::oldFactor(TUnitKind kind) const {
    const TOldUnitFactors& o = old_;
    switch (kind) {
    case TUnitKind::Length: return o.Length;
    case TUnitKind::Force: return o.Force;
    case TUnitKind::UDL: return o.UDL;
    case TUnitKind::SectE: return o.SectE;
    case TUnitKind::SectI: return o.SectI;
    case TUnitKind::Shear: return o.Shear;
    case TUnitKind::Moment: return o.Moment;
    case TUnitKind::Deflection: return o.Deflection;
    case TUnitKind::Stress: return o.Stress;
    case TUnitKind::SectZ: return o.SectZ;
    case TUnitKind::SectArea: return o.SectArea;
    case TUnitKind::SectLength: return o.SectLength;
    default: return 0; // no window shows weight or warping values
    }
}

double UnitRescale::newFactor(TUnitKind kind) const { return UnitFactor(now_, kind); }

bool UnitRescale::Changed(TUnitKind kind) const {
    const double a = oldFactor(kind), b = newFactor(kind);
    return usable(a) && usable(b) && static_cast<float>(a) != static_cast<float>(b);
}

void UnitRescale::Caption(std::string& text, TUnitKind kind, const char* lead, const char* tail) const {
    const std::string unit = UnitText(now_, kind).str();
    // A caption already naming the unit in use keeps its own wording.
    if (!Changed(kind) && text.find(unit) != std::string::npos) return;
    text = lead + unit + tail;
}

void UnitRescale::Convert(ShownText& text, TUnitKind kind, RescaleDirection dir, RescaleRoutine routine,
                          NumberPolicy converted) {
    if (!Changed(kind)) return;
    const std::optional<double> typed = TryReadNumber(text, converted);
    if (!typed) return;
    const long double from = oldFactor(kind), to = newFactor(kind);
    const bool input = dir == RescaleDirection::Input;
    // An input value is held with the factor it was shown in; an output value with the factor
    // 1 / factor, the one that turns it into internal units.
    const auto unitOf = [input](long double factor) { return ShownUnit(input, static_cast<double>(factor)); };
    long double internal;
    if (const std::optional<double> exact = text.Exact(unitOf(from))) {
        internal = *exact;
    } else {
        const long double v = *typed;
        internal = input ? v * from : v / from;
    }
    const long double shown = input ? internal / to : internal * to;
    text = ShownText(routine == RescaleRoutine::SigFig5 ? SigFig5(static_cast<double>(shown))
                                                        : SigFig3(static_cast<double>(shown)),
                     static_cast<double>(internal), unitOf(to));
}

void RescaleBeamFormTexts(BeamFormUnitTexts& t, UnitRescale& r) {
    r.Convert(t.Edit_Timber_W, TUnitKind::SectLength);
    r.Caption(t.lbl_Wunit, TUnitKind::SectLength);
    r.Convert(t.Edit_Timber_H, TUnitKind::SectLength);
    r.Caption(t.lbl_Hunit, TUnitKind::SectLength);
    r.Convert(t.lbl_GA, TUnitKind::Force);
    r.Caption(t.Label_GA_Unit, TUnitKind::Force);
    r.Convert(t.Edit_L, TUnitKind::Length);
    r.Caption(t.Label_L_Std_Unit, TUnitKind::Length);
    for (ShownText& length : t.SpanLengths)
        r.Convert(length, TUnitKind::Length);
    r.Caption(t.LengthCaption, TUnitKind::Length, " Length (", ")");
    r.Caption(t.lbl_Ixx, TUnitKind::SectI);
    r.Convert(t.lbl_S01_Ixx, TUnitKind::SectI);
    r.Caption(t.lbl_E, TUnitKind::SectE, "E (", ")");
    r.Convert(t.lbl_S01_E, TUnitKind::SectE);
}

void RescaleLoadFormTexts(LoadFormUnitTexts& t, UnitRescale& r) {
    r.Caption(t.lbl_PL, TUnitKind::Force, "(", ")");
    r.Caption(t.lbl_PLdist, TUnitKind::Length, "(", ")");
    r.Caption(t.lbl_UDLS, TUnitKind::UDL, "(", ")");
    r.Caption(t.lbl_UDLF, TUnitKind::UDL, "(", ")");
    r.Caption(t.lbl_Cover, TUnitKind::Length, "(", ")");
    for (int n = 1; n <= 50; ++n) {
        LoadRowUnitTexts& row = t.Rows[n];
        r.Convert(row.Edit_PL, TUnitKind::Force);
        r.Convert(row.Edit_Dist, TUnitKind::Length);
        r.Convert(row.Edit_UDLS, TUnitKind::UDL);
        r.Convert(row.Edit_UDLF, TUnitKind::UDL);
        r.Convert(row.Edit_Cover, TUnitKind::Length);
    }
}

void RescaleSectionGridTexts(SectionGridUnitTexts& t, UnitRescale& r) {
    r.Caption(t.Heading[2], TUnitKind::SectI, "     Ixx (", ")");
    r.Caption(t.Heading[3], TUnitKind::SectE, "     E (", ")");
    r.Caption(t.Heading[4], TUnitKind::Shear, "   Permissible Shear (", ")");
    r.Caption(t.Heading[5], TUnitKind::Moment, "   Permissible Moment (", ")");
    // The editor saves GA / Kform times the force factor, so it is a force like the others.
    r.Caption(t.Heading[6], TUnitKind::Force, "     GA/Kform  (", ")");
    struct Column {
        TUnitKind kind;
        RescaleDirection dir;
    };
    const Column columns[] = {{TUnitKind::SectI, RescaleDirection::Input},
                              {TUnitKind::SectE, RescaleDirection::Input},
                              {TUnitKind::Shear, RescaleDirection::Output},
                              {TUnitKind::Moment, RescaleDirection::Output},
                              {TUnitKind::Force, RescaleDirection::Input}};
    for (int row = 1; row <= kSectionGridRows; ++row)
        for (int col = 2; col <= 6; ++col) {
            const Column& c = columns[col - 2];
            r.Convert(t.Cells[row][col], c.kind, c.dir, RescaleRoutine::SigFig5);
        }
}

void RescaleEffLengthTexts(EffLengthUnitTexts& t, UnitRescale& r) {
    // "varies", " " (restrained) and an empty box say something other than a length: they stay.
    r.Convert(t.lbl_Le, TUnitKind::Length, RescaleDirection::Input, RescaleRoutine::SigFig3,
              kEffLengthConverted);
    r.Caption(t.UnitCaption, TUnitKind::Length);
}

void RescaleSpanLengthTexts(SpanLengthUnitTexts& t, UnitRescale& r) {
    const auto length = [&r](ShownText& text) {
        r.Convert(text, TUnitKind::Length, RescaleDirection::Input, RescaleRoutine::SigFig3,
                  kEffLengthConverted);
    };
    length(t.lbl_L);
    r.Caption(t.Label_1_Unit, TUnitKind::Length);
    // A blank space (no restraint given) stays blank; the caption is there once the panel was open.
    for (int i = 1; i <= 6; ++i)
        length(t.Spaces[i]);
    if (!t.IntervalCaption.empty()) r.Caption(t.IntervalCaption, TUnitKind::Length, " (", ")");
}

} // namespace kx
