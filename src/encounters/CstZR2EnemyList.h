// ZR 2.0 monster pages: where the book describes each monster that the encounter tables name.
#pragma once
#include <string>
#include <string_view>

#include "text/TableRowCount.h"

namespace zr2 {

// How much of a data table is known: rows we have, rows known only in part, rows nobody has.
// Numbers read -1 where the row does not know them.
struct TZR2EnemyPage {
  bool known;
  int id;                    // -1: a page found by name, its ID not known yet
  std::u16string_view Name;  // "-": an empty entry
  int RB;                    // book code (0 none)
  int Page;
  int BT;  // page in the further book (0 none)
};

constexpr int kZR2EnemyPageCount = 375;

// The page of a monster ID, or null when the ID is out of range or its row is not known.
const TZR2EnemyPage* ZR2EnemyPage(int id);
// A page by the monster's name (rows whose ID is not known yet included), or null.
const TZR2EnemyPage* ZR2EnemyPageByName(std::u16string_view name);

// The name as printed: empty for an empty entry.
std::u16string_view EnemyPageName(std::u16string_view name);
// "1-340,BT-32": book letter and page, then the further book's page.
std::u16string ZR2BookReference(const TZR2EnemyPage& page);

// Indexed rows real or missing; rows found by name count as partial.
TableRowCount ZR2EnemyPageRowCount();

}  // namespace zr2
