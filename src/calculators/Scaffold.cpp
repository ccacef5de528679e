// Scaffold tube strut capacity.
#include "calculators/Scaffold.h"

#include <cfloat>
#include <cmath>

#include "foundation/SigFig.h"
#include "platform/NumberInput.h"

namespace kx {

namespace {

constexpr float kPi = 3.14159f;

// clang-format off
const TubeData kTubes[] = {
    {1.7f, 235, 210000, 557, 0.0157f, " \"New\" Steel Tube 48.3 o/d x 4.0 wt",  " to BS 1139  Part 1  Section 1.1  1990"},
    {2.0f, 235, 210000, 557, 0.0157f, " \"Used\" Steel Tube 48.3 o/d x 4.0 wt", " to BS 1139  Part 1  Section 1.1  1990"},
    {1.8f, 255, 68900,  615, 0.0156f, " Aluminium Tube 48.3 o/d x 4.47 wt",     " to BS 1139 1990"},
};
// clang-format on

} // namespace

const TubeData& Tube(TubeKind kind) { return kTubes[static_cast<int>(kind)]; }

StrutCapacity StrutCalc(TubeKind kind, float Le) {
    const TubeData& t = Tube(kind);
    StrutCapacity s;
    s.Le = Le;
    const double lambda100 = double(Le) / (100.0 * double(t.r));
    s.Eta = static_cast<float>(0.3 * lambda100 * lambda100);
    const double pi2E = double(kPi) * double(kPi) * double(t.E);
    const double lambda = double(Le) / double(t.r);
    s.Co = static_cast<float>(pi2E / (lambda * lambda));

    const double ysCo = double(t.Ys) * double(s.Co);
    auto phi = [&] { return ((double(s.Eta) + 1.0) * double(s.Co) + double(t.Ys)) / 2.0; };
    if (!std::isfinite(s.Eta)) {
        // A slenderness beyond the range of a single leaves no buckling strength.
        s.pc = 0;
    } else if (!std::isfinite(s.Co)) {
        // So short a strut that the Euler stress passes the range of a single: the root's limit.
        s.pc = static_cast<float>(double(t.Ys) / (1.0 + double(s.Eta)));
    } else if (phi() * phi() > 1e7 * ysCo) {
        // Far below a millimetre (or kilometres long), phi - sqrt(phi² - Ys Co) cancels away the
        // digits of pc: the same root is taken as the quotient Ys Co / (phi + sqrt(phi² - Ys Co)).
        s.pc = static_cast<float>(ysCo / (phi() + std::sqrt(phi() * phi() - ysCo)));
    } else {
        s.pc = static_cast<float>(phi() - std::sqrt(phi() * phi() - ysCo));
    }
    s.P = static_cast<float>(double(s.pc) * double(t.A) / double(t.FactorOfSafety) / 1000.0);
    return s;
}

std::optional<std::vector<std::string>> ScaffoldCalculate(const ScaffoldChoices& c) {
    // A length that is not a number reads as 0, for which nothing is worked out.
    const double typed = ReadNumber(c.Edit_Le, NumberPolicy::ZeroWhenNotANumber);
    // Zero, negative, and lengths a single cannot hold do nothing.
    if (!(typed > 0) || typed > FLT_MAX) return std::nullopt;
    const float Le = static_cast<float>(typed);
    if (!(Le > 0)) return std::nullopt;

    const TubeData& t = Tube(c.Tube);
    const StrutCapacity s = StrutCalc(c.Tube, Le);
    return std::vector<std::string>{" ",
                                    t.Line1,
                                    t.Line2,
                                    " ",
                                    " Effective Length = " + SigFig3(s.Le) + " m",
                                    " Permissible Axial Load = " + SigFig3(s.P) + " kN"};
}

} // namespace kx
