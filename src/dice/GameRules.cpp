#include "dice/GameRules.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr char16_t kBold = u'\x02';

std::u16string Bold(std::u16string_view text) {
  std::u16string out(1, kBold);
  out += text;
  out += kBold;
  return out;
}

std::u16string Int(long long value) { return FormatInteger(value); }
std::u16string Num(long double value) { return FormatNumber(value); }

// The value of a run of digits, saturated at limit + 1 so that no run can overflow.
long long DigitsValue(std::u16string_view digits, long long limit) {
  long long value = 0;
  for (const char16_t c : digits) {
    value = value * 10 + (c - u'0');
    if (value > limit) return limit + 1;
  }
  return value;
}

enum class Rule { Generic, ZR, Count, GroupMark, Pair, HighestDie, TopTwo };

struct RuleChoice {
  Rule rule = Rule::Generic;
  int standardDie = 0;  // faces tallied; 0 for none
  GameModeId defaultsMode = 0;
};

RuleChoice ChooseRule(GameModeId mode, bool simple) {
  switch (mode) {
    case 1: case 2: case 27: return {Rule::ZR, 6, kModeZR2};
    case 3: case 7: return {Rule::Count, 6, mode};
    case 10: return {Rule::Count, 10, mode};
    case 11: return {Rule::GroupMark, 10, mode};
    case 12: return {Rule::GroupMark, 6, mode};
    // These three judge the whole term, which only makes sense without * / and parentheses.
    case 4: return simple ? RuleChoice{Rule::Pair, 6, mode} : RuleChoice{Rule::Generic, 0, mode};
    case 23: return simple ? RuleChoice{Rule::HighestDie, 10, mode} : RuleChoice{Rule::Generic, 0, mode};
    case 26: return simple ? RuleChoice{Rule::TopTwo, 6, mode} : RuleChoice{Rule::Generic, 0, mode};
    default: return {Rule::Generic, 0, mode};
  }
}

struct Group {
  size_t position = 0;   // where the group stood in the text left once every group is taken out
  bool digitDice = false;
  std::u16string digits;  // digit dice only
  int count = 0;
  int sides = 0;
  std::optional<long long> critical;  // the group's own "@n" (ZR rule)
};

struct Rolled {
  long long total = 0;
  std::u16string full;
  std::u16string compact;
};

struct Expansion {
  bool ok = false;
  long double value = 0;
  std::u16string full;
  std::u16string compact;
  bool standard = false;
  std::vector<long long> counts;  // face counts, index 1..standard die
};

// "2d6+3@9": a critical value written after the last group belongs to every group of the term.
// Returns the term without it and the value, when there is one.
std::optional<long long> CutTrailingCritical(std::u16string_view& term) {
  size_t p = term.size();
  size_t leftmostAt = std::u16string_view::npos;
  while (p > 0 && (IsDigit(term[p - 1]) || term[p - 1] == u'@')) {
    --p;
    if (term[p] == u'@') leftmostAt = p;
  }
  if (p == 0 || leftmostAt == std::u16string_view::npos) return std::nullopt;
  if (std::u16string_view(u"%*+-/^").find(term[p - 1]) == std::u16string_view::npos) return std::nullopt;
  const WholeNumber value = ReadWholeNumber(term.substr(leftmostAt + 1));
  term = term.substr(0, leftmostAt);
  return value ? value.value : 10;
}

// Takes the groups out of the term from left to right; rest keeps everything else.
bool FindGroups(std::u16string_view term, const RuleChoice& rule, std::vector<Group>& groups, std::u16string& rest) {
  size_t i = 0;
  while (i < term.size()) {
    if (term[i] != u'd') {
      rest += term[i++];
      continue;
    }
    size_t countStart = rest.size();
    while (countStart > 0 && IsDigit(rest[countStart - 1])) --countStart;
    const std::u16string countDigits = rest.substr(countStart);
    rest.resize(countStart);
    size_t end = i + 1;
    while (end < term.size() && IsDigit(term[end])) ++end;
    const std::u16string_view sidesDigits = term.substr(i + 1, end - i - 1);
    if (end < term.size() && term[end] == u'd') return false;
    i = end;

    Group group;
    group.position = rest.size();
    if (rule.rule == Rule::ZR && rest.empty() && i < term.size() && term[i] == u'@') {
      size_t digitsEnd = ++i;
      while (digitsEnd < term.size() && IsDigit(term[digitsEnd])) ++digitsEnd;
      group.critical = digitsEnd == i ? 10 : DigitsValue(term.substr(i, digitsEnd - i), INT_MAX);
      i = digitsEnd;
    }

    const long long sides = DigitsValue(sidesDigits, INT_MAX);
    const bool hasCount = !countDigits.empty();
    const bool hasSides = !sidesDigits.empty() && sides != 0;  // a written 0 counts as absent
    if (!hasCount && hasSides) {
      if (sidesDigits.size() > kMaxDigitDice) return false;
      group.digitDice = true;
      group.digits = sidesDigits;
    } else {
      long long count = 0;
      if (hasCount) {
        count = DigitsValue(countDigits, kMaxGroupDice);
      } else if (const std::optional<int> bare = DefaultCount(rule.defaultsMode)) {
        count = *bare;
      } else {
        return false;
      }
      if (count > kMaxGroupDice || sides > INT_MAX) return false;
      group.count = static_cast<int>(count);
      group.sides = hasSides ? static_cast<int>(sides) : DefaultSides(rule.defaultsMode);
    }
    groups.push_back(std::move(group));
  }
  return true;
}

std::u16string GroupMark(const RuleChoice& rule, GameModeId mode, const std::vector<int>& faces) {
  if (rule.rule == Rule::ZR && faces.size() == 2) {
    const int total = faces[0] + faces[1];
    if (total == 2) return Bold(u"(１ゾロ)");
    if (total == 12) return Bold(u"(６ゾロ)");
    return {};
  }
  if (rule.rule != Rule::GroupMark) return {};
  if (mode == 11 && faces.size() == 2) {
    const auto has = [&](int f) { return faces[0] == f || faces[1] == f; };
    if (faces[0] == 1 && faces[1] == 1) return Bold(u"(ファンブル)");
    if (faces[0] == 10 && faces[1] == 10) return Bold(u"(クリティカル)");
    if (has(10)) return u"(" + Bold(u"A") + u")";
    if (has(8) || has(9)) return u"(" + Bold(u"B") + u")";
    return u"(" + Bold(u"C") + u")";
  }
  if (mode == 12 && faces.size() == 3) {
    std::vector<int> sorted = faces;
    std::sort(sorted.begin(), sorted.end());
    const int a = sorted[0], b = sorted[1], c = sorted[2];
    if (a == 1 && b == 2 && c == 3) return u"(" + Bold(u"ヒフミ") + u" ×－２/判定自動失敗)";
    if (a == 4 && b == 5 && c == 6) return u"(" + Bold(u"ジゴロ") + u" ×２/判定自動成功)";
    if (a == 1 && c == 1) return u"(" + Bold(u"１ゾロ") + u" ×５/判定10倍成功、YP+10)";
    if (a == 1 && b == 1) return u"(" + Bold(Int(c)) + u"の目,YP+1)";
    if (a == c) return u"(" + Bold(u"アラシ") + u" ×３/判定" + Int(a) + u"倍成功)";
    if (a != b && b != c) return u"(目なし)";
    return u"(" + Bold(Int(a == b ? c : a)) + u"の目)";
  }
  return {};
}

// The shared expansion: every group rolled (last first) and the arithmetic evaluated.
Expansion Expand(std::u16string_view term, GameModeId mode, const RuleChoice& rule, DiceBudget& budget) {
  Expansion e;
  std::optional<long long> defaultCritical;
  if (rule.rule == Rule::ZR) defaultCritical = CutTrailingCritical(term);

  std::vector<Group> groups;
  std::u16string rest;
  if (!FindGroups(term, rule, groups, rest)) return {};
  long long dice = 0;
  for (const Group& g : groups) dice += g.count;
  if (!budget.Take(dice)) return {};

  e.standard = rule.standardDie != 0;
  e.counts.assign(static_cast<size_t>(rule.standardDie) + 1, 0);
  for (const Group& g : groups)
    if (!g.digitDice && g.sides != rule.standardDie) e.standard = false;

  std::vector<Rolled> rolled(groups.size());
  for (size_t index = groups.size(); index-- > 0;) {
    const Group& group = groups[index];
    Rolled& out = rolled[index];
    if (group.digitDice) {
      if (mode == kModeMayoKin && group.digits == u"66") {
        const int a = D6();
        const int b = D6();
        out.total = 10 * std::min(a, b) + std::max(a, b);
        out.full = u"[" + Int(a) + u"," + Int(b) + u"]";
      } else {
        DigitDice digits = RollDigitDice(group.digits);
        out.total = digits.total;
        out.full = std::move(digits.list);
      }
      out.compact = out.full;
      // Groups written before digit dice are rolled after them and no longer judged.
      e.standard = false;
      continue;
    }

    DiceGroup dice = RollOrdinaryGroup(group.count, group.sides);
    out.total = dice.total;
    out.full = std::move(dice.full);
    out.compact = std::move(dice.compact);
    std::u16string mark;
    if (e.standard) {
      for (const int face : dice.faces) ++e.counts[face];
      mark = GroupMark(rule, mode, dice.faces);
    }
    const std::optional<long long> critical = group.critical ? group.critical : defaultCritical;
    if (rule.rule == Rule::ZR && critical && group.count == 2 && group.sides == 6 && dice.total != 2 &&
        dice.total != 12 && *critical > 2 && dice.total >= *critical) {
      long long again = 0;
      do {
        if (!budget.Take(2)) return {};
        DiceGroup reroll = RollOrdinaryGroup(2, 6);
        again = reroll.total;
        out.total += again;
        out.full += reroll.full;
        out.compact += reroll.compact;
      } while (again >= *critical);
      out.full += u"(C)";
      out.compact += u"(C)";
    }
    out.full += mark;
    out.compact += mark;
  }

  std::u16string arithmetic;
  size_t from = 0;
  for (size_t index = 0; index < groups.size(); ++index) {
    const std::u16string_view between = std::u16string_view(rest).substr(from, groups[index].position - from);
    arithmetic += between;
    arithmetic += Int(rolled[index].total);
    e.full += between;
    e.full += rolled[index].full;
    e.compact += between;
    e.compact += rolled[index].compact;
    from = groups[index].position;
  }
  const std::u16string_view tail = std::u16string_view(rest).substr(from);
  arithmetic += tail;
  e.full += tail;
  e.compact += tail;

  const std::optional<long double> value = EvaluateArithmetic(arithmetic);
  if (!value) return {};
  e.value = *value;
  e.ok = true;
  return e;
}

long long Count(const Expansion& e, int face) {
  return face >= 1 && face < static_cast<int>(e.counts.size()) ? e.counts[face] : 0;
}

bool NoneOf(const Expansion& e, int first, int last) {
  for (int f = first; f <= last; ++f)
    if (Count(e, f) != 0) return false;
  return true;
}

long long DiceSum(const Expansion& e) {
  long long sum = 0;
  for (size_t f = 1; f < e.counts.size(); ++f) sum += static_cast<long long>(f) * e.counts[f];
  return sum;
}

std::u16string CountMark(GameModeId mode, const Expansion& e) {
  if (!e.standard) return {};
  if (mode == 3) {
    if (Count(e, 6) >= 2) return kBold + (u" (6x" + Int(Count(e, 6)) + u")") + kBold;
    if (Count(e, 1) >= 1 && NoneOf(e, 2, 6)) return Bold(u"(ファンブル)");
  } else if (mode == 7) {
    if (Count(e, 1) >= 2) return Bold(u"(ファンブル)");
    if (Count(e, 6) >= 2) return Bold(u"(クリティカル)");
  } else if (mode == 10) {
    if (Count(e, 1) >= 1 && NoneOf(e, 2, 10)) return Bold(u"(ファンブル)");
    if (NoneOf(e, 1, 6)) {
      int smallest = 0;
      for (int f = 7; f <= 10 && smallest == 0; ++f)
        if (Count(e, f) != 0) smallest = f;
      if (smallest == 10) return Bold(u"(クリティカル)");
      if (smallest >= 7) return u"(min:" + Bold(Int(smallest)) + u")";
    }
  }
  return {};
}

std::u16string GameResult(long double result, long double value) {
  if (result == value) return u" = " + Num(value);
  return u" = " + Bold(Num(result)) + u" / " + Num(value);
}

// Mode 4: the two highest dice make the result; the lower pairs are listed for re-use.
std::u16string PairEnding(const Expansion& e) {
  const long double v = e.value;
  if (!e.standard) return u" = " + Num(v);
  if (Count(e, 6) >= 2) {
    std::u16string ending = u" = " + Num(v) + kBold + u" (6x" + Int(Count(e, 6));
    if (Count(e, 5) > 0) ending += u"/5x" + Int(Count(e, 5));
    return ending + u")" + kBold;
  }
  if (Count(e, 1) >= 2 && NoneOf(e, 2, 6)) return Bold(u"(ファンブル)") + u" = " + Num(v);

  const long double rest = v - static_cast<long double>(DiceSum(e));
  std::vector<long long> sums;
  int a = Count(e, 6) == 1 ? 6 : 0;
  int b = 0;
  const auto feed = [&](int x) {
    if (a == 0) {
      a = x;
      return false;
    }
    if (b == 0) {
      b = x;
      sums.push_back(a + b);
    } else {
      sums.push_back(a == 6 ? b + x : -(b + x));
      a = b;
      b = x;
    }
    return a < 5 && b < 5;
  };
  bool stopped = false;
  for (int face = 5; face >= 1 && !stopped; --face)
    for (long long n = 0; n < Count(e, face) && !stopped; ++n) stopped = feed(face);
  if (!stopped && (a >= 5 || b >= 5)) feed(0);

  if (sums.size() < 2) return u" = " + Num(v);
  std::u16string ending = GameResult(sums[0] + rest, v);
  size_t next = 1;
  if (sums[1] > 0) {
    ending += u"(6↓: " + Num(sums[1] + rest) + u" ";
    next = 2;
  } else {
    ending += u"(";
  }
  if (next < sums.size()) {
    ending += u"5↓:";
    for (; next < sums.size(); ++next) ending += Num(-sums[next] + rest) + u",";
  }
  ending.back() = u')';
  return ending;
}

// Mode 23: the highest die plus the modifiers is the result, which names the hit location.
std::u16string HighestDieEnding(const Expansion& e) {
  const long double v = e.value;
  if (!e.standard || v != std::trunc(v)) return u" = " + Num(v);
  long long highest = 1;
  long long dice = 0;
  for (size_t f = 1; f < e.counts.size(); ++f) {
    dice += e.counts[f];
    if (e.counts[f] != 0) highest = static_cast<long long>(f);
  }
  const long double r = v - static_cast<long double>(DiceSum(e)) + static_cast<long double>(highest);
  const long long ones = Count(e, 1);
  std::u16string ending = GameResult(r, v);
  if (dice >= 2 && r <= 1 && ones >= 1) {
    ending += u" (大失敗：非戦闘時は" + Int(ones) + u"パーツ損壊。戦闘時は味方か自身を1体選び、改めて攻撃判定)";
  } else if (dice >= 2 && r <= 5 && ones >= 1) {
    ending += u" (失敗：非戦闘時は大失敗となり、" + Int(ones) + u"パーツ損壊する)";
  } else if (r <= 1) {
    ending += u" (大失敗：味方か自身を1体選び、改めて攻撃判定)";
  } else if (r <= 5) {
    ending += u" (失敗)";
  } else {
    ending += u" (" + HitLocationText(r) + u")";
  }
  return ending;
}

// Mode 26: only the two highest dice count.
std::u16string TopTwoEnding(const Expansion& e) {
  long long kept = 0;
  long long dropped = 0;
  for (int face = static_cast<int>(e.counts.size()) - 1; face >= 1; --face) {
    const long long n = e.counts[face];
    if (kept + n <= 2) {
      kept += n;
    } else {
      dropped += (n - (2 - kept)) * face;
      kept = 2;
    }
  }
  if (dropped == 0) return u" = " + Num(e.value);
  return u" = " + Bold(Num(e.value - static_cast<long double>(dropped))) + u" / " + Num(e.value);
}

}  // namespace

GameTermResult RollGameTerm(std::u16string_view term, GameModeId mode, bool simple) {
  const RuleChoice rule = ChooseRule(mode, simple);
  DiceBudget budget;
  Expansion e = Expand(term, mode, rule, budget);
  if (!e.ok) return {};

  std::u16string ending;
  switch (rule.rule) {
    case Rule::Generic:
    case Rule::ZR:
    case Rule::GroupMark:
      ending = u" = " + Num(e.value);
      break;
    case Rule::Count:
      ending = u" = " + Num(e.value) + CountMark(mode, e);
      break;
    case Rule::Pair:
      ending = PairEnding(e);
      break;
    case Rule::HighestDie:
      ending = HighestDieEnding(e);
      break;
    case Rule::TopTwo:
      if (!e.standard) {
        ending = u" = " + Num(e.value);
      } else if (DiceSum(e) == 0) {
        // No dice at all: the term is rolled again as 3d plus its value, the highest die set aside.
        e = Expand(u"3d+" + Num(e.value), mode, rule, budget);
        if (!e.ok) return {};
        long long highest = 0;
        for (size_t f = 1; f < e.counts.size(); ++f)
          if (e.counts[f] != 0) highest = static_cast<long long>(f);
        ending = u" = " + Bold(Num(e.value - static_cast<long double>(highest))) + u" / " + Num(e.value);
      } else {
        ending = TopTwoEnding(e);
      }
      break;
  }
  GameTermResult result;
  result.ok = true;
  result.value = e.value;
  result.full = std::move(e.full) + ending;
  result.compact = std::move(e.compact) + ending;
  return result;
}

DiceGroup RollOrdinaryGroup(int count, int sides) {
  DiceGroup group;
  count = std::clamp(count, 0, kMaxGroupDice);
  group.faces.reserve(static_cast<size_t>(count));
  group.full = u"[";
  for (int i = 0; i < count; ++i) {
    const int face = Random(sides) + 1;
    group.faces.push_back(face);
    group.total += face;
    if (i > 0) group.full += u',';
    group.full += Int(face);
  }
  group.full += u']';
  group.compact = group.full;
  if (count < 2) return group;

  // Sorting works for any die size without a counter per face.
  std::vector<int> sorted = group.faces;
  std::sort(sorted.begin(), sorted.end());
  std::u16string compact = u"[";
  for (size_t i = 0; i < sorted.size();) {
    size_t j = i;
    while (j < sorted.size() && sorted[j] == sorted[i]) ++j;
    if (i > 0) compact += u',';
    compact += Int(sorted[i]);
    if (j - i > 1) compact += u"x" + Int(static_cast<long long>(j - i));
    i = j;
  }
  compact += u']';
  if (compact.size() < group.full.size()) group.compact = std::move(compact);
  return group;
}

DigitDice RollDigitDice(std::u16string_view sides) {
  DigitDice dice;
  if (sides.empty() || sides.size() > kMaxDigitDice) return dice;
  if (!std::all_of(sides.begin(), sides.end(), IsDigit)) return dice;
  dice.list = u"[";
  for (size_t i = 0; i < sides.size(); ++i) {
    const int faces = sides[i] - u'0';
    const int result = faces >= 1 ? Random(faces) + 1 : 0;
    dice.total = dice.total * 10 + result;
    if (i > 0) dice.list += u',';
    dice.list += Int(result);
  }
  dice.list += u']';
  dice.ok = true;
  return dice;
}

std::u16string HitLocationText(long double result) {
  if (result >= 11) return u"大成功/攻撃側の任意＆ダメージ+" + Num(result - 10);
  if (result >= 10) return u"頭/既に全損なら、攻撃側の任意";
  if (result >= 9) return u"腕/既に全損なら、攻撃側の任意";
  if (result >= 8) return u"胴/既に全損なら、攻撃側の任意";
  if (result >= 7) return u"脚/既に全損なら、攻撃側の任意";
  if (result >= 6) return u"攻撃された側の任意/全損の部位は選択不可";
  return {};
}

}  // namespace zr2
