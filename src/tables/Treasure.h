// Treasure tables of ZR and its scenario books. Each returns one line of text.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "tables/cstTreasureDrop25.h"

namespace zr2 {

// LL tables A..K (either case); sub-table 1..3 for A, 1..2 for B, anything else picks at random.
std::u16string RollLLTreasure(char16_t letter, int subTable);
// word is "$" and a letter A..L as typed.
std::u16string RollTreasureDrop(std::u16string_view word);
// The line for one drop row after its extra roll (extra text such as "(x3)", price in G), with the
// table letter as typed; position counts from 1.
std::u16string TreasureDropText(char16_t typedLetter, int position, const TreasureDropRow& row,
                                 std::u16string_view extra, std::int64_t price);
std::u16string RollMistCastleTreasure(int grade);
std::u16string RollCursedLandTreasure(int grade);
std::u16string RollMistGraveTreasure(int grade);
std::u16string RollViceCityTreasure(int modifier);
std::u16string RollMedals(int modifier);
std::u16string RollDamageBonus();
// A magic blade for a 2d6 result 2..12 (rolls its own d6 for the list); empty outside.
std::u16string RollMagicBlade(int roll);
// The blade of list die 1..6 (1-4 first list, 5-6 second) and 2d6 result 2..12; empty outside.
std::u16string MagicBlade(int listDie, int roll);

}  // namespace zr2
