// The user section file as the section editor's grid shows it, and the records its Save writes.
#include "input/KX_Grid.h"

#include <cmath>

#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "foundation/Units.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/NumberInput.h"
#include "platform/StateRegistry.h"
#include "sections/SectionFile.h"

namespace kx {

namespace {

// The grid's units once it has been shown; Shown false before.
struct SectionGridUnitsState {
    bool Shown = false;
    TUnitSettings Units;
    bool operator==(const SectionGridUnitsState&) const = default;
};
SectionGridUnitsState GridUnits;
KX_REGISTER_STATE(GridUnits);

constexpr std::size_t kGridBytes = static_cast<std::size_t>(kUserSectionRows) * SectionRecSize;
static_assert(kUserSectionRows <= kMaxSectionRecords, "the editor's file is read back whole");

// A cell that is not wholly a number is refused at Save: a permissible value read as 0 could pass an
// overloaded member. A blank cell reads as 0.
constexpr NumberPolicy kCellNumbers = NumberPolicy::RefusedWhenNotANumber;

// How a column's typed value becomes the stored one.
struct ColumnRule {
    TUnitKind kind;
    bool divide; // stored = typed / factor; else typed x factor
};
ColumnRule columnRule(int col) {
    switch (col) {
    case 2: return {TUnitKind::SectI, false};
    case 3: return {TUnitKind::SectE, false};
    case 4: return {TUnitKind::Shear, true};
    case 5: return {TUnitKind::Moment, true};
    default: return {TUnitKind::Force, false};
    }
}

double factorOf(TUnitKind kind) { return UnitFactor(SectionGridUnits(), kind); }

// The typed value of a column converted in double precision, as the single stored.
float storedValue(int col, double typed) {
    const ColumnRule r = columnRule(col);
    const double factor = factorOf(r.kind);
    return static_cast<float>(r.divide ? typed / factor : typed * factor);
}

// The unit a column's value is held under.
float cellUnit(int col) {
    const ColumnRule r = columnRule(col);
    return ShownUnit(!r.divide, factorOf(r.kind));
}

// The value of the record that a column shows, in the units the record holds.
double recordValue(const TSectionRec& rec, int col) {
    switch (col) {
    case 2: return rec.Ixx;
    case 3: return rec.E;
    case 4: return rec.PermShear;
    case 5: return rec.PermMoment;
    default: return rec.GA;
    }
}

} // namespace

const TUnitSettings& SectionGridUnits() {
    if (GridUnits.Shown) return GridUnits.Units;
    return Model;
}

void SectionGridUnitsTaken() { GridUnits = {true, Model}; }

SectionGridRow SectionGridHeadings() {
    const TUnitSettings& m = SectionGridUnits();
    return {" Ref",
            "     Description",
            "     Ixx  (" + m.UnitTextSectI + ")",
            "     E  (" + m.UnitTextSectE + ")",
            "     Permissible Shear  (" + m.UnitTextShear + ")",
            "     Permissible Moment  (" + m.UnitTextMoment + ")",
            "     GA/Kform  (" + m.UnitTextForce + ")"};
}

SectionGridRow SectionGridRowTexts(const TSectionRec& rec) {
    const TUnitSettings& m = SectionGridUnits();
    SectionGridRow row;
    row[1] = rec.Designation.str();
    // A value saved again unchanged is saved as it was read, not as rounded for showing.
    const auto shown = [&](int col, double v) {
        row[static_cast<std::size_t>(col)] =
            v == 0 ? ShownText() : ShownText(SigFig5(v), recordValue(rec, col), cellUnit(col));
    };
    shown(2, static_cast<double>(rec.Ixx) / m.UnitFactorSectI);
    shown(3, static_cast<double>(rec.E) / m.UnitFactorSectE);
    shown(4, static_cast<double>(rec.PermShear) * m.UnitFactorShear);
    shown(5, static_cast<double>(rec.PermMoment) * m.UnitFactorMoment);
    shown(6, static_cast<double>(rec.GA) / m.UnitFactorForce);
    return row;
}

SectionGridContent SectionGridShow() {
    SectionGridUnitsTaken();
    SectionGridContent c;
    c.Headings = SectionGridHeadings();
    c.Rows.resize(kUserSectionRows);
    std::vector<TSectionRec> records;
    try {
        records = ReadSectionFile(kUserSectionFileName);
    } catch (const IoError& e) {
        // No file yet is the usual start; any other failure is the user's to know.
        if (e.code() != IoFileNotFound) dlg().Message(e.what());
    }
    for (int i = 0; i < kUserSectionRows; ++i) {
        SectionGridRow& row = c.Rows[static_cast<std::size_t>(i)];
        TSectionRec rec;
        if (static_cast<std::size_t>(i) < records.size()) {
            rec = records[static_cast<std::size_t>(i)];
            row = SectionGridRowTexts(rec);
        }
        row[0] = std::to_string(i + 1);
    }
    return c;
}

TSectionRec SectionGridRecord(const SectionGridRow& row, int position) {
    auto value = [&](int col) {
        const ShownText& text = row[static_cast<std::size_t>(col)];
        if (const std::optional<double> exact = text.Exact(cellUnit(col))) return static_cast<float>(*exact);
        return storedValue(col, TryReadNumber(text, kCellNumbers).value_or(0.0));
    };
    TSectionRec rec;
    rec.Designation = row[1].Text();
    rec.Group = 1.0f;
    rec.GA = value(6);
    rec.E = value(3);
    rec.Shape = " ";
    rec.Ixx = value(2);
    rec.PermShear = value(4);
    rec.PermMoment = value(5);
    rec.RecordNo = position;
    return rec;
}

std::optional<SectionGridRefusal> CheckSectionGrid(const std::vector<SectionGridRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        for (int col = 2; col <= 6; ++col) {
            const std::string& text = rows[i][static_cast<std::size_t>(col)];
            const std::optional<double> v = TryReadNumber(text, kCellNumbers);
            if (!v || !std::isfinite(static_cast<float>(*v)) || !std::isfinite(storedValue(col, *v)))
                return SectionGridRefusal{n, col,
                                          "Row " + std::to_string(n) + ": \"" + text + "\" is not a number"};
            // A permissible value below 0 would pass every capacity check.
            if (*v < 0)
                return SectionGridRefusal{n, col,
                                          "Row " + std::to_string(n) + ": negative values not allowed"};
        }
    }
    return std::nullopt;
}

std::optional<SectionGridRefusal> SaveSectionGrid(const std::vector<SectionGridRow>& rows) {
    if (rows.size() != static_cast<std::size_t>(kUserSectionRows)) throw RangeError();
    if (auto refusal = CheckSectionGrid(rows)) {
        dlg().Message(refusal->Message);
        return refusal;
    }
    // An old file that cannot be read (a pipe, a device, longer than any section file) is not
    // written over: what it holds must not be lost unseen.
    try {
        ReadSectionFile(kUserSectionFileName);
    } catch (const IoError& e) {
        if (e.code() != IoFileNotFound) throw;
    }
    std::vector<std::uint8_t> bytes(kGridBytes);
    for (int i = 0; i < kUserSectionRows; ++i)
        EncodeSectionRec(SectionGridRecord(rows[static_cast<std::size_t>(i)], i + 1),
                         bytes.data() + static_cast<std::size_t>(i) * SectionRecSize);
    WriteFileReplacing(SectionFilePath(kUserSectionFileName), bytes);
    return std::nullopt;
}

} // namespace kx
