// The load-duration dialog of the timber calculator.
#include "calculators/Duration.h"

#include "calculators/Timber.h"
#include "engine/TimberFactors.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "platform/NumberInput.h"

namespace kx::Duration {

namespace {

const TimberDuration* option(int i) {
    if (i < 0 || i >= kTimberDurations) return nullptr;
    return &TimberDurations()[static_cast<std::size_t>(i)];
}

// A load or moment that is not a number is refused: read as 0 it could pass an overloaded member.
constexpr NumberPolicy kLoadNumbers = NumberPolicy::RefusedWhenNotANumber;

constexpr int kWall = 5;
constexpr int kFirstFormwork = 4; // General, Wall, 1 Week, 1 Month, 1 Year

// The K3 values of the chosen options into the calculator (an option outside the list leaves its
// value as it was).
void takeBending(const DurationInputs& in) {
    const TimberDuration* d = option(in.BendingOption);
    if (!d) return;
    Timber::Calc.K3Bending = d->K3;
    Timber::Calc.K3BendingText = d->Text;
    // Formwork and falsework durations show the shear stress and load with the factor 1.5.
    Timber::Calc.ShearFactor = in.BendingOption >= kFirstFormwork;
}

void takeAxial(const DurationInputs& in) {
    const TimberDuration* d = option(in.AxialOption);
    if (!d) return;
    Timber::Calc.K3Axial = d->K3;
    Timber::Calc.K3AxialText = AxialK3Text(in.AxialOption);
}

} // namespace

std::string AxialK3Text(int i) {
    if (i == kWall) return "  (Wall Formwork)";
    const TimberDuration* d = option(i);
    return d ? d->Text : "";
}

DurationView DurationShown() {
    DurationView v;
    const std::string mode = Model.TimberCheckMode.str();
    if (mode == "Beam") {
        v.GroupAxial_Enabled = false, v.CombinedShown = false, v.cmd_OK_AtPanel3 = true;
    } else if (mode == "Strut") {
        v.GroupBending_Enabled = false, v.CombinedShown = false;
    }
    // The calculator's K3 values are the dialog's: set by its options, read back on OK.
    if (Timber::Calc.K3Bending != 0) v.lbl_MomK3 = SigFig3(Timber::Calc.K3Bending);
    if (Timber::Calc.K3Axial != 0) v.lbl_AxK3 = SigFig3(Timber::Calc.K3Axial);
    return v;
}

DurationView FormShow(const DurationInputs& in) {
    takeBending(in);
    takeAxial(in);
    return DurationShown();
}

DurationView SetTimberK3Bending(const DurationInputs& in) {
    takeBending(in);
    return DurationShown();
}

DurationView SetTimberK3Axial(const DurationInputs& in) {
    takeAxial(in);
    return DurationShown();
}

void cmd_OKClick(const DurationInputs& in) {
    using namespace Timber;
    const std::string mode = Model.TimberCheckMode.str();
    const bool bending = mode == "Beam" || mode == "Comb", axial = mode == "Strut" || mode == "Comb";
    if (!bending && !axial) return;
    double moment = 0, load = 0;
    if (mode == "Comb") {
        moment = ReadNumber(in.Edit_Mom, kLoadNumbers);
        load = ReadNumber(in.Edit_Axial, kLoadNumbers);
    }
    if (bending) {
        Model.TimberK3Bending = Calc.K3Bending;
        CalcTimberBending();
        ReportTimberBending();
    }
    if (axial) {
        Model.TimberK3Axial = Calc.K3Axial;
        CalcTimberAxial();
        ReportTimberAxial();
    }
    if (mode == "Comb") {
        Model.TimberAppliedMoment = static_cast<float>(moment);
        Model.TimberAppliedAxialLoad = static_cast<float>(load);
        CheckTimberCombined();
    }
    Calc.K3BendingUsed = bending ? Model.TimberK3Bending : 0.0f;
    Calc.K3AxialUsed = axial ? Model.TimberK3Axial : 0.0f;
}

} // namespace kx::Duration
