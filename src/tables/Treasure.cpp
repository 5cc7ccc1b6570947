#include "tables/Treasure.h"

#include <algorithm>
#include <limits>

#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "tables/CstLLTreasureTable.h"
#include "tables/TextTemplate.h"
#include "tables/cstTreasureDrop25.h"
#include "tables/cstViceCityTable.h"
#include "text/MissingRow.h"
#include "text/StringConvertUnit.h"

namespace zr2 {
namespace {

int Roll2D6Sum() {
  const int first = D6();
  return first + D6();
}

std::u16string Num(long long value) { return FormatInteger(value); }

std::u16string Dollars(int grade) { return std::u16string(static_cast<size_t>(grade), u'$'); }

std::u16string LLItemText(const TLLTreasureUnit& item) {
  std::u16string text = std::u16string(item.Name) + u"(" + std::u16string(CategoryName(item.Category));
  text += item.Price <= 0 ? u")" : u", " + Num(item.Price) + u"G)";
  if (item.LLIndex > 0) text += u" LL P." + Num(item.LLIndex);
  if (item.RuleID != TLLTreasureRule::ltRuleNone) {
    text += u" 詳細:" + std::u16string(RuleCode(item.RuleID));
    if (item.RulePage > 0) text += u"-" + Num(item.RulePage);
  }
  return text;
}

// A row of a scenario list, or its marker when the book's text is not filled in.
std::u16string ScenarioRow(std::u16string_view list, int roll) {
  const auto row = ScenarioTreasure(list, roll);
  if (!row) return {};
  return row->known ? std::u16string(row->text) : MissingRow(list, Num(roll));
}

std::u16string ArenaPrizeText() {
  const ArenaPrize prize = ArenaPrizeRow(D6());
  const int roll = Roll2D6Sum();
  return FillNumbers(prize.text, {static_cast<long long>(prize.multiplier) * roll});
}

int ViceCityGradeIndex(long long grade) {
  const long long x = std::clamp(grade, 1LL, 8LL);
  return x <= 3 ? 0 : x <= 5 ? 1 : x == 6 ? 2 : x == 7 ? 3 : 4;
}

}  // namespace

std::u16string RollLLTreasure(char16_t letter, int subTable) {
  const char16_t upper = AsciiUpper(letter);
  if (upper < u'A' || upper > u'K') return {};
  std::u16string text;
  std::u16string table(1, upper);
  if (upper == u'A' || upper == u'B') {
    const int subTables = upper == u'A' ? 3 : 2;
    int sub = subTable;
    if (sub < 1 || sub > subTables) {
      sub = Random(subTables) + 1;
      text = u"[" + Num(sub) + u"]";
    }
    table += Num(sub);
  }
  const int first = D6();
  const int second = D6();
  text += u"[" + Num(first) + u"," + Num(second) + u"]";
  const auto item = LLTreasureItem(LLTableIndex(table), (first - 1) * 6 + second - 1);
  text += item ? LLItemText(*item) : MissingRow(u"LL-" + table, Num(first * 10 + second));
  return text;
}

std::u16string RollTreasureDrop(std::u16string_view word) {
  if (word.size() < 2) return {};
  const char16_t letter = AsciiUpper(word[1]);
  const auto table = TreasureDropTable(letter);
  if (table.empty()) return {};
  const int position = Random(static_cast<int>(table.size())) + 1;
  const TreasureDropRow& row = table[position - 1];
  std::u16string extraText;
  std::int64_t price = row.item.Price;
  if (const DropExtraRoll* extra = TreasureDropExtra(letter, position)) {
    if (!extra->options.empty()) {
      const DropOption& option = extra->options[Random(static_cast<int>(extra->options.size()))];
      extraText = u"(" + std::u16string(option.text) + u")";
      if (option.price >= 0) price = option.price;
    } else {
      int count = 0;
      for (int i = 0; i < extra->countDice; ++i) count += D6();
      extraText = u"(" + std::u16string(extra->before) + Num(count) + std::u16string(extra->after) + u")";
      price = std::int64_t{extra->unitPrice} * count;
    }
  }
  return TreasureDropText(word[1], position, row, extraText, price);
}

std::u16string TreasureDropText(char16_t typedLetter, int position, const TreasureDropRow& row,
                                 std::u16string_view extra, std::int64_t price) {
  const std::u16string marker =
      MissingRow(u"トレジャードロップ表" + std::u16string(1, AsciiUpper(typedLetter)), Num(position));
  std::u16string item;
  if (row.item.Name.empty()) {
    item = marker;
  } else if (row.known) {
    item = std::u16string(row.item.Name) + std::u16string(extra) + u"(" + Num(price) + u"G/";
    if (!row.item.Rule.empty()) item += std::u16string(row.item.Rule) + u"/";
    item += u"ET" + Num(row.item.ET) + u")";
  } else {
    // The name is known but not the rest: show what is, and mark the gap.
    item = std::u16string(row.item.Name) + std::u16string(extra) + u"(";
    if (price >= 0) item += Num(price) + u"G/";
    item += marker + u")";
  }
  return u"【ZR2.5 トレジャードロップ表" + std::u16string(1, typedLetter) + u"】" + item;
}

std::u16string RollMistCastleTreasure(int grade) {
  if (grade < 1 || grade > 4) return {};
  const int half = D6();
  const int roll = Roll2D6Sum();
  if (grade == 4) return u"[ミストキャッスル 闘技場の宝物] : " + ArenaPrizeText();
  std::u16string list = u"ミストキャッスル宝物" + Dollars(grade);
  if (grade > 1) list += half <= 3 ? u"(1-3)" : u"(4-6)";
  return u"[ミストキャッスル 宝物 " + Dollars(grade) + u"] : " + ScenarioRow(list, roll);
}

std::u16string RollCursedLandTreasure(int grade) {
  if (grade < 1 || grade > 4) return {};
  const int roll = Roll2D6Sum();
  if (grade == 4) return u"[カースドランド 魔剣決定表] : " + RollMagicBlade(roll);
  const std::u16string heading = u"[カースドランド 宝物 " + Dollars(grade) + u"] : ";
  // The top results of the higher grades are magic blades rather than list items.
  if ((grade == 2 && roll == 12) || (grade == 3 && roll >= 11)) return heading + RollMagicBlade(Roll2D6Sum());
  return heading + ScenarioRow(u"カースドランド宝物" + Dollars(grade), roll);
}

std::u16string RollMagicBlade(int roll) {
  if (roll < 2 || roll > 12) return {};
  return MagicBlade(D6(), roll);
}

std::u16string MagicBlade(int listDie, int roll) {
  if (listDie < 1 || listDie > 6) return {};
  return ScenarioRow(listDie <= 4 ? u"魔剣決定表(1-4)" : u"魔剣決定表(5-6)", roll);
}

std::u16string RollMistGraveTreasure(int grade) {
  if (grade < 1 || grade > 4) return {};
  const int roll = Roll2D6Sum();
  std::u16string text = u"[ミストグレイヴ 宝物 " + Dollars(grade) + u"] : ";
  if (grade < 4) text += ScenarioRow(u"ミストグレイヴ宝物" + Dollars(grade), roll);
  return text;
}

std::u16string RollViceCityTreasure(int modifier) {
  const int top = D6();
  std::u16string text = u"ヴァイスシティ宝物決定表:[" + Num(top);
  if (modifier != 0) text += u"+" + Num(modifier);
  const int condition = D6();
  const int kind = D6();
  text += u"," + Num(condition) + u"," + Num(kind);

  const int itemDie = D6();
  const ViceCityItem item = ViceCityTreasureItem(kind, itemDie);
  std::u16string name(item.name);
  text += u"," + Num(itemDie);
  const bool jewelled = item.jewelledKind != 0;
  if (jewelled) {
    const int jewelDie = D6();
    name += ViceCityTreasureItem(item.jewelledKind, jewelDie).name;
    text += u"," + Num(jewelDie);
  }
  const int p = D6();
  const int q = D6();
  text += u"," + Num(p) + u"+" + Num(q) + u"]";

  int gradeIndex = ViceCityGradeIndex(std::int64_t{top} + modifier);
  if (condition == 6) ++gradeIndex;
  const ViceCityGrade grade = ViceCityTreasureGrade(gradeIndex);
  std::int64_t price = std::int64_t{p + q} * grade.factor;
  if (jewelled) price *= 2;
  if (condition == 1) price /= 2;
  const ViceCityCondition state = ViceCityTreasureCondition(condition);
  text += std::u16string(state.prefix) + std::u16string(grade.name) + u"の" + name + u"(" + Num(price) + u"G" +
          FillNumbers(state.ending, {3LL * gradeIndex + 3});
  return text;
}

std::u16string RollMedals(int modifier) {
  const int first = D6();
  const int second = D6();
  const int dice = first + second;
  // Snake eyes never earn a medal, whatever the modifier.
  const long long sum = dice == 2 ? std::numeric_limits<long long>::min() : std::int64_t{dice} + modifier;
  return u"[" + Num(first) + u"," + Num(second) + u"]" + std::u16string(MedalText(sum));
}

std::u16string RollDamageBonus() {
  const int first = D6();
  if (first != 1) return u"[" + Num(first) + u"] : " + std::u16string(DamageBonusEffect(first));
  const int b = D6();
  const int c = D6();
  std::u16string text = u"[1][" + Num(b) + u"," + Num(c) + u"]";
  if (b == 1 && c == 1) return text + u" :何もなし";
  if (b != 1 && c != 1 && b != c)
    return text + u" :" + std::u16string(DamageBonusEffect(b)) + u", " + std::u16string(DamageBonusEffect(c));
  return text + u" :" + std::u16string(DamageBonusEffect(b == 1 ? c : b));
}

}  // namespace zr2
