// Encounter tables of the ZR 2.0 scenario books: the Mist Castle, Cursed Land and Mist Grave grids,
// the Eternal Empire terrain tables and its ruin lists.
#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "encounters/CstZR2EnemyList.h"

namespace zr2 {

// One cell as the tables give it. A known cell names its monster by ID (-1: nobody); a cell whose
// ID is not known yet may still carry the book's name and count; otherwise nobody has it.
struct EncounterCell {
  bool known = false;
  int id = -1;
  int count = -1;
  std::u16string_view name;
};

// A grid: per category, one row per level with the results 1 to 8.
class EncounterGrid {
 public:
  struct Row {
    bool known;
    std::u16string_view category;
    int level;
    int column;
    int id;
    int count;
    std::u16string_view name;
  };
  static constexpr int kColumns = 8;

  constexpr EncounterGrid(std::u16string_view scenario, std::span<const std::u16string_view> categories, int firstLevel,
                          int lastLevel, std::span<const Row> rows)
      : scenario_(scenario), categories_(categories), firstLevel_(firstLevel), lastLevel_(lastLevel), rows_(rows) {}

  std::u16string_view scenario() const { return scenario_; }
  std::span<const std::u16string_view> categories() const { return categories_; }
  int firstLevel() const { return firstLevel_; }
  int lastLevel() const { return lastLevel_; }
  // category is an index into categories(); level and column must lie within the grid.
  EncounterCell Cell(int category, int level, int column) const;
  // Whether every row stands where its category, level and column say.
  constexpr bool InOrder() const;
  std::vector<TableRowCount> RowCounts() const;

 private:
  constexpr size_t Index(int category, int level, int column) const {
    return (static_cast<size_t>(category) * (lastLevel_ - firstLevel_ + 1) + (level - firstLevel_)) * kColumns +
           (column - 1);
  }
  std::u16string_view scenario_;
  std::span<const std::u16string_view> categories_;
  int firstLevel_;
  int lastLevel_;
  std::span<const Row> rows_;
};

constexpr bool EncounterGrid::InOrder() const {
  size_t expected = static_cast<size_t>(categories_.size()) * (lastLevel_ - firstLevel_ + 1) * kColumns;
  if (rows_.size() != expected) return false;
  for (size_t c = 0; c < categories_.size(); ++c)
    for (int level = firstLevel_; level <= lastLevel_; ++level)
      for (int column = 1; column <= kColumns; ++column) {
        const Row& row = rows_[Index(static_cast<int>(c), level, column)];
        if (row.category != categories_[c] || row.level != level || row.column != column) return false;
      }
  return true;
}

const EncounterGrid& MistCastleGrid();
const EncounterGrid& CursedLandGrid();
const EncounterGrid& MistGraveGrid();

// Eternal Empire terrain: three sub-tables of ten rows, three groups a row. Row r holds the level
// offset + r.
struct TerrainTable {
  std::u16string_view name;
  int offset;
};
inline constexpr TerrainTable kTerrainTables[] = {{u"山岳", 1}, {u"森林", 1}, {u"荒れ地", 1}, {u"渓谷", 3},
                                                  {u"台地", 3}, {u"沼地", 3}, {u"湖畔", 5},   {u"遺跡", 5}};
constexpr int kTerrainSubTables = 3;
constexpr int kTerrainRows = 10;
constexpr int kTerrainGroups = 3;
// terrain is an index into kTerrainTables; subTable, row and group count from 0.
EncounterCell TerrainCell(int terrain, int subTable, int row, int group);

// Eternal Empire ruins: six lists of one monster per level 3 to 16 (types 1 to 6).
inline constexpr std::u16string_view kRuinLists[] = {u"遺跡の蛮族",       u"遺跡の動植物",   u"遺跡の幻獣",
                                                     u"遺跡のアンデッド", u"遺跡の魔法生物", u"遺跡の魔神"};
constexpr int kRuinFirstLevel = 3;
constexpr int kRuinLastLevel = 16;
// The cell of ruin type 1..6 at a level within the list; its count is 1.
EncounterCell RuinCell(int type, int level);

std::vector<TableRowCount> EncounterTableRowCounts();

}  // namespace zr2
