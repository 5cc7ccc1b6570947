// Dice terms and expressions: classification and evaluation, and the roll command.
#pragma once
#include <string>
#include <string_view>

#include "host/CDiceMode.h"

namespace zr2 {

struct TermEvaluation {
  bool ok = false;
  std::u16string echo;     // the term as understood
  std::u16string full;     // every die listed
  std::u16string compact;  // shortened lists
  long double value = 0;
};

// 0 not a dice term, 1 general expression, 2 dice term with * / % ^ or parentheses,
// 3 simple dice term, 4 power-table formula.
int ClassifyTerm(std::u16string_view term);
TermEvaluation EvaluateTerm(std::u16string_view term, std::u16string_view channel, int termClass);
TermEvaluation EvaluateTermInMode(std::u16string_view term, GameModeId mode, int termClass);
TermEvaluation EvaluateDiceExpression(std::u16string_view expression, GameModeId mode);

}  // namespace zr2
