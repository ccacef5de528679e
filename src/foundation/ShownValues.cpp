// The exact values behind the input windows' rounded texts.
#include "foundation/ShownValues.h"

#include "platform/StateRegistry.h"

namespace kx {

ShownValuesState ShownValues;
KX_REGISTER_STATE(ShownValues);

std::uint64_t ShownValueKey(int form, int field, int index) {
    return (static_cast<std::uint64_t>(form & 0xFFFF) << 48) |
           (static_cast<std::uint64_t>(field & 0xFFFF) << 32) | static_cast<std::uint32_t>(index);
}

float ShownUnit(bool input, double factor) { return static_cast<float>(input ? factor : 1.0 / factor); }

std::string ShowValue(std::uint64_t key, std::string text, double value, float unit) {
    ShownValues.Shown[key] = {text, unit, value};
    return text;
}

std::optional<double> ShownExact(std::uint64_t key, const std::string& text, float unit) {
    auto& shown = ShownValues.Shown;
    const auto it = shown.find(key);
    // Another text says what it says; the same figures under another unit mean another value.
    if (it == shown.end() || it->second.text != text || it->second.unit != unit) return std::nullopt;
    return it->second.value;
}

double ReadShownValue(std::uint64_t key, const std::string& text, float unit, double typed) {
    if (const std::optional<double> exact = ShownExact(key, text, unit)) return *exact;
    return typed * static_cast<double>(unit);
}

void ForgetShownValue(std::uint64_t key) { ShownValues.Shown.erase(key); }

void ForgetShownValues() { ShownValues.Shown.clear(); }

} // namespace kx
