#include "dice/CDiceExecute.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dice/Arithmetic.h"
#include "dice/CZR2Rate.h"
#include "dice/GameRules.h"
#include "dice/RandomUnit.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "platform/Platform.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr char16_t kBold = u'\x02';

std::u16string Int(long long value) { return FormatInteger(value); }

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsOperator(char16_t c) { return std::u16string_view(u"%*+-/^").find(c) != std::u16string_view::npos; }

void AppendValue(TermEvaluation& result) {
  const std::u16string ending = u" = " + FormatNumber(result.value);
  result.compact += ending;
  result.full += ending;
}

// ---- General expressions ----------------------------------------------------------------------

struct ScannedTerm {
  size_t start = 0;     // in the expression
  size_t end = 0;
  size_t position = 0;  // in the working text once every term is taken out
  int depth = 0;
  std::u16string left, word, right, options;
};

struct KindResult {
  bool ok = false;
  std::u16string echo, full, compact;
  long double value = 0;
  bool consumed = false;
  std::u16string pending;
};

bool IsOptionsStop(char16_t c) { return c == u')' || IsOperator(c); }

// The end of an options run: the next stop character, where ",*" stays together.
size_t OptionsEnd(std::u16string_view e, size_t p) {
  while (p < e.size()) {
    if (e[p] == u',' && p + 1 < e.size() && e[p + 1] == u'*') {
      p += 2;
    } else if (IsOptionsStop(e[p])) {
      break;
    } else {
      ++p;
    }
  }
  return p;
}

// Finds every term from left to right; false when there are too many to evaluate.
bool ScanTerms(std::u16string_view e, std::vector<ScannedTerm>& terms, int& endDepth) {
  size_t p = 0, start = 0, removed = 0;
  int depth = 0;
  while (p < e.size()) {
    const char16_t c = e[p];
    if (IsDigit(c)) {
      ++p;
      continue;
    }
    if (c == u'(' || c == u')' || IsOperator(c)) {
      depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
      start = ++p;
      continue;
    }
    if (terms.size() == kMaxExpressionTerms) return false;
    ScannedTerm t;
    t.start = start;
    t.depth = depth;
    t.left = e.substr(start, p - start);
    size_t q = p + 1;
    while (q < e.size() && IsAsciiLetter(e[q])) ++q;
    t.word = e.substr(p, q - p);
    size_t r = q;
    while (r < e.size() && IsDigit(e[r])) ++r;
    t.right = e.substr(q, r - q);
    size_t o = OptionsEnd(e, r);
    while (o < e.size() && OptionsContinue(t.word, e.substr(r, o - r), e.substr(o))) o = OptionsEnd(e, o + 1);
    t.options = e.substr(r, o - r);
    t.end = o;
    t.position = start - removed;
    removed += o - start;
    terms.push_back(std::move(t));
    p = start = o;
  }
  endDepth = depth;
  return true;
}

bool IsPowerRollWord(std::u16string_view lowerWord) {
  static constexpr std::u16string_view kWords[] = {u"zr", u"r",   u"k",   u"gr",  u"gk",  u"gzr",
                                                   u"rc", u"kc",  u"zrc", u"grc", u"gkc", u"gzrc"};
  return std::find(std::begin(kWords), std::end(kWords), lowerWord) != std::end(kWords);
}

KindResult DiceGroupKind(const ScannedTerm& t, std::u16string_view options, GameModeId mode, DiceBudget& budget) {
  KindResult k;
  if (t.left.empty()) {
    if (!budget.Take(static_cast<long long>(t.right.size()))) return k;
    DigitDice digits = RollDigitDice(t.right);
    if (!digits.ok) return k;
    k.ok = true;
    k.echo = t.word + t.right;
    k.full = k.compact = std::move(digits.list);
    k.value = static_cast<long double>(digits.total);
    return k;
  }
  // The critical value of a ZR group belongs to the group, not to a term to its left.
  k.consumed = IsZRMode(mode) && options.starts_with(u'@');
  const WholeNumber count = ReadWholeNumber(t.left);
  const WholeNumber sides = t.right.empty() ? WholeNumber{true, DefaultSides(mode)} : ReadWholeNumber(t.right);
  if (!count || !sides || sides.value <= 0 || count.value > kMaxGroupDice) return k;
  if (!budget.Take(count.value)) return k;
  DiceGroup group = RollOrdinaryGroup(count.value, sides.value);
  k.ok = true;
  k.echo = t.left + t.word + t.right;
  k.full = std::move(group.full);
  k.compact = std::move(group.compact);
  k.value = static_cast<long double>(group.total);
  return k;
}

KindResult DecimalKind(const ScannedTerm& t, std::u16string_view options) {
  KindResult k;
  const std::u16string number = t.left + u"." + t.right;
  const std::optional<long double> value = ReadDecimalNumber(number);
  k.pending = options;
  if (!value) return k;
  k.ok = true;
  k.value = *value;
  k.echo = number + std::u16string(options);
  k.full = k.compact = number;
  return k;
}

KindResult LabelledKind(const ScannedTerm& t, std::u16string_view options, bool inherited) {
  KindResult k;
  const std::u16string label = t.word + t.right + (inherited ? std::u16string() : std::u16string(options));
  k.pending = label;
  const WholeNumber value = ReadWholeNumber(t.left);
  if (!value) return k;
  k.ok = true;
  k.value = value.value;
  k.full = k.compact = t.left;
  k.echo = t.left + label;
  return k;
}

KindResult PowerTableKind(const ScannedTerm& t, std::u16string_view options, bool inherited) {
  KindResult k;
  k.consumed = true;
  std::u16string word = t.word;
  std::u16string normalised(options);
  NormaliseRollWord(word, normalised);
  const WholeNumber rate = ReadWholeNumber(t.right);
  if (!rate) return k;
  PowerRollResult roll = PowerRoll(word, rate.value, normalised, inherited);
  k.consumed = roll.optionsValid;
  k.ok = !roll.text.empty();
  k.full = k.compact = std::move(roll.text);
  k.echo = std::move(roll.label);
  k.value = roll.total;
  return k;
}

// Ten-sided dice; every die at the critical value or more is rolled again, adding ten per pass.
KindResult PoolKind(const ScannedTerm& t, std::u16string_view options, bool inherited, DiceBudget& budget) {
  KindResult k;
  const std::optional<std::int32_t> written = ReadPlainInteger(t.left);
  if (!written) return k;
  long long critical = 10;
  if (const std::optional<std::int32_t> right = ReadPlainInteger(t.right)) {
    critical = *right;
  } else if (options.starts_with(u'@')) {
    // The "@" belongs to the pool even when no number follows it; the critical value then stays 10.
    k.consumed = true;
    if (const std::optional<std::int32_t> value = ReadPlainInteger(options.substr(1))) critical = *value;
  }
  // Without a die there is no highest face to report: a pool of no dice is no roll.
  if (critical < 2 || *written <= 0 || *written > kMaxGroupDice) return k;
  k.echo = t.left + u"r" + t.right + (!inherited && k.consumed ? std::u16string(options) : std::u16string());
  int count = *written;
  int passes = 0;
  int highest = 0;
  while (count > 0) {
    if (!budget.Take(count)) return {};
    DiceGroup pass = RollOrdinaryGroup(count, 10);
    k.full += pass.full;
    k.compact += pass.compact;
    ++passes;
    highest = *std::max_element(pass.faces.begin(), pass.faces.end());
    count = critical > 10 ? 0 : static_cast<int>(std::count_if(pass.faces.begin(), pass.faces.end(),
                                                                [&](int face) { return face >= critical; }));
  }
  k.value = 10.0L * (passes - 1) + highest;
  const std::u16string_view mark = k.value == 1 ? u"<ファンブル>" : passes >= 2 ? u"<クリティカル>" : u"";
  k.compact += mark;
  k.full += mark;
  k.ok = true;
  return k;
}

// Pairs of d6 against a target; @ stops after that many successes, # sets the fumble level,
// $ names the total that marks a fall.
KindResult SuccessCountKind(const ScannedTerm& t, std::u16string_view options, bool inherited, DiceBudget& budget) {
  KindResult k;
  k.consumed = true;
  const WholeNumber count = ReadWholeNumber(t.left);
  const WholeNumber target = ReadWholeNumber(t.right);
  if (!count || !target) return k;

  long long stopAt = 0, fumbleLevel = 0, fall = 0;
  constexpr std::u16string_view kItemLetters = u"#$=@";
  bool unreadable = false;
  for (size_t p = options.find_first_of(kItemLetters); p != std::u16string_view::npos && !unreadable;) {
    const size_t next = options.find_first_of(kItemLetters, p + 1);
    const std::u16string_view item = options.substr(p + 1, next == std::u16string_view::npos ? next : next - p - 1);
    const WholeNumber number = ReadWholeNumber(item);
    switch (options[p]) {
      case u'@': stopAt = item.empty() ? 1 : number.value; unreadable = !item.empty() && !number; break;
      case u'#': fumbleLevel = item.empty() ? 1 : number.value; unreadable = !item.empty() && !number; break;
      case u'$': fall = number.value; unreadable = !number; break;
      default: unreadable = true; break;
    }
    p = next;
  }
  if (unreadable) stopAt = fumbleLevel = fall = 0;
  if (fumbleLevel < 0) fumbleLevel = 0;
  long long needed = std::max<long long>(target.value, 3);
  if (needed > 12) {
    if (fumbleLevel != 1) fumbleLevel = needed - 11;
    needed = 12;
  }

  Reseed();
  std::u16string text;
  int successes = 0;
  bool fell = false;
  for (long long pair = 0; pair < count.value; ++pair) {
    if (!budget.Take(2)) return {};
    const int a = D6();
    const int b = D6();
    text += u"|" + Int(a) + u"," + Int(b);
    if (a + b == fall) fell = true;
    if ((fumbleLevel < 2 && a + b <= fumbleLevel + 2) || (a == b && fumbleLevel >= a)) {
      text += kBold + std::u16string(u"(ファンブル)") + kBold;
      successes = 0;
      break;
    }
    if (a + b >= needed) {
      ++successes;
      if (stopAt > 0 && successes >= stopAt) break;
    }
  }
  if (!text.empty()) {
    text[0] = u'[';
    if (fell) text += kBold + std::u16string(u"<陥落>") + kBold;
    text += u']';
  }
  k.ok = true;
  k.value = successes;
  k.full = k.compact = text;
  k.echo = Int(count.value) + u"s" + Int(target.value);
  if (!inherited) {
    if (stopAt > 0) k.echo += u"@" + Int(stopAt);
    if (fumbleLevel > 0) k.echo += u"#" + Int(fumbleLevel);
    if (fall > 0) k.echo += u"$" + Int(fall);
  }
  return k;
}

// q different numbers out of 1..r.
KindResult DrawKind(const ScannedTerm& t, DiceBudget& budget) {
  KindResult k;
  const WholeNumber a = ReadWholeNumber(t.left);
  const WholeNumber b = ReadWholeNumber(t.right);
  if (!a || !b) return k;
  const int r = std::max(a.value, b.value);
  const int q = std::min(a.value, b.value);
  if (a.value == b.value || q <= 0 || !budget.Take(r)) return k;
  std::vector<int> numbers(static_cast<size_t>(r));
  numbers[0] = r;
  for (int i = 1; i < r; ++i) numbers[static_cast<size_t>(i)] = i;
  for (int i = 0; i < r; ++i) std::swap(numbers[static_cast<size_t>(i)], numbers[static_cast<size_t>(Random(r))]);
  long long sum = 0;
  k.full = u"[";
  for (int i = 0; i < q; ++i) {
    sum += numbers[static_cast<size_t>(i)];
    if (i > 0) k.full += u',';
    k.full += Int(numbers[static_cast<size_t>(i)]);
  }
  k.full += u']';
  k.compact = k.full;
  k.value = static_cast<long double>(sum);
  k.echo = t.left + t.word + t.right;
  k.ok = true;
  return k;
}

KindResult HostKind(const ScannedTerm& t, std::u16string_view options, bool inherited) {
  KindResult k;
  HostTerm host = EvaluateByHost(t.left + t.word + t.right, options, inherited);
  if (!host.evaluated) return k;
  k.ok = true;
  k.echo = std::move(host.echo);
  k.full = k.compact = std::move(host.detail);
  k.value = host.value;
  k.consumed = host.optionsUsed;
  return k;
}

KindResult EvaluateKind(const ScannedTerm& t, std::u16string_view options, bool inherited, GameModeId mode,
                        DiceBudget& budget) {
  const std::u16string word = AsciiLowerCase(t.word);
  const bool left = !t.left.empty();
  const bool right = !t.right.empty();
  if (word == u"d") return DiceGroupKind(t, options, mode, budget);
  if (left && right && word == u".") return DecimalKind(t, options);
  if (left && word.size() == 1 && !IsAsciiLetter(word[0])) return LabelledKind(t, options, inherited);
  if (!left && IsPowerRollWord(word)) return PowerTableKind(t, options, inherited);
  if (left && (word == u"r" || word == u"dx")) return PoolKind(t, options, inherited, budget);
  if (left && right && word == u"s") return SuccessCountKind(t, options, inherited, budget);
  if (left && right && word == u"c") return DrawKind(t, budget);
  return HostKind(t, options, inherited);
}

// The texts being built from the right: what lies right of the current term, kept reversed so
// that putting a piece in front of it costs only the piece.
struct ReversedTail {
  std::u16string text;
  void Prepend(std::u16string_view piece) { text.append(piece.rbegin(), piece.rend()); }
  std::u16string Text() const { return std::u16string(text.rbegin(), text.rend()); }
};

}  // namespace

int ClassifyTerm(std::u16string_view term) {
  for (size_t i = 0; i + 1 < term.size(); ++i)
    if (term[i] <= 0xFF && platform::IsAnsiLeadByte(static_cast<unsigned char>(term[i]))) return 0;
  if (IsPowerRollTerm(term)) return 4;
  bool multiplicative = false;
  for (const char16_t c : term) {
    if (IsDigit(c) || c == u'+' || c == u'-' || c == u'@' || c == u'D' || c == u'd') continue;
    if (std::u16string_view(u"%()*/^").find(c) == std::u16string_view::npos) return 1;
    multiplicative = true;
  }
  return multiplicative ? 2 : 3;
}

TermEvaluation EvaluateTerm(std::u16string_view term, std::u16string_view channel, int termClass) {
  return EvaluateTermInMode(term, GameMode(channel), termClass);
}

TermEvaluation EvaluateTermInMode(std::u16string_view term, GameModeId mode, int termClass) {
  TermEvaluation result;
  if (term.find(u'.') != std::u16string_view::npos) {
    if (const std::optional<long double> number = ReadDecimalNumber(term)) {
      result.ok = true;
      result.value = *number;
      result.full = result.compact = term;
      return result;
    }
  }
  if (SameAsciiText(term, u"d%")) {
    result = EvaluateDiceExpression(u"1d100", mode);
    if (!result.ok) return {};
    AppendValue(result);
    return result;
  }
  switch (termClass) {
    case 2:
    case 3: {
      GameTermResult roll = RollGameTerm(AsciiLowerCase(term), mode, termClass == 3);
      if (!roll.ok) return {};
      result.ok = true;
      result.echo = term;
      result.full = std::move(roll.full);
      result.compact = std::move(roll.compact);
      result.value = roll.value;
      return result;
    }
    case 1:
      result = EvaluateDiceExpression(term, mode);
      if (!result.ok) return {};
      AppendValue(result);
      return result;
    case 4: {
      PowerFormulaResult formula = PowerRollFormula(term);
      if (!formula.ok) return {};
      result.ok = true;
      result.echo = std::move(formula.echo);
      result.full = formula.text;
      result.compact = std::move(formula.text);
      result.value = formula.value;
      return result;
    }
    default:
      return {};
  }
}

TermEvaluation EvaluateDiceExpression(std::u16string_view expression, GameModeId mode) {
  std::vector<ScannedTerm> terms;
  int endDepth = 0;
  if (!ScanTerms(expression, terms, endDepth)) return {};

  // The terms are evaluated from the last to the first, each piece going in where its term stood.
  DiceBudget budget(kMaxTermDice);
  std::vector<std::pair<std::u16string, int>> pending;
  ReversedTail working, echo, full, compact;
  bool detailsStarted = false;
  bool ok = true;
  working.Prepend(expression.substr(terms.empty() ? 0 : terms.back().end));
  for (size_t index = terms.size(); index-- > 0;) {
    const ScannedTerm& t = terms[index];
    if (!detailsStarted || (t.position == 0 && full.text.empty())) {
      detailsStarted = true;
      echo = full = compact = working;
    }

    std::u16string_view options = t.options;
    bool inherited = false;
    size_t inheritedEntry = 0;
    if (options.empty()) {
      for (size_t e = pending.size(); e-- > 0;) {
        if (pending[e].second == t.depth) {
          inherited = true;
          inheritedEntry = e;
          options = pending[e].first;
          break;
        }
      }
    }
    const std::u16string inheritedOptions(options);  // the entry may move once the stack changes
    KindResult kind = EvaluateKind(t, inheritedOptions, inherited, mode, budget);
    if (!kind.ok) {
      ok = false;
    } else {
      echo.Prepend(kind.echo);
      full.Prepend(kind.full);
      compact.Prepend(kind.compact);
      working.Prepend(FormatNumber(kind.value));
    }
    if (inherited && kind.consumed) pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(inheritedEntry));
    if (!kind.pending.empty()) pending.emplace_back(std::move(kind.pending), endDepth);
    if (!inherited && !kind.consumed && !t.options.empty()) pending.emplace_back(t.options, endDepth);

    const size_t before = index == 0 ? 0 : terms[index - 1].end;
    const std::u16string_view between = expression.substr(before, t.start - before);
    working.Prepend(between);
    echo.Prepend(between);
    full.Prepend(between);
    compact.Prepend(between);
  }
  if (!ok || !pending.empty()) return {};
  const std::optional<long double> value = EvaluateArithmetic(working.Text());
  if (!value) return {};
  TermEvaluation result;
  result.ok = true;
  result.value = *value;
  result.echo = echo.Text();
  result.full = full.Text();
  result.compact = compact.Text();
  return result;
}

// ---- The roll command ---------------------------------------------------------------------------

namespace {

enum class Comparison { None, Greater, Less, AtLeast, AtMost };

struct Side {
  std::u16string echo;
  std::vector<TermEvaluation> rolls;  // one per repetition
};

// A lone "#" turns the hash flag on and is skipped; a second one turns it off and is the word.
std::u16string NextRollWord(std::u16string& message, bool& hash) {
  std::u16string word = NormaliseRollText(NextToken(message));
  if (word == u"#") {
    if (!hash) {
      hash = true;
      return NextRollWord(message, hash);
    }
    hash = false;
  }
  return word;
}

bool RollSide(const std::u16string& word, GameModeId mode, int repeat, Side& side) {
  const int termClass = ClassifyTerm(word);
  const WholeNumber plain = ReadWholeNumber(word);
  side.rolls.reserve(static_cast<size_t>(repeat));
  for (int i = 0; i < repeat; ++i) {
    TermEvaluation roll;
    if (plain) {
      roll.ok = true;
      roll.echo = roll.full = roll.compact = word;
      roll.value = plain.value;
    } else {
      roll = EvaluateTermInMode(word, mode, termClass);
      if (!roll.ok) return false;
    }
    side.rolls.push_back(std::move(roll));
  }
  side.echo = side.rolls.back().echo;
  // Plain arithmetic shows no echo; a side with dice is shown as "term = ".
  if (EvaluateArithmetic(word))
    side.echo.clear();
  else
    side.echo += u" = ";
  return true;
}

std::u16string_view Shown(Comparison kind) {
  switch (kind) {
    case Comparison::Greater: return u" > ";
    case Comparison::Less: return u" < ";
    case Comparison::AtLeast: return u" >= ";
    case Comparison::AtMost: return u" <= ";
    default: return u"";
  }
}

std::u16string Label(Comparison kind, long double left, long double right, GameModeId mode) {
  const bool swapped = kind == Comparison::Greater || kind == Comparison::AtLeast;
  const long double a = swapped ? right : left;
  const long double b = swapped ? left : right;
  const bool equalCounts = kind == Comparison::AtLeast || kind == Comparison::AtMost;
  if (b <= 100 && mode == kModeCthulhu) {
    if (a <= 5) return kBold + std::u16string(u"(クリティカル)") + kBold;
    if (b > 5 * a || (equalCounts && b == 5 * a)) return kBold + std::u16string(u"(スペシャル)") + kBold;
  }
  return b > a || (equalCounts && b == a) ? u"(成功)" : u"(失敗)";
}

enum class Form { Full, Compact, Totals };

std::u16string Detail(const TermEvaluation& roll, Form form) {
  switch (form) {
    case Form::Full: return roll.full;
    case Form::Compact: return roll.compact;
    default: return u"(略) = " + FormatNumber(roll.value);
  }
}

std::u16string Answer(Form form, const Side& left, Comparison kind, const Side& right,
                      const std::vector<std::u16string>& labels) {
  std::u16string lines;
  for (size_t i = 0; i < left.rolls.size(); ++i) {
    lines += left.echo;
    lines += Detail(left.rolls[i], form);
    if (kind != Comparison::None) {
      lines += Shown(kind);
      lines += right.echo;
      lines += Detail(right.rolls[i], form);
      lines += labels[i];
    }
    lines += u"\r\n";
  }
  return lines;
}

}  // namespace

void RollDice(const char* requestText, char* reply) {
  Request request = ReadRequest(requestText);
  if (!BotEnabled(request.channel)) return;
  std::u16string& message = request.message;

  bool hash = false;
  std::u16string word = NextRollWord(message, hash);
  std::int32_t leading = 0;
  if (!hash) {
    if (const std::optional<std::int32_t> number = ReadPlainInteger(word)) {
      leading = *number;
      word = NextRollWord(message, hash);
    }
  }

  int repeat = 1;
  for (size_t stars = word.find(u"**"); stars != std::u16string::npos; stars = word.find(u"**")) {
    const WholeNumber count = ReadWholeNumber(std::u16string_view(word).substr(stars + 2));
    if (count && count.value > 0) {
      if (count.value > kMaxRepeats) return;
      repeat = count.value;
      word.resize(stars);
      break;
    }
    // Not a repeat count: the roll is the next word, unless an odd leading number forbids it.
    word = NextRollWord(message, hash);
    if (leading % 2 != 0 && !word.empty()) return;
  }

  Comparison kind = Comparison::None;
  std::u16string rightWord;
  const size_t less = word.find(u'<');
  const size_t greater = less == std::u16string::npos ? word.find(u'>') : std::u16string::npos;
  if (const size_t cut = less != std::u16string::npos ? less : greater; cut != std::u16string::npos) {
    rightWord = word.substr(cut + 1);
    word.resize(cut);
    const bool orEqual = rightWord.starts_with(u'=');
    if (orEqual) rightWord.erase(0, 1);
    kind = less != std::u16string::npos ? (orEqual ? Comparison::AtMost : Comparison::Less)
                                        : (orEqual ? Comparison::AtLeast : Comparison::Greater);
  }

  const GameModeId mode = GameMode(request.channel);
  Side left, right;
  if (!RollSide(word, mode, repeat, left)) return;
  if (kind != Comparison::None) {
    if (!RollSide(rightWord, mode, repeat, right)) return;
    if (left.echo.empty() && right.echo.empty()) return;
  } else if (left.echo.empty()) {
    return;
  }

  std::vector<std::u16string> labels;
  if (kind != Comparison::None)
    for (int i = 0; i < repeat; ++i) labels.push_back(Label(kind, left.rolls[i].value, right.rolls[i].value, mode));
  // The answer shrinks until it fits: full lists, compact lists, totals only.
  for (const Form form : {Form::Full, Form::Compact, Form::Totals})
    if (SendReply(Answer(form, left, kind, right, labels), request.channel, request.speaker, reply)) return;
}

}  // namespace zr2

ZR2_ENTRY void ZR2_CALL RollDice(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::RollDice(request, reply); });
}
