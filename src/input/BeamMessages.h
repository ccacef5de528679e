// The messages of the beam form and its commit, which the section choice and the load form give too.
#pragma once

#include "foundation/JobChecks.h"
#include "foundation/JobRules.h"

namespace kx {

// The messages of the form and its commit.
namespace beammsg {
inline constexpr const char* kCouplerWithForkheads = "Coupler restraint cannot be used with forkheads";
inline constexpr const char* kNoCheckWithForkheads =
    "Program does not code check to BS 5950 with forkhead supports";
inline constexpr const char* kLHCantileverLength = "Enter length for LH Cantilever";
inline constexpr const char* kSpanLength = " Enter Length for Span ";
inline constexpr const char* kRHCantileverLength = "Enter length for RH Cantilever";
inline constexpr const char* kSupportType = "Specify support type";
inline constexpr const char* kBoards = "Coupler restraint not possible with boards";
inline constexpr const char* kLiftHeight = "Enter \"L\" (lift height)\rfor double coupler fixing";
inline constexpr const char* kSection = kSpecifySectionMessage;
inline constexpr const char* kTimberE = "You appear to have a timber section \r"
                                        "with a value of \"E\" for steel.\r"
                                        "Is this correct?\r";
inline constexpr const char* kFactoredLoads = jobmsg::kFactoredLoads;
inline constexpr const char* kFactorsReset = jobmsg::kFactorsReset;
inline constexpr const char* kThickness =
    " Section thickness exceeds 40mm\rand is beyond the scope of this program";
inline constexpr const char* kConfirmCaption = jobmsg::kConfirmCaption;
} // namespace beammsg

} // namespace kx
