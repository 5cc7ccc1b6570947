// zr2tables: how much of every rulebook table the data files hold, for a game master filling
// them in: rows entered, rows partly known, rows nobody here has yet.
#include <unicode/ustring.h>

#include <iostream>
#include <string>
#include <vector>

#include "characters/CstZR2BirthTable.h"
#include "characters/CstZR2FairyTable.h"
#include "commands/OtherTables.h"
#include "encounters/CstZR25EnemyList.h"
#include "encounters/CstZR2EnemyTable.h"
#include "tables/RowCounts.h"

namespace {

std::string Utf8(const std::u16string& text) {
  std::string out(text.size() * 3 + 1, '\0');
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &length, text.data(), static_cast<int32_t>(text.size()),
              &error);
  out.resize(U_SUCCESS(error) ? length : 0);
  return out;
}

}  // namespace

int main() {
  using zr2::TableRowCount;
  const std::vector<std::vector<TableRowCount>> groups = {
      zr2::BirthTableRowCounts(),      zr2::BackgroundRowCounts(),     zr2::ImpurityFairyRowCounts(),
      zr2::ContentTableRowCounts(),    zr2::EncounterTableRowCounts(), zr2::ViceCityTableRowCounts(),
      zr2::OtherTableRowCounts(),
  };
  TableRowCount total{u"total"};
  std::cout << "table\treal\tpartial\tmissing\n";
  for (const auto& group : groups) {
    for (const TableRowCount& count : group) {
      std::cout << Utf8(count.table) << "\t" << count.real << "\t" << count.partial << "\t" << count.missing << "\n";
      total.real += count.real;
      total.partial += count.partial;
      total.missing += count.missing;
    }
  }
  std::cout << "total\t" << total.real << "\t" << total.partial << "\t" << total.missing << "\n";
  return 0;
}
