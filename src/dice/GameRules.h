// Dice terms rolled under the rule of a game system: groups, marks, critical re-rolls.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "host/CDiceMode.h"

namespace zr2 {

// Bounds that keep any input from costing unbounded time or memory. A group of more dice fails
// its term; so does a term (or a whole expression) that would draw more dice than the budget,
// counting critical re-rolls, pool passes and draw shuffles.
constexpr int kMaxGroupDice = 1000;
constexpr long long kMaxTermDice = 10000;
// Digit dice (d66, d10, ...) longer than this would not fit a 64-bit total.
constexpr size_t kMaxDigitDice = 18;

// Counts the dice one term or expression may still draw.
class DiceBudget {
 public:
  explicit DiceBudget(long long dice = kMaxTermDice) : left_(dice) {}
  // False (and nothing taken) when fewer than count dice are left.
  bool Take(long long count) {
    if (count < 0 || count > left_) return false;
    left_ -= count;
    return true;
  }

 private:
  long long left_;
};

struct GameTermResult {
  bool ok = false;
  long double value = 0;
  std::u16string full;     // every die in roll order, then the rule's ending
  std::u16string compact;  // shortened dice lists, same ending
};

// term is lower-cased; simple means it holds only 0-9 + - @ d D (class 3 of ClassifyTerm).
GameTermResult RollGameTerm(std::u16string_view term, GameModeId mode, bool simple);

// An ordinary group of count dice with sides faces, without any game rule.
// count is clamped to 0..kMaxGroupDice; callers check the bound (and their budget) first.
struct DiceGroup {
  long long total = 0;
  std::u16string full;     // "[3,4]"
  std::u16string compact;  // "[3x4]" when strictly shorter, else the full list
  std::vector<int> faces;  // in roll order
};
DiceGroup RollOrdinaryGroup(int count, int sides);

// Digit dice (d66, d10, ...) in the plain form: the total and the one list. Fails for no digits
// or more than kMaxDigitDice of them.
struct DigitDice {
  bool ok = false;
  long long total = 0;
  std::u16string list;
};
DigitDice RollDigitDice(std::u16string_view sides);

// Where a hit with the given result lands (results 6 and up); empty below 6.
std::u16string HitLocationText(long double result);

}  // namespace zr2
