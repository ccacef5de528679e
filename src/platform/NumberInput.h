// The two lenient ways the program reads a typed number (point as decimal separator).
#pragma once

#include <string_view>

namespace kx {

// Leading blanks skipped, the number at the start of the text taken and the rest ignored;
// a text without a number reads as 0. No error is reported.
double ReadLeadingNumber(std::string_view text);

// The whole text (blanks around it allowed) must be a number; any other text reads as 0.
double ReadNumberOrZero(std::string_view text);

} // namespace kx
