// The races of ZR character making: names, the codes that select them, ability dice, side.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace zr2 {

// 0-36; 23 is a gap and kNoRace stands for an unrecognised code.
using RaceId = int;
constexpr RaceId kNoRace = 37;
constexpr RaceId kRaceHuman = 0;
constexpr RaceId kRaceAdventurer = 1;
constexpr int kRaceSlots = 37;

// One ability's dice: count six-sided dice plus a fixed bonus.
struct AbilityDice {
  std::int8_t count;
  std::uint8_t plus;
};

// Die order: 器用度, 敏捷度, 筋力, 生命力, 知力, 精神力.
constexpr int kAbilityCount = 6;

struct RaceInfo {
  std::u16string_view name;       // as shown
  std::u16string_view tableName;  // race column of the birth data (the three センティアン share one)
  std::u16string_view listCode;   // code printed in birth lists; empty for races without a list code
  std::array<std::u16string_view, 5> codes;  // accepted codes, compared ignoring case
  std::array<AbilityDice, kAbilityCount> dice;
  bool humanSide;  // 人族; every other race is 蛮族
};

bool IsRace(RaceId race);
// Requires IsRace(race).
const RaceInfo& Race(RaceId race);
// The race a code names (whole text, ignoring case), or kNoRace.
RaceId FindRace(std::u16string_view code);

}  // namespace zr2
