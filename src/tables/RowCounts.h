// How many rows of each content table hold the book's text and how many are still missing, so that
// a game master can see what is left to fill in.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zr2 {

struct TableRowCount {
  std::u16string table;  // as printed in a missing-row marker
  int real = 0;
  int missing = 0;
};

// Adds one row to the count of its table (tables keep the order of their first row).
void CountTableRow(std::vector<TableRowCount>& counts, std::u16string_view table, bool known);

std::vector<TableRowCount> LLTreasureRowCounts();
std::vector<TableRowCount> TreasureDropRowCounts();
std::vector<TableRowCount> ViceCityRowCounts();
std::vector<TableRowCount> HazardRowCounts();
// All of the above, in that order.
std::vector<TableRowCount> ContentTableRowCounts();

}  // namespace zr2
