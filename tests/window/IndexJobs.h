// The beam jobs of the main window's tests, analysed and written as beam files the way the program
// writes them: E 210000 N/mm^2, Ixx 1e8 mm^4, load factors 1, factored loads off, default units.
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

// A: one span of 5000 mm on vertically fixed ends, loadcase 1 uniform 10 N/mm.
inline kx::test::BeamBuilder JobA() { return kx::test::BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000); }

// C: one span of 4000 mm with fixed ends, loadcase 1 uniform 15 N/mm, loadcase 2 a point load of
// 48000 N at mid-span. Envelope: shear 30 kN (wL/2), moment 24 kN m (PL/8), deflection
// PL^3/192EI = 0.7619 mm.
inline kx::test::BeamBuilder JobC() {
    return kx::test::BeamBuilder()
        .Spans({4000})
        .AllSupports(kx::supFixedEnd)
        .Udl(1, 0, 15, 4000)
        .Point(2, 2000, 48000);
}

// Commits and analyses the job as the input windows and the program would, and leaves it in the
// model (the analysis told to a window-less host).
inline void AnalyseJob(const kx::test::BeamBuilder& beam) {
    using namespace kx;
    beam.Commit();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = -1;
    Model.VersionNumber = kVersionNumber;
    Model.VersionSuffix = kVersionSuffix;
    Model.FileTag = "MBS";
    Model.CurrentLoadcase = 1;
    Model.LoadRowsShown = 6;
    NullAnalysisHost host;
    AnalyseBeam(host);
}

// The job analysed and written at path; the program state is reset afterwards.
inline void WriteJob(const kx::test::BeamBuilder& beam, const std::string& path) {
    AnalyseJob(beam);
    kx::WriteBeamFile(path);
    kx::ResetProgramState();
}

} // namespace kxtest
