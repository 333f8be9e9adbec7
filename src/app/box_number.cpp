#include "app/box_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
// Any 308 characters of digits and a point make a number below a double's largest and,
// unless all its digits are 0, above its smallest.
constexpr std::size_t kDigitsADoubleHolds = 308;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

// An exponent's digits as a number, held at a bound far beyond any double's exponent and
// any text's length, so that a long run of digits cannot wrap round.
long long exponentValue(std::string_view digits) {
  constexpr long long kBound = 1'000'000'000'000'000;
  long long value = 0;
  for (char c : digits) value = std::min(value * 10 + (c - '0'), kBound);
  return value;
}

// Whether a number that a double cannot hold is too large for it rather than too small:
// its first significant digit, moved by the exponent, stands before the decimal point.
// ("0.<400 zeros>1" is too small, though no exponent says so.)
bool tooLarge(std::string_view mantissa, long long exponent) {
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return false;
  const long long order = first < point ? static_cast<long long>(point - first)
                                        : -static_cast<long long>(first - point - 1);
  return order + exponent > 0;
}
}  // namespace

double leadingNumber(std::string_view text) {
  std::size_t at = text.find_first_not_of(' ');
  if (at == std::string_view::npos) return 0;
  const bool negative = text[at] == '-';
  if (text[at] == '-' || text[at] == '+') ++at;

  const std::size_t start = at;
  at = skipDigits(text, at);
  bool anyDigit = at > start;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = at + 1;
    at = skipDigits(text, fraction);
    anyDigit = anyDigit || at > fraction;
  }
  if (!anyDigit) return 0;

  const std::size_t mantissaEnd = at;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '-' || text[exponent] == '+')) ++exponent;
    const std::size_t end = skipDigits(text, exponent);
    // An "e" that no digit follows does not continue the number.
    if (end > exponent) at = end;
  }

  const std::string_view number = text.substr(start, at - start);
  double magnitude = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), magnitude).ec == std::errc::result_out_of_range) {
    // Digits beyond a double's range are read by as many leading ones as it holds; taken
    // beyond it by the exponent, the number is an infinity, or 0, as strtod rounds it.
    if (at == mantissaEnd)
      std::from_chars(number.data(), number.data() + std::min(number.size(), kDigitsADoubleHolds), magnitude);
    else
      magnitude = std::strtod(std::string(number).c_str(), nullptr);
  }
  return negative ? -magnitude : magnitude;
}

std::int16_t boxWholeNumber(std::string_view text) {
  using Limits = std::numeric_limits<std::int16_t>;
  // Held in range first, so that an infinity or a huge number never meets the conversion.
  const double held = std::clamp(leadingNumber(text), double{Limits::min()}, double{Limits::max()});
  double whole = std::floor(held);
  const double fraction = held - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  return static_cast<std::int16_t>(whole);
}

std::int16_t oneBelow(std::int16_t value) {
  return value == std::numeric_limits<std::int16_t>::min() ? value : static_cast<std::int16_t>(value - 1);
}

std::string boxNumberText(long long value) {
  return (value < 0 ? "" : " ") + std::to_string(value);
}

std::string shortestDecimal(double value) {
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15);
  return error == std::errc() ? std::string(digits, end) : std::string();
}
