// お嬢様 name tables (surname and given name, d100 each) and the flower-language table (d100).
#include "commands/OtherTables.h"
#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "text/MissingRow.h"

namespace zr2 {
namespace {

struct NameRow {
  bool known;
  std::u16string_view table;
  int roll;
  std::u16string_view name;
  std::u16string_view reading;
};

constexpr NameRow kNames[] = {
#include "ojousama_names.inc"
};
static_assert(std::size(kNames) == 200);

struct FlowerRow {
  bool known;
  int roll;
  std::u16string_view flower;
  std::u16string_view meanings;
  std::u16string_view fortune;
};

constexpr FlowerRow kFlowers[] = {
#include "flower_language.inc"
};
static_assert(std::size(kFlowers) == 100);

struct Name {
  std::u16string text;
  std::u16string reading;
};

// d100 roll 1..100 of the surname (first 100 rows) or the given-name table.
Name NameAt(bool surname, int roll) {
  const NameRow& row = kNames[(surname ? 0 : 100) + roll - 1];
  if (row.name.empty()) return {MissingRow(surname ? u"お嬢様苗字表" : u"お嬢様名前表", FormatInteger(roll)), u""};
  return {std::u16string(row.name), std::u16string(row.reading)};
}


}  // namespace

std::u16string RollOjousamaName(OjousamaName selector) {
  if (selector == OjousamaName::Full) {
    const int s = Random(100) + 1, g = Random(100) + 1;
    const Name surname = NameAt(true, s), given = NameAt(false, g);
    return u"[" + FormatInteger(s) + u"," + FormatInteger(g) + u"] = " + surname.text + u"　" + given.text + u"（" +
           surname.reading + u"　" + given.reading + u"）";
  }
  const int roll = Random(100) + 1;
  const Name name = NameAt(selector == OjousamaName::Surname, roll);
  return u"[" + FormatInteger(roll) + u"] = " + name.text + u"（" + name.reading + u"）";
}

std::u16string RollFlowerLanguage() {
  const int n = Random(100) + 1;
  const FlowerRow& row = kFlowers[n - 1];
  const std::u16string missing = MissingRow(u"花言葉表", FormatInteger(n));
  const std::u16string head = u"[" + FormatInteger(n) + u"]";
  if (row.flower.empty()) return head + missing;
  return head + std::u16string(row.flower) + u":" + std::u16string(row.meanings) + u"\r\n" +
         (row.fortune.empty() ? missing : std::u16string(row.fortune));
}

std::vector<TableRowCount> OjousamaRowCounts() {
  std::vector<TableRowCount> counts;
  for (const NameRow& row : kNames) CountTableRow(counts, row.table == u"苗字" ? u"お嬢様苗字表" : u"お嬢様名前表", row.known);
  for (const FlowerRow& row : kFlowers) CountTableRow(counts, u"花言葉表", row.known);
  return counts;
}

}  // namespace zr2
