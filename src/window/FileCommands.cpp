// File New, Open and Save without the window.
#include "window/FileCommands.h"

#include <exception>

#include "engine/AnalysedJob.h"
#include "engine/EngineState.h"
#include "engine/Extremes.h"
#include "engine/LoadDistribution.h"
#include "engine/ResultText.h"
#include "foundation/Preferences.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "platform/BinaryIO.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "window/DrawingState.h"
#include "window/KxfFile.h"
#include "window/Point.h"
#include "window/ResultsSummary.h"

namespace kx {

void ReadNewBeamUnits() {
    if (ReadUnitSettings(StartDirPath(kUnitFileName), Model)) return;
    TUnitSettings defaults = Model;
    SetDefaultUnits(defaults);
    for (TUnitKind k : {TUnitKind::Length, TUnitKind::Force, TUnitKind::UDL, TUnitKind::SectE,
                        TUnitKind::SectI, TUnitKind::Shear, TUnitKind::Moment, TUnitKind::Deflection}) {
        UnitText(Model, k) = UnitText(defaults, k);
        UnitFactor(Model, k) = UnitFactor(defaults, k);
    }
    Model.MomentDiagramSign = defaults.MomentDiagramSign;
    Model.ModulusLabelPlasticXX = defaults.ModulusLabelPlasticXX;
    Model.ModulusLabelPlasticYY = defaults.ModulusLabelPlasticYY;
    Model.ModulusLabelElasticXX = defaults.ModulusLabelElasticXX;
    Model.ModulusLabelElasticYY = defaults.ModulusLabelElasticYY;
    Model.FactoredLoadsFlag = -1;
}

void ResetBeamJob() {
    SharedModel& m = Model;
    m.BeamFileName.clear();
    m.CurrentLoadcase = 1;
    // The loadcases' span counts follow the committed one until the next analysis, so a job saved
    // straight after New is one that the reader accepts.
    for (int lc = 0; lc <= kMaxLoadcases; ++lc)
        m.SpanCount[lc] = 1;
    m.LoadcaseCount = 0;
    for (auto& loadcase : m.LoadTable)
        for (TLoadRec& rec : loadcase) {
            rec.fill(0);
            rec[lfApplied] = -1.0f;
        }
    ZeroFill(m.SpanData);
    ZeroFill(m.EffLengthMemberLength);
    m.HeaderProject1 = "";
    m.HeaderProject2 = "";
    m.HeaderJobDesc = "";
    m.HeaderJobRef = "";
    m.SectionDescription = "";
    m.BeamLength = 0;
    ZeroFill(m.SupportType);
    ZeroFill(m.SupportStiffness);
    ZeroFill(Eng.SupportReaction);
    ZeroFill(Eng.SupportPointLoad);
    ZeroFill(Eng.UnfactoredSupportPointLoad);
    ZeroFill(Eng.SupportWorkValues);
    ZeroFill(Eng.MinSupportReaction);
    for (int row = 0; row <= kMaxSpans; ++row)
        for (int p = 1; p <= kResultPoints; ++p) {
            Eng.ShearForce[row][p] = 0;
            Eng.BendingMoment[row][p] = 0;
        }
    ZeroFill(m.UDLStackTable);
    ZeroFill(Eng.ShearExtremes);
    ZeroFill(Eng.MomentExtremes);
    ZeroFill(Eng.DeflectionExtremes);
    ZeroFill(m.SectionPropLines);
    ZeroFill(m.TimberResultLinesSaved);
    ZeroFill(Eng.CheckResults);
    m.TimberGradeSaved = "";
    for (int k = 0; k < 4; ++k) // the fifth value is the steel calculator's own
        m.CapCheckSettings[k] = 0;
    m.DepthThicknessRatio = 0;
    m.SlendernessRatio = 0;
    m.Pbc = 0;
    m.SteelSectionFlag = 0;
    m.FactoredLoadsUnasked = false;
    // Every effective-length choice of the job that was goes: one left behind (a typed value of the
    // last job, say) would stand as the new beam's choice with a length of 0.
    for (SpanFlags* f : {&m.SpanOptPos, &m.SpanOptDead, &m.SpanOptFull, &m.SpanOptPartial, &m.SpanOptNot,
                         &m.SpanOpt12, &m.SpanOptRestrained, &m.SpanOptInt, &m.SpanOptEdit})
        ZeroFill(*f);
    ZeroFill(m.CantLHOpts);
    ZeroFill(m.CantRHOpts);
    m.AnySpanIntervals = 0;
    ZeroFill(m.EffLength);
    ZeroFill(m.RestraintPos);
    ZeroFill(m.EffLengthText);
    m.FactoredLoadsFlag = 0;
    m.FileTag = "MBS";
    ReadNewBeamUnits();
    m.LoadRowsShown = 6;
    ForgetAnalysedJob();
}

namespace {

// What the windows that outlive a change of job hold of the job that was.
void JobReplaced(FileCommandsHost& host) {
    ForgetPointResults();
    PreferencesUnitsReplaced();
    host.ShowJobReplaced();
}

} // namespace

void NewBeam(FileCommandsHost& host) {
    host.HideInputForms();
    host.SetCaption("");
    host.DisableFileMenus();
    ResetBeamJob();
    host.SetShownCase(0);
    host.ResetImageRect();
    host.FillImageBlack();
    host.ResetInputForms();
    host.ClearResultLists();
    ClearResultText();
    for (auto& lines : Txt.SteelCheckLines)
        ClearTable(lines);
    JobReplaced(host);
}

void ClearAnalysisResults() {
    NullAnalysisHost quiet; // Save and Print stay disabled
    ClearResults(quiet);
    ClearResultText();
    for (auto& lines : Txt.SteelCheckLines)
        ClearTable(lines);
    Model.AnalysedFlag = 0;
    ForgetPointResults();
}

void ClearAnalysis(FileCommandsHost& host) {
    ClearAnalysisResults();
    host.ClearResultLists();
    host.FillImageBlack();
    host.DisableFileMenus();
}

void RunAnalysis(FileCommandsHost& host) {
    const AnalysisRefusal refused = UnconfirmedJob();
    if (refused.factorsReset) host.ShowLoadFactorsReset();
    if (refused.form != AnalysisRefusal::Form::None) {
        host.AskForInput(refused);
        return;
    }
    ForgetPointResults(); // they were found on the results this analysis replaces
    try {
        AnalyseBeam(host);
    } catch (const std::exception&) {
        // Half an analysis must be neither shown nor saved nor printed.
        ClearAnalysis(host);
        dlg().Message(kAnalysisNotCompleted);
    }
}

bool HasBeamFileSuffix(const std::string& path) {
    return path.size() >= 3 && path.compare(path.size() - 3, 3, "kxf") == 0;
}

void ReadBeamFile(const std::string& path, const std::function<void()>& beforeTaking) {
    RegularFileReader file(path);
    std::vector<std::uint8_t> image;
    file.readInto(image, kKxfVersionFieldSize);
    if (!IsReadableBeamFileVersion(image)) {
        const std::string version = BeamFileVersionText(image);
        if (version.find_first_of("0123456789") == std::string::npos) throw KxfFileError("no version text");
        throw KxfFileError("version " + version, "Beam file version " + version + " cannot be read");
    }
    // A longer file is no beam file; it is refused without being read whole.
    const std::size_t largest = KxfLargestFileSize();
    const std::string tooLong = "the file is longer than " + std::to_string(largest) + " bytes";
    if (file.size() > largest) throw KxfFileError(tooLong);
    image.reserve(static_cast<std::size_t>(file.size()) + 1);
    file.readInto(image, largest + 1 - image.size());
    if (image.size() > largest) throw KxfFileError(tooLong);
    ReadKxfFile(image, ProgramKxfVars(), beforeTaking);
}

namespace {

bool IsForkheadBeam() { return Model.SupportType[1] == supForkhead; }

// The work tables of loadcase lc as its final pass left them, from the stores, which keep them as
// singles and the cantilevers from their supports outward.
void RestoreWorkTables(int lc) {
    const int points = Model.StoredSpanIntervals + 1;
    for (int s = 0; s <= kMaxSpans; ++s)
        for (int p = 1; p <= kResultPoints; ++p) {
            Eng.ShearForce[s][p] = 0;
            Eng.BendingMoment[s][p] = 0;
            Eng.SpanDeflection[s][p] = 0;
        }
    for (int s = 1; s <= Model.SpanCount[0]; ++s) {
        for (int p = 1; p <= points; ++p) {
            Eng.ShearForce[s][p] = Eng.StoredShear[lc][s][p];
            Eng.BendingMoment[s][p] = Eng.StoredMoment[lc][s][p];
        }
        for (int p = 1; p <= kDeflectionPoints; ++p)
            Eng.SpanDeflection[s][p] = Eng.StoredDeflection[lc][s][p];
    }
    for (int e = 1; e <= 2; ++e) {
        Eng.CantileverShear[e].fill(0);
        Eng.CantileverMoment[e].fill(0);
        for (int p = 1; p <= points; ++p) {
            Eng.CantileverShear[e][p] = Eng.StoredCantShear[lc][e][p];
            Eng.CantileverMoment[e][p] = Eng.StoredCantMoment[lc][e][p];
        }
    }
    for (int p = 1; p <= 22; ++p) {
        Eng.CantDeflectionPoints[p] = Eng.StoredCantDeflection[lc][1][p];
        Eng.CantDeflectionStore[p] = Eng.StoredCantDeflection[lc][2][p];
    }
    // The listing takes the decimals of its deflection column from each span's largest bending
    // deflection, which the file does not keep: the stored deflections stand for it.
    Eng.SpanMaxDeflection[lc].fill(0);
    for (int s = 1; s <= Model.SpanCount[lc]; ++s) {
        float largest = 0, smallest = 0;
        for (int q = 1; q <= kDeflectionPoints; ++q) {
            const float d = Eng.StoredDeflection[lc][s][q];
            if (d > largest) largest = d;
            if (d < smallest) smallest = d;
        }
        Eng.SpanMaxDeflection[lc][s] = -(-smallest > largest ? smallest : largest);
    }
}

std::string WithBeamFileExtension(const std::string& path) {
    return FileNameOf(path).find('.') == std::string::npos ? path + ".kxf" : path;
}

} // namespace

void ShowStoredResults(AnalysisHost& host) {
    const int count = Model.LoadcaseCount;
    host.DrawBeam();
    host.DrawLoads();
    if (count == 1) {
        host.SetShownCase(1);
        Model.ShownCaseMode = -1;
        host.SetCaseSelection("1", "1");
    } else {
        host.SetShownCase(0);
        Model.ShownCaseMode = 1;
        host.SetCaseSelection("All", "0");
    }
    host.ShowCaseResults();
    host.FillResultsList();
    if (count > 1) host.ShowEnvelopeResults();
    // Every loadcase up to the count, an unloaded one as flat lines; the last stays shown.
    for (int lc = 1; lc <= count; ++lc) {
        host.SetShownCase(lc);
        host.DrawDiagrams();
    }
    Model.ShownCaseMode = 0; // as the analysis leaves it
}

bool RebuildResults(AnalysisHost& host) {
    const int count = Model.LoadcaseCount;
    Model.CheckAbortFlag = 0;
    Eng.CaseCheckFailures.fill(0); // the member checks count them again, as in the analysis
    Txt.MaxStressValue = 0;
    Eng.BeamE = Model.SpanData[1][mfE];
    Eng.BeamIxx = Model.SpanData[1][mfIxx];
    Eng.NumSpanIntervals = Model.StoredSpanIntervals;

    // Working out the point loads on the supports also recomputes the applied totals, which the
    // file holds as the analysis left them; each loadcase keeps its own support loads.
    const auto totals = Model.TotalAppliedLoad;
    decltype(Eng.SupportPointLoad) pointLoads{};
    decltype(Eng.UnfactoredSupportPointLoad) unfactoredPointLoads{};
    bool complete = true;
    for (int lc = 1; lc <= count && complete; ++lc) {
        Eng.CurrentCase = lc;
        WriteNoLoadsListing(lc);
        if (Model.CaseHasLoads[lc] == 0) continue;
        if (Model.SpanCount[lc] == 0) { // saved after the analysis found the beam unstable
            host.FillImageBlack();
            dlg().Message(UnstableBeamMessage(lc));
            complete = false;
            continue;
        }
        DistributeLoads();
        pointLoads[lc] = Eng.SupportPointLoad[lc];
        unfactoredPointLoads[lc] = Eng.UnfactoredSupportPointLoad[lc];
        RestoreWorkTables(lc);
        complete = StoreAndListLoadcase();
    }
    Model.TotalAppliedLoad = totals;
    Eng.SupportPointLoad = pointLoads;
    Eng.UnfactoredSupportPointLoad = unfactoredPointLoads;
    if (!complete) return false;

    Eng.CurrentCase = count + 1;
    EnvelopeShearExtremes();
    EnvelopeMomentExtremes();
    EnvelopeDeflectionExtremes();
    if (!IsForkheadBeam()) { // the analysis builds no envelope for forkheads either
        BuildEnvelopeTable();
        BuildEnvelopeText();
    }
    ShowStoredResults(host);
    // A file saved before any analysis holds no results to stand for its job.
    if (count >= 1) {
        Model.AnalysedFlag = 1;
        RecordAnalysedJob();
    }
    host.EnableCaseSelector(count);
    return true;
}

bool OpenBeamFile(FileCommandsHost& host, const std::string& path) {
    if (!HasBeamFileSuffix(path)) return false;
    BusyCursor busy;
    // The job is cleared only once the file has passed every check, so that a refused file leaves
    // the user's job, unsaved work included, as it was. Results start cleared, as for an analysis,
    // so that none of the earlier job survives in a loadcase the file does not hold.
    auto newJob = [&host] {
        NewBeam(host);
        NullAnalysisHost quiet;
        ClearResults(quiet);
    };
    try {
        ReadBeamFile(path, newJob);
    } catch (const KxfFileError& e) {
        dlg().Message(e.what());
        return false;
    }
    // The loadcases the diagrams showed when the job was saved; the rebuild sets its own on the way.
    const int32 shownCaseMode = Model.ShownCaseMode;
    Model.BeamFileName = path;
    host.SetCaption(path);
    try {
        // A fresh Open, whatever layout was in use: the diagrams placed for the Default layout.
        Drawing.DiagramMode = 0;
        host.TileDefault();
        host.EmptyResultLists();
        host.ShowCaseSelector();
        host.FillImageBlack();
        RebuildResults(host);
        Model.ShownCaseMode = shownCaseMode;
        host.EnableFileMenus();
        host.RestoreInputForms();
        JobReplaced(host);
    } catch (...) {
        NewBeam(host); // nothing half-opened stays behind
        throw;
    }
    return true;
}

void OpenBeamFileCommand(FileCommandsHost& host) {
    if (const auto name = dlg().OpenFile("Open", kOpenBeamFilter, "")) OpenBeamFile(host, *name);
}

void WriteBeamFile(const std::string& path) {
    // Results of another job would go out as this job's.
    if (ResultsOfAnotherJob()) throw KxfFileError("the stored results are of another job", kFileSavingError);
    const std::vector<std::uint8_t> image = WriteKxfFile();
    CheckKxfImage(image);
    WriteFileReplacing(path, image);
}

void SaveBeamFile(FileCommandsHost& host) {
    if (ResultsOfAnotherJob()) {
        dlg().Message(kFileSavingError);
        return;
    }
    if (!Model.BeamFileName.empty()) {
        try {
            BusyCursor busy;
            WriteBeamFile(Model.BeamFileName);
            return;
        } catch (const KxfFileError&) {
            // Another name would not help: the job itself cannot be read back.
            dlg().Message(kFileSavingError);
            return;
        } catch (const std::exception&) {
            // Save As lets the user choose another name.
        }
    }
    SaveBeamFileAs(host);
}

void SaveBeamFileAs(FileCommandsHost& host) {
    if (ResultsOfAnotherJob()) {
        dlg().Message(kFileSavingError);
        return;
    }
    if (const auto name = dlg().SaveFile("Save As", kSaveBeamFilter, "", "", "kxf")) {
        Model.BeamFileName = WithBeamFileExtension(*name);
        try {
            BusyCursor busy;
            WriteBeamFile(Model.BeamFileName);
        } catch (const std::exception&) {
            dlg().Message(kFileSavingError);
        }
    }
    host.SetCaption(Model.BeamFileName);
}

} // namespace kx
