#include "encounters/CstPBTable.h"

namespace zr2 {
namespace {

constexpr UrgeRow kUrgeRows[] = {
#include "urge_table.inc"
};

constexpr bool InTableOrder() {
  int index = 0;
  for (const UrgeRow& row : kUrgeRows) {
    if (row.level != index / 11 + 1 || row.result != index % 11 + 2) return false;
    ++index;
  }
  return index == 5 * 11;
}
static_assert(InTableOrder(), "urge_table.tsv must hold levels 1-5 with results 2-12 in order");

}  // namespace

const UrgeRow* FindUrgeRow(int level, int result) {
  if (level < 1 || level > 5 || result < 2 || result > 12) return nullptr;
  return &kUrgeRows[(level - 1) * 11 + (result - 2)];
}

TableRowCount UrgeTableRowCount() {
  TableRowCount count{u"衝動表"};
  for (const UrgeRow& row : kUrgeRows) ++(row.known ? count.real : count.missing);
  return count;
}

}  // namespace zr2
