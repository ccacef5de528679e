// Support symbols, point-load arrows, self-weight strips, load outlines, applied loads and load
// profiles shared by every beam picture.
#include "window/DrawingVocabulary.h"

#include <algorithm>

#include "foundation/Func_FloatToInt.h"

namespace kx {

void SetPen(Canvas& c, Color colour, int width) {
    c.SetPenColor(colour);
    c.SetPenWidth(width);
}

void DrawLine(Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void DrawPolyline(Canvas& c, std::initializer_list<PixelPoint> points) {
    bool first = true;
    for (const PixelPoint& p : points) {
        if (first)
            c.MoveTo(p.x, p.y);
        else
            c.LineTo(p.x, p.y);
        first = false;
    }
}

int SymbolPlace::X(double dx) const { return x + FloatToInt(dx * pxPerUnitX); }

int SymbolPlace::Y(double dy) const { return FloatToInt((beamY + dy) * pxPerUnitY); }

namespace {

// A drawing in colour sets the pen's colour too; the printed page draws in the canvas's colour.
void pen(Canvas& c, bool coloured, Color colour, int width) {
    if (coloured)
        SetPen(c, colour, width);
    else
        c.SetPenWidth(width);
}

void stroke(Canvas& c, const SymbolPlace& at, double ax, double ay, double bx, double by) {
    DrawLine(c, at.X(ax), at.Y(ay), at.X(bx), at.Y(by));
}

} // namespace

void DrawSupportSymbol(Canvas& c, const SupportStyle& s, TSupportCode code, SupportEnd end,
                       const SymbolPlace& at) {
    switch (code) {
    case supFixed:
        pen(c, s.coloured, colors::White, s.trianglePen);
        c.MoveTo(at.X(0), at.Y(s.triangleTop));
        c.LineTo(at.X(-s.triangleHalf), at.Y(s.triangleBase));
        if (s.triangleCornerTwice) c.LineTo(at.X(-s.triangleHalf), at.Y(s.triangleBase));
        c.LineTo(at.X(s.triangleHalf), at.Y(s.triangleBase));
        c.LineTo(at.X(0), at.Y(s.triangleTop));
        break;
    case supFixedEnd: {
        if (end == SupportEnd::Interior) break; // a wall only ends the beam
        pen(c, s.coloured, colors::White, s.wallPen);
        stroke(c, at, 0, -s.wallHalf, 0, s.wallHalf);
        c.SetPenWidth(s.hatchPen);
        // Hatches away from the beam: down to the left at the LH end, up to the right at the RH end.
        const bool left = end == SupportEnd::Left;
        const double run = left ? -s.hatchRun : s.hatchRun;
        const int outer = at.hatchEndX ? *at.hatchEndX : at.X(run);
        const int hatches = FloatToInt(2 * s.wallHalf / s.hatchRun);
        for (int j = 0; j < hatches; ++j) {
            const double k = -s.wallHalf + j * s.hatchRun;
            c.MoveTo(at.X(0), at.Y(left ? k : k + s.hatchRun));
            c.LineTo(outer, at.Y(left ? k + s.hatchRun : k));
        }
        break;
    }
    case supForkhead: {
        const double g = s.forkGapAlongBeam && end != SupportEnd::Left ? -s.forkHalf : s.forkHalf;
        pen(c, s.coloured, colors::Red, s.forkPen);
        stroke(c, at, g, s.forkTop, g, s.gapTop);
        c.MoveTo(at.X(g), at.Y(s.gapBottom));
        c.LineTo(at.X(g), at.Y(s.cupBottom));
        c.LineTo(at.X(-g), at.Y(s.cupBottom));
        c.LineTo(at.X(-g), at.Y(s.forkTop));
        stroke(c, at, -s.legHalf, s.cupBottom, -s.legHalf, s.legBottom);
        stroke(c, at, s.legHalf, s.cupBottom, s.legHalf, s.legBottom);
        break;
    }
    case supCouplerTop:
    case supCouplerMid:
        pen(c, s.coloured, colors::White, s.standardPen);
        stroke(c, at, 0, s.standardBottom, 0, code == supCouplerTop ? s.topCouplerTop : s.midCouplerTop);
        c.SetPenWidth(s.crossPen);
        stroke(c, at, -s.crossHalf, s.crossHalf, s.crossHalf, -s.crossHalf);
        stroke(c, at, s.crossHalf, s.crossHalf, -s.crossHalf, -s.crossHalf);
        break;
    default: break;
    }
}

void DrawPointLoadArrow(Canvas& c, const ArrowStyle& s, float P, const SymbolPlace& at) {
    const bool down = P >= 0;
    const double tip = down ? s.tipDown : s.tipUp, barb = down ? s.barbDown : s.barbUp,
                 tail = down ? s.tailDown : s.tailUp;
    stroke(c, at, 0, tip, -s.barbHalf, barb);
    stroke(c, at, 0, tip, s.barbHalf, barb);
    stroke(c, at, 0, tip, 0, tail);
}

void DrawSelfWeightStrip(Canvas& c, const StripStyle& s, int left, int right, const SymbolPlace& at,
                         const std::function<int(int)>& tooth) {
    pen(c, s.coloured, colors::Fuchsia, s.pen);
    const int foot = at.Y(0), top = at.Y(-s.height);
    for (int k = 1; k <= 99; ++k) {
        const int x = tooth(k);
        DrawLine(c, x, foot - s.toothLift, x, top);
    }
    c.MoveTo(left, foot);
    c.LineTo(left, top);
    c.LineTo(right, top);
    c.LineTo(right, foot);
}

void DrawLoadOutline(Canvas& c, const OutlineStyle& s, const OutlinePlace& at) {
    pen(c, s.coloured, colors::Red, s.pen);
    const auto& markerX = at.markerX ? at.markerX : at.x;
    auto marker = [&](int station, int height) {
        DrawLine(c, markerX(station), at.foot - s.markerLift, markerX(station), height);
    };
    auto marked = [&](int station) {
        return s.markerEvery > 0 && station > 0 && station % s.markerEvery == 0 &&
               station <= kProfileStations;
    };
    if (s.steps == OutlineSteps::EveryStation) {
        int xBefore = at.x(0), yBefore = at.y(0);
        for (int i = 1; i <= kProfileStations + 1; ++i) {
            const int x = at.x(i), y = at.y(i);
            if (marked(i - 1)) marker(i - 1, y);
            c.MoveTo(xBefore, yBefore);
            c.LineTo(xBefore, y);
            c.LineTo(x, y);
            xBefore = x;
            yBefore = y;
        }
        return;
    }
    for (int i = 1; i <= kProfileStations; ++i)
        if (marked(i)) marker(i, at.y(i));
    c.MoveTo(at.x(0), at.foot);
    int level = at.foot;
    for (int i = 1; i <= kProfileStations; ++i) {
        const int y = at.y(i);
        if (y == level) continue;
        c.LineTo(at.x(i - 1), level);
        c.LineTo(at.x(i - 1), y);
        level = y;
    }
    c.LineTo(at.x(kProfileStations), level);
    c.LineTo(at.x(kProfileStations), at.foot);
}

namespace {

void gather(const TLoadRec& r, float applied, AppliedLoads& into) {
    if (applied != 1.0f) return;
    if (r[lfKind] == -1.0f)
        into.pieces.push_back({r[lfDist], static_cast<double>(r[lfW1]) * r[lfLF],
                               static_cast<double>(r[lfW2]) * r[lfLF], r[lfCover]});
    else if (r[lfKind] == 1.0f)
        into.points.push_back({r[lfDist], r[lfP], r[lfLF]});
}

} // namespace

void GatherAppliedLoads(const Arr<TLoadRec, 1, 51>& records, AppliedLoads& into) {
    for (int n = 1; n < kSelfWeightRecord; ++n)
        gather(records[n], records[n][lfApplied], into);
}

void GatherAppliedLoads(const Arr<TLoadRec, 1, 51>& records, const Arr<float, 1, 51>& applied,
                        AppliedLoads& into) {
    for (int n = 1; n < kSelfWeightRecord; ++n)
        gather(records[n], applied[n], into);
}

template <class Rate>
LoadProfile<Rate> SumLoadProfile(const std::vector<LoadPiece>& pieces, double length, int first) {
    LoadProfile<Rate> p{};
    for (const LoadPiece& piece : pieces) {
        if (!(piece.cover > 0)) continue; // no station lies within a load of no cover
        const double w1 = static_cast<Rate>(piece.w1), w2 = static_cast<Rate>(piece.w2);
        int i0 = -1; // the first station past the load's start
        for (int i = first; i <= kProfileStations; ++i) {
            const double s = i * length / kProfileStations;
            if (!(s > piece.start)) continue;
            if (s > piece.start + piece.cover) break;
            if (i0 < 0) i0 = i;
            Rate& v = p[static_cast<std::size_t>(i)];
            v = static_cast<Rate>(v +
                                  (w1 + (w2 - w1) * (i - i0) * length / (piece.cover * kProfileStations)));
        }
    }
    return p;
}

template <class Rate> Rate ProfilePeak(const LoadProfile<Rate>& p) {
    Rate high = 0, low = 0;
    for (Rate v : p) {
        high = std::max(high, v);
        low = std::min(low, v);
    }
    const Rate m = std::max(high, -low);
    return m < static_cast<Rate>(1e-6) ? static_cast<Rate>(1e-6) : m;
}

template LoadProfile<float> SumLoadProfile<float>(const std::vector<LoadPiece>&, double, int);
template LoadProfile<double> SumLoadProfile<double>(const std::vector<LoadPiece>&, double, int);
template float ProfilePeak<float>(const LoadProfile<float>&);
template double ProfilePeak<double>(const LoadProfile<double>&);

} // namespace kx
