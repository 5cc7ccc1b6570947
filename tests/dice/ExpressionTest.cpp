// Term classes, term evaluation and general dice expressions with scripted dice.
#include <gtest/gtest.h>

#include "TestFolder.h"
#include "dice/CDiceExecute.h"
#include "dice/RandomUnit.h"

namespace zr2 {
namespace {

using test::U16;
using test::Shown;
using test::U8;

TEST(ClassifyTerm, Classes) {
  const std::pair<const char16_t*, int> cases[] = {
      {u"2d6", 3},     {u"2d6+3", 3},  {u"2d6@10", 3}, {u"", 3},      {u"(2d6)*2", 2}, {u"d%", 2},
      {u"2d6^2", 2},   {u"3r10", 1},   {u"2d6+1.5", 1}, {u"4s8", 1},  {u"2d6x", 1},    {u"r20", 4},
      {u"r20+5@10", 4}, {u"k20[10]", 4}, {u"\u00812d6", 0}, {u"2d6\u0081", 1}, {u"\u00e0d", 0}, {u"\u00ffd", 1},
  };
  for (const auto& [term, expected] : cases) EXPECT_EQ(ClassifyTerm(term), expected) << U8(term);
}

struct Case {
  GameModeId mode;
  const char* expression;
  std::vector<std::pair<int, int>> dice;
  const char* echo;  // nullptr: the expression fails
  const char* full = "";
  long double value = 0;
  const char* compact = nullptr;  // nullptr: same as full
};

void Check(const Case& c) {
  SCOPED_TRACE(std::string("mode ") + std::to_string(c.mode) + " " + c.expression);
  ScopedDiceScript script(c.dice);
  const TermEvaluation r = EvaluateDiceExpression(U16(c.expression), c.mode);
  EXPECT_EQ(script.Problem(), "");
  if (c.echo == nullptr) {
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.full, u"");
    return;
  }
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(Shown(r.echo), c.echo);
  EXPECT_EQ(Shown(r.full), c.full);
  EXPECT_EQ(Shown(r.compact), c.compact ? c.compact : c.full);
  EXPECT_EQ(r.value, c.value);
}

TEST(DiceExpression, GroupsDecimalsAndOrder) {
  const Case cases[] = {
      // Terms roll from the last to the first.
      {5, "2d6+1r10", {{10, 7}, {6, 3}, {6, 4}}, "2d6+1r10", "[3,4]+[7]", 14},
      {5, "(2d6+1)*1r10", {{10, 2}, {6, 3}, {6, 4}}, "(2d6+1)*1r10", "([3,4]+1)*[2]", 16},
      {5, "2d+1r10", {{10, 2}, {10, 3}, {10, 4}}, "2d+1r10", "[3,4]+[2]", 9},
      {5, "d66+1r10", {{10, 2}, {6, 3}, {6, 4}}, "d66+1r10", "[3,4]+[2]", 36},
      {4, "d66+1r10", {{10, 2}, {6, 4}, {6, 3}}, "d66+1r10", "[4,3]+[2]", 45},
      {5, "4d6+1r10", {{10, 2}, {6, 3}, {6, 3}, {6, 3}, {6, 3}}, "4d6+1r10", "[3,3,3,3]+[2]", 14, "[3x4]+[2]"},
      {5, "1.5+2d6x", {{6, 1}, {6, 1}}, nullptr},
      {5, "1.5*1r10", {{10, 4}}, "1.5*1r10", "1.5*[4]", 6},
      {5, "d+1r10", {{10, 4}}, nullptr},
      {5, "2d0+1r10", {{10, 4}}, nullptr},
      {5, "1001d6+1r10", {{10, 4}}, nullptr},
      // A critical value after a ZR group is the group's; elsewhere it is left pending and fails.
      {1, "2d6+3d6@10", {{6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}}, "2d6+3d6", "[4,5]+[1,2,3]", 15},
      {27, "2d6@10+1r10", {{10, 4}, {6, 5}, {6, 6}}, "2d6+1r10", "[5,6]+[4]", 15},
      {5, "2d6+3d6@10", {{6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}}, nullptr},
      // A labelled number leaves its label for a term to its left; nobody takes it here.
      {5, "5#", {}, nullptr},
      {5, "1r10+5#", {{10, 3}}, nullptr},
  };
  for (const Case& c : cases) Check(c);
}

TEST(DiceExpression, Pools) {
  const Case cases[] = {
      {5, "3r8", {{10, 9}, {10, 2}, {10, 8}, {10, 8}, {10, 1}, {10, 5}}, "3r8", "[9,2,8][8,1][5]<クリティカル>", 25},
      {5, "1r10", {{10, 1}}, "1r10", "[1]<ファンブル>", 1},
      {5, "2r10", {{10, 1}, {10, 1}}, "2r10", "[1,1]<ファンブル>", 1},
      {5, "1r@5", {{10, 5}, {10, 3}}, "1r@5", "[5][3]<クリティカル>", 13},
      {5, "1dx11", {{10, 10}}, "1r11", "[10]", 10},
      // An "@" without a number still belongs to the pool, which keeps the critical value 10.
      {5, "2r@", {{10, 10}, {10, 3}, {10, 4}}, "2r@", "[10,3][4]<クリティカル>", 14},
      {5, "1r@x", {{10, 9}}, "1r@x", "[9]", 9},
      {5, "1R10@3", {{10, 3}}, nullptr},
      {5, "3r8@7", {{10, 1}, {10, 2}, {10, 3}}, nullptr},
      {5, "1r1", {}, nullptr},
      {5, "0r10", {}, nullptr},
      {5, "1001r10", {}, nullptr},
  };
  for (const Case& c : cases) Check(c);
}

TEST(DiceExpression, SuccessCountsAndDraws) {
  const Case cases[] = {
      {5, "3s8#1", {{6, 5}, {6, 4}, {6, 2}, {6, 1}}, "3s8#1", "[5,4|2,1^B(ファンブル)^B]", 0},
      {5, "5s7@2", {{6, 4}, {6, 4}, {6, 3}, {6, 5}}, "5s7@2", "[4,4|3,5]", 2},
      {5, "2s7$7", {{6, 3}, {6, 4}, {6, 1}, {6, 2}}, "2s7$7", "[3,4|1,2^B<陥落>^B]", 1},
      {5, "2s7@", {{6, 3}, {6, 4}}, "2s7@1", "[3,4]", 1},
      {5, "3s14", {{6, 6}, {6, 6}, {6, 2}, {6, 2}}, "3s14#3", "[6,6|2,2^B(ファンブル)^B]", 0},
      {5, "2s8@1=3", {{6, 1}, {6, 1}}, "2s8", "[1,1^B(ファンブル)^B]", 0},
      {5, "2s8$", {{6, 6}, {6, 6}, {6, 6}, {6, 2}}, "2s8", "[6,6|6,2]", 2},
      {5, "0s8", {}, "0s8", "", 0},
      {5, "2s8+0s8", {{6, 3}, {6, 3}, {6, 3}, {6, 3}}, "2s8+0s8", "[3,3|3,3]+", 0},
      // r, 1, 2, ... r-1, each position swapped with a random one: all ones rotate the list.
      {5, "3c10", std::vector<std::pair<int, int>>(10, {10, 1}), "3c10", "[9,10,1]", 20},
      {5, "10c3", std::vector<std::pair<int, int>>(10, {10, 1}), "10c3", "[9,10,1]", 20},
      {5, "5c5", {}, nullptr},
      {5, "0c4", {}, nullptr},
      {5, "3c99999", {}, nullptr},
      {5, "2000000000s8", std::vector<std::pair<int, int>>(10000, {6, 3}), nullptr},
  };
  for (const Case& c : cases) Check(c);
}

TEST(DiceExpression, HostTerms) {
  test::TestFolder folder;
  Check({5, "3B6+1", {}, nullptr});
  folder.InstallHostLibrary();
  const Case cases[] = {
      {5, "3B6+1", {}, "3B6+1", "[2,5,6]+1", 14},
      {5, "2B6@3", {}, "2B6@3", "[2,5]", 7},
      // The host takes the label left pending by the number on its right.
      {5, "2B6+3@4", {}, "2B6+3@4", "[2,5]+3", 10},
      {5, "2B6+3#4", {}, nullptr},
      {5, "2Q6", {}, nullptr},
  };
  for (const Case& c : cases) Check(c);
}

TEST(DiceExpression, HostileInput) {
  test::TestFolder folder;  // no host library: unknown words fail
  // As many terms as allowed are rolled; one more fails before a die is drawn.
  std::u16string many = u"1r10";
  for (size_t i = 1; i < kMaxExpressionTerms; ++i) many += u"+1r10";
  {
    ScopedDiceScript twos(std::vector<std::pair<int, int>>(kMaxExpressionTerms, {10, 2}));
    EXPECT_EQ(EvaluateDiceExpression(many, 5).value, 2 * kMaxExpressionTerms);
    EXPECT_EQ(twos.Problem(), "");
    ScopedDiceScript none({});
    EXPECT_FALSE(EvaluateDiceExpression(many + u"+1r10", 5).ok);
    EXPECT_EQ(none.Problem(), "");
  }
  std::u16string garbage;
  for (int i = 0; i < 100000; ++i) garbage += static_cast<char16_t>(u"d0123456789+-*/()@^%x,#$=:.rsck"[i * 7919 % 31]);
  for (GameModeId mode : {1, 5}) {
    EXPECT_FALSE(EvaluateDiceExpression(garbage, mode).ok);
    EXPECT_FALSE(EvaluateTermInMode(garbage, mode, ClassifyTerm(garbage)).ok);
  }
  EXPECT_FALSE(EvaluateDiceExpression(std::u16string(100000, u'(') + u"1r10", 5).ok);
  EXPECT_FALSE(EvaluateDiceExpression(u"99999999999999999999r10", 5).ok);
}

TEST(EvaluateTerm, Paths) {
  struct TermCase {
    GameModeId mode;
    const char* term;
    std::vector<std::pair<int, int>> dice;
    bool ok;
    const char* echo;
    const char* full;
    long double value;
  };
  const TermCase cases[] = {
      {5, "2.5", {}, true, "", "2.5", 2.5},
      {5, "-.5", {}, true, "", "-.5", -0.5},
      {5, "d%", {{100, 42}}, true, "1d100", "[42] = 42", 42},
      {5, "D%", {{100, 7}}, true, "1d100", "[7] = 7", 7},
      {5, "2D6+3", {{6, 4}, {6, 5}}, true, "2D6+3", "[4,5]+3 = 12", 12},
      {5, "(2d6+1)*2", {{6, 4}, {6, 5}}, true, "(2d6+1)*2", "([4,5]+1)*2 = 20", 20},
      {5, "2d6+1r10", {{10, 7}, {6, 3}, {6, 4}}, true, "2d6+1r10", "[3,4]+[7] = 14", 14},
      {1, "2d6@10", {{6, 5}, {6, 6}, {6, 4}, {6, 2}}, true, "2d6@10", "[5,6][4,2](C) = 17", 17},
      {5, "3r8@7", {{10, 1}, {10, 2}, {10, 3}}, false, "", "", 0},
      {5, "\u00812d6", {}, false, "", "", 0},
  };
  for (const TermCase& c : cases) {
    SCOPED_TRACE(c.term);
    ScopedDiceScript script(c.dice);
    const std::u16string term = U16(c.term);
    const TermEvaluation r = EvaluateTermInMode(term, c.mode, ClassifyTerm(term));
    EXPECT_EQ(script.Problem(), "");
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(U8(r.echo), c.echo);
    EXPECT_EQ(Shown(r.full), c.full);
    EXPECT_EQ(r.value, c.value);
  }
}

TEST(EvaluateTerm, PowerFormulaAndChannelMode) {
  test::TestFolder folder;
  {
    ScopedDiceScript script({{6, 5}, {6, 6}});
    const TermEvaluation r = EvaluateTerm(u"r20", u"#table", 4);
    EXPECT_EQ(script.Problem(), "");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.value, 9);
    EXPECT_EQ(r.full, r.compact);
    EXPECT_NE(r.full.find(u"[5,6:9]"), std::u16string::npos) << U8(r.full);
  }
  // A channel without a mode plays mode 1, where 2d6@10 re-rolls.
  ScopedDiceScript script({{6, 5}, {6, 6}, {6, 1}, {6, 2}});
  EXPECT_EQ(EvaluateTerm(u"2d6@10", u"#table", 3).full, u"[5,6][1,2](C) = 14");
}

}  // namespace
}  // namespace zr2
