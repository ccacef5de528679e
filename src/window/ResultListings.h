// The result texts of the analysis, written by the listings of this folder.
#pragma once

#include "engine/AnalyseBeam.h"

namespace kx {

class ResultListings : public AnalysisListings {
public:
    void MaxStressText() override;
    void CaseResultsText() override;
    void EnvelopeText() override;
    void ResultsSummary() override;
    void LoadsListing() override;
};

} // namespace kx
