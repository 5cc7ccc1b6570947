#include "dice/CZR2Rate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>

#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

// ---- The table -------------------------------------------------------------------------------

constexpr int kRates = 101;
constexpr int kColumns = 10;  // roll totals 3..12
constexpr int kLowestTotal = 3;
constexpr int kHighestTotal = 12;

struct PowerTableRow {
  bool known;
  int rate;
  int values[kColumns];
};

constexpr PowerTableRow kRows[] = {
#include "power_table.inc"
};
static_assert(std::size(kRows) == kRates, "the power table has one row per rate 0..100");

// The data is checked while building: rows in rate order, all present, each non-decreasing and
// small enough for a byte. Rate 36 keeps its stored 2 at total 3; nothing here smooths it.
constexpr bool RowsAreSound() {
  for (int rate = 0; rate < kRates; ++rate) {
    const PowerTableRow& row = kRows[rate];
    if (!row.known || row.rate != rate) return false;
    for (int c = 0; c < kColumns; ++c) {
      if (row.values[c] < 0 || row.values[c] > 255) return false;
      if (c > 0 && row.values[c] < row.values[c - 1]) return false;
    }
  }
  return true;
}
static_assert(RowsAreSound(), "data/power_table.tsv must hold rates 0..100 in order, rows non-decreasing");

constexpr std::array<std::uint8_t, kRates * kColumns> BuildTable() {
  std::array<std::uint8_t, kRates * kColumns> table{};
  for (int rate = 0; rate < kRates; ++rate)
    for (int c = 0; c < kColumns; ++c) table[rate * kColumns + c] = static_cast<std::uint8_t>(kRows[rate].values[c]);
  return table;
}
constexpr std::array<std::uint8_t, kRates * kColumns> kTable = BuildTable();

// ---- Small text helpers ------------------------------------------------------------------------

constexpr bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool HasLetter(std::u16string_view word, char16_t lower) {
  return std::any_of(word.begin(), word.end(), [lower](char16_t c) { return AsciiLower(c) == lower; });
}

std::u16string Number(std::int64_t value) { return FormatInteger(value); }

// Digits as a non-negative int, or nothing when they do not fit.
std::optional<int> ReadDigits(std::u16string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char16_t c : digits) {
    value = value * 10 + (c - u'0');
    if (value > INT32_MAX) return std::nullopt;
  }
  return static_cast<int>(value);
}

// ---- Options ----------------------------------------------------------------------------------

constexpr bool IsOptionLetter(char16_t c) {
  return c == u'@' || c == u'#' || c == u'$' || c == u'=' || c == u'!' || c == u'B' || c == u'b' || c == u'C' ||
         c == u'c';
}

struct RollOptions {
  int critical = 0;
  int reduction = 0;
  int modifier = 0;  // first roll only
  int bonus = 0;
  int step = 0;
  std::u16string presets;
};

std::optional<int> ReadOptionNumber(std::u16string_view text) {
  const WholeNumber n = ReadWholeNumber(text);
  if (!n) return std::nullopt;
  return n.value;
}

// A number, or one of the ranks B, A, S, SS (any case).
std::optional<int> ReadModifier(std::u16string_view text) {
  const std::u16string lower = AsciiLowerCase(text);
  if (lower == u"b") return 1;
  if (lower == u"a") return 2;
  if (lower == u"s") return 3;
  if (lower == u"ss") return 6;
  return ReadOptionNumber(text);
}

// Length of a rank ("B", "A", "S", "SS", any case) at the start of text; 0 when there is none.
size_t RankLength(std::u16string_view text) {
  if (text.size() >= 2 && AsciiLower(text[0]) == u's' && AsciiLower(text[1]) == u's') return 2;
  if (!text.empty() && (AsciiLower(text[0]) == u'b' || AsciiLower(text[0]) == u'a' || AsciiLower(text[0]) == u's')) return 1;
  return 0;
}

bool ReadItem(char16_t letter, std::u16string_view body, RollOptions& o) {
  std::optional<int> n;
  switch (letter) {
    case u'@':
      n = body.empty() ? std::optional<int>(10) : ReadOptionNumber(body);
      if (n) o.critical = *n;
      break;
    case u'#':
      n = ReadOptionNumber(body);
      if (n) o.reduction = *n;
      break;
    case u'$':
      n = ReadModifier(body);
      if (n) o.modifier = *n;
      break;
    case u'!':
    case u'B':
    case u'b':
      n = body.empty() ? std::optional<int>(1) : ReadOptionNumber(body);
      if (n) o.bonus = *n;
      break;
    case u'C':
    case u'c':
      n = body.empty() ? std::optional<int>(10) : ReadOptionNumber(body);
      if (n) o.step = *n;
      break;
    case u'=':
      o.presets = std::u16string(body);  // tokens are checked as they are used
      return true;
  }
  return n.has_value();
}

// Nothing when any item cannot be read or text stands before the first option letter.
std::optional<RollOptions> ParseOptions(std::u16string_view options) {
  RollOptions o;
  size_t i = 0;
  while (i < options.size()) {
    const char16_t letter = options[i];
    if (!IsOptionLetter(letter)) return std::nullopt;
    size_t end = i + 1;
    // A rank after "$" belongs to it, although B is an option letter of its own.
    if (letter == u'$') end += RankLength(options.substr(end));
    while (end < options.size() && !IsOptionLetter(options[end])) ++end;
    if (!ReadItem(letter, options.substr(i + 1, end - i - 1), o)) return std::nullopt;
    i = end;
  }
  return o;
}

// ---- The roll ---------------------------------------------------------------------------------

std::u16string TakeToken(std::u16string& list) {
  const size_t comma = list.find(u',');
  std::u16string token = list.substr(0, comma);
  list.erase(0, comma == std::u16string::npos ? list.size() : comma + 1);
  return token;
}

struct TableRoll {
  int roll = 0;    // the dice (or preset) before modifiers
  int result = 0;  // the table value
};

// One roll at rate with the first-roll modifier and the bonus; preset is a fixed roll, 0 for none.
TableRoll RollOnce(std::u16string& text, int rate, std::int64_t modifier, std::int64_t bonus, bool halfDie,
                   int preset) {
  TableRoll r;
  text += u'[';
  if (preset >= 2 && preset <= 12) {
    r.roll = preset;
    text += Number(r.roll);
  } else if (preset >= -12 && preset <= -2) {
    // A negative preset shows and counts as 14 minus the token, so it always reaches the last column.
    r.roll = 14 - preset;
    text += Number(r.roll);
  } else if (halfDie) {
    const int d = D6();
    r.roll = 2 * d;
    text += Number(d) + u"*2";
  } else {
    const int a = D6();
    const int b = D6();
    r.roll = a + b;
    text += Number(a) + u"," + Number(b);
    if (modifier + bonus > 0) text += u"+" + Number(modifier + bonus);
  }
  if (r.roll != 2) {
    const std::int64_t column = std::clamp<std::int64_t>(r.roll + modifier, kLowestTotal, kHighestTotal);
    r.result = PowerTableValue(rate, static_cast<int>(column));
  }
  text += u":" + Number(r.result) + u"]";
  return r;
}

int ClampRate(std::int64_t rate) { return static_cast<int>(std::clamp<std::int64_t>(rate, 0, kRates - 1)); }

}  // namespace

int PowerTableValue(int rate, int total) {
  rate = std::clamp(rate, 0, kRates - 1);
  total = std::clamp(total, kLowestTotal, kHighestTotal);
  return kTable[rate * kColumns + (total - kLowestTotal)];
}

PowerTableRows CountPowerTableRows() {
  PowerTableRows rows;
  for (const PowerTableRow& row : kRows) ++(row.known ? rows.known : rows.missing);
  return rows;
}

bool IsPowerRollTerm(std::u16string_view term) {
  size_t i = 0;
  if (i < term.size() && term[i] == u'g') ++i;
  bool kForm = false;
  if (i + 1 < term.size() && AsciiLower(term[i]) == u'z' && AsciiLower(term[i + 1]) == u'r') {
    i += 2;
  } else if (i < term.size() && (AsciiLower(term[i]) == u'k' || AsciiLower(term[i]) == u'r')) {
    kForm = AsciiLower(term[i]) == u'k';
    ++i;
  } else {
    return false;
  }
  const size_t digits = i;
  int rate = 0;
  for (; i < term.size() && IsDigit(term[i]); ++i) {
    rate = rate * 10 + (term[i] - u'0');
    if (rate > 100) return false;
  }
  if (i == digits) return false;
  constexpr std::u16string_view kAllowed = u"!#$*+,-/0123456789=@BC^bc";
  for (; i < term.size(); ++i) {
    const char16_t c = term[i];
    const bool allowed = kAllowed.find(c) != std::u16string_view::npos || (c == u':' && !kForm) ||
                         ((c == u'[' || c == u']') && kForm);
    if (!allowed) return false;
  }
  return true;
}

void NormaliseRollWord(std::u16string& word, std::u16string& options) {
  if (!HasLetter(word, u'k')) {
    std::replace(options.begin(), options.end(), u':', u'$');
    return;
  }
  for (char16_t& c : word)
    if (AsciiLower(c) == u'k') c = u'r';

  // [n] is the critical value.
  const size_t open = options.find(u'[');
  const size_t close = open == std::u16string::npos ? open : options.find(u']', open + 1);
  if (close != std::u16string::npos) {
    const WholeNumber n = ReadWholeNumber(std::u16string_view(options).substr(open + 1, close - open - 1));
    if (!n) {
      options.erase(0, close + 1);
      return;
    }
    options = u"@" + Number(n.value) + options.substr(0, open) + options.substr(close + 1);
  }
  // "$" is a preset roll unless it is a signed modifier.
  const size_t dollar = options.find(u'$');
  if (dollar != std::u16string::npos &&
      !(dollar + 1 < options.size() && (options[dollar + 1] == u'+' || options[dollar + 1] == u'-')))
    options[dollar] = u'=';
  for (char16_t& c : options)
    if (AsciiLower(c) == u'r') c = u'c';
  if (options.size() >= 2 && AsciiLower(options[options.size() - 2]) == u'g' && AsciiLower(options.back()) == u'f') {
    options.resize(options.size() - 2);
    if (!HasLetter(word, u'g')) word.insert(word.begin(), u'g');
  }
}

bool OptionsContinue(std::u16string_view word, std::u16string_view options, std::u16string_view rest) {
  if (options.empty() || rest.empty() || rest.front() != u'+') return false;
  if (SameAsciiText(word, u"r")) return options.back() == u':';
  if (SameAsciiText(word, u"k")) return options.back() == u'$';
  return false;
}

PowerRollResult PowerRoll(std::u16string_view word, int rate, std::u16string_view options, bool plainLabel) {
  PowerRollResult out;
  const std::optional<RollOptions> parsed = ParseOptions(options);
  out.optionsValid = parsed.has_value();
  const RollOptions o = parsed.value_or(RollOptions{});

  // Rates outside the table (a step below 0, or a rate above 100 from an expression) are clamped.
  std::int64_t currentRate = ClampRate(rate);
  out.label = u"Rate" + Number(currentRate);
  if (!plainLabel) {
    if (o.critical > 2) out.label += u"@" + Number(o.critical);
    if (o.reduction > 0) out.label += u"#" + Number(o.reduction);
  }

  const bool halfDie = HasLetter(word, u'g');
  const bool manual = HasLetter(word, u'c');
  std::u16string list = o.presets;
  std::int64_t modifier = o.modifier;
  std::int64_t reduction = o.reduction;
  bool criticalSeen = false;

  for (int rolls = 1; rolls <= kMaxPowerRolls; ++rolls) {
    const std::u16string token = TakeToken(list);
    const int rateNow = static_cast<int>(currentRate);
    const bool testCritical = token.empty() || token == u"*";
    TableRoll r;
    if (token.empty()) {
      r = RollOnce(out.text, rateNow, modifier, o.bonus, halfDie, 0);
      if (r.roll == 2) {
        // An automatic failure voids the whole roll; nothing after it counts.
        out.text = std::u16string(halfDie ? u"[1*2]" : u"[1,1]") + u"<自動的失敗>";
        out.total = -1;
        if (rolls == 1) out.first = -1;
        out.ok = true;
        return out;
      }
      // Added, not set: equal on the first roll, and an empty token later in a preset list then
      // keeps the rolls before it in the total as the text shows them.
      out.total += r.result;
    } else if (token == u"?" || token == u"*") {
      r = RollOnce(out.text, rateNow, modifier, o.bonus, halfDie, 0);
      out.total += r.result;
    } else {
      const WholeNumber preset = ReadWholeNumber(token);
      if (!preset) return PowerRollResult{false, u"", 0, 0, out.label, out.optionsValid};
      r = RollOnce(out.text, rateNow, modifier, o.bonus, halfDie, preset.value);
      out.total += r.result;
    }

    if (testCritical) {
      const std::int64_t threshold = static_cast<std::int64_t>(o.critical) - reduction;
      if (threshold > 2 && threshold <= r.roll + modifier + o.bonus) {
        criticalSeen = true;
        reduction = 0;
        if (!manual) list = token.empty() ? u"*" : u"*," + list;
      }
    }

    if (rolls == 1) out.first = out.total;
    modifier = 0;
    currentRate = ClampRate(currentRate + o.step);
    if (list.empty()) break;
  }
  if (criticalSeen) out.text += manual ? u"<クリティカル(もう一度)>" : u"<クリティカル>";
  out.ok = !out.text.empty();
  return out;
}

namespace {

struct FormulaParts {
  std::u16string word;
  int rate = 0;
  std::u16string prefix;
  std::u16string options;
  std::u16string suffix;
  int divisor = 0;
};

// Position of a "//" directly followed by a digit, or npos.
size_t FindDivisor(std::u16string_view text) {
  for (size_t p = text.find(u"//"); p != std::u16string_view::npos; p = text.find(u"//", p + 1))
    if (p + 2 < text.size() && IsDigit(text[p + 2])) return p;
  return std::u16string_view::npos;
}

size_t DigitRun(std::u16string_view text, size_t from) {
  size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

std::optional<FormulaParts> SplitFormula(std::u16string_view term) {
  FormulaParts parts;
  size_t i = 0;
  while (i < term.size() && IsAsciiLetter(term[i])) ++i;
  parts.word = term.substr(0, i);
  const size_t rateDigits = DigitRun(term, i);
  const std::optional<int> rate = ReadDigits(term.substr(i, rateDigits));
  if (!rate) return std::nullopt;
  parts.rate = *rate;
  i += rateDigits;

  constexpr std::u16string_view kPrefixCharacters = u"*+-/0123456789^";
  const size_t prefixStart = i;
  while (i < term.size() && kPrefixCharacters.find(term[i]) != std::u16string_view::npos) ++i;
  parts.prefix = term.substr(prefixStart, i - prefixStart);

  if (i == term.size()) {
    const size_t slash = FindDivisor(parts.prefix);
    if (slash != std::u16string::npos) {
      const size_t digits = DigitRun(parts.prefix, slash + 2);
      const std::optional<int> d = ReadDigits(std::u16string_view(parts.prefix).substr(slash + 2, digits));
      if (!d) return std::nullopt;
      parts.divisor = *d;
      parts.suffix = parts.prefix.substr(slash + 2 + digits);
      parts.prefix.resize(slash);
    }
    return parts;
  }

  // Options run to the first operator; ",*" "=*" "$+" ":+" stay inside, "//n" sets the divisor.
  while (i < term.size()) {
    const char16_t c = term[i];
    const char16_t before = parts.options.empty() ? u'\0' : parts.options.back();
    if (c == u'/') {
      if (i + 1 >= term.size() || term[i + 1] != u'/') break;
      const size_t digits = DigitRun(term, i + 2);
      if (digits == 0) {
        parts.options += u"//";
        i += 2;
        continue;
      }
      const std::optional<int> d = ReadDigits(term.substr(i + 2, digits));
      if (!d) return std::nullopt;
      parts.divisor = *d;
      i += 2 + digits;
      continue;
    }
    if (c == u'*' && before != u',' && before != u'=') break;
    if (c == u'+' && before != u'$' && before != u':') break;
    if (c == u'-' || c == u'^') break;
    parts.options += c;
    ++i;
  }
  parts.suffix = term.substr(i);
  return parts;
}

// The options as shown: preset lists are left out.
std::u16string WithoutPresets(std::u16string_view options) {
  constexpr std::u16string_view kPresetCharacters = u"0123456789,*?";
  std::u16string shown;
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i] != u'=') {
      shown += options[i];
      continue;
    }
    while (i + 1 < options.size() && kPresetCharacters.find(options[i + 1]) != std::u16string_view::npos) ++i;
  }
  return shown;
}

std::optional<long double> EvaluatePart(std::u16string_view text) {
  if (text.empty()) return 0.0L;
  return EvaluateArithmetic(text);
}

}  // namespace

PowerFormulaResult PowerRollFormula(std::u16string_view term) {
  PowerFormulaResult out;
  if (!IsPowerRollTerm(term)) return out;
  std::optional<FormulaParts> parts = SplitFormula(term);
  if (!parts) return out;
  NormaliseRollWord(parts->word, parts->options);
  const std::optional<long double> p = EvaluatePart(parts->prefix);
  const std::optional<long double> q = EvaluatePart(parts->suffix);
  if (!p || !q) return out;

  const PowerRollResult roll = PowerRoll(parts->word, parts->rate, parts->options, true);
  if (!roll.ok) return out;
  const int d = parts->divisor;
  out.ok = true;
  out.echo = roll.label + parts->prefix + WithoutPresets(parts->options) + (d > 0 ? u"//" + Number(d) : u"") +
             parts->suffix;
  if (roll.total < 0) {
    out.text = roll.text;
    out.value = 0;
    return out;
  }
  const long double divided = d > 1 ? std::ceil((roll.first + *p) / d) + *q : roll.first + *p + *q;
  if (!parts->options.empty()) {
    const bool both = !parts->prefix.empty() && !parts->suffix.empty();
    out.value = roll.total + *p + *q;
    out.text = (both ? u"(" : u"") + roll.text + parts->prefix + (both ? u")" : u"") + parts->suffix + u" = " +
               FormatNumber(out.value);
    if (d > 0) out.text += u" (" + FormatNumber(divided) + u")";
  } else {
    out.value = divided;
    out.text = roll.text + parts->prefix + (d > 1 ? u"//" + Number(d) : u"") + parts->suffix + u" = " +
               FormatNumber(out.value);
  }
  return out;
}

}  // namespace zr2
