// The beam file: one list of its fields, walked to write a job, to read one into a scratch copy
// and to take a checked scratch copy into the program.
#include "window/KxfFile.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/SharedModel.h"
#include "platform/BinaryIO.h"
#include "platform/Errors.h"
#include "window/DrawingState.h"

namespace kx {

namespace {

// Largest result-point count per member of the stores.
constexpr int kMaxStoredIntervals = kResultPoints - 1;

// The text counts of field 10, which bound the stored lines of fields 49 to 52.
struct TextCounts {
    Arr<int, 1, 5> listing, load, support;
    Arr<int, 0, 5> kx, steel, timber;
};

// Every field of the file in order. io gets each variable twice: as it stands in a (the values
// written or read, and whose counts drive the loops) and in b (where a commit puts it).
template <class IO> void WalkKxfFields(IO& io, const KxfVars& a, const KxfVars& b) {
#define KXF(path) io(a.path, b.path, #path)
    // 1 to 4: version texts and page header.
    KXF(m.VersionNumber);
    KXF(m.VersionSuffix);
    KXF(m.FileTag);
    KXF(m.HeaderCompany);
    KXF(m.HeaderUser);
    KXF(m.HeaderProject1);
    KXF(m.HeaderProject2);
    KXF(m.HeaderJobDesc);
    KXF(m.HeaderJobRef);
    // 5 to 9: counts and resolution.
    for (int k = 0; k <= kMaxLoadcases; ++k)
        KXF(m.SpanCount[k]);
    KXF(m.LoadcaseCount);
    KXF(m.CurrentLoadcase);
    KXF(m.StoredSpanIntervals);
    KXF(e.ResultIntervalStep);
    const int NLC = io.bound(a.m.LoadcaseCount, 0, kMaxLoadcases, "LoadcaseCount");
    const int NS = io.bound(a.m.SpanCount[0], 1, kMaxSpans, "SpanCount[0]");
    const int NI = io.bound(a.m.StoredSpanIntervals, 0, kMaxStoredIntervals, "StoredSpanIntervals");

    // 10: the count lines of the tables whose lines are stored later or rebuilt.
    TextCounts n;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        KXF(t.CaseListing[lc][0]);
        n.listing[lc] = io.count(a.t.CaseListing[lc], "CaseListing");
    }
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        KXF(t.CaseLoadLines[lc][0]);
        n.load[lc] = io.count(a.t.CaseLoadLines[lc], "CaseLoadLines");
    }
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        KXF(t.CaseSupportLines[lc][0]);
        n.support[lc] = io.count(a.t.CaseSupportLines[lc], "CaseSupportLines");
    }
    for (int c = 0; c <= kMaxLoadcases; ++c) {
        KXF(t.KxCheckLines[c][0]);
        n.kx[c] = io.count(a.t.KxCheckLines[c], "KxCheckLines");
    }
    for (int c = 0; c <= kMaxLoadcases; ++c) {
        KXF(t.SteelCheckLines[c][0]);
        n.steel[c] = io.count(a.t.SteelCheckLines[c], "SteelCheckLines");
    }
    for (int c = 0; c <= kMaxLoadcases; ++c) {
        KXF(t.TimberCheckLines[c][0]);
        n.timber[c] = io.count(a.t.TimberCheckLines[c], "TimberCheckLines");
    }

    // 11 to 25: fixed-size model and geometry.
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        KXF(e.CaseCheckFailures[lc]);
    KXF(m.SectionDescription);
    KXF(m.SectionShape);
    KXF(m.MemberType);
    KXF(m.SectionFamilyCode);
    KXF(m.UnitTextLength);
    KXF(m.UnitTextForce);
    KXF(m.UnitTextUDL);
    KXF(m.UnitTextSectE);
    KXF(m.UnitTextSectI);
    KXF(m.UnitTextShear);
    KXF(m.UnitTextMoment);
    KXF(m.UnitTextDeflection);
    KXF(m.UnitTextStress);
    KXF(m.UnitFactorLength);
    KXF(m.UnitFactorForce);
    KXF(m.UnitFactorUDL);
    KXF(m.UnitFactorSectE);
    KXF(m.UnitFactorSectI);
    KXF(m.UnitFactorShear);
    KXF(m.UnitFactorMoment);
    KXF(m.UnitFactorDeflection);
    KXF(m.UnitFactorStress);
    for (int k = 0; k <= 25; ++k) {
        KXF(m.SupportType[k]);
        KXF(m.SupportStiffness[k]);
    }
    KXF(m.LoadRowsShown);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        KXF(m.TotalAppliedLoad[lc]);
    KXF(m.SteelSectionFlag);
    for (int lc = 0; lc <= kMaxLoadcases; ++lc)
        for (int r = 0; r <= kFlagsRow; ++r)
            KXF(e.LoadcaseSpanLength[lc][r]);
    for (int lc = 0; lc <= kMaxLoadcases; ++lc)
        for (int end = 0; end <= 1; ++end)
            KXF(e.CantileverLength[lc][end]);
    for (int lc = 0; lc <= kMaxLoadcases; ++lc) {
        KXF(e.LHCantileverActive[lc]);
        KXF(e.RHCantileverActive[lc]);
    }
    KXF(m.BeamLength);
    for (int r = 0; r <= kFlagsRow; ++r)
        for (int f = 0; f < TMemberRow::count; ++f)
            KXF(m.SpanData[r][f]);
    for (int r = 0; r <= kRHCantRow; ++r)
        KXF(m.EffLengthMemberLength[r]);

    // 26 to 33: loads and the stored results of the analysed loadcases.
    for (int lc = 1; lc <= NLC; ++lc)
        for (int rec = 1; rec <= kSelfWeightRecord; ++rec)
            for (int f = 0; f < TLoadRec::count; ++f)
                KXF(m.LoadTable[lc][rec][f]);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        KXF(m.CaseHasLoads[lc]);
        KXF(m.CaseAppliedLoad[lc]);
    }
    for (int lc = 1; lc <= NLC; ++lc)
        for (int s = 1; s <= NS; ++s)
            for (int p = 1; p <= NI + 1; ++p) {
                KXF(e.StoredShear[lc][s][p]);
                KXF(e.StoredMoment[lc][s][p]);
            }
    for (int lc = 1; lc <= NLC; ++lc)
        for (int s = 1; s <= NS; ++s)
            for (int p = 1; p <= kDeflectionPoints; ++p)
                KXF(e.StoredDeflection[lc][s][p]);
    for (int lc = 1; lc <= NLC; ++lc)
        for (int end = 1; end <= 2; ++end)
            for (int p = 1; p <= NI + 1; ++p) {
                KXF(e.StoredCantShear[lc][end][p]);
                KXF(e.StoredCantMoment[lc][end][p]);
            }
    for (int lc = 1; lc <= NLC; ++lc)
        for (int end = 1; end <= 2; ++end)
            for (int p = 1; p <= kCantDeflectionPoints; ++p)
                KXF(e.StoredCantDeflection[lc][end][p]);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int end = 0; end <= 1; ++end) {
            KXF(e.StoredCantEndA[lc][end]);
            KXF(e.StoredCantEndB[lc][end]);
        }
    for (int lc = 0; lc <= NLC; ++lc)
        for (int s = 1; s <= kMaxSpans; ++s) {
            KXF(e.SpanMaxMoment[lc][s]);
            KXF(e.SpanMinMoment[lc][s]);
        }

    // 34 to 48: section, check settings, effective lengths, timber, sketch data.
    KXF(m.AnalysedFlag);
    KXF(m.FlangeThickness);
    KXF(m.SectionSpare);
    KXF(m.WebThickness);
    for (int k = 0; k < 5; ++k)
        KXF(m.CapCheckSettings[k]);
    // The steel calculator's last values, carried through unchanged whatever they hold.
    io.raw(a.m.DepthThicknessRatio, b.m.DepthThicknessRatio, "m.DepthThicknessRatio");
    io.raw(a.m.SlendernessRatio, b.m.SlendernessRatio, "m.SlendernessRatio");
    io.raw(a.m.Pbc, b.m.Pbc, "m.Pbc");
    for (int k = 0; k < TCantOpt::count; ++k)
        KXF(m.CantLHOpts[k]);
    for (int k = 0; k < TCantOpt::count; ++k)
        KXF(m.CantRHOpts[k]);
    for (int k = 0; k <= kMaxSpans; ++k) { // the file's order, not the declaration order
        KXF(m.SpanOptPos[k]);
        KXF(m.SpanOptDead[k]);
        KXF(m.SpanOptFull[k]);
        KXF(m.SpanOptPartial[k]);
        KXF(m.SpanOptNot[k]);
        KXF(m.SpanOpt12[k]);
        KXF(m.SpanOptRestrained[k]);
        KXF(m.SpanOptInt[k]);
        KXF(m.SpanOptEdit[k]);
    }
    for (int r = 0; r <= kRHCantRow; ++r)
        for (int f = 0; f < TEffLengthRec::count; ++f)
            KXF(m.EffLength[r][f]);
    for (int r = 0; r <= kRHCantRow; ++r)
        for (int k = 1; k <= 10; ++k)
            KXF(m.RestraintPos[r][k]);
    for (int r = 0; r <= kRHCantRow; ++r)
        KXF(m.EffLengthText[r]);
    KXF(m.AnySpanIntervals);
    KXF(m.TimberGradeSaved);
    for (int i = 1; i <= 41; ++i)
        KXF(m.SectionTextLines[i]);
    for (int i = 1; i <= 50; ++i) // line 0, the count, is not stored
        KXF(m.TimberResultLinesSaved[i]);
    KXF(m.TimberSharingSaved);
    KXF(m.TimberMoistureSaved);
    for (int k = 0; k <= 2; ++k)
        KXF(m.TimberGradeValuesSaved[k]);
    KXF(m.TimberDurationSaved);
    KXF(m.TimberWidthSaved);
    KXF(m.TimberDepthSaved);
    KXF(m.TimberPermMomentSaved);
    KXF(m.TimberPermShearSaved);
    for (int lc = 1; lc <= NLC; ++lc)
        for (int rec = 1; rec <= 50; ++rec)
            for (int f = 0; f < TUDLStackRec::count; ++f)
                KXF(m.UDLStackTable[lc][rec][f]);
    KXF(m.ShownCaseMode);
    for (int i = 0; i <= 50; ++i)
        KXF(m.SectionPropLines[i]);
    for (int r = 0; r <= kRHCantRow; ++r)
        KXF(d.DrawnMemberLength[r]);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        KXF(t.CaseMaxStressLines[lc]);
    KXF(t.MaxStressLine);

    // 49 to 52: the lines that the counts of field 10 name.
    for (int lc = 1; lc <= NLC; ++lc)
        for (int i = 1; i <= n.support[lc]; ++i)
            KXF(t.CaseSupportLines[lc][i]);
    for (int c = 0; c <= NLC; ++c)
        for (int i = 1; i <= n.kx[c]; ++i)
            KXF(t.KxCheckLines[c][i]);
    for (int c = 0; c <= NLC; ++c)
        for (int i = 1; i <= n.steel[c]; ++i)
            KXF(t.SteelCheckLines[c][i]);
    for (int c = 0; c <= NLC; ++c)
        for (int i = 1; i <= n.timber[c]; ++i)
            KXF(t.TimberCheckLines[c][i]);

    // 53 to 56: summary, loads listing, maxima, the last two settings and the trailer.
    for (int i = 0; i <= 100; ++i) {
        KXF(t.SummaryLines[i]);
        KXF(t.LoadListLines[i]);
        KXF(t.PointLoadListLines[i]);
    }
    for (int i = 0; i <= 50; ++i)
        KXF(t.MaximaLines[i]);
    KXF(m.LiftHeight);
    KXF(m.FactoredLoadsFlag);
    io.trailer(a.m.FileTag);
#undef KXF
}

int boundOrThrow(int v, int lo, int hi) {
    if (v < lo || v > hi) throw RangeError();
    return v;
}

// Builds the file image from a.
class KxfWriter {
public:
    void operator()(std::int32_t x, std::int32_t&, const char*) { w_.int32(x); }
    void operator()(float x, float&, const char*) { w_.single(x); }
    void operator()(double x, double&, const char*) { w_.dbl(x); }
    template <int N> void operator()(const ShortString<N>& s, ShortString<N>&, const char*) { w_.str(s); }
    void raw(float x, float&, const char*) { w_.single(x); }
    int bound(int v, int lo, int hi, const char*) { return boundOrThrow(v, lo, hi); }
    template <int Hi> int count(const TextTable<Hi>& table, const char*) {
        return boundOrThrow(LineCount(table), 0, Hi);
    }
    void trailer(const Str25& tag) {
        for (int i = 0; i < kKxfTrailerCopies; ++i)
            w_.str(tag);
    }
    std::vector<std::uint8_t> image() const { return w_.data(); }

private:
    BinaryWriter w_;
};

// Reads the image into a, refusing a field that is damaged before any of it is used.
class KxfReader {
public:
    explicit KxfReader(const std::vector<std::uint8_t>& image) : r_(image) {}

    void operator()(std::int32_t& x, std::int32_t&, const char* name) {
        at(name);
        x = r_.int32();
    }
    void operator()(float& x, float& twin, const char* name) {
        raw(x, twin, name);
        if (!std::isfinite(x)) fail(std::string(name) + " is not a finite number");
    }
    void operator()(double& x, double&, const char* name) {
        at(name);
        x = r_.dbl();
        if (!std::isfinite(x)) fail(std::string(name) + " is not a finite number");
    }
    template <int N> void operator()(ShortString<N>& s, ShortString<N>&, const char* name) {
        at(name);
        std::uint8_t buf[N + 1];
        r_.bytes(buf, sizeof buf);
        if (buf[0] > N) fail(std::string(name) + " holds a text longer than its field");
        s.fromBytes(buf);
    }
    void raw(float& x, float&, const char* name) {
        at(name);
        x = r_.single();
    }
    int bound(int v, int lo, int hi, const char* name) {
        if (v < lo || v > hi)
            fail(std::string(name) + " = " + std::to_string(v) + " is outside " + std::to_string(lo) + ".." +
                 std::to_string(hi));
        return v;
    }
    template <int Hi> int count(const TextTable<Hi>& table, const char* name) {
        int n = 0;
        try {
            n = LineCount(table);
        } catch (const ConvertError&) {
            fail(std::string("the count line of ") + name + " is not a number");
        }
        return bound(n, 0, Hi, name);
    }
    // Never read: the job ends before it, so a file cut short of it still opens whole.
    void trailer(const Str25&) {}

    // Where the field being read starts, and its name, for the message of a short file.
    std::size_t position() const { return start_; }
    const char* field() const { return field_; }
    [[noreturn]] void fail(const std::string& what) const {
        throw KxfFileError(what + " (byte " + std::to_string(start_) + ")");
    }

private:
    void at(const char* name) {
        field_ = name;
        start_ = r_.position();
    }

    BinaryReader r_;
    const char* field_ = "";
    std::size_t start_ = 0;
};

// Adds up the bytes of the largest file: every count at its limit.
class KxfSizer {
public:
    template <class T> void operator()(const T&, const T&, const char*) {
        if constexpr (std::is_arithmetic_v<T>)
            size_ += sizeof(T);
        else
            size_ += T::capacity + 1;
    }
    void raw(float, float, const char*) { size_ += sizeof(float); }
    int bound(int, int, int hi, const char*) { return hi; }
    template <int Hi> int count(const TextTable<Hi>&, const char*) { return Hi; }
    void trailer(const Str25&) { size_ += kKxfTrailerCopies * (Str25::capacity + 1); }
    std::size_t size() const { return size_; }

private:
    std::size_t size_ = 0;
};

// Takes every field of a (a checked scratch copy) into b.
class KxfCommitter {
public:
    template <class T> void operator()(const T& x, T& to, const char*) { to = x; }
    void raw(float x, float& to, const char*) { to = x; }
    int bound(int v, int, int, const char*) { return v; }
    template <int Hi> int count(const TextTable<Hi>& table, const char*) { return LineCount(table); }
    void trailer(const Str25&) {}
};

// A copy of the program's variables that a read fills before anything is checked or taken.
struct KxfScratch {
    SharedModel m;
    EngineState e;
    ResultTextTables t;
    DrawingState d;
    KxfVars vars() { return {m, e, t, d}; }
};

// ReleasedSupport of every loadcase with results (the others have none); the first loadcase
// whose geometry does not fit the committed beam, or 0.
int DeriveAllReleasedSupports(const SharedModel& m, EngineState& e) {
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        e.ReleasedSupport[lc].fill(0);
        if (lc <= m.LoadcaseCount && m.CaseHasLoads[lc] == 1 && !DeriveReleasedSupports(m, e, lc)) return lc;
    }
    return 0;
}

bool isFlag01(int v) { return v == 0 || v == 1; }
bool isSign(int v) { return v >= -1 && v <= 1; }

// The (intervals, step) pairs that the analysis stores.
bool isResolution(int intervals, int step) {
    static const int pairs[][2] = {{20, 1}, {40, 2}, {80, 4}, {100, 5}, {200, 10}};
    for (const auto& p : pairs)
        if (intervals == p[0] && step == p[1]) return true;
    return false;
}

// Checks of the values that the rebuild and the windows use as indexes, bounds, switches or
// divisors, made on the scratch copy after the whole file has been read.
class KxfContentCheck {
public:
    KxfContentCheck(const SharedModel& m, EngineState& e, const ResultTextTables& t) : m_(m), e_(e), t_(t) {}

    void run() {
        const int NS = m_.SpanCount[0];
        const int NLC = m_.LoadcaseCount;
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            in(m_.SpanCount[lc], 0, NS, "SpanCount");
        in(m_.CurrentLoadcase, 1, kMaxLoadcases, "CurrentLoadcase");
        in(m_.LoadRowsShown, 0, 50, "LoadRowsShown");
        in(m_.SteelSectionFlag, -1, 1, "SteelSectionFlag");
        for (int k = 0; k <= 25; ++k)
            in(m_.SupportType[k], supNone, supCouplerMid, "SupportType");
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            need(isFlag01(m_.CaseHasLoads[lc]), "CaseHasLoads is not 0 or 1");
        // Open counts the failures afresh, so the stored count need only be sane: an analysis
        // gives 0 to -6 (two kinds of check in each of three member checks), and the bound is
        // generous so that a file whose count grew with each Open and Save still opens.
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            in(e_.CaseCheckFailures[lc], kKxfLowestCheckFailures, 0, "CaseCheckFailures");
        for (int lc = 0; lc <= kMaxLoadcases; ++lc)
            need(isFlag01(e_.LHCantileverActive[lc]) && isFlag01(e_.RHCantileverActive[lc]),
                 "a cantilever flag is not 0 or 1");
        need(isFlag01(m_.AnalysedFlag), "AnalysedFlag is not 0 or 1");
        need(isFlag01(m_.AnySpanIntervals), "AnySpanIntervals is not 0 or 1");
        need(isSign(m_.ShownCaseMode), "ShownCaseMode is not -1, 0 or 1");
        need(isSign(m_.FactoredLoadsFlag), "FactoredLoadsFlag is not -1, 0 or 1");
        for (const SpanFlags* f :
             {&m_.SpanOptPos, &m_.SpanOptDead, &m_.SpanOptFull, &m_.SpanOptPartial, &m_.SpanOptNot,
              &m_.SpanOpt12, &m_.SpanOptRestrained, &m_.SpanOptInt, &m_.SpanOptEdit})
            for (int v : *f)
                need(isFlag01(v), "a span restraint option is not 0 or 1");
        for (const TCantOpt* o : {&m_.CantLHOpts, &m_.CantRHOpts})
            for (int v : *o)
                need(isFlag01(v), "a cantilever restraint option is not 0 or 1");
        for (float f : {m_.UnitFactorLength, m_.UnitFactorForce, m_.UnitFactorUDL, m_.UnitFactorSectE,
                        m_.UnitFactorSectI, m_.UnitFactorShear, m_.UnitFactorMoment, m_.UnitFactorDeflection,
                        m_.UnitFactorStress})
            need(f > 0, "a unit factor is not above 0");
        need(m_.BeamLength >= 0, "BeamLength is below 0");
        for (int r = 0; r <= kRHCantRow; ++r) {
            need(m_.SpanData[r][mfExists] == 0.0f || m_.SpanData[r][mfExists] == 1.0f,
                 "a member's Exists field is not 0 or 1");
            need(m_.SpanData[r][mfL] >= 0, "a member length is below 0");
        }
        // The listings and the analysis take a load's kind and applied mark as whole numbers.
        for (int lc = 1; lc <= NLC; ++lc)
            for (int rec = 1; rec <= kSelfWeightRecord; ++rec) {
                const float kind = m_.LoadTable[lc][rec][lfKind], applied = m_.LoadTable[lc][rec][lfApplied];
                need(kind == 0.0f || kind == 1.0f || kind == -1.0f, "a load's kind is not 1, -1 or 0");
                need(applied >= -1.0f && applied <= 1.0f, "a load's applied mark is not within -1..1");
            }
        for (int r = 0; r <= kRHCantRow; ++r) {
            const float n = m_.EffLength[r][kIntervalCountField];
            need(n >= 0 && n <= 10 && n == std::floor(n), "a restraint interval count is not 0..10");
            for (int k = 1; k <= 10; ++k)
                in(m_.RestraintPos[r][k], 0, 200, "RestraintPos");
        }
        checkTextCounts();

        bool anyLoaded = false;
        for (int lc = 1; lc <= NLC; ++lc)
            anyLoaded = anyLoaded || m_.CaseHasLoads[lc] == 1;
        need(isResolution(m_.StoredSpanIntervals, e_.ResultIntervalStep) ||
                 (!anyLoaded && m_.StoredSpanIntervals == 0 && e_.ResultIntervalStep == 0),
             "the stored resolution is not one the analysis uses");
        if (anyLoaded) checkAnalysedBeam();
        const int misfit = DeriveAllReleasedSupports(m_, e_);
        need(misfit == 0, "the geometry of loadcase " + std::to_string(misfit) + " does not fit the beam");
    }

private:
    void need(bool ok, const std::string& what) const {
        if (!ok) throw KxfFileError(what);
    }
    void in(int v, int lo, int hi, const char* name) const {
        need(v >= lo && v <= hi, std::string(name) + " = " + std::to_string(v) + " is outside " +
                                     std::to_string(lo) + ".." + std::to_string(hi));
    }
    template <CountedTable Table> void countOf(const Table& table, const char* name) const {
        int n = -1;
        try {
            n = LineCount(table);
        } catch (const ConvertError&) {
        }
        in(n, 0, Table::high, name);
    }
    // Counts of the tables stored whole, which their readers use as bounds.
    void checkTextCounts() const {
        const ResultTextTables& t = t_;
        countOf(t.SummaryLines, "SummaryLines");
        countOf(t.MaximaLines, "MaximaLines");
        countOf(t.LoadListLines, "LoadListLines");
        countOf(t.PointLoadListLines, "PointLoadListLines");
        countOf(m_.SectionPropLines, "SectionPropLines");
    }
    // A beam with results must be one the analysis can have solved.
    void checkAnalysedBeam() const {
        need(m_.BeamLength > 0, "a beam with results has no length");
        for (int s = 1; s <= m_.SpanCount[0]; ++s)
            need(m_.SpanData[s][mfL] > 0, "a span of the beam has no length");
        need(m_.SpanData[1][mfE] > 0 && m_.SpanData[1][mfIxx] > 0, "the section has no stiffness");
        for (int lc = 1; lc <= m_.LoadcaseCount; ++lc) {
            if (m_.CaseHasLoads[lc] != 1) continue;
            // A loadcase without spans is one the analysis found unstable.
            for (int s = 1; s <= m_.SpanCount[lc]; ++s)
                need(e_.LoadcaseSpanLength[lc][s] > 0, "a span of a loadcase has no length");
            need(e_.CantileverLength[lc][0] >= 0 && e_.CantileverLength[lc][1] >= 0,
                 "a cantilever length is below 0");
        }
    }

    const SharedModel& m_;
    EngineState& e_;
    const ResultTextTables& t_;
};

} // namespace

KxfVars ProgramKxfVars() { return {Model, Eng, Txt, Drawing}; }

std::vector<std::uint8_t> WriteKxfFile(const KxfVars& v) {
    KxfWriter w;
    WalkKxfFields(w, v, v);
    return w.image();
}

std::vector<std::uint8_t> WriteKxfFile() { return WriteKxfFile(ProgramKxfVars()); }

namespace {

// Reads the image into a scratch copy and checks it whole; the copy, or KxfFileError.
std::unique_ptr<KxfScratch> ReadAndCheck(const std::vector<std::uint8_t>& image) {
    // Every read starts from a blank copy of its own, so nothing an earlier file left can be judged
    // or taken.
    auto scratch = std::make_unique<KxfScratch>();
    const KxfVars s = scratch->vars();
    KxfReader reader(image);
    try {
        WalkKxfFields(reader, s, s);
    } catch (const IoError&) {
        throw KxfFileError(std::string("the file ends inside ") + reader.field() + " (byte " +
                           std::to_string(reader.position()) + ")");
    }
    KxfContentCheck(scratch->m, scratch->e, scratch->t).run();
    return scratch;
}

} // namespace

void ReadKxfFile(const std::vector<std::uint8_t>& image, const KxfVars& v,
                 const std::function<void()>& beforeTaking) {
    const std::unique_ptr<KxfScratch> scratch = ReadAndCheck(image);
    if (beforeTaking) beforeTaking();
    KxfCommitter commit;
    WalkKxfFields(commit, scratch->vars(), v);
    v.e.NumSpanIntervals = v.m.StoredSpanIntervals;
    DeriveAllReleasedSupports(v.m, v.e); // not in the file; fits, as the check has shown
}

void ReadKxfFile(const std::vector<std::uint8_t>& image) { ReadKxfFile(image, ProgramKxfVars()); }

void CheckKxfImage(const std::vector<std::uint8_t>& image) {
    if (!IsReadableBeamFileVersion(image)) throw KxfFileError("version " + BeamFileVersionText(image));
    if (image.size() > KxfLargestFileSize())
        throw KxfFileError("the file is longer than " + std::to_string(KxfLargestFileSize()) + " bytes");
    ReadAndCheck(image);
}

std::size_t KxfLargestFileSize() {
    static const std::size_t largest = [] {
        const auto blank = std::make_unique<KxfScratch>();
        KxfSizer sizer;
        WalkKxfFields(sizer, blank->vars(), blank->vars());
        return sizer.size();
    }();
    return largest;
}

long long VersionMajor(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        v = std::min(v * 10 + (text[i] - '0'), 1000000000LL); // held, so no text overflows it
    return negative ? -v : v;
}

std::string BeamFileVersionText(const std::vector<std::uint8_t>& image) {
    if (image.size() < kKxfVersionFieldSize || image[0] > 25) return "";
    Str25 version;
    version.fromBytes(image.data());
    return version.str();
}

bool IsReadableBeamFileVersion(const std::vector<std::uint8_t>& image) {
    if (image.size() < kKxfVersionFieldSize || image[0] > 25) return false;
    return VersionMajor(BeamFileVersionText(image)) == 1;
}

bool DeriveReleasedSupports(const SharedModel& m, EngineState& e, int lc) {
    const int N = m.SpanCount[0];
    const int n = m.SpanCount[lc];
    if (N < 1 || N > kMaxSpans || n < 0 || n > N) return false;

    // Committed support positions from the LH end of the beam, and the loadcase's own.
    const auto P = SupportPositions(m.SpanData, m.SpanData[kLHCantRow][mfL], N);
    const double total = P[N] + m.SpanData[kRHCantRow][mfL];
    const double lh = e.LHCantileverActive[lc] == 1 ? e.CantileverLength[lc][0] : 0.0;
    const auto Q = SupportPositions(lh, n, [&e, lc](int j) { return e.LoadcaseSpanLength[lc][j]; });
    const double rh = e.RHCantileverActive[lc] == 1 ? e.CantileverLength[lc][1] : 0.0;

    // Merged spans are sums of the committed ones, so the two agree to rounding.
    const double tol = 1e-6 * std::max(1.0, total);
    auto same = [tol](double x, double y) { return std::fabs(x - y) <= tol; };
    if (!same(Q[n] + rh, total)) return false;

    // Slot j of the loadcase's supports, slot k of the committed ones; support number k + 1.
    int j = 0;
    for (int k = 0; k <= N; ++k) {
        if (j <= n && same(Q[j], P[k])) {
            e.ReleasedSupport[lc][k + 1] = 0;
            ++j;
        } else {
            // Only forkheads are released; the RH end stands at its own slot.
            const int slot = k == N ? kRHEndSupport : k;
            if (m.SupportType[slot] != supForkhead) return false;
            e.ReleasedSupport[lc][k + 1] = -1;
        }
    }
    for (int k = N + 2; k <= kMaxSupports; ++k)
        e.ReleasedSupport[lc][k] = 0;
    return j == n + 1;
}

} // namespace kx
