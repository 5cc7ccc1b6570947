#include "tables/CstLLTreasureTable.h"

#include <array>
#include <iterator>

#include "tables/RowCounts.h"

namespace zr2 {
namespace {

// One line of data/ll_treasure.tsv; category and rule are written as the book shows them.
struct Row {
  bool known;
  std::u16string_view table;
  int d66;
  std::u16string_view name;
  int price;
  std::u16string_view category;
  int llPage;
  std::u16string_view rule;
  int rulePage;
};

constexpr Row kRows[] = {
#include "ll_treasure.inc"
};

constexpr std::array<std::u16string_view, kLLTableCount> kTableNames = {
    u"A1", u"A2", u"A3", u"B1", u"B2", u"C", u"D", u"E", u"F", u"G", u"H", u"I", u"J", u"K"};

constexpr std::array<std::u16string_view, kLLTreasureCategoryCount> kCategoryNames = {
    u"", u"アックスB/絡みS", u"アックスA", u"アックスS", u"アックス/投擲S", u"アックスSS", u"アックス/投擲SS", u"ウォーハンマーB",
    u"ウォーハンマーA", u"ウォーハンマーS", u"ウォーハンマーSS", u"ウォーハンマー/投擲SS", u"ガンB", u"ガンA", u"ガンS", u"ガンSS",
    u"クロスボウA", u"クロスボウS", u"クロスボウSS", u"スタッフB", u"スタッフA", u"スタッフS", u"スタッフSS", u"スピアB", u"スピアA",
    u"スピアS", u"スピアSS", u"スピア/投擲SS", u"ソードB", u"ソードB/投擲S", u"ソードA", u"ソードS", u"ソード/投擲S", u"ソードSS",
    u"フレイルA", u"フレイルS", u"フレイルSS", u"ボウA", u"ボウS", u"ボウSS", u"ポーション", u"メイスA", u"メイスS", u"メイスSS", u"衣類",
    u"格闘S", u"格闘SS", u"換金物", u"顔", u"騎獣用装飾品", u"騎獣用武器", u"騎獣用防具", u"騎獣用薬品・修理具", u"金属鎧B", u"金属鎧A",
    u"金属鎧S", u"金属鎧SS", u"現金", u"腰", u"耳", u"手", u"首", u"盾B", u"盾A", u"盾S", u"盾SS", u"消耗品", u"足", u"投擲B",
    u"投擲A", u"投擲S", u"投擲SS", u"頭", u"任意", u"背中", u"非金属鎧B", u"非金属鎧A", u"非金属鎧S", u"非金属鎧SS",
    u"冒険者技能用アイテム", u"冒険道具類", u"魔動機用追加武装", u"魔動機用修理具類", u"矢弾", u"薬品", u"絡み/投擲A", u"絡みS", u"絡みSS"};

constexpr std::array<std::u16string_view, 9> kRuleCodes = {u"", u"1", u"2", u"3", u"AW", u"CG", u"WT", u"PZ", u"LL"};

// "-" is the data file's word for "none"; -1 for a text that names nothing.
constexpr int CategoryIndex(std::u16string_view name) {
  if (name == u"-") return 0;
  for (int i = 1; i < kLLTreasureCategoryCount; ++i)
    if (kCategoryNames[i] == name) return i;
  return -1;
}

constexpr int RuleIndex(std::u16string_view code) {
  if (code == u"-") return 0;
  for (int i = 1; i < static_cast<int>(kRuleCodes.size()); ++i)
    if (kRuleCodes[i] == code) return i;
  return -1;
}

// The first line that breaks the layout (wrong table, d66 out of order, unknown category or
// rule code), counted from the first data row; -1 when all is well.
constexpr int FirstBadRow() {
  if (std::size(kRows) != kLLTableCount * kLLTableRows) return static_cast<int>(std::size(kRows));
  for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i) {
    const Row& row = kRows[i];
    const int position = i % kLLTableRows;
    if (row.table != kTableNames[i / kLLTableRows] || row.d66 != (position / 6 + 1) * 10 + position % 6 + 1) return i;
    if (!row.category.empty() && CategoryIndex(row.category) < 0) return i;
    if (!row.rule.empty() && RuleIndex(row.rule) < 0) return i;
  }
  return -1;
}
static_assert(FirstBadRow() == -1, "data/ll_treasure.tsv breaks the table layout");

}  // namespace

std::u16string_view CategoryName(TLLTreasureCategory category) {
  const auto index = static_cast<size_t>(category);
  return index < kCategoryNames.size() ? kCategoryNames[index] : std::u16string_view();
}

std::u16string_view RuleCode(TLLTreasureRule rule) {
  const auto index = static_cast<size_t>(rule);
  return index < kRuleCodes.size() ? kRuleCodes[index] : std::u16string_view();
}

int LLTableIndex(std::u16string_view name) {
  for (int i = 0; i < kLLTableCount; ++i)
    if (kTableNames[i] == name) return i;
  return -1;
}

std::u16string_view LLTableName(int table) {
  return table >= 0 && table < kLLTableCount ? kTableNames[table] : std::u16string_view();
}

std::optional<TLLTreasureUnit> LLTreasureItem(int table, int row) {
  if (table < 0 || table >= kLLTableCount || row < 0 || row >= kLLTableRows) return std::nullopt;
  const Row& r = kRows[table * kLLTableRows + row];
  if (!r.known) return std::nullopt;
  return TLLTreasureUnit{r.name, r.price, static_cast<TLLTreasureCategory>(CategoryIndex(r.category)), r.llPage,
                         static_cast<TLLTreasureRule>(RuleIndex(r.rule)), r.rulePage};
}

std::vector<TableRowCount> LLTreasureRowCounts() {
  std::vector<TableRowCount> counts;
  for (const Row& row : kRows) CountTableRow(counts, u"LL-" + std::u16string(row.table), row.known);
  return counts;
}

}  // namespace zr2
