// The result texts of the analysis, written by the listings of this folder.
#include "window/ResultListings.h"

#include "window/CaseResults.h"
#include "window/LoadsListing.h"
#include "window/ResultsSummary.h"

namespace kx {

void ResultListings::MaxStressText() { BuildMaxStressText(); }
void ResultListings::CaseResultsText() { BuildCaseResultsText(); }
void ResultListings::EnvelopeText() { BuildEnvelopeText(); }
void ResultListings::ResultsSummary() { BuildResultsSummary(); }
void ResultListings::LoadsListing() { BuildLoadsListing(); }

} // namespace kx
