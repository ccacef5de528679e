// File New, Open and Save without the window: the reset of the job, reading a beam file with the
// rebuild of its results, and writing one so that a failed save never destroys the old file.
#pragma once

#include <functional>
#include <string>

#include "engine/AnalyseBeam.h"

namespace kx {

// What New and Open do to the windows beyond what the analysis does to them. The main window
// implements it; the commands call it in the order the windows are to see it.
class FileCommandsHost : public AnalysisHost {
public:
    // Hides the beam form KX_BeamFrm and the load form LoadDataFrm.
    virtual void HideInputForms() = 0;
    // The main window's caption.
    virtual void SetCaption(const std::string& caption) = 0;
    // Disables Save1, SaveAs1 and Print1.
    virtual void DisableFileMenus() = 0;
    // Clears the input windows for a new beam: on the load form OptionP1 and OptionUDL1
    // unchecked, then ClearAllLoads, HideLoadRows, ShowLoadRows, ResetApplyFlags and
    // ShowLoadFactorColumn; on the beam form ResetBeamForm and ClearBeamSketch; the timber section
    // form's Combo_Grade at its first item; CantLHClear, SpanClear and CantRHClear; the header
    // form's Edit_Project_1, Edit_Project_2, Edit_JobDesc and Edit_Ref emptied.
    virtual void ResetInputForms() = 0;
    // Empties List_Results and List_CaseResults, both with black text, and disables UpDown1.
    virtual void ClearResultLists() = 0;
    // Tile > Default: the default layout of the main window.
    virtual void TileDefault() = 0;
    // Rebuilds the input windows' working copies from the committed model that Open has read:
    // RestoreBeamForm (which also sets the timber section form), RestoreCommittedLoads,
    // CantLHRestoreFromCommitted, SpanRestoreFromCommitted and CantRHRestoreFromCommitted.
    virtual void RestoreInputForms() = 0;
    // Shows the input window that asks for what a refused analysis lacks: the load form, or the
    // effective-length form of the member named, at that member.
    virtual void AskForInput(const AnalysisRefusal& refusal) = 0;
    // Factored loads were turned off and every load factor made 1.0: the load form shows them so.
    virtual void ShowLoadFactorsReset() {}
    // The windows that may stand open over New and Open (the print options' description, the
    // preferences' choices) show the job now in force.
    virtual void ShowJobReplaced() {}
};

// The filters of the open and save dialogs.
inline constexpr const char* kOpenBeamFilter = "KX-Flexor  Beam Data   (*.kxf)|*.kxf";
inline constexpr const char* kSaveBeamFilter = "Kx-Flexor  (*.kxf)|*.kxf|All Files  (*.*)|*.*";
inline constexpr const char* kFileSavingError = "File Saving Error";

// The units settings that File New takes: the first 322 bytes of "Kxf_Unit.dim" in the start-up
// directory; when it cannot be used, the built-in units of the eight kinds New resets, the
// moment sign, the modulus labels and factored loads off (the other kinds keep their values). A
// file that is there but cannot be read is reported as ReadUnitSettings reports it.
void ReadNewBeamUnits();

// The job reset of File New: every variable of the beam model to its value after New (the
// company and user header texts and the fifth steel calculator value kept; every effective-length
// choice cleared), the support, shear, moment, extremes and check results cleared, no file name, the units
// settings re-read.
void ResetBeamJob();

// File New (and the step of Open that takes a checked file): the job reset, the windows cleared,
// the result texts emptied (the steel check lines too, so that none of an earlier beam survives),
// the values at a point dropped, and the units re-read made the preferences' starting point.
void NewBeam(FileCommandsHost& host);

// True when a chosen name may be opened: its last three characters are "kxf".
bool HasBeamFileSuffix(const std::string& path);

// Reads the beam file at path into the job and checks it whole before anything is taken: a file
// that cannot be opened, or that is no regular file (a folder, a device, a pipe), throws IoError;
// a version other than 1, a file longer than the largest beam file (read no further than that),
// a short or damaged file throws KxfFileError with the message to show. Either way the job is
// left as it was. beforeTaking, when given, runs once the file has passed its checks, just
// before it is taken.
void ReadBeamFile(const std::string& path, const std::function<void()>& beforeTaking = {});

// Rebuilds, without analysing, what an analysis of the job read from a beam file leaves: per
// loadcase the work tables from the stored results, the reactions (with the point loads standing
// on supports worked out again), polylines, extremes, listings and member checks; then the
// envelopes, drawings and lists. Stops as the analysis stopped when the file was saved after an
// unstable beam or a steel check beyond table A1. True when every loadcase was rebuilt; then, when
// the file holds an analysed loadcase, the results stand for the job read (AnalysedFlag 1).
bool RebuildResults(AnalysisHost& host);

// The stored results drawn and listed as Open shows them once rebuilt: the beam, its loads, the
// texts of the loadcase shown (the first of one, else all with the envelope) and every loadcase's
// diagrams over a picture the caller has cleared.
void ShowStoredResults(AnalysisHost& host);

// The results of the last analysis gone from the model and the main window: the job unanalysed,
// the lists empty, the picture black, the values at a point dropped, and Save, Save As and Print
// disabled.
void ClearAnalysis(FileCommandsHost& host);

// The model's part of ClearAnalysis.
void ClearAnalysisResults();

// The analysis as the windows start it (Analyse, the last "Next >"): a job that the input forms
// would not let through is refused, with the window that asks for it shown (UnconfirmedJob), and
// factored loads turned off by its question are shown so on the load form; one
// that ends in an error leaves the job as ClearAnalysis does, and kAnalysisNotCompleted says so.
void RunAnalysis(FileCommandsHost& host);
inline constexpr const char* kAnalysisNotCompleted =
    " ERROR  \r The analysis could not be completed\r Beam not analysed";

// File > Open of a chosen name: the file read and checked on its own, then, only when it passes,
// New, the file taken and rebuilt (with the loadcases the diagrams showed when it was saved), its
// name taken and the input windows restored, the main window in its Default layout with the
// diagrams placed for it, whatever layout was in use. A name not ending in "kxf" stops silently; a refused
// file shows its message; a file that cannot be opened throws IoError. Each time the job, its
// results, its file name and the windows stay as before the Open. True when the file was opened.
bool OpenBeamFile(FileCommandsHost& host, const std::string& path);

// File > Open: the open dialog, then OpenBeamFile; a cancelled dialog does nothing.
void OpenBeamFileCommand(FileCommandsHost& host);

// Writes the job as a beam file at path, through a temporary file in the same folder that
// replaces the old file only when it is complete. Throws IoError (the old file kept), the
// writer's ConvertError or RangeError for a text table whose count is damaged, or KxfFileError for
// a job that Open would refuse or whose stored results are of another job; these last three
// before anything is written.
void WriteBeamFile(const std::string& path);

// File > Save: writes the job to its file; without a file name, or when that fails, Save As. A job
// that Open would refuse, or whose stored results are of another job, gives "File Saving Error"
// at once, as no other name can help it.
void SaveBeamFile(FileCommandsHost& host);

// File > Save As: the save dialog (".kxf" added to a name without extension), the name taken as
// the job's file name, the job written; a failure shows "File Saving Error", and so does a job
// whose stored results are of another job, before the dialog. The caption shows
// the job's file name afterwards, also after a cancel or a failure.
void SaveBeamFileAs(FileCommandsHost& host);

} // namespace kx
