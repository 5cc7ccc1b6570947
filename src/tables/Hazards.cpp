#include "tables/Hazards.h"

#include <algorithm>
#include <array>
#include <vector>

#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "encounters/PartyRegistration.h"
#include "encounters/cstZR2JudgeTable.h"
#include "tables/TextTemplate.h"
#include "tables/Treasure.h"
#include "tables/cstViceCityTable.h"
#include "tables/cstZR2HeniTable.h"
#include "text/MissingRow.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

// Bounds that keep huge counts from spinning: a boost list this long never fits a reply, and long
// before this many trials or redraws every first die and cell has turned up.
constexpr int kMaxBoosts = 1000;
constexpr int kMaxTrials = 10000;
constexpr int kMaxCountRolls = 10000;
constexpr int kMaxRedraws = 10000;

int SumD6(int count) {
  int sum = 0;
  for (int i = 0; i < count; ++i) sum += D6();
  return sum;
}

std::u16string Num(long long value) { return FormatInteger(value); }

long long CeilDiv10(long long n) { return n >= 0 ? (n + 9) / 10 : -((-n) / 10); }

// Rolls the terms of a trap row, such as "2d6+8,2d6", in order.
std::vector<long long> RollNumbers(std::u16string_view terms) {
  std::vector<long long> numbers;
  std::u16string rest(terms);
  while (!rest.empty()) {
    std::u16string term = Cut(rest, u",");
    const size_t d = term.find(u'd');
    if (d == std::u16string::npos) continue;
    const int dice = ReadWholeNumber(term.substr(0, d)).value;
    const size_t plus = term.find(u'+', d);
    const long long bonus = plus == std::u16string::npos ? 0 : ReadWholeNumber(term.substr(plus + 1)).value;
    numbers.push_back(SumD6(std::clamp(dice, 0, 100)) + bonus);
  }
  return numbers;
}

std::u16string JoinNumbers(const std::vector<long long>& numbers, std::u16string_view separator) {
  std::u16string text;
  for (size_t i = 0; i < numbers.size(); ++i) text += (i ? std::u16string(separator) : u"") + Num(numbers[i]);
  return text;
}

// One mutation line; a row that names a magic blade rolls it even when the rest of its text is missing.
std::u16string MutationLine(int d66) {
  const Mutation row = MutationRow(d66);
  std::u16string effect(row.effect);
  const bool blade = row.holdsBlade || Contains(u"[Level4]", effect);
  std::u16string bladeText;
  if (blade) {
    const int listDie = D6();
    const int roll = SumD6(2);
    bladeText = MagicBlade(listDie, roll);
  }
  const std::u16string marker = MissingRow(u"カースドランド変異表", Num(d66));
  if (row.name.empty()) return marker + u"\r\n";
  if (effect.empty()) {
    effect = marker + (blade ? u"[" + bladeText + u"]" : u"");
  } else if (blade) {
    ReplaceEvery(effect, u"Level4", bladeText);
  }
  return std::u16string(row.name) + u" : " + effect + u"\r\n";
}

int MutationsForRoll(long long roll) { return roll <= 5 ? 0 : roll <= 11 ? 1 : roll <= 15 ? 2 : 3; }

}  // namespace

std::u16string RollTrap(char16_t table) {
  const char16_t upper = AsciiUpper(table);
  if (upper != u'A' && upper != u'B' && upper != u'C') return {};
  const int d6 = D6();
  const TrapRow row = TrapTableRow(upper, d6);
  const std::vector<long long> numbers = RollNumbers(row.numbers);
  if (row.known) return FillNumbers(row.text, numbers);
  std::u16string text = MissingRow(u"トラップ表" + std::u16string(1, upper), Num(d6));
  if (!numbers.empty()) text += u"(" + JoinNumbers(numbers, u", ") + u")";
  return text;
}

std::u16string RollViceCityTrap(std::u16string_view channel) {
  const long long level = ReadPartyRegistration(channel).level;  // ten times the average level
  const long long power = CeilDiv10(level);
  const long long checkLevel = CeilDiv10(level - 5);
  // The difficulty-A targets of the scenario check, up to check level 6.
  const long long c = checkLevel < 1 ? 0 : kMistCastleTargets[std::min(checkLevel, 6LL) - kMistCastleFirstTargetLevel];
  const long long f = c + 2;
  const long long h = c + 4;

  const int kind = D6();
  std::u16string text(ViceCityTrapText(kind, 0));
  long long number = 0;
  long long hours = 0;
  switch (kind) {
    case 1:
      number = D6() + power;
      break;
    case 2:
      text = FillNamed(text, {{u"x", ViceCityTrapText(2, D6())}});
      number = power + 3;
      break;
    case 3:
      number = SumD6(2) + power;
      break;
    case 4: {
      const int gas = D6();
      text = FillNamed(text, {{u"x", ViceCityTrapText(4, gas)}});
      number = gas == 6 ? SumD6(3) + 2 * power : SumD6(2) + power;
      if (gas <= 4) hours = D6();
      break;
    }
    case 5: {
      int roll = SumD6(2);
      if (roll >= 11) roll += 8;
      number = roll + 2 * power;
      break;
    }
    default: {
      int roll = SumD6(2);
      if (roll >= 10) roll += 4;
      number = roll + power;
      break;
    }
  }
  return FillNamed(text, {{u"c", Num(c)}, {u"f", Num(f)}, {u"h", Num(h)}, {u"n", Num(number)}, {u"t", Num(hours)}});
}

std::u16string RollCurse() {
  const int first = D6();
  const int second = D6();
  const int cell = GridCell(first, second);
  const KnownText curse = CurseText(cell);
  return u"[" + Num(first) + u"," + Num(second) + u"] -> " +
         (curse.known ? std::u16string(curse.text) : MissingRow(u"呪い表", GridCellName(cell)));
}

std::u16string RollVanish() {
  const int roll = SumD6(2);
  return u"バニッシュ表：[" + std::u16string(roll < 10 ? u" " : u"") + Num(roll) + u"] " +
         std::u16string(VanishText(roll));
}

std::u16string RollBindLocation(int location) {
  if (location == 0) location = D6();
  return u"[" + Num(location) + u"] " + std::u16string(BindLocationText(location));
}

TBonusAndMemo RollDemonTraits(TraitForm form, int count) {
  const int wanted = std::min<int>(static_cast<std::uint8_t>(count), 18);
  std::array<bool, 18> taken{};
  TBonusAndMemo memo;
  int drawn = 0;
  for (int draw = 0; drawn < wanted && draw < kMaxRedraws; ++draw) {
    const int first = D6();
    const int second = D6();
    const int cell = GridCell(first, second);
    if (taken[cell]) continue;
    taken[cell] = true;
    ++drawn;
    const DemonTrait trait = DemonTraitCell(cell);
    std::u16string line = u"[" + Num(first) + u"," + Num(second) + u"]" + std::u16string(trait.name);
    if (trait.withPart) {
      const int partFirst = D6();
      const int partSecond = D6();
      line += u":" + std::u16string(BodyPart(GridCell(partFirst, partSecond)));
    }
    const std::u16string_view effect = form == TraitForm::Character ? trait.characterForm : trait.monsterForm;
    line += effect.empty()
                ? MissingRow(form == TraitForm::Character ? u"魔神化表" : u"魔神化表(魔物)", GridCellName(cell))
                : std::u16string(effect);
    memo.Result += line + u"\r\n";
  }
  memo.Bonus = taken[1] ? 1 : 0;  // 狂気の肉体
  return memo;
}

std::u16string RollMonsterBoost(int count) {
  if (count < 1 || count > kMaxBoosts) return {};
  const TBonusAndMemo traits = RollDemonTraits(TraitForm::Monster, count);
  int hit = traits.Bonus, damage = traits.Bonus, evasion = traits.Bonus;
  int weakPoint = 0, resistance = 0, armour = 0;
  std::vector<long long> rolls;
  for (int i = 0; i < count; ++i) {
    const int roll = D6();
    rolls.push_back(roll);
    hit += roll == 3 ? 2 : 1;
    if (roll == 1) weakPoint += 3;
    if (roll == 2) resistance += 2;
    if (roll == 4) damage += 3;
    if (roll == 5) evasion += 1;
    if (roll == 6) armour += 3;
  }
  std::u16string text = u"[" + JoinNumbers(rolls, u",") + u"]HP,MP+" + Num(5LL * count) + u"/命中+" + Num(hit);
  if (weakPoint != 0) text += u"/弱点値+" + Num(weakPoint);
  if (resistance != 0) text += u"/生命・精神抵抗+" + Num(resistance);
  if (damage != 0) text += u"/打撃点+" + Num(damage);
  if (evasion != 0) text += u"/回避力+" + Num(evasion);
  if (armour != 0) text += u"/防護点+" + Num(armour);
  return TrimControls(text + u"\r\n" + traits.Result);
}

std::u16string RollCursedLandMutations(int trials) {
  std::array<bool, 7> taken{};
  std::u16string lines;
  int found = 0;
  for (int trial = 0; trial < std::min(trials, kMaxTrials); ++trial) {
    const int first = D6();
    if (taken[first]) continue;  // a repeated first die wastes the trial
    taken[first] = true;
    ++found;
    lines += MutationLine(first * 10 + D6());
  }
  const std::u16string heading = u"【カースドランド変異表】";
  if (found == 0) return heading + u"変異は発生しませんでした。";
  if (found == 1) return heading + TrimControls(lines);
  return heading + u"試行回数：" + Num(trials) + u"回\r\n" + TrimControls(lines);
}

std::u16string RollEncounterMutations(int count) {
  std::array<bool, 7> taken{};
  std::u16string lines;
  for (int i = 0; i < std::min(count, 6); ++i) {
    int first = D6();
    for (int redraw = 0; taken[first] && redraw < kMaxRedraws; ++redraw) first = D6();
    if (taken[first]) break;
    taken[first] = true;
    lines += MutationLine(first * 10 + D6());
  }
  return TrimControls(lines);
}

std::u16string RollMutationCount(int rolls, int modifier) {
  int trials = 0;
  for (int i = 0; i < std::min(rolls, kMaxCountRolls); ++i) trials += MutationsForRoll(SumD6(2) + std::int64_t{modifier});
  return RollCursedLandMutations(trials);
}

}  // namespace zr2
