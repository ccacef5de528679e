// The rules of a job shared by the input forms and the Analyse command.
#include "foundation/JobRules.h"

#include <algorithm>
#include <iterator>

#include "platform/Dialogs.h"

namespace kx {

bool SteelSectionShape(const std::string& shape) {
    static const char* const steel[] = {"Beam", "RSJ", "RSC", "RSA", "Box", "Tube"};
    return std::any_of(std::begin(steel), std::end(steel), [&](const char* s) { return shape == s; });
}

bool SteelSection(const std::string& shape, const std::string& family) {
    return SteelSectionShape(shape) && family != "Scaffold";
}

bool SelfWeightSection() { return SteelSection(Model.SectionShape.str(), Model.SectionFamilyCode.str()); }

namespace {

// Only applied flags change, so a job without a self-weight keeps its flags as they were.
void takeOffApplied(float& flag) {
    if (flag == 1.0f) flag = -1.0f;
}

} // namespace

void UnapplyWorkingSelfWeightWithoutSteel() {
    if (SelfWeightSection()) return;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        takeOffApplied(Work.ApplyFlags[lc][kSelfWeightRecord]);
    takeOffApplied(Work.WorkLoads[kSelfWeightRecord][lfApplied]);
}

void UnapplySelfWeightWithoutSteel() {
    if (SelfWeightSection()) return;
    UnapplyWorkingSelfWeightWithoutSteel();
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        takeOffApplied(Model.LoadTable[lc][kSelfWeightRecord][lfApplied]);
}

bool AppliedFactorOtherThanOne(const SharedModel& m) {
    for (const auto& loadcase : m.LoadTable)
        for (const TLoadRec& r : loadcase)
            if (r[lfApplied] == 1.0f && r[lfLF] != 1.0f) return true;
    return false;
}

void ResetLoadFactors(SharedModel& m) {
    for (auto& loadcase : m.LoadTable)
        for (TLoadRec& rec : loadcase)
            rec[lfLF] = 1.0f;
}

void TurnFactoredLoadsOff(SharedModel& m, WorkingCopies& w) {
    m.FactoredLoadsFlag = -1;
    m.FactoredLoadsUnasked = false;
    ResetLoadFactors(m);
    for (TLoadRec& rec : w.WorkLoads)
        rec[lfLF] = 1.0f;
    dlg().Message(jobmsg::kFactorsReset);
}

void FactoredLoadsSettingChanged(SharedModel& m) { m.FactoredLoadsUnasked = m.FactoredLoadsFlag == 1; }

bool FactoredLoadsQuestionOwed(const SharedModel& m) {
    return m.FactoredLoadsUnasked && m.SteelSectionFlag == 1 && m.FactoredLoadsFlag == 1;
}

bool AskFactoredLoads(SharedModel& m, WorkingCopies& w) {
    m.FactoredLoadsUnasked = false;
    if (dlg().Confirm(jobmsg::kFactoredLoads, jobmsg::kConfirmCaption)) return true;
    TurnFactoredLoadsOff(m, w);
    return false;
}

} // namespace kx
