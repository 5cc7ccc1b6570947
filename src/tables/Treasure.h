// Treasure tables of ZR and its scenario books. Each returns one line of text.
#pragma once
#include <string>
#include <string_view>

namespace zr2 {

// LL tables A..K (either case); sub-table 1..3 for A, 1..2 for B, anything else picks at random.
std::u16string RollLLTreasure(char16_t letter, int subTable);
// word is "$" and a letter A..L as typed.
std::u16string RollTreasureDrop(std::u16string_view word);
std::u16string RollMistCastleTreasure(int grade);
std::u16string RollCursedLandTreasure(int grade);
std::u16string RollMistGraveTreasure(int grade);
std::u16string RollViceCityTreasure(int modifier);
std::u16string RollMedals(int modifier);
std::u16string RollDamageBonus();
// A magic blade for a 2d6 result (rolls its own d6 for the list).
std::u16string RollMagicBlade(int roll);

}  // namespace zr2
