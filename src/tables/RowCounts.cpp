#include "tables/RowCounts.h"

namespace zr2 {

std::vector<TableRowCount> ContentTableRowCounts() {
  std::vector<TableRowCount> all;
  for (auto part : {LLTreasureRowCounts(), TreasureDropRowCounts(), ViceCityRowCounts(), HazardRowCounts()})
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace zr2
