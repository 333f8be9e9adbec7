// Numbers as the window's boxes hold them: read from the front of the text, written back
// with a blank where the sign would stand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The decimal number the text begins with, blanks before it skipped ("12abc" is 12,
// " 2.5" is 2.5, "1e2" is 100); a text that does not begin with one is 0. Digits beyond
// the range of a double are read by as many leading ones as a double holds; an exponent
// beyond it gives an infinity of the number's sign, or 0. A text that is a number as a
// whole is its own leading number, so this serves for both readings.
double leadingNumber(std::string_view text);

// A box's number as the Bot Setup clamps hold it: the leading number rounded to a whole
// number, a half to the even neighbour ("2.5" is 2, "3.5" is 4), as a 16-bit signed
// number. One beyond that range is held at its nearest end instead of wrapping round.
std::int16_t boxWholeNumber(std::string_view text);

// One less, held at the smallest 16-bit number instead of wrapping round to the largest.
std::int16_t oneBelow(std::int16_t value);

// A whole number as a page writes it back into a box: " 32", " 0", "-3".
std::string boxNumberText(long long value);

// The shortest decimal form of a number, to 15 significant digits as the window's text
// conversion keeps them: 33 is "33", 3.5 is "3.5", 1.7 + 1 is "2.7".
std::string shortestDecimal(double value);
