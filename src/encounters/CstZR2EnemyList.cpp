#include "encounters/CstZR2EnemyList.h"

#include <iterator>

#include "dice/Arithmetic.h"

namespace zr2 {
namespace {

constexpr TZR2EnemyPage kPages[] = {
#include "zr2_monster_pages.inc"
};

constexpr bool IndexedInOrder() {
  int index = 0;
  for (const TZR2EnemyPage& page : kPages)
    if (page.id >= 0 && page.id != index++) return false;
  return index == kZR2EnemyPageCount;
}
static_assert(IndexedInOrder(), "zr2_monster_pages.tsv must number its rows 0-374 in order");

constexpr std::u16string_view kBookLetters[] = {u"", u"1", u"2", u"3", u"M", u"F", u"E", u"P", u"W", u"C", u"G"};

constexpr bool BooksKnown() {
  for (const TZR2EnemyPage& page : kPages)
    if (page.RB < -1 || page.RB >= static_cast<int>(std::size(kBookLetters))) return false;
  return true;
}
static_assert(BooksKnown(), "zr2_monster_pages.tsv names a book code without a letter");

bool Usable(const TZR2EnemyPage& page) { return page.RB >= 0 && page.Page >= 0 && page.BT >= 0 && !page.Name.empty(); }

}  // namespace

const TZR2EnemyPage* ZR2EnemyPage(int id) {
  if (id < 0 || id >= kZR2EnemyPageCount || !Usable(kPages[id])) return nullptr;
  return &kPages[id];
}

const TZR2EnemyPage* ZR2EnemyPageByName(std::u16string_view name) {
  if (name.empty()) return nullptr;
  for (const TZR2EnemyPage& page : kPages)
    if (page.Name == name && Usable(page)) return &page;
  return nullptr;
}

std::u16string_view EnemyPageName(std::u16string_view name) { return name == u"-" ? std::u16string_view() : name; }

std::u16string ZR2BookReference(const TZR2EnemyPage& page) {
  std::u16string reference;
  if (page.RB > 0) {
    reference = std::u16string(kBookLetters[page.RB]) + u"-" + FormatInteger(page.Page);
  }
  if (page.BT > 0) {
    if (!reference.empty()) reference += u",";
    reference += u"BT-" + FormatInteger(page.BT);
  }
  return reference;
}

TableRowCount ZR2EnemyPageRowCount() {
  TableRowCount count{u"魔物ページ"};
  for (const TZR2EnemyPage& page : kPages) {
    if (page.id < 0)
      ++count.partial;
    else
      ++(page.known ? count.real : count.missing);
  }
  return count;
}

}  // namespace zr2
