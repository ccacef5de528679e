// The rules of a job that the beam commit, the load form and the Analyse command all follow: which
// sections are steel and carry a self-weight, the load factors, and factored loads with the
// question the BS 5975 check asks of them.
#pragma once

#include <string>

#include "foundation/SharedModel.h"

namespace kx {

// The shapes of the steel sections: they carry a self-weight and may be checked to BS 5975.
bool SteelSectionShape(const std::string& shape);
// A steel section of the tables, not a scaffold member.
bool SteelSection(const std::string& shape, const std::string& family);
// The steel self-weight applies: the committed section is a steel shape outside the scaffold family.
bool SelfWeightSection();
// Without a steel self-weight the self-weight record is applied in no loadcase: its working ticks
// and its committed flags are taken off alike, so that nothing hidden is analysed. The beam commit
// and Open take off both; the load form's show, which commits nothing, only its working ticks.
void UnapplySelfWeightWithoutSteel();
void UnapplyWorkingSelfWeightWithoutSteel();
// The load factor of the steel self-weight under factored loads where none is given: the dead-load
// factor.
inline constexpr float kSelfWeightLoadFactor = 1.4f;

// Whether a load applied in m's load table has a factor other than 1.0: the analysis used it.
bool AppliedFactorOtherThanOne(const SharedModel& m);
// Every load factor of every loadcase of m's load table 1.0.
void ResetLoadFactors(SharedModel& m);

// Factored loads turned off: the setting off, every load factor of the committed loads and of the
// load form's working list 1.0, and the message that says so.
void TurnFactoredLoadsOff(SharedModel& m, WorkingCopies& w);

// The factored-loads setting changed (in the preferences): turned on, the BS 5975 check's question
// is owed until it is asked.
void FactoredLoadsSettingChanged(SharedModel& m);
// The question is owed: the check is chosen, factored loads are on, and it has not been asked
// since either changed.
bool FactoredLoadsQuestionOwed(const SharedModel& m);
// Asks the question. Yes keeps factored loads; anything else turns them off (TurnFactoredLoadsOff).
// Either way it is no longer owed. True when factored loads stay on.
bool AskFactoredLoads(SharedModel& m, WorkingCopies& w);

namespace jobmsg {
inline constexpr const char* kFactoredLoads =
    "Do you wish to show factored loads for permissible stress design!";
inline constexpr const char* kFactorsReset = "All load factors have been reset to 1.0";
inline constexpr const char* kConfirmCaption = "Confirm";
} // namespace jobmsg

} // namespace kx
