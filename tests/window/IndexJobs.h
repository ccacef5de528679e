// The beam jobs of the window tests, analysed as start-up and the input windows leave every job
// (E 210000 N/mm^2, Ixx 1e8 mm^4, load factors 1, default units) and written as beam files.
#pragma once

#include <string>

#include "app/ProgramState.h"
#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "foundation/SharedModel.h"
#include "foundation/Unit1.h"
#include "foundation/Units.h"
#include "window/FileCommands.h"

namespace kxtest {

using kx::test::BeamBuilder;

// A: one span of 5000 mm on vertically fixed ends, loadcase 1 uniform 10 N/mm.
inline BeamBuilder JobA() { return BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000); }

// C: one span of 4000 mm with fixed ends, loadcase 1 uniform 15 N/mm, loadcase 2 a point load of
// 48000 N at mid-span. Envelope: shear 30 kN (wL/2), moment 24 kN m (PL/8), deflection
// PL^3/192EI = 0.7619 mm.
inline BeamBuilder JobC() {
    return BeamBuilder().Spans({4000}).AllSupports(kx::supFixedEnd).Udl(1, 0, 15, 4000).Point(2, 2000, 48000);
}

// Analyses the committed job, told to host (none: a window-less one), and leaves it in the model.
inline void AnalyseCommitted(kx::int32 factoredLoadsFlag = -1, kx::AnalysisHost* host = nullptr) {
    using namespace kx;
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = factoredLoadsFlag;
    Model.VersionNumber = kVersionNumber;
    Model.VersionSuffix = kVersionSuffix;
    Model.FileTag = "MBS";
    Model.CurrentLoadcase = 1;
    Model.LoadRowsShown = 6;
    NullAnalysisHost quiet;
    AnalyseBeam(host ? *host : quiet);
}

inline void AnalyseJob(const BeamBuilder& beam) {
    beam.Commit();
    AnalyseCommitted();
}

// B: LH cantilever 1000, spans 4000 + 4000, RH cantilever 1500 mm; no section, no self-weight. As
// the load form commits them, both loadcases hold the three loads and mark those they apply:
// 20000 N at 3000 mm in loadcase 1 (unless left out), 4000 N at the LH tip and 5000 N at the RH
// tip in loadcase 2. Reactions 8125, 13750, -1875 N and 5718.75, -4312.5, 7593.75 N.
inline void AnalyseJobB(bool withLoadcase1Load = true) {
    using namespace kx;
    BeamBuilder().LHCantilever(1000).Spans({4000, 4000}).RHCantilever(1500).Commit();
    const float loads[3][3] = {{3000, 20000, 1}, {0, 4000, 2}, {10500, 5000, 2}}; // at, P, loadcase
    for (int lc = 1; lc <= 2; ++lc) {
        const bool loaded = lc == 2 || withLoadcase1Load;
        for (int r = 1; r <= 3; ++r) {
            TLoadRec& rec = Model.LoadTable[lc][r];
            rec = TLoadRec{};
            rec[lfKind] = rec[lfLF] = 1;
            rec[lfDist] = loads[r - 1][0];
            rec[lfP] = loads[r - 1][1];
            rec[lfApplied] = loads[r - 1][2] == static_cast<float>(lc) && loaded ? 1 : -1;
        }
        Model.CaseHasLoads[lc] = loaded ? 1 : 0;
    }
    AnalyseCommitted();
}

// The job analysed and written at path; the program state is reset afterwards.
inline void WriteJob(const BeamBuilder& beam, const std::string& path) {
    AnalyseJob(beam);
    kx::WriteBeamFile(path);
    kx::ResetProgramState();
}

} // namespace kxtest
