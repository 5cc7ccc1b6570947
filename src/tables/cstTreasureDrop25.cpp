#include "tables/cstTreasureDrop25.h"

#include <array>
#include <iterator>

#include "tables/RowCounts.h"

namespace zr2 {
namespace {

struct DropLine {
  bool known;
  std::u16string_view table;
  int position;
  std::u16string_view name;
  int price;
  std::u16string_view rule;
  int et;
};

constexpr DropLine kDropLines[] = {
#include "treasure_drop.inc"
};

struct DropTableShape {
  char16_t letter;
  int rows;
};
constexpr std::array<DropTableShape, 12> kDropShapes = {{{u'A', 72}, {u'B', 36}, {u'C', 36}, {u'D', 36}, {u'E', 36},
                                                         {u'F', 36}, {u'G', 12}, {u'H', 12}, {u'I', 12}, {u'J', 12},
                                                         {u'K', 12}, {u'L', 24}}};
constexpr int kDropRows = 336;

constexpr int FirstBadDropLine() {
  if (std::size(kDropLines) != kDropRows) return static_cast<int>(std::size(kDropLines));
  int line = 0;
  for (const DropTableShape& shape : kDropShapes)
    for (int position = 1; position <= shape.rows; ++position, ++line) {
      const DropLine& l = kDropLines[line];
      if (l.table.size() != 1 || l.table[0] != shape.letter || l.position != position) return line;
    }
  return -1;
}
static_assert(FirstBadDropLine() == -1, "data/treasure_drop.tsv breaks the table layout");

constexpr std::array<TreasureDropRow, kDropRows> MakeDropRows() {
  std::array<TreasureDropRow, kDropRows> rows{};
  for (size_t i = 0; i < rows.size(); ++i) {
    const DropLine& l = kDropLines[i];
    rows[i] = {l.known, {l.name, l.price, l.rule == u"-" ? std::u16string_view() : l.rule, l.et}};
  }
  return rows;
}
constexpr std::array<TreasureDropRow, kDropRows> kDropRowsByTable = MakeDropRows();

constexpr DropOption kStats[] = {{u"器用", -1}, {u"敏捷", -1}, {u"筋力", -1}, {u"知力", -1}};
constexpr DropOption kFiveColours[] = {{u"赤", -1}, {u"緑", -1}, {u"黒", -1}, {u"白", -1}, {u"金", -1}};
constexpr DropOption kFourColours[] = {{u"赤", -1}, {u"緑", -1}, {u"黒", -1}, {u"白", -1}};
constexpr DropOption kArmourSizes[] = {{u"6", 6120}, {u"3", 2120}};

const DropExtraRoll kExtras[] = {
    {u'A', 6, kStats},
    {u'A', 19, kStats},
    {u'A', 44, {}, 1, u"x", u"", 400},
    {u'B', 12, kFiveColours},
    {u'B', 13, kFourColours},
    {u'C', 35, {}, 2, u"", u"回", 500},
    {u'D', 12, kArmourSizes},
    {u'J', 2, kFiveColours},
    {u'J', 11, {}, 1, u"", u"回", 6000},
};

struct ScenarioLine {
  bool known;
  std::u16string_view list;
  int roll;
  std::u16string_view text;
};
constexpr ScenarioLine kScenarioLines[] = {
#include "scenario_treasure.inc"
};

struct ArenaLine {
  bool known;
  int d6;
  int multiplier;
  std::u16string_view text;
};
constexpr ArenaLine kArenaLines[] = {
#include "arena_prizes.inc"
};
static_assert(std::size(kArenaLines) == 6, "data/arena_prizes.tsv needs six rows");

struct MedalLine {
  bool known;
  int highest;  // -1: no limit
  std::u16string_view text;
};
constexpr MedalLine kMedalLines[] = {
#include "medals.inc"
};
static_assert(std::size(kMedalLines) > 0 && kMedalLines[std::size(kMedalLines) - 1].highest == -1,
              "data/medals.tsv must end with an open row");

struct BonusLine {
  bool known;
  int number;
  std::u16string_view effect;
};
constexpr BonusLine kBonusLines[] = {
#include "damage_bonus.inc"
};

}  // namespace

std::span<const TreasureDropRow> TreasureDropTable(char16_t letter) {
  size_t start = 0;
  for (const DropTableShape& shape : kDropShapes) {
    if (shape.letter == letter) return std::span(kDropRowsByTable).subspan(start, shape.rows);
    start += shape.rows;
  }
  return {};
}

const DropExtraRoll* TreasureDropExtra(char16_t table, int position) {
  for (const DropExtraRoll& extra : kExtras)
    if (extra.table == table && extra.position == position) return &extra;
  return nullptr;
}

std::optional<ScenarioTreasureRow> ScenarioTreasure(std::u16string_view list, int roll) {
  for (const ScenarioLine& line : kScenarioLines)
    if (line.list == list && line.roll == roll) return ScenarioTreasureRow{line.known, line.text};
  return std::nullopt;
}

ArenaPrize ArenaPrizeRow(int d6) {
  for (const ArenaLine& line : kArenaLines)
    if (line.d6 == d6) return {line.multiplier, line.text};
  return {0, {}};
}

std::u16string_view MedalText(long long sum) {
  for (const MedalLine& line : kMedalLines)
    if (line.highest < 0 || sum <= line.highest) return line.text;
  return {};
}

std::u16string_view DamageBonusEffect(int number) {
  for (const BonusLine& line : kBonusLines)
    if (line.number == number && line.effect != u"-") return line.effect;
  return {};
}

std::vector<TableRowCount> TreasureDropRowCounts() {
  std::vector<TableRowCount> counts;
  for (const DropLine& line : kDropLines)
    CountTableRow(counts, u"トレジャードロップ表" + std::u16string(line.table), line.known);
  for (const ScenarioLine& line : kScenarioLines) CountTableRow(counts, line.list, line.known);
  for (const ArenaLine& line : kArenaLines) CountTableRow(counts, u"ミストキャッスル闘技場の宝物", line.known);
  for (const MedalLine& line : kMedalLines) CountTableRow(counts, u"勲章表", line.known);
  for (const BonusLine& line : kBonusLines) CountTableRow(counts, u"ダメージボーナス表", line.known);
  return counts;
}

}  // namespace zr2
