// Treasure data besides the LL and Vice City tables: the ZR2.5 treasure drop tables, the scenario
// treasure lists with the magic blades and arena prizes, the medal and damage-bonus tables.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zr2 {

struct TSingleTreasure25 {
  std::u16string_view Name;  // empty when nobody has it
  std::int32_t Price = 0;    // G; -1 when rolled (or not known)
  std::u16string_view Rule;  // rulebook reference such as 1-326; empty when none
  std::int32_t ET = 0;       // page shown after "ET"; -1 when not known
};

struct TreasureDropRow {
  bool known;  // every field filled in
  TSingleTreasure25 item;
};

// Table A..L in upper case; empty for any other letter.
std::span<const TreasureDropRow> TreasureDropTable(char16_t letter);

// A row whose item takes a further roll: one of a few options, or a count that sets the price.
struct DropOption {
  std::u16string_view text;
  std::int32_t price;  // -1: the row's own
};
struct DropExtraRoll {
  char16_t table;
  int position;  // from 1, as in the data file
  std::span<const DropOption> options = {};
  int countDice = 0;  // d6 rolled for a count (when there are no options)
  std::u16string_view before = {};  // around the count
  std::u16string_view after = {};
  std::int32_t unitPrice = 0;         // price per counted unit
};
const DropExtraRoll* TreasureDropExtra(char16_t table, int position);

// A scenario treasure list by name (as in data/scenario_treasure.tsv) and 2d6 result; nothing when
// the row is not filled in, and an empty list name when the list has no such row.
struct ScenarioTreasureRow {
  bool known;
  std::u16string_view text;
};
std::optional<ScenarioTreasureRow> ScenarioTreasure(std::u16string_view list, int roll);

struct ArenaPrize {
  int multiplier;  // of a fresh 2d6; 0: no number
  std::u16string_view text;  // {} stands for the number
};
ArenaPrize ArenaPrizeRow(int d6);

std::u16string_view MedalText(long long sum);
// Effect 2..6; empty for 1 and anything else.
std::u16string_view DamageBonusEffect(int number);

}  // namespace zr2
