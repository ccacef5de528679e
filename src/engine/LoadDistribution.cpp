// Load distribution: the loads of a loadcase cut into pieces per member, and the solver's piece tables.
#include "engine/LoadDistribution.h"

#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "engine/EngineState.h"
#include "platform/Dialogs.h"
#include "platform/Single.h"

namespace kx {

namespace {

constexpr int kRecords = kSelfWeightRecord; // user loads 1..50 and the self-weight
constexpr int kNoMember = -1;

bool IsApplied(const TLoadRec& r) { return r[lfApplied] == 1.0f; }
bool IsPoint(const TLoadRec& r) { return r[lfKind] == 1.0f; }
bool IsDistributed(const TLoadRec& r) { return r[lfKind] == -1.0f; }

// The kind of a distributed piece from its rates; 0 leaves it to be split.
double Classify(double w1, double w2) {
    if (w1 == w2) return ptUniform;
    if (w1 == 0) return ptRising;
    if (w2 == 0) return ptFalling;
    return 0;
}

// A piece as it is cut from its load, in double precision until it is kept (fields as TLoadPiece).
struct PieceCut {
    double PieceType, Start, W1, W2, Cover, LF, Applied;
};

PieceCut PointPiece(const TLoadRec& r, double start) {
    return {ptPoint, start, r[lfP], 0, 0, r[lfLF], r[lfApplied]};
}

PieceCut DistributedPiece(const TLoadRec& r, double start, double w1, double w2, double cover) {
    return {Classify(w1, w2), start, w1, w2, cover, r[lfLF], r[lfApplied]};
}

// Gathers the pieces of one member in the order the solver walks them: the pieces of the load
// records in record order, then the triangles split off the linearly varying ones, also in record
// order. Empty and unapplied pieces are left out; values pass through single precision.
class MemberPieces {
public:
    explicit MemberPieces(TLoadPieceList& slots) : slots_(slots) {}

    void Add(PieceCut piece) {
        if (piece.PieceType == 0) {
            // A uniform part at the start rate and a rising triangle of the difference (may be negative).
            PieceCut triangle = piece;
            triangle.PieceType = ptRising;
            triangle.W1 = 0;
            triangle.W2 = piece.W2 - piece.W1;
            triangles_.at[triangleCount_++] = triangle;
            piece.PieceType = ptUniform;
            piece.W2 = piece.W1;
        }
        Keep(piece);
    }

    int Finish() {
        for (int t = 0; t < triangleCount_; ++t)
            Keep(triangles_.at[t]);
        return count_;
    }

private:
    void Keep(const PieceCut& p) {
        if ((p.W1 == 0 && p.W2 == 0) || p.Applied != 1.0) return;
        TLoadPiece& kept = slots_[++count_];
        kept.PieceType = static_cast<float>(p.PieceType);
        kept.Start = static_cast<float>(p.Start);
        kept.W1 = static_cast<float>(p.W1);
        kept.W2 = static_cast<float>(p.W2);
        kept.Cover = static_cast<float>(p.Cover);
        kept.LF = static_cast<float>(p.LF);
        kept.Applied = static_cast<float>(p.Applied);
    }

    TLoadPieceList& slots_;
    int count_ = 0;
    // Left unset until a triangle is split off: a member is cut from every record of the loadcase.
    union Triangles {
        Triangles() {}
        PieceCut at[kRecords];
    } triangles_;
    int triangleCount_ = 0;
};

// The LH cantilever's pieces are built in beam coordinates; the cantilever is solved from its
// support outward, so positions are mirrored and the triangles turn round.
void MirrorLHPieces(TLoadPieceList& pieces, int count, double Lc) {
    for (int i = 1; i <= count; ++i) {
        TLoadPiece& p = pieces[i];
        // Only ever read as a single.
        p.Start = static_cast<float>(Lc - p.Start - p.Cover);
        if (p.PieceType == ptPoint) continue;
        std::swap(p.W1, p.W2);
        if (p.PieceType == ptRising)
            p.PieceType = ptFalling;
        else if (p.PieceType == ptFalling)
            p.PieceType = ptRising;
    }
}

// Point loads: each goes to the supports it stands on (within tol, in single precision, both
// bounds included) or else to the one member under it, never to both.
void ClassifyPointLoads(int lc, Arr<int, 1, kRecords>& member) {
    const auto& loads = Model.LoadTable[lc];
    const int n = Model.SpanCount[lc];
    const bool lh = Eng.LHCantileverActive[lc] == 1, rh = Eng.RHCantileverActive[lc] == 1;
    constexpr double kOnSupportTolerance = 0.0001; // share of the beam length
    const float tol = static_cast<float>(kOnSupportTolerance * static_cast<float>(Model.BeamLength));
    const double firstSupport = lh ? Eng.CantileverLength[lc][0] : 0.0;

    const auto pos = SupportPositions(static_cast<float>(firstSupport), n,
                                      [lc](int s) { return Eng.LoadcaseSpanLength[lc][s]; });

    for (int r = 1; r <= kRecords; ++r) {
        member[r] = kNoMember;
        const TLoadRec& rec = loads[r];
        if (!IsPoint(rec) || !IsApplied(rec)) continue;
        const float a = rec[lfDist];
        bool onSupport = false;
        for (int k = 1; k <= kMaxSupports; ++k) {
            if (pos[k - 1] - tol <= a && a <= pos[k - 1] + tol) {
                // A sum beyond the range of a single is held as infinite.
                Eng.SupportPointLoad[lc][k] =
                    ToSingle(Eng.SupportPointLoad[lc][k] + static_cast<double>(rec[lfP]) * rec[lfLF]);
                Eng.UnfactoredSupportPointLoad[lc][k] =
                    ToSingle(Eng.UnfactoredSupportPointLoad[lc][k] + static_cast<double>(rec[lfP]));
                onSupport = true;
            }
        }
        if (onSupport) continue;

        double xl = firstSupport;
        if (lh && a < xl) {
            member[r] = kLHCantRow;
            continue;
        }
        for (int s = 1; s <= n; ++s) {
            const double xr = xl + Eng.LoadcaseSpanLength[lc][s];
            if (a >= xl && a < xr) {
                member[r] = s;
                break;
            }
            xl = xr;
        }
        if (member[r] == kNoMember && rh && a > xl && a <= xl + Eng.CantileverLength[lc][1])
            member[r] = kRHCantRow;
    }
}

void DistributeLH(int lc, const Arr<int, 1, kRecords>& pointMember) {
    Eng.CantPieceCount[1] = 0;
    if (Eng.LHCantileverActive[lc] != 1) return;
    const double Lc = Eng.CantileverLength[lc][0];
    MemberPieces pieces(Eng.LHLoadPieces[lc]);
    for (int r = 1; r <= kRecords; ++r) {
        const TLoadRec& rec = Model.LoadTable[lc][r];
        if (!IsApplied(rec)) continue;
        const double a = rec[lfDist], c = rec[lfCover], w1 = rec[lfW1], w2 = rec[lfW2];
        if (IsPoint(rec) && pointMember[r] == kLHCantRow) {
            pieces.Add(PointPiece(rec, a));
        } else if (IsDistributed(rec)) {
            if (a + c <= Lc) {
                pieces.Add(DistributedPiece(rec, a, w1, w2, c));
            } else if (a < Lc) { // crosses the LH support
                const double l = Lc - a;
                pieces.Add(DistributedPiece(rec, a, w1, w1 + (w2 - w1) * l / c, l));
            }
        }
    }
    const int count = pieces.Finish();
    MirrorLHPieces(Eng.LHLoadPieces[lc], count, Lc);
    Eng.CantPieceCount[1] = count;
}

// Distributed loads are cut at the exact support positions.
void DistributeSpan(int lc, int s, double xl, const Arr<int, 1, kRecords>& pointMember) {
    const double L = Eng.LoadcaseSpanLength[lc][s];
    const double xr = xl + L;
    MemberPieces pieces(Eng.SpanLoadPieces[lc][s]);
    for (int r = 1; r <= kRecords; ++r) {
        const TLoadRec& rec = Model.LoadTable[lc][r];
        if (!IsApplied(rec)) continue;
        const double a = rec[lfDist], c = rec[lfCover], w1 = rec[lfW1], w2 = rec[lfW2];
        const double end = a + c;
        if (IsPoint(rec)) {
            if (pointMember[r] == s) pieces.Add(PointPiece(rec, a - xl));
        } else if (IsDistributed(rec)) {
            if (a < xl && xl < end && end <= xr) { // starts left of the span, ends inside it
                const double l = end - xl;
                pieces.Add(DistributedPiece(rec, 0, w2 - (w2 - w1) * l / c, w2, l));
            } else if (a < xl && end > xr) { // covers the whole span
                pieces.Add(DistributedPiece(rec, 0, w1 + (w2 - w1) * (xl - a) / c,
                                            w2 - (w2 - w1) * (end - xr) / c, L));
            } else if (a >= xl && end <= xr) { // inside the span
                pieces.Add(DistributedPiece(rec, a - xl, w1, w2, c));
            } else if (xl <= a && a < xr && end > xr) { // starts inside, ends right of the span
                const double l = xr - a;
                pieces.Add(DistributedPiece(rec, L - l, w1, w1 + (w2 - w1) * l / c, l));
            }
        }
    }
    Eng.SpanPieceCount[s] = pieces.Finish();
}

void DistributeRH(int lc, double xl, const Arr<int, 1, kRecords>& pointMember) {
    Eng.CantPieceCount[2] = 0;
    if (Eng.RHCantileverActive[lc] != 1) return;
    const double xr = xl + Eng.CantileverLength[lc][1];
    MemberPieces pieces(Eng.RHLoadPieces[lc]);
    for (int r = 1; r <= kRecords; ++r) {
        const TLoadRec& rec = Model.LoadTable[lc][r];
        if (!IsApplied(rec)) continue;
        const double a = rec[lfDist], c = rec[lfCover], w1 = rec[lfW1], w2 = rec[lfW2];
        if (IsPoint(rec)) {
            if (pointMember[r] == kRHCantRow) pieces.Add(PointPiece(rec, a - xl));
        } else if (IsDistributed(rec)) {
            if (a <= xl && xl < a + c) { // crosses the RH support or starts on it
                const double l = a + c - xl;
                pieces.Add(DistributedPiece(rec, 0, w2 - (w2 - w1) * l / c, w2, l));
            } else if (a > xl && a + c <= xr) {
                pieces.Add(DistributedPiece(rec, a - xl, w1, w2, c));
            }
        }
    }
    Eng.CantPieceCount[2] = pieces.Finish();
}

void CalcTotalAppliedLoad() {
    for (int k = 1; k <= kMaxLoadcases; ++k)
        Model.TotalAppliedLoad[k] = ToSingle(AppliedLoad(k, kRecords));
}

// Every span's piece tables, all of their slots, set to 0.
void ZeroSpanPieceTables() {
    static_assert(decltype(Eng.SpanPieceLoad)::count == kMaxSpans);
    ZeroFill(Eng.SpanPieceLoad);
    ZeroFill(Eng.SpanPieceType);
    ZeroFill(Eng.SpanPieceStart);
    ZeroFill(Eng.SpanPieceCover);
}

} // namespace

void ResetLoadcaseWork() {
    const int lc = Eng.CurrentCase;
    Eng.SpanMaxMoment[lc].fill(0);
    Eng.SpanMinMoment[lc].fill(0);
    // Points 1..kResultPoints of every row: the analysis' finest resolution.
    for (int row = 0; row <= kMaxSpans; ++row) {
        std::memset(static_cast<void*>(Eng.ShearForce[row].begin()), 0, kResultPoints * sizeof(double));
        std::memset(static_cast<void*>(Eng.BendingMoment[row].begin()), 0, kResultPoints * sizeof(double));
    }
    Eng.SpanStiffness.fill(0);
    Eng.EndMomentLeft.fill(0);
    Eng.EndMomentRight.fill(0);
    Eng.StiffnessDiagonal.fill(0);
    Eng.StiffnessOffDiagonal.fill(0);
    Eng.LoadVector.fill(0);
    Eng.SupportRotation.fill(0);
    Eng.FixedEndMomentLeft.fill(0);
    Eng.FixedEndMomentRight.fill(0);
    ZeroFill(Eng.SpanMaxDeflection);
    Eng.SupportReaction[lc].fill(0);
    ZeroSpanPieceTables();
    ZeroFill(Eng.CantBendingDeflection);
    Eng.CantDeflectionPoints.fill(0);
    Eng.CantDeflectionStore.fill(0);
    ZeroFill(Eng.CantileverShear);
    ZeroFill(Eng.CantileverMoment);
}

void DistributeLoads() {
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[lc];
    ZeroFill(Eng.SupportPointLoad);
    ZeroFill(Eng.UnfactoredSupportPointLoad);

    Arr<int, 1, kRecords> pointMember;
    ClassifyPointLoads(lc, pointMember);

    DistributeLH(lc, pointMember);
    Eng.SpanPieceCount.fill(0);
    double xl = Eng.LHCantileverActive[lc] == 1 ? Eng.CantileverLength[lc][0] : 0.0;
    for (int s = 1; s <= n; ++s) {
        DistributeSpan(lc, s, xl, pointMember);
        xl += Eng.LoadcaseSpanLength[lc][s];
    }
    DistributeRH(lc, xl, pointMember);

    CalcTotalAppliedLoad();
}

void FillSpanLoadTables() {
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[lc];
    ZeroSpanPieceTables();

    auto totalLoad = [](const TLoadPiece& p) {
        const double f = Eng.ApplyLoadFactors != 0 ? p.LF : 1.0;
        return p.PieceType == ptPoint ? p.W1 * f : (static_cast<double>(p.W1) + p.W2) / 2 * p.Cover * f;
    };
    auto fillCantilever = [&](int e, const TLoadPieceList& pieces) {
        for (int q = 1; q <= Eng.CantPieceCount[e]; ++q) {
            const TLoadPiece& p = pieces[q];
            if (p.Applied != 1.0) continue;
            Eng.CantPieceLoad[e][q] = totalLoad(p);
            Eng.CantPieceType[e][q] = p.PieceType;
            Eng.CantPieceStart[e][q] = static_cast<float>(p.Start);
            Eng.CantPieceCover[e][q] = static_cast<float>(p.Cover);
        }
    };

    if (Eng.LHCantileverActive[lc] == 1) fillCantilever(1, Eng.LHLoadPieces[lc]);
    int pieceTotal = Eng.CantPieceCount[1] + Eng.CantPieceCount[2];
    for (int s = 1; s <= n; ++s) {
        pieceTotal += Eng.SpanPieceCount[s];
        for (int q = 1; q <= Eng.SpanPieceCount[s]; ++q) {
            const TLoadPiece& p = Eng.SpanLoadPieces[lc][s][q];
            if (p.Applied != 1.0) continue;
            Eng.SpanPieceLoad[s][q] = ToSingle(totalLoad(p));
            Eng.SpanPieceType[s][q] = static_cast<float>(p.PieceType);
            Eng.SpanPieceStart[s][q] = static_cast<float>(p.Start);
            Eng.SpanPieceCover[s][q] = static_cast<float>(p.Cover);
        }
    }
    if (Eng.RHCantileverActive[lc] == 1) fillCantilever(2, Eng.RHLoadPieces[lc]);

    if (pieceTotal == 0) {
        if (Eng.NoLoadsReported[lc] != 1)
            dlg().Message("Loadcase " + std::to_string(lc) + "\rNo loads on beam");
        Eng.NoLoadsReported[lc] = 1;
    }
}

double AppliedLoad(int lc, int lastRecord, LoadSum sum) {
    double total = 0;
    for (int r = 1; r <= lastRecord; ++r) {
        const TLoadRec& rec = Model.LoadTable[lc][r];
        if (!IsApplied(rec) || !(IsPoint(rec) || IsDistributed(rec))) continue;
        const auto v = [&](int f) {
            const double x = rec[f];
            return sum == LoadSum::Sizes ? std::fabs(x) : x;
        };
        if (IsPoint(rec))
            total += v(lfP) * v(lfLF);
        else
            total += (v(lfW1) + v(lfW2)) * v(lfCover) / 2 * v(lfLF);
    }
    return total;
}

double AppliedLoadMagnitude(int lc) { return AppliedLoad(lc, kRecords, LoadSum::Sizes); }

} // namespace kx
