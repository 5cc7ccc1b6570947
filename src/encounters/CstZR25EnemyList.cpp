#include "encounters/CstZR25EnemyList.h"

#include <iterator>

#include "dice/Arithmetic.h"

namespace zr2 {
namespace {

constexpr TZR25EnemyPage kPages[] = {
#include "vice_city_monster_pages.inc"
};

constexpr bool PagesInOrder() {
  int index = 0;
  for (const TZR25EnemyPage& page : kPages) {
    if (page.id >= 0 && page.id != index++) return false;
    if (page.RB != -1 && page.RB != 1 && page.RB != 4) return false;
  }
  return index == kZR25EnemyPageCount;
}
static_assert(PagesInOrder(), "vice_city_monster_pages.tsv must number its rows 0-63 in order, books 1 or 4");

bool Usable(const TZR25EnemyPage& page) { return page.RB >= 0 && page.Page >= 0 && !page.Name.empty(); }

struct CellRow {
  bool known;
  std::u16string_view category;
  int band;
  int cell;
  int id;
  int num;
  int plus;
  std::u16string_view name;
};
constexpr CellRow kCells[] = {
#include "vice_city_encounters.inc"
};

constexpr int CellsPerBand(size_t category) { return category == 0 ? 6 : 3; }

constexpr size_t CategoryStart(size_t category) {
  size_t start = 0;
  for (size_t c = 0; c < category; ++c) start += static_cast<size_t>(CellsPerBand(c)) * kViceCityBands;
  return start;
}

constexpr bool CellsInOrder() {
  if (std::size(kCells) != CategoryStart(std::size(kViceCityCategories))) return false;
  for (size_t c = 0; c < std::size(kViceCityCategories); ++c)
    for (int band = 0; band < kViceCityBands; ++band)
      for (int cell = 0; cell < CellsPerBand(c); ++cell) {
        const CellRow& row = kCells[CategoryStart(c) + band * CellsPerBand(c) + cell];
        if (row.category != kViceCityCategories[c] || row.band != band || row.cell != cell + 1) return false;
      }
  return true;
}
static_assert(CellsInOrder(), "vice_city_encounters.tsv is out of order");

}  // namespace

const TZR25EnemyPage* ZR25EnemyPage(int id) {
  if (id < 0 || id >= kZR25EnemyPageCount || !Usable(kPages[id])) return nullptr;
  return &kPages[id];
}

const TZR25EnemyPage* ZR25EnemyPageByName(std::u16string_view name) {
  if (name.empty()) return nullptr;
  for (const TZR25EnemyPage& page : kPages)
    if (page.Name == name && Usable(page)) return &page;
  return nullptr;
}

std::u16string ZR25BookReference(const TZR25EnemyPage& page) {
  return (page.RB == 4 ? u"V" : FormatInteger(page.RB)) + u"-" + FormatInteger(page.Page);
}

int ViceCityCellsPerBand(int category) { return CellsPerBand(static_cast<size_t>(category)); }

TViceCityEnemyIDData ViceCityCell(int category, int band, int cell) {
  const CellRow& row = kCells[CategoryStart(category) + band * CellsPerBand(category) + cell];
  return {{row.known, row.id, row.num, row.name}, row.plus};
}

TableRowCount ZR25EnemyPageRowCount() {
  TableRowCount count{u"ヴァイスシティ 魔物ページ"};
  for (const TZR25EnemyPage& page : kPages) {
    if (page.id < 0)
      ++count.partial;
    else
      ++(page.known ? count.real : count.missing);
  }
  return count;
}

std::vector<TableRowCount> ViceCityTableRowCounts() {
  std::vector<TableRowCount> counts;
  for (size_t c = 0; c < std::size(kViceCityCategories); ++c) {
    TableRowCount& count = counts.emplace_back();
    count.table = u"ヴァイスシティ " + std::u16string(kViceCityCategories[c]);
    for (int band = 0; band < kViceCityBands; ++band)
      for (int cell = 0; cell < CellsPerBand(c); ++cell) {
        const CellRow& row = kCells[CategoryStart(c) + band * CellsPerBand(c) + cell];
        if (row.known)
          ++count.real;
        else if (!row.name.empty() && row.num >= 0 && row.plus >= 0)
          ++count.partial;
        else
          ++count.missing;
      }
  }
  return counts;
}

}  // namespace zr2
