// Game-rule rolls with scripted dice: expansion, lists, marks and endings of every rule.
#include <gtest/gtest.h>

#include "TestFolder.h"
#include "dice/GameRules.h"
#include "dice/RandomUnit.h"

namespace zr2 {
namespace {

using test::U16;
using test::Shown;
using test::U8;

struct Case {
  GameModeId mode;
  const char* term;
  std::vector<std::pair<int, int>> dice;
  const char* full;               // nullptr: the term fails
  const char* compact = nullptr;  // nullptr: same as full
  bool simple = true;
};

void Check(const Case& c) {
  SCOPED_TRACE(std::string("mode ") + std::to_string(c.mode) + " " + c.term);
  ScopedDiceScript script(c.dice);
  const GameTermResult r = RollGameTerm(U16(c.term), c.mode, c.simple);
  EXPECT_EQ(script.Problem(), "");
  if (c.full == nullptr) {
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.full, u"");
    EXPECT_EQ(r.compact, u"");
    EXPECT_EQ(r.value, 0);
    return;
  }
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(Shown(r.full), c.full);
  EXPECT_EQ(Shown(r.compact), c.compact ? c.compact : c.full);
}

TEST(GameRules, ExpansionDefaultsAndLists) {
  const Case cases[] = {
      {1, "2d6+3", {{6, 4}, {6, 5}}, "[4,5]+3 = 12"},
      {1, "d", {{6, 3}, {6, 4}}, "[3,4] = 7"},
      {1, "3d", {{6, 1}, {6, 2}, {6, 3}}, "[1,2,3] = 6"},
      {1, "2d0", {{6, 2}, {6, 3}}, "[2,3] = 5"},
      {3, "d", {}, nullptr},
      {3, "2d", {{6, 2}, {6, 3}}, "[2,3] = 5"},
      {9, "d", {{20, 17}}, "[17] = 17"},
      {25, "1d", {{100, 42}}, "[42] = 42"},
      {1, "0d6", {}, "[] = 0"},
      {1, "0d6+2", {}, "[]+2 = 2"},
      // Digit dice: each digit is a die, written one after another.
      {1, "d10", {{1, 1}}, "[1,0] = 10"},
      {1, "d66", {{6, 5}, {6, 2}}, "[5,2] = 52"},
      {4, "d66", {{6, 5}, {6, 2}}, "[5,2] = 25"},
      {4, "d66", {{6, 5}, {6, 2}}, "[5,2] = 25", nullptr, false},
      // Groups roll from the last to the first.
      {5, "1d10+1d4", {{4, 3}, {10, 7}}, "[7]+[3] = 10"},
      {5, "(2d10+1)*2", {{10, 3}, {10, 4}}, "([3,4]+1)*2 = 16", nullptr, false},
      // The compact list only when strictly shorter.
      {5, "4d6", {{6, 3}, {6, 3}, {6, 3}, {6, 3}}, "[3,3,3,3] = 12", "[3x4] = 12"},
      {5, "2d6", {{6, 4}, {6, 4}}, "[4,4] = 8"},
      {5, "5d10", {{10, 10}, {10, 2}, {10, 10}, {10, 2}, {10, 10}}, "[10,2,10,2,10] = 34", "[2x2,10x3] = 34"},
      {5, "3d200", {{200, 150}, {200, 3}, {200, 150}}, "[150,3,150] = 303", "[3,150x2] = 303"},
      // Failures: a d after the sides or another d, arithmetic left over, nothing at all.
      {1, "2d6d", {}, nullptr},
      {1, "2dd6", {}, nullptr},
      {5, "2d6x", {{6, 1}, {6, 2}}, nullptr},
      {5, "", {}, nullptr},
      {5, "2d6+", {{6, 1}, {6, 2}}, nullptr},
  };
  for (const Case& c : cases) Check(c);
}

TEST(GameRules, ZRMarksAndCriticalChains) {
  const Case cases[] = {
      {1, "2d6@10", {{6, 5}, {6, 6}, {6, 4}, {6, 2}}, "[5,6][4,2](C) = 17"},
      {27, "2d6@10", {{6, 5}, {6, 6}, {6, 6}, {6, 4}, {6, 1}, {6, 1}}, "[5,6][6,4][1,1](C) = 23"},
      {2, "2d6@8", {{6, 6}, {6, 6}}, "[6,6]^B(６ゾロ)^B = 12"},
      {1, "2d6@2", {{6, 1}, {6, 2}}, "[1,2] = 3"},
      {1, "2d6", {{6, 1}, {6, 1}}, "[1,1]^B(１ゾロ)^B = 2"},
      {1, "2d6@", {{6, 5}, {6, 5}, {6, 1}, {6, 2}}, "[5,5][1,2](C) = 13"},
      // A critical value after the last group belongs to the term; written after a group, to the group.
      {1, "2d6+3@9", {{6, 4}, {6, 5}, {6, 2}, {6, 3}}, "[4,5][2,3](C)+3 = 17"},
      {1, "2d6@9+3", {{6, 4}, {6, 5}, {6, 2}, {6, 3}}, "[4,5][2,3](C)+3 = 17"},
      {1, "2d6+1@x", {{6, 1}, {6, 2}}, nullptr},
      {1, "2d6+1d6@9", {{6, 1}, {6, 2}, {6, 3}}, nullptr},
      // Marks only while every group rolled so far used the standard die.
      {1, "d66+2d6", {{6, 6}, {6, 6}, {6, 1}, {6, 2}}, "[1,2]+[6,6]^B(６ゾロ)^B = 24"},
      {1, "2d6+d66", {{6, 1}, {6, 2}, {6, 6}, {6, 6}}, "[6,6]+[1,2] = 24"},
      {1, "2d6+1d10", {{10, 3}, {6, 1}, {6, 1}}, "[1,1]+[3] = 5"},
      // Re-rolls are made for the group whatever the marks.
      {1, "2d6+1d10@10", {{10, 3}, {6, 1}, {6, 2}}, nullptr},
      {1, "1d10+2d6@10", {{6, 5}, {6, 5}, {10, 4}}, nullptr},
      {1, "2d6+2d10+0@9", {{10, 5}, {10, 5}, {6, 4}, {6, 5}, {6, 1}, {6, 1}}, "[4,5][1,1](C)+[5,5]+0 = 21"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(GameRules, CountRules) {
  const Case cases[] = {
      {3, "3d6", {{6, 6}, {6, 6}, {6, 1}}, "[6,6,1] = 13^B (6x2)^B"},
      {3, "3d6", {{6, 1}, {6, 1}, {6, 1}}, "[1,1,1] = 3^B(ファンブル)^B", "[1x3] = 3^B(ファンブル)^B"},
      {3, "2d6+1d10", {{10, 6}, {6, 6}, {6, 6}}, "[6,6]+[6] = 18"},
      {7, "2d6", {{6, 1}, {6, 1}}, "[1,1] = 2^B(ファンブル)^B"},
      {7, "3d6", {{6, 6}, {6, 6}, {6, 1}}, "[6,6,1] = 13^B(クリティカル)^B"},
      {10, "2d10", {{10, 1}, {10, 1}}, "[1,1] = 2^B(ファンブル)^B"},
      {10, "2d10", {{10, 10}, {10, 10}}, "[10,10] = 20^B(クリティカル)^B", "[10x2] = 20^B(クリティカル)^B"},
      {10, "2d10", {{10, 10}, {10, 8}}, "[10,8] = 18(min:^B8^B)"},
      {10, "2d10", {{10, 10}, {10, 6}}, "[10,6] = 16"},
      {10, "d", {{10, 9}}, "[9] = 9(min:^B9^B)"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(GameRules, GroupMarks) {
  const Case cases[] = {
      {11, "2d10", {{10, 1}, {10, 1}}, "[1,1]^B(ファンブル)^B = 2"},
      {11, "2d10", {{10, 10}, {10, 10}}, "[10,10]^B(クリティカル)^B = 20", "[10x2]^B(クリティカル)^B = 20"},
      {11, "2d10", {{10, 10}, {10, 3}}, "[10,3](^BA^B) = 13"},
      {11, "2d10", {{10, 2}, {10, 9}}, "[2,9](^BB^B) = 11"},
      {11, "2d10+2d10", {{10, 1}, {10, 2}, {10, 8}, {10, 3}}, "[8,3](^BB^B)+[1,2](^BC^B) = 14"},
      {11, "3d10", {{10, 1}, {10, 1}, {10, 1}}, "[1,1,1] = 3", "[1x3] = 3"},
      {12, "3d6", {{6, 3}, {6, 1}, {6, 2}}, "[3,1,2](^Bヒフミ^B ×－２/判定自動失敗) = 6"},
      {12, "3d6", {{6, 6}, {6, 4}, {6, 5}}, "[6,4,5](^Bジゴロ^B ×２/判定自動成功) = 15"},
      {12, "d", {{6, 1}, {6, 1}, {6, 1}}, "[1,1,1](^B１ゾロ^B ×５/判定10倍成功、YP+10) = 3",
       "[1x3](^B１ゾロ^B ×５/判定10倍成功、YP+10) = 3"},
      {12, "3d6", {{6, 1}, {6, 5}, {6, 1}}, "[1,5,1](^B5^Bの目,YP+1) = 7"},
      {12, "3d6", {{6, 4}, {6, 4}, {6, 4}}, "[4,4,4](^Bアラシ^B ×３/判定4倍成功) = 12",
       "[4x3](^Bアラシ^B ×３/判定4倍成功) = 12"},
      {12, "3d6", {{6, 2}, {6, 5}, {6, 3}}, "[2,5,3](目なし) = 10"},
      {12, "3d6", {{6, 2}, {6, 5}, {6, 5}}, "[2,5,5](^B2^Bの目) = 12"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(GameRules, PairRule) {
  const Case cases[] = {
      {4, "2d6", {{6, 1}, {6, 1}}, "[1,1]^B(ファンブル)^B = 2"},
      {4, "2d6+1", {{6, 5}, {6, 3}}, "[5,3]+1 = 9(5↓:4)"},
      {4, "4d6", {{6, 6}, {6, 5}, {6, 5}, {6, 3}}, "[6,5,5,3] = ^B11^B / 19(6↓: 10 5↓:8,3)"},
      {4, "3d6", {{6, 6}, {6, 6}, {6, 5}}, "[6,6,5] = 17^B (6x2/5x1)^B"},
      {4, "2d6", {{6, 6}, {6, 6}}, "[6,6] = 12^B (6x2)^B"},
      {4, "2d6", {{6, 6}, {6, 2}}, "[6,2] = 8(6↓: 2)"},
      {4, "2d6", {{6, 3}, {6, 2}}, "[3,2] = 5"},
      {4, "1d6", {{6, 5}}, "[5] = 5"},
      {4, "3d6-2", {{6, 5}, {6, 4}, {6, 1}}, "[5,4,1]-2 = ^B7^B / 8(5↓:3)"},
      // Not simple, or another die: no pairs.
      {4, "2d6*2", {{6, 5}, {6, 3}}, "[5,3]*2 = 16", nullptr, false},
      {4, "2d6+1d10", {{10, 2}, {6, 5}, {6, 3}}, "[5,3]+[2] = 10"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(GameRules, HighestDieRule) {
  const char* bigFumble = "[1,1] = ^B1^B / 2 (大失敗：非戦闘時は2パーツ損壊。戦闘時は味方か自身を1体選び、改めて攻撃判定)";
  const Case cases[] = {
      {23, "2d10", {{10, 1}, {10, 1}}, bigFumble},
      {23, "2d10", {{10, 1}, {10, 4}}, "[1,4] = ^B4^B / 5 (失敗：非戦闘時は大失敗となり、1パーツ損壊する)"},
      {23, "1d10", {{10, 1}}, "[1] = 1 (大失敗：味方か自身を1体選び、改めて攻撃判定)"},
      {23, "1d10", {{10, 5}}, "[5] = 5 (失敗)"},
      {23, "d", {{10, 6}}, "[6] = 6 (攻撃された側の任意/全損の部位は選択不可)"},
      {23, "2d10", {{10, 3}, {10, 7}}, "[3,7] = ^B7^B / 10 (脚/既に全損なら、攻撃側の任意)"},
      {23, "1d10+1", {{10, 7}}, "[7]+1 = 8 (胴/既に全損なら、攻撃側の任意)"},
      {23, "1d10-1", {{10, 10}}, "[10]-1 = 9 (腕/既に全損なら、攻撃側の任意)"},
      {23, "1d10", {{10, 10}}, "[10] = 10 (頭/既に全損なら、攻撃側の任意)"},
      {23, "1d10+3", {{10, 10}}, "[10]+3 = 13 (大成功/攻撃側の任意＆ダメージ+3)"},
      {23, "2d10", {{10, 2}, {10, 9}}, "[2,9] = ^B9^B / 11 (腕/既に全損なら、攻撃側の任意)"},
      {23, "(1d10)", {{10, 9}}, "([9]) = 9", nullptr, false},
  };
  for (const Case& c : cases) Check(c);
}

TEST(GameRules, TopTwoRule) {
  const Case cases[] = {
      {26, "4d6", {{6, 6}, {6, 6}, {6, 6}, {6, 5}}, "[6,6,6,5] = ^B12^B / 23", "[5,6x3] = ^B12^B / 23"},
      {26, "2d6", {{6, 3}, {6, 4}}, "[3,4] = 7"},
      {26, "3d6+1", {{6, 2}, {6, 4}, {6, 4}}, "[2,4,4]+1 = ^B9^B / 11"},
      {26, "d", {{6, 1}, {6, 2}}, "[1,2] = 3"},
      // No dice at all: 3d plus the value, the highest die set aside.
      {26, "0d6+2", {{6, 2}, {6, 5}, {6, 3}}, "[2,5,3]+2 = ^B7^B / 12"},
      {26, "3d10", {{10, 1}, {10, 2}, {10, 3}}, "[1,2,3] = 6"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(GameRules, BoundsFailTheTerm) {
  const Case cases[] = {
      {5, "1001d6", {}, nullptr},
      {5, "99999999999999999999d6", {}, nullptr},
      {5, "1d2147483648", {}, nullptr},
      {5, "d1234567890123456789", {}, nullptr},
  };
  for (const Case& c : cases) Check(c);

  ScopedDiceScript huge({{2147483647, 2147483647}});
  EXPECT_EQ(RollGameTerm(u"1d2147483647", 5, true).full, u"[2147483647] = 2147483647");

  // Ten full groups fit the budget of a term; an eleventh fails it before a die is drawn.
  std::u16string term = u"1000d6";
  for (int i = 1; i < 10; ++i) term += u"+1000d6";
  GameTermResult r = RollGameTerm(term, 5, true);
  EXPECT_TRUE(r.ok);
  EXPECT_GE(r.value, 10000);
  EXPECT_LT(r.compact.size(), r.full.size());
  EXPECT_FALSE(RollGameTerm(term + u"+1d6", 5, true).ok);
}

TEST(GameRules, GarbageNeverCrashes) {
  std::u16string garbage;
  for (int i = 0; i < 100000; ++i) garbage += static_cast<char16_t>(u"d0123456789+-*/()@^%x"[i * 7919 % 21]);
  for (GameModeId mode : {1, 4, 12, 23, 26}) {
    EXPECT_FALSE(RollGameTerm(garbage, mode, false).ok);
    EXPECT_FALSE(RollGameTerm(std::u16string(50000, u'(') + u"1d6" + std::u16string(50000, u')'), mode, false).ok);
  }
  std::u16string manyGroups = u"0d6";
  for (int i = 0; i < 20000; ++i) manyGroups += u"+0d6";
  EXPECT_EQ(RollGameTerm(manyGroups, 5, true).value, 0);
}

TEST(GameRules, OrdinaryGroupAndDigitDice) {
  ScopedDiceScript script({{8, 8}, {8, 1}, {4, 2}, {6, 6}});
  const DiceGroup group = RollOrdinaryGroup(2, 8);
  EXPECT_EQ(group.total, 9);
  EXPECT_EQ(group.faces, (std::vector<int>{8, 1}));
  const DigitDice digits = RollDigitDice(u"406");
  EXPECT_TRUE(digits.ok);
  EXPECT_EQ(digits.total, 206);
  EXPECT_EQ(digits.list, u"[2,0,6]");
  EXPECT_FALSE(RollDigitDice(u"").ok);
  EXPECT_FALSE(RollDigitDice(u"1234567890123456789").ok);
  EXPECT_EQ(script.Problem(), "");
}

}  // namespace
}  // namespace zr2
