// Numbers typed into the calculators: an empty text is 0, anything that is not a number is refused.
#pragma once

#include <string>
#include <string_view>

namespace kx {

// The number a calculator's edit or input box holds. An empty or blank text reads as 0; a text
// that is not wholly a number with the point as decimal separator ("3,5", "50kN", "1e999")
// throws ConvertError "'<text>' is not a valid floating point value", so that it is never taken
// for 0.
double ReadTypedNumber(std::string_view text);

} // namespace kx
