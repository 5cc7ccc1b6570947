// Power-table rolls: a rate 0..100 and 2d6 pick a value from the ZR power table.
#pragma once
#include <string>
#include <string_view>

namespace zr2 {

// Value of the power table at rate 0..100 for a roll total 3..12 (both clamped into range).
int PowerTableValue(int rate, int total);

// Rows of the power table read from the data, and rows of it nobody has.
struct PowerTableRows {
  int known = 0;
  int missing = 0;
};
PowerTableRows CountPowerTableRows();

// One PowerRoll never makes more rolls than this: a critical chain whose threshold every roll
// reaches (say @3 with a bonus of 1) would never end otherwise.
constexpr int kMaxPowerRolls = 100;

bool IsPowerRollTerm(std::u16string_view term);
// Brings K-form words and their options into the r-form.
void NormaliseRollWord(std::u16string& word, std::u16string& options);
// Whether "+..." after "$" (word k) or ":" (word r) belongs to the options.
bool OptionsContinue(std::u16string_view word, std::u16string_view options, std::u16string_view rest);

struct PowerRollResult {
  bool ok = false;          // the roll text is not empty
  std::u16string text;      // "[5,6:9][3,2:3]<クリティカル>"
  int total = 0;            // sum of the table values, -1 after a fumble
  int first = 0;            // total after the first roll
  std::u16string label;     // "Rate20@10"
  bool optionsValid = false;
};
// rate is clamped to 0..100; options are in the r-form (after NormaliseRollWord).
PowerRollResult PowerRoll(std::u16string_view word, int rate, std::u16string_view options, bool plainLabel);

struct PowerFormulaResult {
  bool ok = false;
  std::u16string echo;
  std::u16string text;
  long double value = 0;
};
// A whole term that IsPowerRollTerm accepts, e.g. r20+5@10//2+3.
PowerFormulaResult PowerRollFormula(std::u16string_view term);

}  // namespace zr2
