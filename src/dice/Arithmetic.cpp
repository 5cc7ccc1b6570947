#include "dice/Arithmetic.h"

#include <cmath>
#include <charconv>
#include <cstdlib>
#include <limits>

#include "host/CIniLoader.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

// Deep nesting fails instead of exhausting the stack.
constexpr int kMaxDepth = 256;

class Parser {
 public:
  explicit Parser(std::u16string_view text) : text_(text) {}

  std::optional<long double> Evaluate() {
    const long double value = Expression();
    while (pos_ < text_.size() && text_[pos_] <= u' ') ++pos_;
    if (failed_ || pos_ != text_.size() || !std::isfinite(value)) return std::nullopt;
    return value;
  }

 private:
  bool At(char16_t c, size_t offset = 0) const { return pos_ + offset < text_.size() && text_[pos_ + offset] == c; }

  long double Expression() {
    long double sum = Term();
    while (!failed_) {
      if (At(u'/') && At(u'/', 1)) {
        pos_ += 2;
        const long double operand = Power();
        const long double quotient = std::ceil(sum / operand);
        if (operand == 0 || !(quotient >= std::numeric_limits<std::int32_t>::min() &&
                              quotient <= std::numeric_limits<std::int32_t>::max())) {
          failed_ = true;
        } else {
          sum = quotient;
        }
      } else if (At(u'+')) {
        ++pos_;
        sum += Term();
      } else if (At(u'-')) {
        ++pos_;
        sum -= Term();
      } else {
        break;
      }
    }
    return sum;
  }

  long double Term() {
    long double product = Power();
    while (!failed_) {
      if (At(u'*')) {
        ++pos_;
        product *= Power();
      } else if (At(u'/') && !At(u'/', 1)) {
        ++pos_;
        const long double divisor = Power();
        if (divisor == 0)
          failed_ = true;
        else
          product /= divisor;
      } else if (At(u'%')) {
        ++pos_;
        const long double divisor = Power();
        if (divisor == 0)
          failed_ = true;
        else
          product -= divisor * std::trunc(product / divisor);
      } else {
        break;
      }
    }
    return product;
  }

  long double Power() {
    if (++depth_ > kMaxDepth) failed_ = true;
    long double base = failed_ ? 0 : Factor();
    if (!failed_ && At(u'^')) {
      ++pos_;
      base = std::pow(base, Power());
    }
    --depth_;
    return base;
  }

  long double Factor() {
    if (At(u'(')) {
      ++pos_;
      const long double value = Expression();
      if (!At(u')')) {
        failed_ = true;
        return 0;
      }
      ++pos_;
      return value;
    }
    return Number();
  }

  long double Number() {
    std::string ascii;
    if (At(u'+') || At(u'-')) ascii += static_cast<char>(text_[pos_++]);
    const size_t digitsStart = pos_;
    bool wholePart = false;  // a non-zero digit before the point
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      wholePart = wholePart || text_[pos_] != u'0';
      ascii += static_cast<char>(text_[pos_++]);
    }
    if (pos_ == digitsStart) {
      failed_ = true;
      return 0;
    }
    if (At(u'.')) {
      ascii += '.';
      ++pos_;
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ascii += static_cast<char>(text_[pos_++]);
    }
    long double value = 0;
    const char* first = ascii.c_str() + (ascii[0] == '+' ? 1 : 0);
    // Out of range leaves value alone: a number too large for any float must fail, not read as 0;
    // one too small to tell from 0 is 0.
    if (std::from_chars(first, ascii.c_str() + ascii.size(), value).ec != std::errc() && wholePart) failed_ = true;
    return value;
  }

  std::u16string_view text_;
  size_t pos_ = 0;
  int depth_ = 0;
  bool failed_ = false;
};

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace

std::optional<long double> EvaluateArithmetic(std::u16string_view text) { return Parser(text).Evaluate(); }

std::optional<long double> ReadDecimalNumber(std::u16string_view text) {
  std::string ascii;
  size_t i = 0, digits = 0;
  const auto digitRun = [&] {
    size_t run = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++run) ascii += static_cast<char>(text[i]);
    return run;
  };
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++]);
  digits += digitRun();
  if (i < text.size() && text[i] == u'.') {
    ascii += '.';
    ++i;
    digits += digitRun();
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ascii += 'e';
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii += static_cast<char>(text[i++]);
    if (digitRun() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  long double value = 0;
  const char* first = ascii.c_str() + (ascii[0] == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(first, ascii.c_str() + ascii.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

WholeNumber ReadWholeNumber(std::u16string_view text) {
  if (const std::optional<std::int32_t> plain = ReadPlainInteger(text)) return {true, *plain};
  const std::optional<long double> value = EvaluateArithmetic(text);
  if (!value) return {};
  const long double truncated = std::trunc(*value);
  if (truncated < std::numeric_limits<std::int32_t>::min() || truncated > std::numeric_limits<std::int32_t>::max())
    return {};
  return {truncated == *value, static_cast<std::int32_t>(truncated)};
}

std::u16string FormatNumber(long double value) {
  if (std::isnan(value)) return u"NAN";
  if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
  if (value == 0) return u"0";
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  // buffer reads [-]d.ddddddddddddddde[+-]x..., locale-independent.
  std::string text(buffer, written.ptr);
  const bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  const size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent >= 0) {
      const size_t integerDigits = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= integerDigits) {
        out += digits + std::string(integerDigits - digits.size(), '0');
      } else {
        out += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
      }
    } else {
      out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  }
  return Widen(out);
}

std::u16string FormatInteger(std::int64_t value) { return Widen(std::to_string(value)); }

}  // namespace zr2
