#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "TestFolder.h"
#include "encounters/CstPBTable.h"
#include "encounters/CstZR25EnemyList.h"
#include "encounters/CstZR2EnemyList.h"
#include "encounters/CstZR2EnemyTable.h"

namespace zr2 {
namespace {

using test::U8;
using Counts = std::tuple<int, int, int>;  // real, known only in part, missing

// What the data files hold, table by table: whatever is not listed in `known` is wholly missing.
TEST(EncounterData, RealAndMissingRowsPerTable) {
  std::map<std::string, Counts> expected;
  const auto missing = [&](const std::string& table, int rows) { expected[table] = {0, 0, rows}; };
  for (const char* c : {"蛮族", "動物", "植物", "アンデッド", "魔法生物", "幻獣", "人族"})
    missing(std::string("ミストキャッスル ") + c, 7 * 8);
  for (const char* c : {"蛮族", "動物", "植物", "アンデッド", "魔動機", "魔法生物", "妖精", "魔神", "幻獣", "人族"})
    missing(std::string("カースドランド ") + c, 14 * 8);
  for (const char* c : {"蛮族", "水辺", "遺跡", "墳墓", "悪党", "魔窟"})
    missing(std::string("ミストグレイヴ ") + c, 11 * 8);
  for (const char* t : {"山岳", "森林", "荒れ地", "渓谷", "台地", "沼地", "湖畔", "遺跡"})
    for (int s = 1; s <= 3; ++s) missing(std::string("エターナルエンパイア ") + t + std::to_string(s), 10 * 3);
  for (const char* r : {"遺跡の蛮族", "遺跡の動植物", "遺跡の幻獣", "遺跡のアンデッド", "遺跡の魔法生物", "遺跡の魔神"})
    missing(std::string("エターナルエンパイア ") + r, 14);
  missing("ヴァイスシティ 蛮族", 6 * 6);
  for (const char* c : {"動物", "植物", "アンデッド", "魔法生物", "魔動機", "幻獣", "魔神", "人族"})
    missing(std::string("ヴァイスシティ ") + c, 6 * 3);

  // The rows we have: monster IDs 0 and 1 with the empty IDs 232 and 301; ボルグ by name; the
  // Mist Castle 蛮族 level-1 row (レッドキャップ and グレムリン by name only); the Vice City 蛮族 band-0
  // row and ボルグ (all by name); the empty level-3 entry of 遺跡の幻獣; the whole urge table.
  expected["魔物ページ"] = {4, 0, 371};
  expected["ヴァイスシティ 魔物ページ"] = {0, 1, 64};
  expected["ミストキャッスル 蛮族"] = {5, 3, 48};
  expected["ヴァイスシティ 蛮族"] = {0, 7, 29};
  expected["エターナルエンパイア 遺跡の幻獣"] = {1, 0, 13};
  expected["衝動表"] = {55, 0, 0};

  std::vector<TableRowCount> counts = EncounterTableRowCounts();
  for (TableRowCount& c : ViceCityTableRowCounts()) counts.push_back(c);
  counts.push_back(ZR2EnemyPageRowCount());
  counts.push_back(ZR25EnemyPageRowCount());
  counts.push_back(UrgeTableRowCount());
  std::map<std::string, Counts> actual;
  for (const TableRowCount& c : counts) actual[U8(c.table)] = {c.real, c.partial, c.missing};
  EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace zr2
