// Dice terms rolled under the rule of a game system: groups, marks, critical re-rolls.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "host/CDiceMode.h"

namespace zr2 {

struct GameTermResult {
  bool ok = false;
  long double value = 0;
  std::u16string full;     // every die in roll order, then the rule's ending
  std::u16string compact;  // shortened dice lists, same ending
};

// term is lower-cased; simple means it holds only 0-9 + - @ d D (class 3 of ClassifyTerm).
GameTermResult RollGameTerm(std::u16string_view term, GameModeId mode, bool simple);

// An ordinary group of count dice with sides faces, without any game rule.
struct DiceGroup {
  long long total = 0;
  std::u16string full;     // "[3,4]"
  std::u16string compact;  // "[3x4]" when strictly shorter, else the full list
  std::vector<int> faces;  // in roll order
};
DiceGroup RollOrdinaryGroup(int count, int sides);

// Digit dice (d66, d10, ...) in the plain form: the total and the one list.
struct DigitDice {
  long long total = 0;
  std::u16string list;
};
DigitDice RollDigitDice(std::u16string_view sides);

}  // namespace zr2
