#include "tables/cstZR2HeniTable.h"

#include <array>
#include <iterator>

#include "tables/RowCounts.h"

namespace zr2 {
namespace {

struct TrapLine {
  bool known;
  std::u16string_view table;
  int d6;
  std::u16string_view numbers;
  std::u16string_view text;
};
constexpr TrapLine kTraps[] = {
#include "traps.inc"
};

struct GridLine {
  bool known;
  std::u16string_view group;
  int d6;
  std::u16string_view text;
};
constexpr GridLine kCurses[] = {
#include "curses.inc"
};
constexpr GridLine kBodyParts[] = {
#include "body_parts.inc"
};

struct TraitLine {
  bool known;
  std::u16string_view group;
  int d6;
  std::u16string_view name;
  int withPart;
  std::u16string_view characterForm;
  std::u16string_view monsterForm;
};
constexpr TraitLine kTraits[] = {
#include "demon_traits.inc"
};

struct VanishLine {
  bool known;
  int lowest;
  int highest;
  std::u16string_view text;
};
constexpr VanishLine kVanish[] = {
#include "vanish.inc"
};

struct BindLine {
  bool known;
  int number;
  std::u16string_view text;
};
constexpr BindLine kBind[] = {
#include "bind_locations.inc"
};

struct MutationLine {
  bool known;
  int d66;
  std::u16string_view name;
  std::u16string_view effect;
  int blade;
};
constexpr MutationLine kMutations[] = {
#include "mutations.inc"
};

constexpr std::array<std::u16string_view, 18> kCellNames = {
    u"1-2/1", u"1-2/2", u"1-2/3", u"1-2/4", u"1-2/5", u"1-2/6", u"3-4/1", u"3-4/2", u"3-4/3",
    u"3-4/4", u"3-4/5", u"3-4/6", u"5-6/1", u"5-6/2", u"5-6/3", u"5-6/4", u"5-6/5", u"5-6/6"};
constexpr std::array<std::u16string_view, 3> kGroups = {u"1-2", u"3-4", u"5-6"};

template <class Line, size_t N>
constexpr bool IsGrid(const Line (&lines)[N]) {
  if (N != 18) return false;
  for (size_t i = 0; i < N; ++i)
    if (lines[i].group != kGroups[i / 6] || lines[i].d6 != static_cast<int>(i % 6) + 1) return false;
  return true;
}
static_assert(IsGrid(kCurses), "data/curses.tsv needs 18 rows in grid order");
static_assert(IsGrid(kBodyParts), "data/body_parts.tsv needs 18 rows in grid order");
static_assert(IsGrid(kTraits), "data/demon_traits.tsv needs 18 rows in grid order");

constexpr bool TrapsInOrder() {
  if (std::size(kTraps) != 18) return false;
  for (size_t i = 0; i < 18; ++i)
    if (kTraps[i].table.size() != 1 || kTraps[i].table[0] != u"ABC"[i / 6] || kTraps[i].d6 != static_cast<int>(i % 6) + 1)
      return false;
  return true;
}
static_assert(TrapsInOrder(), "data/traps.tsv needs rows A1..C6 in order");

// A filled-in trap text has one {} for each rolled number.
constexpr bool TrapNumbersPlaced() {
  for (const TrapLine& line : kTraps) {
    if (!line.known) continue;
    size_t terms = line.numbers == u"-" ? 0 : 1;
    for (char16_t c : line.numbers) terms += c == u',';
    size_t places = 0;
    for (size_t at = line.text.find(u"{}"); at != std::u16string_view::npos; at = line.text.find(u"{}", at + 2)) ++places;
    if (terms != places) return false;
  }
  return true;
}
static_assert(TrapNumbersPlaced(), "data/traps.tsv: a text needs one {} per rolled number");

constexpr bool MutationsInOrder() {
  if (std::size(kMutations) != 36) return false;
  for (size_t i = 0; i < 36; ++i)
    if (kMutations[i].d66 != static_cast<int>(i / 6 + 1) * 10 + static_cast<int>(i % 6) + 1) return false;
  return true;
}
static_assert(MutationsInOrder(), "data/mutations.tsv needs 36 rows in d66 order");

constexpr bool VanishCovers2d6() {
  for (int roll = 2; roll <= 12; ++roll) {
    int found = 0;
    for (const VanishLine& line : kVanish) found += line.lowest <= roll && roll <= line.highest;
    if (found != 1) return false;
  }
  return true;
}
static_assert(VanishCovers2d6(), "data/vanish.tsv must cover 2..12 once");

constexpr std::u16string_view NoneIfDash(std::u16string_view text) { return text == u"-" ? std::u16string_view() : text; }

}  // namespace

std::u16string_view GridCellName(int cell) { return cell >= 0 && cell < 18 ? kCellNames[cell] : std::u16string_view(); }

TrapRow TrapTableRow(char16_t table, int d6) {
  for (const TrapLine& line : kTraps)
    if (line.table.size() == 1 && line.table[0] == table && line.d6 == d6)
      return {line.known, NoneIfDash(line.numbers), line.text};
  return {false, {}, {}};
}

KnownText CurseText(int cell) {
  if (cell < 0 || cell >= 18) return {false, {}};
  return {kCurses[cell].known, kCurses[cell].text};
}

std::u16string_view VanishText(int roll) {
  for (const VanishLine& line : kVanish)
    if (line.lowest <= roll && roll <= line.highest) return line.text;
  return {};
}

std::u16string_view BindLocationText(int number) {
  const BindLine* fallback = nullptr;
  for (const BindLine& line : kBind) {
    if (line.number == number) return line.text;
    if (line.number == 3) fallback = &line;
  }
  return fallback != nullptr ? fallback->text : std::u16string_view();
}

std::u16string_view BodyPart(int cell) { return cell >= 0 && cell < 18 ? kBodyParts[cell].text : std::u16string_view(); }

DemonTrait DemonTraitCell(int cell) {
  if (cell < 0 || cell >= 18) return {};
  const TraitLine& line = kTraits[cell];
  return {line.name, line.withPart != 0, line.characterForm, line.monsterForm};
}

Mutation MutationRow(int d66) {
  for (const MutationLine& line : kMutations)
    if (line.d66 == d66) return {line.known, line.name, line.effect, line.blade != 0};
  return {false, {}, {}, false};
}

std::vector<TableRowCount> HazardRowCounts() {
  std::vector<TableRowCount> counts;
  for (const TrapLine& line : kTraps) CountTableRow(counts, u"トラップ表" + std::u16string(line.table), line.known);
  for (const GridLine& line : kCurses) CountTableRow(counts, u"呪い表", line.known);
  for (const VanishLine& line : kVanish) CountTableRow(counts, u"バニッシュ表", line.known);
  for (const BindLine& line : kBind) CountTableRow(counts, u"絡み部位表", line.known);
  for (const GridLine& line : kBodyParts) CountTableRow(counts, u"部位表", line.known);
  for (const TraitLine& line : kTraits) CountTableRow(counts, u"魔神化表", line.known);
  for (const MutationLine& line : kMutations) CountTableRow(counts, u"カースドランド変異表", line.known);
  return counts;
}

}  // namespace zr2
