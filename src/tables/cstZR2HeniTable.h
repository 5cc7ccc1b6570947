// Hazard and transformation data: traps, curses, vanish effects, entanglement locations, body
// parts, demon traits and the Cursed Land mutations.
#pragma once
#include <cstdint>
#include <string_view>

namespace zr2 {

// The three rows of a grid indexed by a first d6 grouped 1-2, 3-4, 5-6 and a second d6.
constexpr int DiceGroup(int first) { return first <= 2 ? 0 : first <= 4 ? 1 : 2; }
// 0..17 for dice 1..6.
constexpr int GridCell(int first, int second) { return 6 * DiceGroup(first) + second - 1; }
// "1-2/3": how the book names a grid cell.
std::u16string_view GridCellName(int cell);

struct TrapRow {
  bool known;
  std::u16string_view numbers;  // 2d6 terms in order, such as "2d6+8,2d6"; empty for none
  std::u16string_view text;     // {} stands for the next number
};
TrapRow TrapTableRow(char16_t table, int d6);  // table 'A', 'B' or 'C'

struct KnownText {
  bool known;
  std::u16string_view text;
};
KnownText CurseText(int cell);
std::u16string_view VanishText(int roll);        // 2d6 result
std::u16string_view BindLocationText(int number);
std::u16string_view BodyPart(int cell);

struct DemonTrait {
  std::u16string_view name;
  bool withPart = false;
  std::u16string_view characterForm;  // empty when nobody has it
  std::u16string_view monsterForm;    // empty when nobody has it
};
DemonTrait DemonTraitCell(int cell);

struct Mutation {
  bool known;
  std::u16string_view name;    // empty when nobody has it
  std::u16string_view effect;  // empty when nobody has it
  bool holdsBlade = false;     // the effect names a magic blade ([Level4])
};
Mutation MutationRow(int d66);

}  // namespace zr2
