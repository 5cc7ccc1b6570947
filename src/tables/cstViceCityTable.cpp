#include "tables/cstViceCityTable.h"

#include <iterator>

#include "tables/RowCounts.h"

namespace zr2 {
namespace {

struct ItemLine {
  bool known;
  int kind;
  int d6;
  std::u16string_view name;
  int jewelledKind;
};
constexpr ItemLine kItems[] = {
#include "vice_city_treasure_items.inc"
};

struct GradeLine {
  bool known;
  int index;
  std::u16string_view name;
  int factor;
};
constexpr GradeLine kGrades[] = {
#include "vice_city_treasure_grades.inc"
};

struct ConditionLine {
  bool known;
  int d6;
  std::u16string_view prefix;
  std::u16string_view ending;
};
constexpr ConditionLine kConditions[] = {
#include "vice_city_treasure_conditions.inc"
};

struct TrapLine {
  bool known;
  int kind;
  int further;
  std::u16string_view text;
};
constexpr TrapLine kTraps[] = {
#include "vice_city_traps.inc"
};

// Every die face must have its row, and a jewelled item must point at a kind that exists.
constexpr bool Complete() {
  for (int kind = 1; kind <= 6; ++kind)
    for (int d6 = 1; d6 <= 6; ++d6) {
      int found = 0;
      for (const ItemLine& line : kItems)
        if (line.kind == kind && line.d6 == d6 && line.jewelledKind >= 0 && line.jewelledKind <= 6 &&
            line.jewelledKind != 1)
          ++found;
      if (found != 1) return false;
    }
  for (int index = 0; index <= 5; ++index) {
    int found = 0;
    for (const GradeLine& line : kGrades) found += line.index == index;
    if (found != 1) return false;
  }
  for (int d6 = 1; d6 <= 6; ++d6) {
    int conditions = 0, traps = 0;
    for (const ConditionLine& line : kConditions) conditions += line.d6 == d6;
    for (const TrapLine& line : kTraps) traps += line.kind == d6 && line.further == 0;
    if (conditions != 1 || traps != 1) return false;
  }
  return true;
}
static_assert(Complete(), "a Vice City data file lacks a row");

}  // namespace

ViceCityItem ViceCityTreasureItem(int kind, int d6) {
  for (const ItemLine& line : kItems)
    if (line.kind == kind && line.d6 == d6) return {line.name, line.jewelledKind};
  return {};
}

ViceCityGrade ViceCityTreasureGrade(int index) {
  for (const GradeLine& line : kGrades)
    if (line.index == index) return {line.name, line.factor};
  return {};
}

ViceCityCondition ViceCityTreasureCondition(int d6) {
  for (const ConditionLine& line : kConditions)
    if (line.d6 == d6) return {line.prefix, line.ending};
  return {};
}

std::u16string_view ViceCityTrapText(int kind, int further) {
  for (const TrapLine& line : kTraps)
    if (line.kind == kind && line.further == further) return line.text;
  return {};
}

std::vector<TableRowCount> ViceCityRowCounts() {
  std::vector<TableRowCount> counts;
  for (const ItemLine& line : kItems) CountTableRow(counts, u"ヴァイスシティ宝物 品物", line.known);
  for (const GradeLine& line : kGrades) CountTableRow(counts, u"ヴァイスシティ宝物 品質", line.known);
  for (const ConditionLine& line : kConditions) CountTableRow(counts, u"ヴァイスシティ宝物 状態", line.known);
  for (const TrapLine& line : kTraps) CountTableRow(counts, u"ヴァイスシティ罠", line.known);
  return counts;
}

}  // namespace zr2
