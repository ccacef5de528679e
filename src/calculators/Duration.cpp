// The load-duration dialog of the timber calculator.
#include "calculators/Duration.h"

#include "calculators/Timber.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "input/TimSect.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"

namespace kx::Duration {

DurationControls Dlg;
KX_REGISTER_STATE(Dlg);

namespace {

const TimberDuration* option(int i) {
    if (i < 0 || i >= kTimberDurations) return nullptr;
    return &TimberDurations()[static_cast<std::size_t>(i)];
}

// A load or moment that is not a number is refused: read as 0 it could pass an overloaded member.
constexpr NumberPolicy kLoadNumbers = NumberPolicy::RefusedWhenNotANumber;

constexpr int kWall = 5;
constexpr int kFirstFormwork = 4; // General, Wall, 1 Week, 1 Month, 1 Year

} // namespace

std::string AxialK3Text(int i) {
    if (i == kWall) return "  (Wall Formwork)";
    const TimberDuration* d = option(i);
    return d ? d->Text : "";
}

void FormShow() {
    const std::string mode = Model.TimberCheckMode.str();
    if (mode == "Beam") {
        Dlg.GroupBending_Enabled = true, Dlg.GroupAxial_Enabled = false, Dlg.CombinedShown = false,
        Dlg.cmd_OK_AtPanel3 = true;
    } else if (mode == "Strut") {
        Dlg.GroupBending_Enabled = false, Dlg.GroupAxial_Enabled = true, Dlg.CombinedShown = false,
        Dlg.cmd_OK_AtPanel3 = false;
    } else if (mode == "Comb") {
        Dlg.GroupBending_Enabled = true, Dlg.GroupAxial_Enabled = true, Dlg.CombinedShown = true,
        Dlg.cmd_OK_AtPanel3 = false;
    }
    SetTimberK3Bending();
    SetTimberK3Axial();
}

void SetTimberK3Bending() {
    const TimberDuration* d = option(Dlg.BendingOption);
    if (!d) return;
    Timber::Calc.K3Bending = d->K3;
    Timber::Calc.K3BendingText = d->Text;
    // Formwork and falsework durations show the shear stress and load with the factor 1.5.
    Timber::Calc.ShearFactor = Dlg.BendingOption >= kFirstFormwork;
    Dlg.MomK3 = d->K3;
    Dlg.lbl_MomK3 = SigFig3(d->K3);
}

void SetTimberK3Axial() {
    const TimberDuration* d = option(Dlg.AxialOption);
    if (!d) return;
    Timber::Calc.K3Axial = d->K3;
    Timber::Calc.K3AxialText = AxialK3Text(Dlg.AxialOption);
    Dlg.AxK3 = d->K3;
    Dlg.lbl_AxK3 = SigFig3(d->K3);
}

void cmd_OKClick() {
    using namespace Timber;
    const std::string mode = Model.TimberCheckMode.str();
    TimberControls& c = Calc.Ctl;
    if (mode == "Beam") {
        Model.TimberK3Bending = Dlg.MomK3;
        Calc.K3Bending = Model.TimberK3Bending;
        CalcTimberBending();
        ReportTimberBending();
        c.lbl_K3ax.clear();
        c.lbl_K3b = SigFig3(Model.TimberK3Bending);
    } else if (mode == "Strut") {
        Model.TimberK3Axial = Dlg.AxK3;
        Calc.K3Axial = Model.TimberK3Axial;
        CalcTimberAxial();
        ReportTimberAxial();
        c.lbl_K3ax = SigFig3(Model.TimberK3Axial);
        c.lbl_K3b.clear();
    } else if (mode == "Comb") {
        const double moment = ReadNumber(Dlg.Edit_Mom, kLoadNumbers);
        const double load = ReadNumber(Dlg.Edit_Axial, kLoadNumbers);
        Model.TimberK3Bending = Dlg.MomK3;
        Model.TimberK3Axial = Dlg.AxK3;
        Calc.K3Bending = Model.TimberK3Bending;
        Calc.K3Axial = Model.TimberK3Axial;
        CalcTimberBending();
        ReportTimberBending();
        CalcTimberAxial();
        ReportTimberAxial();
        Model.TimberAppliedMoment = static_cast<float>(moment);
        Model.TimberAppliedAxialLoad = static_cast<float>(load);
        CheckTimberCombined();
        c.lbl_K3ax = SigFig3(Model.TimberK3Axial);
        c.lbl_K3b = SigFig3(Model.TimberK3Bending);
    }
}

} // namespace kx::Duration
