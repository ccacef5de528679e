// Feeds arbitrary bytes to the beam-file reader and, when it takes them, to the rebuild of the
// results that Open runs: neither may crash, leak or meet undefined behaviour, a refused file must
// leave the job as it was, and a file taken must write back and read again unchanged. After every
// input a valid job is opened from its file, so that anything an input leaves behind that changes
// how a later file reads, rebuilds or writes back shows.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "engine/AnalyseBeam.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"
#include "window/KxfTestSupport.h"
#include "window/ResultListings.h"

namespace {

// The main window's part in Open, with nothing to show.
class QuietFileHost : public kx::FileCommandsHost {
public:
    void EmptyResultLists() override {}
    void ShowCaseSelector() override {}
    void ResetImageRect() override {}
    void FillImageBlack() override {}
    void EnableFileMenus() override {}
    void SetCaseSelection(const std::string&, const std::string&) override {}
    void SetShownCase(int) override {}
    void DrawLoads() override {}
    void DrawBeam() override {}
    void DrawDiagrams() override {}
    void ShowCaseResults() override {}
    void FillResultsList() override {}
    void ShowEnvelopeResults() override {}
    void EnableCaseSelector(int) override {}
    void HideInputForms() override {}
    void SetCaption(const std::string&) override {}
    void DisableFileMenus() override {}
    void ResetInputForms() override {}
    void ClearResultLists() override {}
    void TileDefault() override {}
    void AskForInput(const kx::AnalysisRefusal&) override {}
    void RestoreInputForms() override {}
};

kx::ScriptedDialogs dialogs; // the analysis and the rebuild may report an unstable beam
std::vector<std::uint8_t> validJob;
std::string validFolder, validPath;

// Opens the valid job as File > Open does: it must open without a message and write back
// unchanged, its failed steel check counted as the analysis counted it.
void OpenValidJob() {
    QuietFileHost host;
    dialogs.clear();
    if (!kx::OpenBeamFile(host, validPath) || !dialogs.messages().empty()) std::abort();
    if (kx::WriteKxfFile() != validJob) std::abort();
}

} // namespace

// The valid job: one loadcase whose steel check fails in bending and shear. Then the job starts
// as File New leaves it.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kx::InstallDialogs(&dialogs);
    static kx::ResultListings listings;
    kx::InstallAnalysisListings(&listings);
    kx::ResetProgramState();
    kx::NullAnalysisHost host;
    const auto beam = kx::test::BeamBuilder()
                          .Spans({3000, 3000})
                          .AllSupports(kx::supFixed)
                          .Section(205000, 4.73e6f)
                          .Point(1, 100, 150000);
    kxtest::AnalyseAsSaved(beam, kxtest::SetSteelSection, host);
    if (kx::Eng.CaseCheckFailures[1] != -2) std::abort();
    validJob = kx::WriteKxfFile();
    std::string folder = (std::filesystem::temp_directory_path() / "kxf-fuzz-XXXXXX").string();
    if (!::mkdtemp(folder.data())) std::abort();
    validFolder = folder;
    validPath = validFolder + "/valid.kxf";
    kx::WriteFileReplacing(validPath, validJob);
    std::atexit([] { std::filesystem::remove_all(validFolder); });
    kx::ResetProgramState();
    kx::ResetBeamJob();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dialogs.clear();
    const std::vector<std::uint8_t> before = kx::WriteKxfFile();
    bool taken = true;
    try {
        kx::ReadKxfFile(std::vector<std::uint8_t>(data, data + size));
    } catch (const kx::KxfFileError&) {
        if (kx::WriteKxfFile() != before) std::abort();
        taken = false;
    }
    if (taken) {
        const std::vector<std::uint8_t> written = kx::WriteKxfFile();
        kx::NullAnalysisHost host;
        kx::RebuildResults(host);
        kx::ReadKxfFile(written);
        if (kx::WriteKxfFile() != written) std::abort();
    }
    OpenValidJob();
    return 0;
}
