// The count line of a text table.
#include "foundation/LineCount.h"

#include <climits>

#include "platform/Errors.h"

namespace kx {

int ReadLineCount(std::string_view s) {
    if (s.empty()) return 0;
    std::size_t i = 0;
    bool negative = false;
    if (s[0] == '-' || s[0] == '+') negative = s[0] == '-', i = 1;
    const auto damaged = [s] {
        return ConvertError("'" + std::string(s) + "' is not a valid integer value");
    };
    if (i == s.size()) throw damaged();
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') throw damaged();
        v = v * 10 + (s[i] - '0');
        if (v > INT_MAX) throw damaged(); // no table holds so many lines
    }
    return static_cast<int>(negative ? -v : v);
}

} // namespace kx
