#include "tables/RowCounts.h"

namespace zr2 {

void CountTableRow(std::vector<TableRowCount>& counts, std::u16string_view table, bool known) {
  auto found = counts.begin();
  while (found != counts.end() && found->table != table) ++found;
  if (found == counts.end()) found = counts.insert(counts.end(), TableRowCount{std::u16string(table)});
  ++(known ? found->real : found->missing);
}

std::vector<TableRowCount> ContentTableRowCounts() {
  std::vector<TableRowCount> all;
  for (auto part : {LLTreasureRowCounts(), TreasureDropRowCounts(), ViceCityRowCounts(), HazardRowCounts()})
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace zr2
