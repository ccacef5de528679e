// Numbers as the user sees them: fixed significant figures, zero texts and "#####" for too large.
#pragma once

#include <string>

namespace kx {

std::string SigFig2(double x);
std::string SigFig3(double x);
std::string SigFig4(double x);
std::string SigFig5(double x);
std::string SigFig3Dec3(double x);
std::string SigFig4Dec3(double x);

// 0..3 decimals as chosen by DecimalPlaces of the shared model.
std::string FormatDecimalPlaces(double x);
std::string FormatDecimalPlaces(double x, int decimalPlaces);

} // namespace kx
