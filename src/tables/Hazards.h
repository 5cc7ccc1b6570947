// Hazard and transformation tables: traps, curses, vanish, entanglement, demon traits, mutations.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zr2 {

std::u16string RollTrap(char16_t table);  // 'A', 'B' or 'C'
std::u16string RollViceCityTrap(std::u16string_view channel);
std::u16string RollCurse();
std::u16string RollVanish();
std::u16string RollBindLocation(int location);  // 0 rolls a d6
std::u16string RollMonsterBoost(int count);     // empty below 1

enum class TraitForm { Character, Monster };
struct TBonusAndMemo {
  std::u16string Result;  // trait lines, each ending with CR LF
  std::uint8_t Bonus = 0; // 1 when 狂気の肉体 was drawn
};
TBonusAndMemo RollDemonTraits(TraitForm form, int count);

std::u16string RollCursedLandMutations(int trials);
std::u16string RollEncounterMutations(int count);
std::u16string RollMutationCount(int rolls, int modifier);

}  // namespace zr2
