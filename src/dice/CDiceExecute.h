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

// An expression with more dice terms than this fails before anything is rolled (each unknown
// word costs up to two loads of the host's library).
constexpr size_t kMaxExpressionTerms = 100;
// A roll repeated more often than this is neither rolled nor answered: every answer line takes at
// least 21 bytes and CR LF, so no answer of more than 44 lines fits the reply buffer.
constexpr int kMaxRepeats = 50;

// 0 not a dice term, 1 general expression, 2 dice term with * / % ^ or parentheses,
// 3 simple dice term, 4 power-table formula.
int ClassifyTerm(std::u16string_view term);
TermEvaluation EvaluateTerm(std::u16string_view term, std::u16string_view channel, int termClass);
TermEvaluation EvaluateTermInMode(std::u16string_view term, GameModeId mode, int termClass);
TermEvaluation EvaluateDiceExpression(std::u16string_view expression, GameModeId mode);

// The roll command behind the RollDice entry: request text in the ANSI code page, host buffer.
void RollDice(const char* request, char* reply);

}  // namespace zr2
