// File New, Open and Save without the window.
#include "window/FileCommands.h"

#include "engine/EngineState.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "platform/BinaryIO.h"
#include "platform/Files.h"
#include "window/KxfFile.h"

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
    m.SpanCount[0] = 1;
    m.LoadcaseCount = 0;
    for (auto& loadcase : m.LoadTable)
        for (TLoadRec& rec : loadcase) {
            rec.fill(0);
            rec[lfApplied] = -1.0f;
        }
    for (TMemberRow& row : m.SpanData)
        row.fill(0);
    m.EffLengthMemberLength.fill(0);
    m.HeaderProject1 = "";
    m.HeaderProject2 = "";
    m.HeaderJobDesc = "";
    m.HeaderJobRef = "";
    m.SectionDescription = "";
    m.BeamLength = 0;
    m.SupportType.fill(supNone);
    m.SupportStiffness.fill(0);
    for (auto& row : Eng.SupportReaction)
        row.fill(0);
    for (auto& row : Eng.SupportPointLoad)
        row.fill(0);
    for (int row = 0; row <= kMaxSpans; ++row)
        for (int p = 1; p <= kResultPoints; ++p) {
            Eng.ShearForce[row][p] = 0;
            Eng.BendingMoment[row][p] = 0;
        }
    for (auto& loadcase : m.UDLStackTable)
        for (TUDLStackRec& rec : loadcase)
            rec.fill(0);
    for (TExtremesTable* table : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes})
        for (auto& slot : *table)
            for (TExtremesRec& rec : slot)
                rec.fill(0);
    for (int i = 0; i <= 50; ++i) {
        m.SectionPropLines[i] = "";
        m.TimberResultLinesSaved[i] = "";
    }
    for (auto& slot : Eng.CheckResults)
        for (TCheckRow& row : slot)
            row.fill(0);
    m.TimberGradeSaved = "";
    for (int k = 0; k < 4; ++k) // the fifth value is the steel calculator's own
        m.CapCheckSettings[k] = 0;
    m.DepthThicknessRatio = 0;
    m.SlendernessRatio = 0;
    m.Pbc = 0;
    m.SteelSectionFlag = 0;
    for (SpanFlags* f : {&m.SpanOptPos, &m.SpanOptDead, &m.SpanOptFull, &m.SpanOptPartial, &m.SpanOptNot,
                         &m.SpanOpt12, &m.SpanOptRestrained, &m.SpanOptInt})
        f->fill(0);
    for (TEffLengthRec& rec : m.EffLength)
        rec.fill(0);
    for (auto& row : m.RestraintPos)
        row.fill(0);
    for (Str25& text : m.EffLengthText)
        text = "";
    m.FactoredLoadsFlag = 0;
    m.FileTag = "MBS";
    ReadNewBeamUnits();
    m.LoadRowsShown = 6;
}

bool HasBeamFileSuffix(const std::string& path) {
    return path.size() >= 3 && path.compare(path.size() - 3, 3, "kxf") == 0;
}

void ReadBeamFile(const std::string& path) {
    const std::vector<std::uint8_t> image = ReadWholeFile(path);
    if (!IsReadableBeamFileVersion(image)) {
        const std::string version = BeamFileVersionText(image);
        if (version.find_first_of("0123456789") == std::string::npos) throw KxfFileError("no version text");
        throw KxfFileError("version " + version, "Beam file version " + version + " cannot be read");
    }
    ReadKxfFile(image);
}

void WriteBeamFile(const std::string& path) { WriteFileReplacing(path, WriteKxfFile()); }

} // namespace kx
