// Rounding to a 32-bit whole number, with a conversion error instead of undefined behaviour.
#include "foundation/Func_FloatToInt.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "platform/Errors.h"

namespace kx {

std::int32_t FloatToIntOther(double x) {
    if (x == 0.0) return 0;
    if (std::isnan(x)) throw ConvertError("'NAN' is not a valid integer value");
    if (std::isinf(x))
        throw ConvertError(std::string("'") + (x < 0 ? "-INF" : "INF") + "' is not a valid integer value");
    double r = std::nearbyint(x); // default rounding mode: nearest, ties to even
    if (r < -2147483648.0 || r > 2147483647.0) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "'%.15G' is not a valid integer value", r);
        throw ConvertError(buf);
    }
    return static_cast<std::int32_t>(r);
}

} // namespace kx
