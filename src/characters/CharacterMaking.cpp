#include "characters/CharacterMaking.h"

#include <array>
#include <span>

#include "characters/Backgrounds.h"
#include "characters/BirthSearch.h"
#include "characters/CstZR2BirthTable.h"
#include "characters/cstZR2ShuzokuList.h"
#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "host/CIniLoader.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

std::u16string Heading(Edition edition) {
  if (edition == Edition::Zr20) return u"【ＺＲ２キャラクターメイキング】 種族：";
  return u"【ZR2.5キャラクターメイキング】 種族：";
}

// ---- Rule-book codes: 1 rule book I, 2 rule book II, 4 IB, 5 BB; 0 and 3 carry no book.

// The code whose label the birth line shows, after the race's adjustment.
int LabelCode(RaceId race, Edition edition, int code) {
  if (edition == Edition::Zr25) {
    if (race == 7 || race == 8 || race == 35) return 2;
    return race == 36 ? 0 : code;
  }
  switch (race) {
    case 7: case 8: case 35:
      return 2;
    case 19:
      return code == 1 ? 2 : code;
    case 9: case 10: case 11: case 12: case 13: case 15: case 16: case 17: case 18:
      return code == 1 || code == 2 ? 0 : code;
    case 20: case 21: case 22: case 36:
      return 0;
    case 24:
      return code == 1 ? 3 : 5;
    default:
      return code;
  }
}

std::span<const int> RandomCodeChoices20(RaceId race) {
  static constexpr int kI_II_IB[] = {1, 2, 4}, kI_IB_BB[] = {1, 4, 5}, kI_IB[] = {1, 4}, kI_II[] = {1, 2};
  static constexpr int kNone[] = {0}, kI[] = {1}, kValkyrie[] = {3};
  switch (race) {
    case 1: case 27: case 28: case 29: case 30: case 35: case 36:
      return kNone;
    case 9: case 10: case 11: case 12: case 13: case 17: case 18:
      return kI_IB_BB;
    case 15: case 16:
      return kI_IB;
    case 20: case 21: case 22: case 25: case 26: case 31: case 32: case 33:
      return kI_II;
    case 24:
      return kValkyrie;
    case 34:
      return kI;
    default:
      return kI_II_IB;
  }
}

int DrawRandomCode(RaceId race, Edition edition) {
  if (edition == Edition::Zr25) return 1 + Random(2);
  const std::span<const int> choices = RandomCodeChoices20(race);
  return choices.size() == 1 ? choices[0] : choices[Random(static_cast<int>(choices.size()))];
}

const BirthTable* FindShelf(std::span<const BirthTable> tables, Shelf shelf) {
  for (const BirthTable& table : tables)
    if (table.shelf == shelf) return &table;
  return nullptr;
}

// The table a rule-book code reads; null for a race without tables in the edition.
const BirthTable* TableForCode(RaceId race, Edition edition, int code) {
  const std::span<const BirthTable> tables = BirthTables(race, edition);
  if (tables.empty()) return nullptr;
  if (tables.size() == 2 && tables[0].shelf == Shelf::Rule1) return code == 1 ? &tables[0] : &tables[1];
  if (tables[0].shelf == Shelf::Base) {
    if (code == 1 || code == 2) return &tables[0];
    if (code == 5 && FindShelf(tables, Shelf::BB) != nullptr) return FindShelf(tables, Shelf::BB);
    return FindShelf(tables, Shelf::IB);
  }
  if (code == 1) return FindShelf(tables, Shelf::Rule1);
  if (code == 2) return FindShelf(tables, Shelf::Rule2);
  return FindShelf(tables, Shelf::IB);
}

// ---- Birth rows as the making prints them.

struct Birth {
  TZRLiveData data;
  std::u16string note;  // the marker of a row known only in part
};

Birth FromRow(RaceId race, const BirthTable& table, int row) {
  if (row < 0) return {NeetRow(), {}};
  BirthRow found = ReadBirthRow(race, table, row);
  if (found.known) return {std::move(found.data), {}};
  if (found.data.Birth.empty()) {
    found.data.Birth = std::move(found.marker);
    found.data.Job.clear();
    return {std::move(found.data), {}};
  }
  return {std::move(found.data), std::move(found.marker)};
}

Birth RollAdventurer() {
  Birth birth{{0, 0, 0, u"冒険者", u"なし", 3000}, {}};
  birth.data.Skill = static_cast<std::int8_t>(RollD6(2, 0));
  birth.data.Body = static_cast<std::int8_t>(RollD6(2, 0));
  birth.data.Mind = static_cast<std::int8_t>(RollD6(2, 0));
  return birth;
}

Birth LookUpBirth(RaceId race, Edition edition, int code, int roll) {
  if (race == kRaceAdventurer) return RollAdventurer();
  const BirthTable* table = TableForCode(race, edition, code);
  // A race without tables in this edition still gets its abilities, on bases of 0.
  if (table == nullptr) return {{0, 0, 0, u"", u"", 0}, {}};
  return FromRow(race, *table, LayoutRowOfRoll(table->layout, roll));
}

// ---- Output.

using Abilities = std::array<int, kAbilityCount>;

Abilities RollAbilities(RaceId race) {
  Abilities abilities{};
  for (int i = 0; i < kAbilityCount; ++i) {
    const AbilityDice dice = Race(race).dice[i];
    abilities[i] = RollD6(dice.count, dice.plus);
  }
  return abilities;
}

// Two columns wide: blanks for none, a blank before one digit.
std::u16string W(int n) {
  if (n < 0) return u"  ";
  return n < 10 ? u" " + FormatInteger(n) : FormatInteger(n);
}

std::u16string AbilityText(std::u16string_view label, int base, int dice) {
  const int total = base < 0 ? dice : base + dice;
  return std::u16string(label) + u" = [" + W(base) + u"][" + W(dice) + u"] = " + W(total) + u"(+" +
         FormatInteger(total / 6) + u")";
}

std::u16string BirthLine(int label, int roll, const Birth& birth) {
  const std::u16string r = FormatInteger(roll);
  std::u16string mark;
  if (label == 1) {
    mark = u"[I-" + r + u"]";
  } else if (label == 2) {
    mark = u"[II-" + r + u"]";
  } else if (label == 4) {
    mark = u"[IB-" + r + u"]";
  } else if (roll > 1) {
    mark = u"[" + r + u"]";
  }
  std::u16string line = u"（" + mark + birth.data.Birth + u"）" + birth.data.Job;
  if (!birth.note.empty()) line += u" " + birth.note;
  return line;
}

std::u16string Compose(std::u16string_view heading, const Abilities& a, const Birth& birth, int label, int roll) {
  const TZRLiveData& d = birth.data;
  constexpr std::u16string_view kGap = u"\u3000\u3000";
  std::u16string text;
  if (!heading.empty()) text += std::u16string(heading) + std::u16string(kLineBreak);
  text += AbilityText(u"器用度", d.Skill, a[0]) + std::u16string(kGap) + AbilityText(u"筋\u3000 力", d.Body, a[2]);
  text += std::u16string(kLineBreak);
  text += AbilityText(u"敏捷度", d.Skill, a[1]) + std::u16string(kGap) + AbilityText(u"生命力", d.Body, a[3]);
  text += std::u16string(kLineBreak);
  text += AbilityText(u"知\u3000 力", d.Mind, a[4]) + std::u16string(kGap) + AbilityText(u"精神力", d.Mind, a[5]);
  text += std::u16string(kLineBreak) + BirthLine(label, roll, birth) + std::u16string(kLineBreak);
  text += u"\u3000\u3000\u3000\u3000\u3000所持金：1200\u3000\u3000初期経験点：" + FormatInteger(d.Exp);
  return text;
}

std::u16string MakeByCode(std::u16string_view heading, RaceId race, Edition edition, int code, int roll) {
  const Abilities abilities = RollAbilities(race);
  const Birth birth = LookUpBirth(race, edition, code, roll);
  return Compose(heading, abilities, birth, LabelCode(race, edition, code), roll);
}

std::u16string MakeFromHit(std::u16string_view heading, const BirthHit& hit, Edition edition) {
  const Abilities abilities = RollAbilities(hit.race);
  const Birth birth = FromRow(hit.race, *hit.table, hit.row);
  return Compose(heading, abilities, birth, LabelCode(hit.race, edition, RuleBookCode(hit.table->id)), hit.roll);
}

// One of several hits, uniformly; a single hit needs no die.
const BirthHit& PickHit(const std::vector<BirthHit>& hits) {
  return hits.size() == 1 ? hits[0] : hits[static_cast<size_t>(Random(static_cast<int>(hits.size())))];
}

// ---- Options after the race code.

struct RollChoice {
  int code;
  int roll;  // -1: roll 2d6
};

// The roll code after B: a roll, or a book digit and a roll, or a book alone.
void ApplyRollCode(int v, bool codeDrawn, RollChoice& choice) {
  const auto set = [&](int code, int roll) {
    choice.code = code;
    choice.roll = roll;
  };
  if (v == 0) set(1, 0);
  else if (v >= 2 && v <= 12) set(codeDrawn ? 1 : choice.code, v);
  else if (v == 100) set(1, -1);
  else if (v == 20 || v == 200) set(2, -1);
  else if (v >= 22 && v <= 29) set(2, v - 20);
  else if (v >= 202 && v <= 212) set(2, v - 200);
  else if (v == 30 || v == 300 || v == 40 || v == 400) set(4, -1);
  else if (v >= 32 && v <= 39) set(4, v - 30);
  else if (v >= 302 && v <= 312) set(4, v - 300);
  else if (v >= 42 && v <= 49) set(4, v - 40);
  else if (v >= 402 && v <= 412) set(4, v - 400);
  else if (v >= 52 && v <= 59) set(5, v - 50);
  else if (v >= 510 && v <= 512) set(5, v - 500);
}

RollChoice ReadOptions(std::u16string options, Edition edition) {
  RollChoice choice{0, -1};
  bool drawn = false;
  if (ContainsText(u"r1", options)) {
    choice.code = 1;
  } else if (ContainsText(u"r2", options)) {
    choice.code = 2;
  } else if (edition == Edition::Zr20 && (ContainsText(u"r3", options) || ContainsText(u"r4", options))) {
    choice.code = 4;
  } else {
    static constexpr int kCodes[] = {1, 2, 4};
    choice.code = kCodes[Random(3)];
    drawn = true;
  }
  if (!options.empty() && (options[0] == u'B' || options[0] == u'b')) {
    options.erase(0, 1);
    if (const auto v = ReadPlainInteger(NextToken(options))) ApplyRollCode(*v, drawn, choice);
  }
  if (choice.roll < 0) choice.roll = Roll2D6().sum();
  return choice;
}

std::u16string MakeCharacter(std::u16string_view argument, Edition edition) {
  std::u16string rest(argument);
  const std::u16string first = NextToken(rest);
  if (const auto rows = ReadPlainInteger(first)) return BackgroundRows(*rows);
  const RaceId race = FindRace(first);
  if (!IsRace(race)) return {};
  const RollChoice choice = ReadOptions(rest, edition);
  return MakeByCode(Heading(edition) + std::u16string(Race(race).name), race, edition, choice.code, choice.roll);
}

// ---- X の Y.

enum class GroupWord { None, Random, Human, Barbarian };

GroupWord ReadGroupWord(std::u16string_view x, Edition edition) {
  if (x == u"ランダム") return GroupWord::Random;
  if (edition == Edition::Zr25) return GroupWord::None;
  if (x == u"人族") return GroupWord::Human;
  if (x == u"蛮族") return GroupWord::Barbarian;
  return GroupWord::None;
}

RaceGroup GroupOf(GroupWord word) {
  if (word == GroupWord::Human) return RaceGroup::Human;
  return word == GroupWord::Barbarian ? RaceGroup::Barbarian : RaceGroup::Any;
}

std::u16string_view GroupLabel(GroupWord word) {
  if (word == GroupWord::Human) return u"人族ランダム";
  return word == GroupWord::Barbarian ? u"蛮族ランダム" : u"ランダム";
}

// A race drawn among all codes but 23 until it belongs to the group. The draw is bounded; running out
// of it (never in practice) leaves no race.
RaceId DrawRace(RaceGroup group) {
  constexpr int kMostDraws = 1000;
  for (int i = 0; i < kMostDraws; ++i) {
    const int index = Random(kRaceSlots - 1);
    const RaceId race = index < 23 ? index : index + 1;
    if (group == RaceGroup::Any || (group == RaceGroup::Human) == Race(race).humanSide) return race;
  }
  return kNoRace;
}

std::u16string MakeCharacterFrom(std::u16string_view argument, Edition edition) {
  const size_t no = argument.find(u'の');
  if (no == std::u16string_view::npos) return {};
  const std::u16string_view x = argument.substr(0, no);
  std::u16string after(argument.substr(no + 1));
  const std::u16string y = NextToken(after);
  const GroupWord group = ReadGroupWord(x, edition);

  if (group == GroupWord::None) {
    const RaceId race = FindRace(x);
    if (!IsRace(race)) return {};
    if (race == kRaceHuman && y == u"冒険者") return MakeByCode(u"", kRaceAdventurer, edition, 0, 0);
    const std::u16string heading = Heading(edition) + std::u16string(Race(race).name);
    if (y == u"ランダム") {
      const int code = DrawRandomCode(race, edition);
      const int roll = Roll2D6().sum();
      return MakeByCode(heading, race, edition, code, roll);
    }
    const std::vector<BirthHit> hits = SearchBirths(y, edition, {race});
    return hits.empty() ? std::u16string() : MakeFromHit(heading, PickHit(hits), edition);
  }

  const std::u16string heading = Heading(edition) + std::u16string(GroupLabel(group)) + u" -> ";
  if (y == u"ランダム") {
    const RaceId race = DrawRace(GroupOf(group));
    if (!IsRace(race)) return {};
    const int code = DrawRandomCode(race, edition);
    const int roll = Roll2D6().sum();
    return MakeByCode(heading + std::u16string(Race(race).name), race, edition, code, roll);
  }
  const std::vector<BirthHit> hits = SearchBirths(y, edition, SearchedRaces(GroupOf(group), edition));
  if (hits.empty()) return {};
  const BirthHit& hit = PickHit(hits);
  return MakeFromHit(heading + std::u16string(Race(hit.race).name), hit, edition);
}

// ---- Birth lists.

constexpr std::u16string_view kRaceCodeList =
    u"【ＺＲ２種族コード一覧】\r\n"
    u"人間： hm \u3000人間(冒険者生まれ) : ad\r\n"
    u"エルフ： el \u3000ドワーフ : dw\r\n"
    u"タビット： ta \u3000ルーンフォーク : ru\r\n"
    u"ナイトメア： ni \u3000リルドラケン : ld\r\n"
    u"グラスランナー： gr \u3000ドレイク ：dr\r\n"
    u"ダークトロール： dt \u3000ラミア ：lm\r\n"
    u"ライカンスロープ： lt \u3000コボルド ：cb\r\n"
    u"シャドウ： sh \u3000フィー ：fe\r\n"
    u"フロウライト： fl \u3000ウィークリング ：we\r\n"
    u"ラルヴァ： rv\u3000ハイマン：hi\r\n"
    u"ミアキス： mi\u3000ダークドワーフ：dd\r\n"
    u"バルカン： ba\u3000ヴァルキリー：vl\r\n"
    u"ドレイク(ナイト)： dk\u3000バジリスク：bs\r\n"
    u"リザードマン： li\u3000ケンタウロス：ce\r\n"
    u"センティアン： se1,se2,se3\u3000リカント：ly\r\n"
    u"※種族の正式名でもきちんと生まれを出力できます";

constexpr std::u16string_view kBannerII = u"\u3000 \u3000 ＜＜\u3000 \u3000 ルールブックII\u3000 \u3000 ＞＞";
constexpr std::u16string_view kBannerIB = u"\u3000 \u3000 ＜＜\u3000 \u3000イグニスブレイズ  \u3000 ＞＞";
constexpr std::u16string_view kBannerBB = u"\u3000 \u3000 ＜＜\u3000 \u3000バルバロスブック  \u3000 ＞＞";

std::u16string ListedRow(const BirthRow& row) {
  if (!row.listable) return row.marker;
  return row.data.Birth + u"(" + row.data.Job + u") " + FormatInteger(row.data.Exp) + u"Exp";
}

std::u16string ListTables(RaceId race) {
  const std::span<const BirthTable> tables = BirthTables(race, Edition::Zr20);
  const bool threeBooks = tables.size() == 3 && tables[0].shelf == Shelf::Rule1;
  std::u16string text;
  for (const BirthTable& table : tables) {
    std::u16string_view digit;
    if (table.shelf == Shelf::Rule2) {
      digit = u"2";
      if (threeBooks) text += std::u16string(kLineBreak) + std::u16string(kBannerII);
    } else if (table.shelf == Shelf::IB) {
      digit = u"4";
      text += std::u16string(kLineBreak) + std::u16string(kBannerIB);
    } else if (table.shelf == Shelf::BB) {
      digit = u"5";
      text += std::u16string(kLineBreak) + std::u16string(kBannerBB);
    }
    const std::u16string command = u"#make zr2 " + std::u16string(Race(race).listCode) + u" b" + std::u16string(digit);
    for (int row = 0; row < LayoutRows(table.layout); ++row)
      text += std::u16string(kLineBreak) + u"[" + command + FormatInteger(LayoutListingRoll(table.layout, row)) +
              u"]:" + ListedRow(ReadBirthRow(race, table, row));
  }
  return text;
}

}  // namespace

std::u16string MakeCharacter20(std::u16string_view argument) { return MakeCharacter(argument, Edition::Zr20); }

std::u16string MakeCharacter25(std::u16string_view argument) { return MakeCharacter(argument, Edition::Zr25); }

std::u16string MakeCharacterFrom20(std::u16string_view argument) {
  return MakeCharacterFrom(argument, Edition::Zr20);
}

std::u16string MakeCharacterFrom25(std::u16string_view argument) {
  return MakeCharacterFrom(argument, Edition::Zr25);
}

std::u16string ListBirths(std::u16string_view code) {
  Reseed();
  std::u16string_view word = code.substr(0, code.find(u'\u3000'));
  word = word.substr(0, word.find(u' '));
  const RaceId race = FindRace(word);
  if (!IsRace(race)) return std::u16string(kRaceCodeList);
  std::u16string text = u"【ＺＲ２キャラクター職業リスト】 種族：" + std::u16string(Race(race).name);
  if (race == kRaceAdventurer) return text + std::u16string(kLineBreak) + u"[0]:冒険者(なし) 3000Exp";
  // These races have tables to make from but no list.
  if (race == 25 || race == 26 || race == 35 || race == 36) return text;
  return text + ListTables(race);
}

}  // namespace zr2
