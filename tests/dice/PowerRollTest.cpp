#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "dice/CZR2Rate.h"
#include "dice/RandomUnit.h"

namespace zr2 {
namespace {

using test::U16;
using test::U8;

std::vector<std::pair<int, int>> D6(const std::vector<int>& faces) {
  std::vector<std::pair<int, int>> dice;
  for (int f : faces) dice.emplace_back(6, f);
  return dice;
}

TEST(PowerTable, HoldsTheRulebookRowsIncludingTheRate36Quirk) {
  struct Row {
    int rate;
    std::vector<int> values;
  };
  const Row rows[] = {{0, {0, 0, 0, 1, 2, 2, 3, 3, 4, 4}},          {10, {1, 1, 2, 3, 3, 4, 5, 5, 6, 7}},
                      {20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},        {30, {2, 4, 4, 6, 7, 8, 9, 10, 10, 10}},
                      {50, {4, 6, 8, 10, 10, 12, 12, 13, 15, 15}},  {100, {8, 12, 15, 18, 19, 20, 22, 24, 27, 30}}};
  for (const Row& row : rows) {
    std::vector<int> actual;
    for (int total = 3; total <= 12; ++total) actual.push_back(PowerTableValue(row.rate, total));
    EXPECT_EQ(actual, row.values) << "rate " << row.rate;
  }
  EXPECT_EQ(PowerTableValue(35, 3), 3);
  EXPECT_EQ(PowerTableValue(36, 3), 2);
  EXPECT_EQ(PowerTableValue(37, 3), 3);
  EXPECT_EQ(CountPowerTableRows().known, 101);
  EXPECT_EQ(CountPowerTableRows().missing, 0);
}

TEST(PowerRollTerm, AcceptsRollWordRateAndOptionCharactersOnly) {
  const std::pair<const char*, bool> cases[] = {
      {"r20", true},         {"R20", true},        {"zr20", true},        {"Zr20", true},       {"gzr20", true},
      {"gR20", true},        {"k20", true},        {"gk20[10]", true},    {"r100", true},       {"r0", true},
      {"r20+5//2+3", true},  {"r20@10#2$+2!1B1b1C10c5=10,*^-", true}, {"r20:+2", true},  {"r101", false},
      {"r", false},          {"r@10", false},      {"Gr20", false},       {"rc20@10", false},   {"k20:+2", false},
      {"r20[10]", false},    {"r20=10,?", false},  {"r20 5", false},      {"k20GF", false},     {"2d6", false},
      {"", false},           {"zk20", false},
  };
  for (const auto& [term, expected] : cases) EXPECT_EQ(IsPowerRollTerm(U16(term)), expected) << term;
}

TEST(NormaliseRollWord, BringsKFormIntoTheRForm) {
  struct Case {
    const char* word;
    const char* options;
    const char* wordAfter;
    const char* optionsAfter;
  };
  const Case cases[] = {
      {"k", "[10]", "r", "@10"},
      {"k", "@5[2*5]$+2", "r", "@10@5$+2"},
      {"k", "$8", "r", "=8"},
      {"K", "$+2", "r", "$+2"},
      {"k", "$-1$3", "r", "$-1$3"},
      {"k", "r5R", "r", "c5c"},
      {"k", "GF", "gr", ""},
      {"gkc", "$3gf", "grc", "=3"},
      {"k", "[x]$8r", "r", "$8r"},  // an unreadable critical drops what stood before it and stops there
      {"k", "[10", "r", "[10"},
      {"r", ":+2", "r", "$+2"},
      {"zr", "[10]$8GF", "zr", "[10]$8GF"},
  };
  for (const Case& c : cases) {
    std::u16string word = U16(c.word), options = U16(c.options);
    NormaliseRollWord(word, options);
    EXPECT_EQ(U8(word), c.wordAfter) << c.word << c.options;
    EXPECT_EQ(U8(options), c.optionsAfter) << c.word << c.options;
  }
}

TEST(OptionsContinue, KeepsAPlusAfterColonOrDollarInTheOptions) {
  struct Case {
    const char* word;
    const char* options;
    const char* rest;
    bool expected;
  };
  const Case cases[] = {
      {"r", "@10:", "+2", true}, {"R", ":", "+2", true},   {"k", "$", "+2", true},   {"K", "@10$", "+1", true},
      {"r", "$", "+2", false},   {"k", ":", "+2", false},  {"r", ":", "-2", false},  {"r", ":", "", false},
      {"r", "", "+2", false},    {"zr", ":", "+2", false}, {"gk", "$", "+2", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(OptionsContinue(U16(c.word), U16(c.options), U16(c.rest)), c.expected)
        << c.word << " " << c.options << " " << c.rest;
}

struct RollCase {
  const char* word;
  int rate;
  const char* options;
  std::vector<int> dice;  // d6 faces in draw order
  const char* text;
  int total;
  int first;
};

void ExpectRoll(const RollCase& c) {
  SCOPED_TRACE(std::string(c.word) + " " + std::to_string(c.rate) + " " + c.options);
  ScopedDiceScript script(D6(c.dice));
  const PowerRollResult r = PowerRoll(U16(c.word), c.rate, U16(c.options), false);
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(r.optionsValid);
  EXPECT_EQ(U8(r.text), c.text);
  EXPECT_EQ(r.total, c.total);
  EXPECT_EQ(r.first, c.first);
  EXPECT_EQ(script.Problem(), "");
}

TEST(PowerRoll, PlainRollsFumblesAndCriticals) {
  const RollCase cases[] = {
      {"r", 20, "", {5, 6}, "[5,6:9]", 9, 9},
      {"r", 20, "", {1, 1}, "[1,1]<自動的失敗>", -1, -1},
      {"r", 20, "@10", {5, 6, 3, 2}, "[5,6:9][3,2:3]<クリティカル>", 12, 9},
      {"r", 20, "@", {5, 6, 3, 2}, "[5,6:9][3,2:3]<クリティカル>", 12, 9},
      {"r", 20, "@10", {4, 5}, "[4,5:7]", 7, 7},
      // a fumble inside a chain is just a zero
      {"r", 20, "@10", {6, 6, 1, 1}, "[6,6:10][1,1:0]<クリティカル>", 10, 10},
      {"rc", 20, "@10", {5, 6}, "[5,6:9]<クリティカル(もう一度)>", 9, 9},
      {"RC", 20, "@10", {4, 5}, "[4,5:7]", 7, 7},
      // the reduction lasts until the first critical only
      {"r", 20, "@10#2", {4, 4, 4, 4}, "[4,4:6][4,4:6]<クリティカル>", 12, 6},
      // the modifier moves the column of the first roll only, and counts for its critical
      {"r", 20, "$+2@10", {5, 4, 3, 3}, "[5,4+2:9][3,3:4]<クリティカル>", 13, 9},
      {"r", 20, "$-1", {3, 3}, "[3,3:3]", 3, 3},
      // the bonus counts for criticals and is shown on every roll, but never moves the column
      {"r", 20, "B1@10", {4, 5, 2, 3}, "[4,5+1:7][2,3+1:3]<クリティカル>", 10, 7},
      {"r", 20, "!2@10", {4, 4, 2, 3}, "[4,4+2:6][2,3+2:3]<クリティカル>", 9, 6},
      {"r", 20, "b@10", {4, 4}, "[4,4+1:6]", 6, 6},
  };
  for (const RollCase& c : cases) ExpectRoll(c);
}

TEST(PowerRoll, FirstRollRanks) {
  const RollCase cases[] = {
      {"r", 20, "$B", {3, 3}, "[3,3+1:5]", 5, 5},    {"r", 20, "$A", {3, 3}, "[3,3+2:6]", 6, 6},
      {"r", 20, "$S", {3, 3}, "[3,3+3:7]", 7, 7},    {"r", 20, "$SS", {3, 3}, "[3,3+6:10]", 10, 10},
      {"r", 20, "$ss", {3, 3}, "[3,3+6:10]", 10, 10}, {"r", 20, "$Bb2", {3, 3}, "[3,3+3:5]", 5, 5},
      {"r", 20, "$b@10", {4, 5, 2, 2}, "[4,5+1:8][2,2:2]<クリティカル>", 10, 8},
  };
  for (const RollCase& c : cases) ExpectRoll(c);
}

TEST(PowerRoll, HalfDiceAndRateSteps) {
  const RollCase cases[] = {
      {"gr", 20, "", {3}, "[3*2:4]", 4, 4},
      {"gr", 20, "", {1}, "[1*2]<自動的失敗>", -1, -1},
      {"Gr", 20, "@10", {5, 2}, "[5*2:8][2*2:2]<クリティカル>", 10, 8},
      {"gr", 20, "$+2", {3}, "[3*2:6]", 6, 6},
      {"r", 20, "C@10", {5, 6, 3, 3}, "[5,6:9][3,3:6]<クリティカル>", 15, 9},
      {"r", 20, "c5@10", {5, 6, 3, 3}, "[5,6:9][3,3:5]<クリティカル>", 14, 9},
      // the rate stops at 100
      {"r", 95, "C@10", {6, 6, 6, 6, 1, 2}, "[6,6:28][6,6:30][1,2:8]<クリティカル>", 66, 28},
      // and at 0 going down
      {"r", 5, "C-10@10", {5, 6, 5, 6, 1, 2}, "[5,6:5][5,6:4][1,2:0]<クリティカル>", 9, 5},
  };
  for (const RollCase& c : cases) ExpectRoll(c);
}

TEST(PowerRoll, PresetLists) {
  const RollCase cases[] = {
      {"r", 20, "=10,?", {3, 4}, "[10:8][3,4:5]", 13, 8},
      {"r", 20, "=12@10", {}, "[12:10]", 10, 10},
      {"r", 20, "=0@10", {5, 6}, "[5,6:9]", 9, 9},
      {"r", 20, "=13", {5, 6}, "[5,6:9]", 9, 9},
      {"r", 20, "=2", {}, "[2:0]", 0, 0},
      {"r", 20, "=?", {1, 1}, "[1,1:0]", 0, 0},
      {"r", 20, "=?@10", {5, 6}, "[5,6:9]", 9, 9},
      {"r", 20, "=*@10", {5, 6, 3, 2}, "[5,6:9][3,2:3]<クリティカル>", 12, 9},
      {"r", 20, "=*,5@10", {5, 6, 3, 2}, "[5,6:9][3,2:3][5:3]<クリティカル>", 15, 9},
      {"rc", 20, "=*,5@10", {5, 6}, "[5,6:9][5:3]<クリティカル(もう一度)>", 12, 9},
      {"r", 20, "=5$+2", {}, "[5:5]", 5, 5},
      {"r", 20, "=", {5, 6}, "[5,6:9]", 9, 9},
      // negative presets reach the last column
      {"r", 20, "=-3", {}, "[17:10]", 10, 10},
      {"r", 20, "=-12", {}, "[26:10]", 10, 10},
      // an empty token in the middle adds to what came before
      {"r", 20, "=5,,", {3, 4}, "[5:3][3,4:5]", 8, 3},
      // an automatic failure ends the roll wherever it comes
      {"r", 20, "=5,,6", {1, 1}, "[1,1]<自動的失敗>", -1, 3},
  };
  for (const RollCase& c : cases) ExpectRoll(c);

  ScopedDiceScript script(D6({}));
  const PowerRollResult bad = PowerRoll(u"r", 20, u"=5,x", false);
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(U8(bad.text), "");
  EXPECT_EQ(bad.total, 0);
  EXPECT_EQ(script.Problem(), "");
}

TEST(PowerRoll, UnreadableOptionsAreIgnoredWhole) {
  for (const char* options : {"x@10", "#", "$", "$SSS", "@1x", "C5#", "B1@10$"}) {
    ScopedDiceScript script(D6({5, 6}));
    const PowerRollResult r = PowerRoll(u"r", 20, U16(options), false);
    EXPECT_TRUE(r.ok) << options;
    EXPECT_FALSE(r.optionsValid) << options;
    EXPECT_EQ(U8(r.text), "[5,6:9]") << options;
    EXPECT_EQ(U8(r.label), "Rate20") << options;
    EXPECT_EQ(script.Problem(), "") << options;
  }
}

TEST(PowerRoll, LabelShowsRateCriticalAndReductionUnlessPlain) {
  const struct {
    int rate;
    const char* options;
    bool plain;
    const char* label;
  } cases[] = {
      {20, "@10#2$+1B1C", false, "Rate20@10#2"}, {20, "@10#2", true, "Rate20"}, {20, "@2#0", false, "Rate20"},
      {150, "", false, "Rate100"},               {-5, "", false, "Rate0"},
  };
  for (const auto& c : cases) {
    ScopedDiceScript script(D6({2, 3}));
    EXPECT_EQ(U8(PowerRoll(u"r", c.rate, U16(c.options), c.plain).label), c.label) << c.options;
  }
  ScopedDiceScript script(D6({5, 6}));
  EXPECT_EQ(U8(PowerRoll(u"r", 150, u"", false).text), "[5,6:27]");
}

TEST(PowerRoll, ACriticalChainThatCannotEndStopsAtTheRollBound) {
  std::vector<int> faces;
  for (int i = 0; i < kMaxPowerRolls; ++i) faces.insert(faces.end(), {4, 5});
  ScopedDiceScript script(D6(faces));
  const PowerRollResult r = PowerRoll(u"r", 20, u"@3B1", false);
  EXPECT_EQ(script.Problem(), "");  // exactly kMaxPowerRolls rolls, no more
  EXPECT_EQ(std::count(r.text.begin(), r.text.end(), u'['), kMaxPowerRolls);
  EXPECT_EQ(r.total, 7 * kMaxPowerRolls);
  EXPECT_TRUE(r.text.ends_with(u"[4,5+1:7]<クリティカル>"));

  // a preset list longer than the bound is cut there too
  std::u16string presets = u"=";
  for (int i = 0; i < 3 * kMaxPowerRolls; ++i) presets += u"5,";
  ScopedDiceScript none(D6({}));
  EXPECT_EQ(PowerRoll(u"r", 20, presets, false).total, 3 * kMaxPowerRolls);
}

TEST(PowerRollFormula, CombinesTheRollWithPrefixSuffixAndDivisor) {
  struct Case {
    const char* term;
    std::vector<int> dice;
    const char* echo;
    const char* text;
    long double value;
  };
  const Case cases[] = {
      {"r20", {5, 6}, "Rate20", "[5,6:9] = 9", 9},
      {"R20", {5, 6}, "Rate20", "[5,6:9] = 9", 9},
      {"gzr20", {3}, "Rate20", "[3*2:4] = 4", 4},
      {"r20+5", {1, 1}, "Rate20+5", "[1,1]<自動的失敗>", 0},
      {"r20@10", {5, 6, 3, 2}, "Rate20@10", "[5,6:9][3,2:3]<クリティカル> = 12", 12},
      {"r20@10+5", {5, 6, 3, 2}, "Rate20@10+5", "[5,6:9][3,2:3]<クリティカル>+5 = 17", 17},
      {"r20+5@10", {5, 6, 3, 2}, "Rate20+5@10", "[5,6:9][3,2:3]<クリティカル>+5 = 17", 17},
      {"r20+5@10-3", {5, 6, 3, 2}, "Rate20+5@10-3", "([5,6:9][3,2:3]<クリティカル>+5)-3 = 14", 14},
      {"r20+5//2+3", {5, 6}, "Rate20+5//2+3", "[5,6:9]+5//2+3 = 10", 10},
      {"r20+4//2", {4, 4}, "Rate20+4//2", "[4,4:6]+4//2 = 5", 5},
      {"r20//2", {5, 6}, "Rate20//2", "[5,6:9]//2 = 5", 5},
      {"r20//1", {5, 6}, "Rate20//1", "[5,6:9] = 9", 9},
      {"r20@10//2", {5, 6, 3, 2}, "Rate20@10//2", "[5,6:9][3,2:3]<クリティカル> = 12 (5)", 12},
      {"r20@10//1", {5, 6, 3, 2}, "Rate20@10//1", "[5,6:9][3,2:3]<クリティカル> = 12 (9)", 12},
      {"r20+1@10//2+3", {5, 6, 3, 2}, "Rate20+1@10//2+3", "([5,6:9][3,2:3]<クリティカル>+1)+3 = 16 (8)", 16},
      {"r20:+2", {3, 3}, "Rate20$+2", "[3,3+2:6] = 6", 6},
      {"r20$+2+1", {3, 3}, "Rate20$+2+1", "[3,3+2:6]+1 = 7", 7},
      {"r20=10,*@10", {5, 6, 3, 2}, "Rate20@10", "[10:8][5,6:9][3,2:3]<クリティカル> = 20", 20},
      {"r20=*@10", {5, 6, 3, 2}, "Rate20@10", "[5,6:9][3,2:3]<クリティカル> = 12", 12},
      {"r20B1", {4, 5}, "Rate20B1", "[4,5+1:7] = 7", 7},
      {"r20,5", {4, 5}, "Rate20,5", "[4,5:7] = 7", 7},  // unreadable options roll plain
      {"k20[10]", {5, 6, 3, 2}, "Rate20@10", "[5,6:9][3,2:3]<クリティカル> = 12", 12},
      {"k20$8", {}, "Rate20", "[8:6] = 6", 6},
      {"gk20$+2", {3}, "Rate20$+2", "[3*2:6] = 6", 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.term);
    ScopedDiceScript script(D6(c.dice));
    const PowerFormulaResult r = PowerRollFormula(U16(c.term));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(U8(r.echo), c.echo);
    EXPECT_EQ(U8(r.text), c.text);
    EXPECT_EQ(r.value, c.value);
    EXPECT_EQ(script.Problem(), "");
  }
}

TEST(PowerRollFormula, FailsWithoutRollingWhenAPartDoesNotEvaluate) {
  for (const char* term : {"r20*2", "r20@10+5*", "r20+5//", "r20@10//99999999999", "rc20", "r101", "2d6", ""}) {
    ScopedDiceScript script(D6({}));
    const PowerFormulaResult r = PowerRollFormula(U16(term));
    EXPECT_FALSE(r.ok) << term;
    EXPECT_EQ(U8(r.text), "") << term;
    EXPECT_EQ(script.Problem(), "") << term;
  }
}

}  // namespace
}  // namespace zr2
