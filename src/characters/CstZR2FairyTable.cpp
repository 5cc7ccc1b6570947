#include "characters/CstZR2FairyTable.h"

#include <iterator>

#include "dice/Arithmetic.h"
#include "text/MissingRow.h"

namespace zr2 {
namespace {

struct ImpurityRow {
  bool known;
  int lowest;  // the row runs up to the next row's lowest total; the last row has no end
  std::u16string_view text;
};
constexpr ImpurityRow kImpurityRows[] = {
#include "characters_impurity.inc"
};
constexpr int kImpurityRowCount = static_cast<int>(std::size(kImpurityRows));

struct FairyRow {
  bool known;
  std::u16string_view table;
  int lowest;
  int highest;
  std::u16string_view text;
};
constexpr FairyRow kFairyRows[] = {
#include "characters_fairy.inc"
};

std::u16string Band(int lowest, int highest) {
  if (highest <= lowest) return FormatInteger(lowest);
  return FormatInteger(lowest) + u"-" + FormatInteger(highest);
}

}  // namespace

std::u16string ImpurityResult(std::int64_t total) {
  for (int i = kImpurityRowCount - 1; i >= 0; --i) {
    const ImpurityRow& row = kImpurityRows[i];
    if (total < row.lowest && i > 0) continue;
    if (row.known) return std::u16string(row.text);
    const int highest = i + 1 < kImpurityRowCount ? kImpurityRows[i + 1].lowest - 1 : row.lowest;
    return MissingRow(u"穢れ表", Band(row.lowest, highest));
  }
  return {};
}

std::u16string FairyRowText(char16_t table, int roll) {
  for (const FairyRow& row : kFairyRows) {
    if (row.table.size() != 1 || row.table[0] != table || roll < row.lowest || roll > row.highest) continue;
    if (row.known) return std::u16string(row.text);
    return MissingRow(u"妖精のいたずら表" + std::u16string(row.table), Band(row.lowest, row.highest));
  }
  return {};
}

std::vector<TableRowCount> ImpurityFairyRowCounts() {
  std::vector<TableRowCount> counts{{u"穢れ表"}};
  for (const ImpurityRow& row : kImpurityRows) (row.known ? counts[0].real : counts[0].missing) += 1;
  for (const FairyRow& row : kFairyRows) {
    const std::u16string name = u"妖精のいたずら表" + std::u16string(row.table);
    if (counts.back().table != name) counts.push_back({name});
    (row.known ? counts.back().real : counts.back().missing) += 1;
  }
  return counts;
}

}  // namespace zr2
