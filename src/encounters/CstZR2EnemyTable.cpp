#include "encounters/CstZR2EnemyTable.h"

#include <iterator>

#include "dice/Arithmetic.h"

namespace zr2 {
namespace {

using GridRow = EncounterGrid::Row;

constexpr std::u16string_view kMistCastleCategories[] = {u"蛮族",     u"動物", u"植物", u"アンデッド",
                                                         u"魔法生物", u"幻獣", u"人族"};
constexpr std::u16string_view kCursedLandCategories[] = {u"蛮族",     u"動物", u"植物", u"アンデッド", u"魔動機",
                                                         u"魔法生物", u"妖精", u"魔神", u"幻獣",       u"人族"};
constexpr std::u16string_view kMistGraveCategories[] = {u"蛮族", u"水辺", u"遺跡", u"墳墓", u"悪党", u"魔窟"};

constexpr GridRow kMistCastleRows[] = {
#include "mist_castle_encounters.inc"
};
constexpr GridRow kCursedLandRows[] = {
#include "cursed_land_encounters.inc"
};
constexpr GridRow kMistGraveRows[] = {
#include "mist_grave_encounters.inc"
};

constexpr EncounterGrid kMistCastle(u"ミストキャッスル", kMistCastleCategories, 1, 7, kMistCastleRows);
constexpr EncounterGrid kCursedLand(u"カースドランド", kCursedLandCategories, 2, 15, kCursedLandRows);
constexpr EncounterGrid kMistGrave(u"ミストグレイヴ", kMistGraveCategories, 2, 12, kMistGraveRows);
static_assert(kMistCastle.InOrder(), "mist_castle_encounters.tsv is out of order");
static_assert(kCursedLand.InOrder(), "cursed_land_encounters.tsv is out of order");
static_assert(kMistGrave.InOrder(), "mist_grave_encounters.tsv is out of order");

struct TerrainRow {
  bool known;
  std::u16string_view terrain;
  int subTable;
  int level;
  int group;
  int id;
  int count;
  std::u16string_view name;
};
constexpr TerrainRow kTerrainRowsData[] = {
#include "eternal_empire_terrain.inc"
};

constexpr size_t TerrainIndex(int terrain, int subTable, int row, int group) {
  return ((static_cast<size_t>(terrain) * kTerrainSubTables + subTable) * kTerrainRows + row) * kTerrainGroups + group;
}

constexpr bool TerrainInOrder() {
  if (std::size(kTerrainRowsData) != TerrainIndex(std::size(kTerrainTables), 0, 0, 0)) return false;
  for (int t = 0; t < static_cast<int>(std::size(kTerrainTables)); ++t)
    for (int s = 0; s < kTerrainSubTables; ++s)
      for (int r = 0; r < kTerrainRows; ++r)
        for (int g = 0; g < kTerrainGroups; ++g) {
          const TerrainRow& row = kTerrainRowsData[TerrainIndex(t, s, r, g)];
          if (row.terrain != kTerrainTables[t].name || row.subTable != s + 1 ||
              row.level != kTerrainTables[t].offset + r || row.group != g + 1)
            return false;
        }
  return true;
}
static_assert(TerrainInOrder(), "eternal_empire_terrain.tsv is out of order");

struct RuinRow {
  bool known;
  std::u16string_view list;
  int level;
  int id;
  std::u16string_view name;
};
constexpr RuinRow kRuinRows[] = {
#include "eternal_empire_ruins.inc"
};
constexpr int kRuinLevels = kRuinLastLevel - kRuinFirstLevel + 1;

constexpr bool RuinsInOrder() {
  if (std::size(kRuinRows) != std::size(kRuinLists) * kRuinLevels) return false;
  for (size_t i = 0; i < std::size(kRuinRows); ++i)
    if (kRuinRows[i].list != kRuinLists[i / kRuinLevels] ||
        kRuinRows[i].level != kRuinFirstLevel + static_cast<int>(i % kRuinLevels))
      return false;
  return true;
}
static_assert(RuinsInOrder(), "eternal_empire_ruins.tsv is out of order");

void Tally(TableRowCount& count, const EncounterCell& cell) {
  if (cell.known)
    ++count.real;
  else if (!cell.name.empty() && cell.count >= 0)
    ++count.partial;
  else
    ++count.missing;
}

}  // namespace

EncounterCell EncounterGrid::Cell(int category, int level, int column) const {
  const Row& row = rows_[Index(category, level, column)];
  return {row.known, row.id, row.count, row.name};
}

std::vector<TableRowCount> EncounterGrid::RowCounts() const {
  std::vector<TableRowCount> counts;
  for (size_t c = 0; c < categories_.size(); ++c) {
    TableRowCount& count = counts.emplace_back();
    count.table = std::u16string(scenario_) + u" " + std::u16string(categories_[c]);
    for (int level = firstLevel_; level <= lastLevel_; ++level)
      for (int column = 1; column <= kColumns; ++column) Tally(count, Cell(static_cast<int>(c), level, column));
  }
  return counts;
}

const EncounterGrid& MistCastleGrid() { return kMistCastle; }
const EncounterGrid& CursedLandGrid() { return kCursedLand; }
const EncounterGrid& MistGraveGrid() { return kMistGrave; }

EncounterCell TerrainCell(int terrain, int subTable, int row, int group) {
  const TerrainRow& data = kTerrainRowsData[TerrainIndex(terrain, subTable, row, group)];
  return {data.known, data.id, data.count, data.name};
}

EncounterCell RuinCell(int type, int level) {
  const RuinRow& row = kRuinRows[(type - 1) * kRuinLevels + (level - kRuinFirstLevel)];
  return {row.known, row.id, 1, row.name};
}

std::vector<TableRowCount> EncounterTableRowCounts() {
  std::vector<TableRowCount> counts;
  for (const EncounterGrid* grid : {&kMistCastle, &kCursedLand, &kMistGrave})
    for (TableRowCount& count : grid->RowCounts()) counts.push_back(std::move(count));
  for (int t = 0; t < static_cast<int>(std::size(kTerrainTables)); ++t)
    for (int s = 0; s < kTerrainSubTables; ++s) {
      TableRowCount& count = counts.emplace_back();
      count.table = u"エターナルエンパイア " + std::u16string(kTerrainTables[t].name) + FormatInteger(s + 1);
      for (int r = 0; r < kTerrainRows; ++r)
        for (int g = 0; g < kTerrainGroups; ++g) Tally(count, TerrainCell(t, s, r, g));
    }
  for (int type = 1; type <= static_cast<int>(std::size(kRuinLists)); ++type) {
    TableRowCount& count = counts.emplace_back();
    count.table = u"エターナルエンパイア " + std::u16string(kRuinLists[type - 1]);
    for (int level = kRuinFirstLevel; level <= kRuinLastLevel; ++level) Tally(count, RuinCell(type, level));
  }
  return counts;
}

}  // namespace zr2
