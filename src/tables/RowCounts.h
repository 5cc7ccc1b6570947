// How many rows of each content table hold the book's text and how many are still missing, so that
// a game master can see what is left to fill in.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "text/TableRowCount.h"

namespace zr2 {

std::vector<TableRowCount> LLTreasureRowCounts();
std::vector<TableRowCount> TreasureDropRowCounts();
std::vector<TableRowCount> ViceCityRowCounts();
std::vector<TableRowCount> HazardRowCounts();
// All of the above, in that order.
std::vector<TableRowCount> ContentTableRowCounts();

}  // namespace zr2
