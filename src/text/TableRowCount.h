// How much of a rulebook table the data files hold: rows entered from the book, rows only partly
// known, and rows nobody here has, so a game master can see what is left to fill in.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zr2 {

struct TableRowCount {
  std::u16string table;  // as printed in a missing-row marker
  int real = 0;
  int partial = 0;
  int missing = 0;
};

// Adds one row to the count of its table (tables keep the order of their first row).
inline void CountTableRow(std::vector<TableRowCount>& counts, std::u16string_view table, bool known) {
  auto found = counts.begin();
  while (found != counts.end() && found->table != table) ++found;
  if (found == counts.end()) found = counts.insert(counts.end(), TableRowCount{std::u16string(table)});
  ++(known ? found->real : found->missing);
}

}  // namespace zr2
