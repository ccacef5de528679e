// Whether the committed job is one the analysis may run as it stands: a section of its member type,
// every applied load on the beam with one load factor on forkheads, and each member's effective
// length chosen for the member as it now is. The input forms'
// "Next >" and the Analyse command ask the same questions here, with the same messages.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "foundation/SharedModel.h"

namespace kx {

// Span s (1..25) has exactly one of its eight restraint choices (Pos, Dead, Full, Partial, Not,
// Restrained, Int, Edit; the 1.2 box does not count) committed.
bool SpanEffLengthChosen(const SharedModel& m, int s);
// A cantilever's choice is complete: a loading, a support and an end restraint, or fully
// restrained, or a typed value. chosen(field) tells whether the option of a TCantOpt field is set.
bool CantEffLengthComplete(const std::function<bool(int field)>& chosen);
// Member row r (0, 1..25, 26) has its effective length worked out for its present length. A beam
// commit that changes the length, or the depth under a "+ 2D" choice, sets the length it was worked
// out for to 0, so that the choice is asked for again.
bool EffLengthForPresentLength(const SharedModel& m, int r);

// The messages of the effective-length forms.
std::string SpanNotSelectedMessage(int s);
std::string SpanLengthChangedMessage(int s);
std::string CantLengthChangedMessage(int r);
inline constexpr const char* kCantIncompleteMessage =
    "Click all appropriate option boxes or\renter desired effective length in box";

// The first member, in the wizard's order (LH cantilever, spans, RH cantilever), whose committed
// effective length the steel check cannot use, with the message its form gives; row -1 and no
// message when every member's can be used.
struct EffLengthFault {
    int row = -1;
    std::string message;
};
EffLengthFault FirstEffLengthFault(const SharedModel& m);

// A load reaching further than the committed beam, beyond what rounding the typed lengths to
// singles and adding them up can make of a load that ends at its end.
bool LoadPastBeamEnd(float dist, float cover, const SharedModel& m);
std::string LoadExtendsPastEndMessage(int n);

// With forkhead supports every applied load, the self-weight included, has the same load factor:
// the release of forkheads that pull the beam down relies on one common factor. True when they
// differ on a forkhead beam.
bool ForkheadFactorsDiffer(const SharedModel& m, const decltype(SharedModel::LoadTable)& loads);
inline constexpr const char* kForkheadFactorsMessage = " For the routine to remove negative\r"
                                                       " forkhead support loads to be used, \r"
                                                       " load factors must all be the same.\r";

// The section is the kind its member type says: timber sizes only with the timber member type,
// which has them. rows are the member rows of the section.
bool SectionMatchesMemberType(const std::string& memberType, const Arr<TMemberRow, 0, 27>& rows);
inline constexpr const char* kSpecifySectionMessage =
    " Specify section\r\r"
    " Click \"Section Properties Database\" on the top menu\r"
    " then click required section in \"Steel Section Database\" to load.\r\r"
    " Create new section in \"KX Sections\" for non standard section";

// The beam's rules, in the order the beam form's "Next >" asks them; each the first that fails, with
// its message, or an empty text. The form asks them of the job it would commit, Analyse of the job
// committed.
// A coupler at an end or at the interior supports needs the lift height it is worked out from.
// Lift heights from kNoLiftHeightFromMm on, as 0, stand for none given: the 10^18 length units an
// empty box is held as in any unit, and the 10^11 mm that files hold where "0" was once typed. No
// lift is that high, and below it every lift height has a text of three figures.
inline constexpr float kNoLiftHeightFromMm = 1e9f;
// Whether a lift height (mm) is one the user gave.
bool LiftHeightGiven(float mm);
bool LiftHeightMissing(const SharedModel& m);
inline constexpr const char* kLiftHeightMessage = "Enter \"L\" (lift height)\rfor double coupler fixing";
// The section values of a member row (E and every field after it) and the flange and web
// thickness are all numbers the program can use (and its beam file hold): finite and not below 0.
bool UsableSectionValues(const TMemberRow& row, float flangeThickness, float webThickness);
// The section gives the analysis what it needs: E and Ixx above 0, usable values in every member
// row, a timber section its sizes and permissible stresses; and it is of its member type.
bool SectionUsable(const SharedModel& m);
// Every member the beam has (the LH cantilever, spans 1 to the span count, the RH cantilever) has
// a length above 0 and no longer than kMaxMemberLength mm. The longest member: 10,000 m, in mm.
// Singles hold positions along it to the millimetre (they do so up to 2^24 mm, 16.8 km), and its
// length to the fourth power, which the deflections work with, stays far inside a single's range
// (1e28 of 3.4e38) whatever the loads.
inline constexpr double kMaxMemberLength = 1e7;
inline constexpr const char* kLHCantileverLengthMessage = "Enter length for LH Cantilever";
inline constexpr const char* kSpanLengthMessage = " Enter Length for Span ";
inline constexpr const char* kRHCantileverLengthMessage = "Enter length for RH Cantilever";
std::string MemberLengthFault(const SharedModel& m);
// A steel section of the tables thicker than the steel check's tables reach.
inline constexpr float kMaxSteelThickness = 40.0f;
bool SteelTooThick(const SharedModel& m);
inline constexpr const char* kThicknessMessage =
    " Section thickness exceeds 40mm\rand is beyond the scope of this program";

// The load rules the load form's "Next >" asks of the table it would commit, and Analyse of the
// committed one, with the committed stacks built from it: the messages in the form's order (a
// value no single holds; no load applied; a load with nothing in it; for each load, one past the
// end and one with a length below 0; unequal factors on forkheads). Empty when the loads may be
// analysed.
using LoadTableOf = decltype(SharedModel::LoadTable);
using UDLStacksOf = decltype(SharedModel::UDLStackTable);
std::vector<std::string> LoadTableFaults(const SharedModel& m, const LoadTableOf& loads,
                                         const UDLStacksOf& stacks);
// The lengths alone (past the end, below 0): the form gives them also as it reads its rows.
std::vector<std::string> LoadLengthFaults(const SharedModel& m, const LoadTableOf& loads);
inline constexpr const char* kNoLoadsAppliedMessage = "No loads applied to beam";
inline constexpr const char* kNoLoadsMessage = "No loads on beam";
inline constexpr const char* kNegativeLengthsMessage = "Negative lengths not allowed";
std::string LoadValueTooLargeMessage(int n);

} // namespace kx
