// The urge value roll of パラサイトブラッド, and the row counts of the dispatcher's own tables.
#include "commands/OtherTables.h"
#include "dice/Arithmetic.h"
#include "dice/GameRules.h"

namespace zr2 {

std::vector<TableRowCount> OjousamaRowCounts();
std::vector<TableRowCount> DivinationRowCounts();

std::u16string RollUrgeValues() {
  std::u16string lists, totals;
  int bonus = 0;
  for (int i = 0; i < 6; ++i) {
    const DiceGroup group = RollOrdinaryGroup(2, 6);
    const long long t = group.total;
    bonus += t == 2 ? 2 : (t >= 3 && t <= 5) ? 1 : 0;
    lists += (i ? u"," : u"") + group.full;
    totals += (i ? u"," : u"") + FormatInteger(t);
  }
  return lists + u"=[" + totals + u"](衝動 " + FormatInteger(15 + bonus) + u")";
}

std::vector<TableRowCount> OtherTableRowCounts() {
  std::vector<TableRowCount> counts = OjousamaRowCounts();
  const std::vector<TableRowCount> divination = DivinationRowCounts();
  counts.insert(counts.end(), divination.begin(), divination.end());
  return counts;
}

}  // namespace zr2
