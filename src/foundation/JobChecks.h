// Whether the committed job is one the analysis may run as it stands: a section of its member type,
// every applied load on the beam with one load factor on forkheads, and each member's effective
// length chosen for the member as it now is. The input forms'
// "Next >" and the Analyse command ask the same questions here, with the same messages.
#pragma once

#include <functional>
#include <string>
#include <tuple>

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

// What the steel check and its listing read of the committed effective lengths, to tell whether a
// commit changed them.
using EffLengthSnapshot =
    std::tuple<Arr<TEffLengthRec, 0, 26>, Arr<Arr<int32, 1, 10>, 0, 26>, Arr<Str25, 0, 26>, int32>;
EffLengthSnapshot EffLengthsOf(const SharedModel& m);

} // namespace kx
