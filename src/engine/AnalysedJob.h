// Whether the stored results stand: what the last analysis (or Open) ran on, compared with the
// committed job now. Every reader of results asks here; no commit clears results by hand.
#pragma once

namespace kx {

struct SharedModel;

// The committed job now is the one the stored results were found for. The analysis calls it when
// every loadcase is done, Open when the file's results are rebuilt.
void RecordAnalysedJob();
// No stored results belong to any job (the analysis has started clearing them, or New).
void ForgetAnalysedJob();

// True when results are recorded and the job they were found for equals the job now, in every
// field that changes a figure or a text of the results (loads, members, supports, section,
// effective lengths, units, factored loads, the member check); header texts, file name and
// what the analysis itself writes do not count.
bool ResultsOfJobNow();

// The results stand: a complete analysis or an Open of the job as it is now. Only then are they
// shown, listed, printed and used at a point.
bool ResultsStand();

// Results are stored for a job other than the one now: they must not be saved with it.
bool ResultsOfAnotherJob();

// Two jobs give the same results: the comparison behind ResultsOfJobNow.
bool SameAnalysedJob(const SharedModel& a, const SharedModel& b);

} // namespace kx
