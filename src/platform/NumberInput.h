// The one reader of numbers typed by the user: one grammar, and the policies the forms read it by.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kx {

// The grammar, whatever the policy: [+|-] digits [. digits] [(e|E) [+|-] digits], with a digit
// before or after the point; the point is the only decimal separator, never the system's locale;
// blanks (space, tab, CR, LF) may stand around the number; no "inf", "nan" or hexadecimal forms,
// and a value beyond the range of a double is no number.
enum class NumberPolicy {
    // Leading blanks skipped, the number at the start taken and the rest ignored; a text that
    // does not start with a number reads as 0.
    LeadingNumber,
    // The whole text must be a number; any other text, an empty one too, reads as 0.
    ZeroWhenNotANumber,
    // A blank text reads as 0; any other text that is not wholly a number is refused, for a value
    // that, read as 0, could pass an overloaded member.
    RefusedWhenNotANumber,
};

// The value of a typed text under a policy. A text that RefusedWhenNotANumber refuses throws
// ConvertError with NotANumberMessage(text).
double ReadNumber(std::string_view text, NumberPolicy policy);

// The value of a typed text under a policy, or nothing when the text holds no number as the
// policy reads it (blank counts as 0 only under RefusedWhenNotANumber): for a form that must tell
// a missing number from 0, or that gives a refusal message of its own.
std::optional<double> TryReadNumber(std::string_view text, NumberPolicy policy);

// For a text that is wholly one number of the grammar but larger in size than a double holds
// ("1e400"): +1, or -1 when it is negative. 0 for any other text, a number too small to hold too.
int BeyondDoubleRange(std::string_view text);

// The refusal the calculators show: "'<text>' is not a valid floating point value".
std::string NotANumberMessage(std::string_view text);

// A typed whole number: [+|-] digits with blanks around them, held to the int range; nothing for
// any other text (an empty one, "2.0", "3x").
std::optional<int> TryReadWholeNumber(std::string_view text);

} // namespace kx
