// ヴァイスシティ monsters: their pages and the nine category tables by threat band.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "encounters/CstZR2EnemyList.h"
#include "encounters/CstZR2EnemyTable.h"

namespace zr2 {

// Numbers read -1 where the row does not know them.
struct TZR25EnemyPage {
  bool known;
  int id;  // -1: a page found by name, its ID not known yet
  std::u16string_view Name;
  int RB;  // 1 or 4
  int Page;
};

constexpr int kZR25EnemyPageCount = 64;

const TZR25EnemyPage* ZR25EnemyPage(int id);
const TZR25EnemyPage* ZR25EnemyPageByName(std::u16string_view name);
// "1-441", "V-12".
std::u16string ZR25BookReference(const TZR25EnemyPage& page);

// One cell of a category table; also one item of a rolled list.
struct TViceCityEnemyIDData {
  EncounterCell cell;  // ID, count (Num) and the name when the ID is not known
  int Plus = 0;        // -1 when not known
};

// The tables in their book order; 蛮族 has a cell per d6, the others three.
inline constexpr std::u16string_view kViceCityCategories[] = {u"蛮族",   u"動物", u"植物", u"アンデッド", u"魔法生物",
                                                              u"魔動機", u"幻獣", u"魔神", u"人族"};
inline constexpr int kViceCityBandThresholds[] = {0, 21, 33, 45, 58, 71};
constexpr int kViceCityBands = 6;
int ViceCityCellsPerBand(int category);
// category indexes kViceCityCategories; band 0..5; cell from 0.
TViceCityEnemyIDData ViceCityCell(int category, int band, int cell);

TableRowCount ZR25EnemyPageRowCount();
std::vector<TableRowCount> ViceCityTableRowCounts();

}  // namespace zr2
