// Conversion of the input windows' unit texts on a change of units.
#include "input/Rescale.h"

#include <cmath>

#include "foundation/ShownValues.h"
#include "foundation/SigFig.h"
#include "platform/NumberInput.h"

namespace kx {

namespace {

bool usable(double f) { return std::isfinite(f) && f > 0; }

// A blank effective length says "restrained", not 0: it stays too.
constexpr NumberPolicy kEffLengthConverted = NumberPolicy::ZeroWhenNotANumber;

} // namespace

std::uint64_t RescaleKey(RescaleForm form, int field, int index) {
    return ShownValueKey(static_cast<int>(form), field, index);
}

std::uint64_t BeamSpanLengthKey(int col) { return RescaleKey(RescaleForm::KX_BeamFrm, bfSpanLength, col); }

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

void UnitRescale::Convert(std::string& text, std::uint64_t key, TUnitKind kind, RescaleDirection dir,
                          RescaleRoutine routine, NumberPolicy converted) {
    if (!Changed(kind)) return;
    const std::optional<double> typed = TryReadNumber(text, converted);
    if (!typed) return;
    const long double from = oldFactor(kind), to = newFactor(kind);
    const bool input = dir == RescaleDirection::Input;
    // The memo holds an input value with the factor it was shown in; an output value is held
    // with the factor 1 / factor, the one that turns it into internal units.
    const auto unitOf = [input](long double factor) { return ShownUnit(input, static_cast<double>(factor)); };
    long double internal;
    if (const std::optional<double> exact = ShownExact(key, text, unitOf(from))) {
        internal = *exact;
    } else {
        const long double v = *typed;
        internal = input ? v * from : v / from;
    }
    const long double shown = input ? internal / to : internal * to;
    text = routine == RescaleRoutine::SigFig5 ? SigFig5(static_cast<double>(shown))
                                              : SigFig3(static_cast<double>(shown));
    ShowValue(key, text, static_cast<double>(internal), unitOf(to));
}

void RescaleBeamFormTexts(BeamFormUnitTexts& t, UnitRescale& r) {
    const auto key = [](int field, int index = 0) {
        return RescaleKey(RescaleForm::KX_BeamFrm, field, index);
    };
    r.Convert(t.Edit_Timber_W, key(bfTimberW), TUnitKind::SectLength);
    r.Caption(t.lbl_Wunit, TUnitKind::SectLength);
    r.Convert(t.Edit_Timber_H, key(bfTimberH), TUnitKind::SectLength);
    r.Caption(t.lbl_Hunit, TUnitKind::SectLength);
    r.Convert(t.lbl_GA, key(bfGA), TUnitKind::Force);
    r.Caption(t.Label_GA_Unit, TUnitKind::Force);
    r.Convert(t.Edit_L, key(bfLiftHeight), TUnitKind::Length);
    r.Caption(t.Label_L_Std_Unit, TUnitKind::Length);
    for (std::size_t i = 0; i < t.SpanLengths.size(); ++i)
        r.Convert(t.SpanLengths[i], key(bfSpanLength, static_cast<int>(i) + 1), TUnitKind::Length);
    r.Caption(t.LengthCaption, TUnitKind::Length, " Length (", ")");
    r.Caption(t.lbl_Ixx, TUnitKind::SectI);
    r.Convert(t.lbl_S01_Ixx, key(bfIxx), TUnitKind::SectI);
    r.Caption(t.lbl_E, TUnitKind::SectE, "E (", ")");
    r.Convert(t.lbl_S01_E, key(bfE), TUnitKind::SectE);
}

void RescaleLoadFormTexts(LoadFormUnitTexts& t, UnitRescale& r) {
    r.Caption(t.lbl_PL, TUnitKind::Force, "(", ")");
    r.Caption(t.lbl_PLdist, TUnitKind::Length, "(", ")");
    r.Caption(t.lbl_UDLS, TUnitKind::UDL, "(", ")");
    r.Caption(t.lbl_UDLF, TUnitKind::UDL, "(", ")");
    r.Caption(t.lbl_Cover, TUnitKind::Length, "(", ")");
    for (int n = 1; n <= 50; ++n) {
        LoadRowUnitTexts& row = t.Rows[n];
        const auto key = [n](int field) { return RescaleKey(RescaleForm::LoadDataFrm, field, n); };
        const auto convert = [&](std::string& text, int field, TUnitKind kind) {
            r.Convert(text, key(field), kind);
        };
        convert(row.Edit_PL, lrPL, TUnitKind::Force);
        convert(row.Edit_Dist, lrDist, TUnitKind::Length);
        convert(row.Edit_UDLS, lrUDLS, TUnitKind::UDL);
        convert(row.Edit_UDLF, lrUDLF, TUnitKind::UDL);
        convert(row.Edit_Cover, lrCover, TUnitKind::Length);
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
            r.Convert(t.Cells[row][col], RescaleKey(RescaleForm::KX_GridFrm, col, row), c.kind, c.dir,
                      RescaleRoutine::SigFig5);
        }
}

void RescaleEffLengthTexts(EffLengthUnitTexts& t, RescaleForm form, UnitRescale& r) {
    // "varies", " " (restrained) and an empty box say something other than a length: they stay.
    r.Convert(t.lbl_Le, RescaleKey(form, elLength), TUnitKind::Length, RescaleDirection::Input,
              RescaleRoutine::SigFig3, kEffLengthConverted);
    r.Caption(t.UnitCaption, TUnitKind::Length);
}

void RescaleSpanLengthTexts(SpanLengthUnitTexts& t, UnitRescale& r) {
    const auto length = [&r](std::string& text, std::uint64_t key) {
        r.Convert(text, key, TUnitKind::Length, RescaleDirection::Input, RescaleRoutine::SigFig3,
                  kEffLengthConverted);
    };
    length(t.lbl_L, RescaleKey(RescaleForm::SpanFrm, elLength, 1));
    r.Caption(t.Label_1_Unit, TUnitKind::Length);
    // A blank space (no restraint given) stays blank; the caption is there once the panel was open.
    for (int i = 1; i <= 6; ++i)
        length(t.Spaces[i], RescaleKey(RescaleForm::SpanFrm, elInterval, i));
    if (!t.IntervalCaption.empty()) r.Caption(t.IntervalCaption, TUnitKind::Length, " (", ")");
}

void ForgetSectionTexts() {
    for (int field : {bfGA, bfIxx, bfE})
        ForgetShownValue(RescaleKey(RescaleForm::KX_BeamFrm, field));
}

void ForgetRescaledTexts() { ForgetShownValues(); }

} // namespace kx
