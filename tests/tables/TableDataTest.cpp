#include <gtest/gtest.h>

#include <iostream>
#include <map>

#include "TestFolder.h"
#include "tables/CstLLTreasureTable.h"
#include "tables/RowCounts.h"

namespace zr2 {
namespace {

using test::U8;

// Prints what each table holds so a game master sees what is left to fill in, and checks that
// every table keeps the size its dice need.
TEST(TableData, RowCountsPerTable) {
  const std::vector<TableRowCount> counts = ContentTableRowCounts();
  std::map<std::string, int> sizes;
  for (const TableRowCount& count : counts) {
    std::cout << U8(count.table) << ": " << count.real << " real, " << count.missing << " missing\n";
    EXPECT_EQ(sizes.count(U8(count.table)), 0u) << "listed twice: " << U8(count.table);
    sizes[U8(count.table)] = count.real + count.missing;
  }
  const std::map<std::string, int> expected = {
      {"LL-A1", 36}, {"LL-A2", 36}, {"LL-A3", 36}, {"LL-B1", 36}, {"LL-B2", 36}, {"LL-C", 36}, {"LL-D", 36},
      {"LL-E", 36}, {"LL-F", 36}, {"LL-G", 36}, {"LL-H", 36}, {"LL-I", 36}, {"LL-J", 36}, {"LL-K", 36},
      {"トレジャードロップ表A", 72}, {"トレジャードロップ表B", 36}, {"トレジャードロップ表C", 36},
      {"トレジャードロップ表D", 36}, {"トレジャードロップ表E", 36}, {"トレジャードロップ表F", 36},
      {"トレジャードロップ表G", 12}, {"トレジャードロップ表H", 12}, {"トレジャードロップ表I", 12},
      {"トレジャードロップ表J", 12}, {"トレジャードロップ表K", 12}, {"トレジャードロップ表L", 24},
      {"ミストキャッスル宝物$", 11}, {"ミストキャッスル宝物$$(1-3)", 11}, {"ミストキャッスル宝物$$(4-6)", 11},
      {"ミストキャッスル宝物$$$(1-3)", 11}, {"ミストキャッスル宝物$$$(4-6)", 11}, {"ミストキャッスル闘技場の宝物", 6},
      {"カースドランド宝物$", 11}, {"カースドランド宝物$$", 10}, {"カースドランド宝物$$$", 9},
      {"魔剣決定表(1-4)", 11}, {"魔剣決定表(5-6)", 11},
      {"ミストグレイヴ宝物$", 11}, {"ミストグレイヴ宝物$$", 11}, {"ミストグレイヴ宝物$$$", 11},
      {"勲章表", 10}, {"ダメージボーナス表", 6},
      {"ヴァイスシティ宝物 品物", 36}, {"ヴァイスシティ宝物 品質", 6}, {"ヴァイスシティ宝物 状態", 6},
      {"ヴァイスシティ罠", 18},
      {"トラップ表A", 6}, {"トラップ表B", 6}, {"トラップ表C", 6}, {"呪い表", 18}, {"バニッシュ表", 3},
      {"絡み部位表", 6}, {"部位表", 18}, {"魔神化表", 18}, {"カースドランド変異表", 36},
  };
  EXPECT_EQ(sizes, expected);
}

TEST(TableData, QuotedRowsAreReal) {
  std::map<std::string, int> real;
  for (const TableRowCount& count : ContentTableRowCounts()) real[U8(count.table)] = count.real;
  EXPECT_EQ(real["LL-A1"], 3);
  EXPECT_EQ(real["LL-A2"], 0);
  EXPECT_EQ(real["ミストキャッスル宝物$"], 3);
  EXPECT_EQ(real["ヴァイスシティ宝物 品物"], 36);
  EXPECT_EQ(real["ヴァイスシティ罠"], 18);
  EXPECT_EQ(real["トラップ表A"], 2);
  EXPECT_EQ(real["呪い表"], 3);
  EXPECT_EQ(real["部位表"], 18);
  EXPECT_EQ(real["カースドランド変異表"], 2);
}

TEST(TableData, CategoryNamesAndRuleCodes) {
  EXPECT_EQ(U8(std::u16string(CategoryName(TLLTreasureCategory::dcNone))), "");
  EXPECT_EQ(U8(std::u16string(CategoryName(TLLTreasureCategory::dcAxBKaramiS))), "アックスB/絡みS");
  EXPECT_EQ(U8(std::u16string(CategoryName(TLLTreasureCategory::dcExhcange))), "換金物");
  EXPECT_EQ(U8(std::u16string(CategoryName(TLLTreasureCategory::dcLinkageSS))), "絡みSS");
  EXPECT_EQ(static_cast<int>(TLLTreasureCategory::dcLinkageSS), 87);
  EXPECT_EQ(U8(std::u16string(RuleCode(TLLTreasureRule::ltRuleNone))), "");
  EXPECT_EQ(U8(std::u16string(RuleCode(TLLTreasureRule::ltRule1))), "1");
  EXPECT_EQ(U8(std::u16string(RuleCode(TLLTreasureRule::ltRuleLL))), "LL");
}

}  // namespace
}  // namespace zr2
