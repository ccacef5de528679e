// The exact values behind the rounded texts the input windows show, so that a text nobody has
// changed reads back as the value it was made from, as long as it is read in the unit it was
// written in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace kx {

// What one field last showed: its text, the factor of the unit it was written in and the exact
// value (internal units) it was made from.
struct ShownValue {
    std::string text;
    float unit = 0;
    double value = 0;
    bool operator==(const ShownValue&) const = default;
};
struct ShownValuesState {
    std::unordered_map<std::uint64_t, ShownValue> Shown;
    bool operator==(const ShownValuesState&) const = default;
};
extern ShownValuesState ShownValues;

// The key of one field: a window, a field of it and an index (a row or a column).
std::uint64_t ShownValueKey(int form, int field, int index = 0);

// The factor a value is recorded under: that of an input unit (internal = shown x factor), or
// for an output unit (shown = internal x factor) its reciprocal.
float ShownUnit(bool input, double factor);

// Records that the field shows text for value under a unit of the factor given; returns text.
std::string ShowValue(std::uint64_t key, std::string text, double value, float unit);
// The value behind the field's text when it is the text recorded, written in the same unit;
// nothing otherwise. The record stays until the field shows another value, so figures typed over
// and typed back as they were shown read as the value shown.
std::optional<double> ShownExact(std::uint64_t key, const std::string& text, float unit);
// The field's value in internal units: the exact one behind an unchanged text, else the typed
// number times the unit's factor.
double ReadShownValue(std::uint64_t key, const std::string& text, float unit, double typed);

// The field shows a text that stands for itself (a proposal, a cleared box).
void ForgetShownValue(std::uint64_t key);
// Every record forgotten (the windows are cleared for a new beam).
void ForgetShownValues();

} // namespace kx
