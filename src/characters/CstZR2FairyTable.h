// Constant data of the impurity table (穢れ表) and the fairy mischief tables (妖精のいたずら表) A-E.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "text/TableRowCount.h"

namespace zr2 {

// The result for a total of 2d6 plus modifier (2 and up); the marker for a row nobody has.
std::u16string ImpurityResult(std::int64_t total);

// The row of fairy table A-E (upper case) for a 2d6 roll, its "{x|y}" choice parts not yet drawn;
// the marker for a row nobody has; empty for another letter or a roll in no band.
std::u16string FairyRowText(char16_t table, int roll);

std::vector<TableRowCount> ImpurityFairyRowCounts();

}  // namespace zr2
