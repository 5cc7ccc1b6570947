// Arithmetic on command texts and the one format in which computed values are shown.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zr2 {

// + - * / % ^ (right-associative), // (ceiling division of the whole running sum), parentheses,
// signed decimal numbers. No blank may stand inside; trailing characters up to U+0020 are allowed.
std::optional<long double> EvaluateArithmetic(std::u16string_view text);

struct WholeNumber {
  bool ok = false;
  // The value truncated toward zero, delivered even when it had a fraction.
  std::int32_t value = 0;
  explicit operator bool() const { return ok; }
};

// A plain integer, or arithmetic whose value is whole.
WholeNumber ReadWholeNumber(std::u16string_view text);

// A plain decimal number: optional sign, digits with an optional "." and an optional exponent;
// no arithmetic, no blanks.
std::optional<long double> ReadDecimalNumber(std::u16string_view text);

// General format with 15 significant digits: 14, 2.5, -3, 0.333333333333333, 1E16, 1.5E-6.
std::u16string FormatNumber(long double value);
std::u16string FormatInteger(std::int64_t value);

}  // namespace zr2
