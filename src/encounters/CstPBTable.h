// The urge table (衝動表) of パラサイトブラッド: five urge levels, one row per 2d6 result.
#pragma once
#include <string_view>

#include "encounters/CstZR2EnemyList.h"

namespace zr2 {

struct UrgeRow {
  bool known;
  int level;
  int result;
  std::u16string_view name;
  int experience;
  std::u16string_view effect;
};

// The row of level 1..5 and result 2..12, or null outside the table.
const UrgeRow* FindUrgeRow(int level, int result);

TableRowCount UrgeTableRowCount();

}  // namespace zr2
