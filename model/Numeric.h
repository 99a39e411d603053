#pragma once

// Number helpers shared by every part of the program. Every conversion of a
// floating value to a whole number goes to the nearest integer with halves to
// the even neighbour, and numbers are written with a point as the decimal
// separator whatever the user's regional settings.

#include <optional>
#include <string>
#include <string_view>

namespace Numeric {

// Nearest whole number, a half to the even neighbour: 12.5 -> 12, 13.5 -> 14,
// -0.5 -> -0. Non-finite values come back unchanged.
double RoundHalfEven(double value);

// RoundHalfEven as an integer. The caller keeps the value inside the range of
// int (percentages, pixel positions); values outside it are clamped.
int RoundToInt(double value);

// Fixed-point text with exactly two decimals and a point: 21.2437 -> "21.24",
// -0.219 -> "-0.22". Independent of the locale.
std::string FixedTwo(double value);

// Decimal text of an integer without leading blanks or zeros: -3 -> "-3".
std::string IntegerText(long long value);

// The whole text as a decimal integer: an optional sign and ASCII digits only,
// within the range of int. Anything else (an empty text, blanks, other
// digits, a number beyond the range of int) gives nothing. This is how both
// the score entry and the advice read a score edit's text.
std::optional<int> ParseInteger(std::string_view text);

} // namespace Numeric
