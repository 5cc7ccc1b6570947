#include <gtest/gtest.h>

#include "CharacterTestSupport.h"
#include "characters/CharacterMaking.h"

namespace zr2::test {
namespace {

// Human abilities are six times 2d6.
const Dice kHumanAbilityDice = Sixes(12, 1);

TEST(MakeCharacter20, ElfWithDrawnRuleBookTwoAndRollNine) {
  const Dice dice = Join({{{3, 2}}, D6({4, 5}), D6({3, 4, 4, 4, 3, 4, 5, 3, 3, 5, 5})});
  const std::vector<std::string> expected = {
      "【ＺＲ２キャラクターメイキング】 種族：エルフ",
      "器用度 = [12][ 7] = 19(+3)　　筋　 力 = [ 6][ 3] =  9(+1)",
      "敏捷度 = [12][ 8] = 20(+3)　　生命力 = [ 6][ 9] = 15(+2)",
      "知　 力 = [ 8][ 6] = 14(+2)　　精神力 = [ 8][10] = 18(+3)",
      "（[II-9]戦士）ファイター Lv1 ／ グラップラー Lv1",
      "　　　　　所持金：1200　　初期経験点：2000",
  };
  EXPECT_EQ(Lines(WithDice(dice, [] { return MakeCharacter20(u"el"); })), expected);
}

TEST(MakeCharacter20, NeetRowPrintsBlankBasesAndNoExperience) {
  const Dice dice = Join({{{3, 3}}, D6({3, 4, 4, 4, 3, 4, 5, 3, 3, 5, 5, 6})});
  const std::vector<std::string> expected = {
      "【ＺＲ２キャラクターメイキング】 種族：人間",
      "器用度 = [  ][ 7] =  7(+1)　　筋　 力 = [  ][ 7] =  7(+1)",
      "敏捷度 = [  ][ 8] =  8(+1)　　生命力 = [  ][ 8] =  8(+1)",
      "知　 力 = [  ][ 8] =  8(+1)　　精神力 = [  ][11] = 11(+1)",
      "（[I-0]ニート）なし",
      "　　　　　所持金：1200　　初期経験点：0",
  };
  EXPECT_EQ(Lines(WithDice(dice, [] { return MakeCharacter20(u"hm B0"); })), expected);
}

// The options pick the rule book and the roll; line 4 is the birth line.
TEST(MakeCharacter20, OptionsChooseRuleBookAndRoll) {
  struct Case {
    const char16_t* argument;
    Dice before;  // dice drawn before the abilities: a drawn rule book, then a 2d6 roll
    const char* birthLine;
  };
  const Case cases[] = {
      {u"hm B7", {{3, 3}}, "（[I-7]一般人）なし"},  // a drawn book gives way to rule book I
      {u"hm B7 r2", {}, "（[II-7]傭兵）ファイター Lv1"},
      {u"hm r2 B7", D6({3, 5}), "（[II-8]〈未収録:生まれ表 人間 II 8〉）"},  // B only counts first
      {u"hm B27", {{3, 1}}, "（[II-7]傭兵）ファイター Lv1"},
      {u"hm B210", {{3, 1}}, "（[II-10]〈未収録:生まれ表 人間 II 10〉）"},
      {u"hm b33", {{3, 1}}, "（[IB-3]〈未収録:生まれ表 人間 IB 2-3〉）"},
      {u"hm B7 R3", {}, "（[IB-7]〈未収録:生まれ表 人間 IB 7〉）"},
      {u"hm B100", Join({{{3, 2}}, D6({1, 1})}), "（[I-2]魔動機師）マギテック Lv1"},
      {u"hm B1", Join({{{3, 3}}, D6({6, 6})}), "（[IB-12]〈未収録:生まれ表 人間 IB 11-12〉）"},
      {u"hm B 7", Join({{{3, 1}}, D6({2, 2})}), "（[I-4]魔法使い）ソーサラー Lv1 ／ コンジャラー Lv1"},
      {u"hm B52", {{3, 1}}, "（[2]〈未収録:生まれ表 人間 IB 2-3〉）"},  // no BB table: IB, without a label
      {u"hm r4", D6({5, 6}), "（[IB-11]〈未収録:生まれ表 人間 IB 11-12〉）"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.argument));
    const Dice dice = Join({c.before, kHumanAbilityDice});
    const auto lines = Lines(WithDice(dice, [&] { return MakeCharacter20(c.argument); }));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], c.birthLine);
  }
}

// Each race adjusts the label after the lookup; abilityDice is how many dice its abilities take.
TEST(MakeCharacter20, RacesAdjustTheRuleBookLabel) {
  struct Case {
    const char16_t* argument;
    Dice dice;
    const char* birthLine;
  };
  const Dice drawnBook = {{3, 2}};
  const Case cases[] = {
      {u"lr B7 r1", Sixes(10, 1), "（[II-7]〈未収録:生まれ表 リルドラケン I 6-8〉）"},
      {u"dr B7 r1", Sixes(10, 1), "（[7]〈未収録:生まれ表 ドレイク I 7〉）"},
      {u"dr B57", Join({drawnBook, Sixes(10, 1)}), "（[7]〈未収録:生まれ表 ドレイク BB 7〉）"},
      {u"hi B7 r1", Sixes(8, 1), "（[II-7]〈未収録:生まれ表 ハイマン I 7〉）"},
      {u"vl B7 r1", Sixes(9, 1), "（[7]〈未収録:生まれ表 ヴァルキリー I 7〉）"},
      // Its rule book II table pairs the rolls 2 and 8.
      {u"ba B28", Join({drawnBook, Sixes(10, 1)}), "（[8]野伏）レンジャー Lv1"},
      {u"me B22", Join({drawnBook, Sixes(7, 1)}), "（[II-2]射手）シューター Lv1"},
      {u"ti B22", Join({drawnBook, Sixes(10, 1)}), "（[2]射手）シューター Lv1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.argument));
    const auto lines = Lines(WithDice(c.dice, [&] { return MakeCharacter20(c.argument); }));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], c.birthLine);
  }
}

// With every die showing 1, an ability's dice part names its notation: 2d6 2, 2d6+6 8, 1d6+3 4 ...
TEST(MakeCharacter20, AbilityDiceFollowTheRace) {
  struct Case {
    const char16_t* race;
    int diceCount;
    std::vector<std::string> diceParts;  // 器用度, 筋力, 敏捷度, 生命力, 知力, 精神力 as printed
  };
  const Case cases[] = {
      {u"dw", 10, {"[ 8]", "[ 2]", "[ 1]", "[ 2]", "[ 1]", "[ 8]"}},
      {u"ly", 8, {"[ 1]", "[ 2]", "[ 4]", "[ 2]", "[ 7]", "[ 1]"}},
      {u"ti", 10, {"[ 2]", "[ 1]", "[ 2]", "[ 4]", "[ 2]", "[ 5]"}},
      {u"vl", 9, {"[ 2]", "[ 2]", "[ 1]", "[ 2]", "[ 1]", "[ 7]"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.race));
    const std::u16string argument = std::u16string(c.race) + u" B0";
    const Dice dice = Join({{{3, 1}}, Sixes(c.diceCount, 1)});
    const auto lines = Lines(WithDice(dice, [&] { return MakeCharacter20(argument); }));
    ASSERT_EQ(lines.size(), 6u);
    std::vector<std::string> parts;
    for (int i = 1; i <= 3; ++i)
      for (size_t at = lines[i].find("]["); at != std::string::npos; at = lines[i].find("][", at + 2))
        parts.push_back(lines[i].substr(at + 1, 4));
    EXPECT_EQ(parts, c.diceParts);
  }
}

TEST(MakeCharacter20, AdventurerRollsItsBasesAfterTheAbilities) {
  const Dice dice = Join({kHumanAbilityDice, D6({3, 4, 6, 6, 1, 2})});
  const auto lines = Lines(WithDice(dice, [] { return MakeCharacter20(u"ad B7 r1"); }));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "【ＺＲ２キャラクターメイキング】 種族：人間(冒険者)");
  EXPECT_EQ(lines[1], "器用度 = [ 7][ 2] =  9(+1)　　筋　 力 = [12][ 2] = 14(+2)");
  EXPECT_EQ(lines[3], "知　 力 = [ 3][ 2] =  5(+0)　　精神力 = [ 3][ 2] =  5(+0)");
  EXPECT_EQ(lines[4], "（[I-7]冒険者）なし");
  EXPECT_EQ(lines[5], "　　　　　所持金：1200　　初期経験点：3000");
}

TEST(MakeCharacter20, NumberGivesBackgroundRowsAndUnknownRaceNothing) {
  const Dice dice = Join({{{4, 1}}, D6({1, 2}), {{4, 2}}, D6({1, 1})});
  const auto rows = Lines(WithDice(dice, [] { return MakeCharacter20(u"2"); }));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], "【ＺＲ２　生まれ表(経歴2個)】");
  EXPECT_EQ(rows[1], "命を救われたことがある");
  for (const char16_t* argument : {u"", u"xx", u"xx B7", u"hmm"})
    EXPECT_EQ(WithDice({}, [&] { return MakeCharacter20(argument); }), "") << U8(argument);
}

TEST(MakeCharacter25, UsesTheEditionTablesAndLabels) {
  struct Case {
    const char16_t* argument;
    Dice dice;
    const char* birthLine;
  };
  const Case cases[] = {
      {u"el B6 r1", Sixes(11, 1), "（[I-6]ニート）なし"},  // its first table has no band for 6
      {u"el B37", Join({{{3, 1}}, Sixes(11, 1)}), "（[IB-7]妖精使い）フェアリーテイマー Lv1"},
      {u"hm B7 r3", Join({{{3, 2}}, kHumanAbilityDice}), "（[I-7]一般人）なし"},  // r3 is no option here
      {u"lr B7 r1", Sixes(10, 1), "（[II-7]戦士）ファイター Lv1"},
      {u"dr B7 r1", Sixes(10, 1), "（[I-7]）"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.argument));
    const auto lines = Lines(WithDice(c.dice, [&] { return MakeCharacter25(c.argument); }));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], c.birthLine);
  }
  const auto drake = Lines(WithDice(Sixes(10, 1), [] { return MakeCharacter25(u"dr B7 r1"); }));
  EXPECT_EQ(drake[0], "【ZR2.5キャラクターメイキング】 種族：ドレイク");
  EXPECT_EQ(drake[1], "器用度 = [ 0][ 1] =  1(+0)　　筋　 力 = [ 0][ 2] =  2(+0)");
  EXPECT_EQ(drake[5], "　　　　　所持金：1200　　初期経験点：0");
}

// "X の Y" with a race code X: a birth or class name, ランダム, or 冒険者 for humans.
TEST(MakeCharacterFrom20, RaceWithBirthOrClassName) {
  struct Case {
    const char16_t* argument;
    Dice dice;
    const char* heading;  // empty: the result has no heading
    const char* birthLine;
  };
  const Case cases[] = {
      {u"エルフの戦士", Sixes(11, 1), "【ＺＲ２キャラクターメイキング】 種族：エルフ",
       "（[II-8]戦士）ファイター Lv1 ／ グラップラー Lv1"},
      {u"elの魔術師Ⅰ", Sixes(11, 1), "【ＺＲ２キャラクターメイキング】 種族：エルフ", "（[I-7]魔術師）ソーサラー Lv1"},
      {u"エルフのニート", Sixes(11, 1), "【ＺＲ２キャラクターメイキング】 種族：エルフ", "（[I-0]ニート）なし"},
      {u"ドレイクのニート", Sixes(10, 1), "【ＺＲ２キャラクターメイキング】 種族：ドレイク", "（ニート）なし"},
      {u"ドレイクのランダム", Join({{{3, 3}}, D6({3, 4}), Sixes(10, 1)}), "【ＺＲ２キャラクターメイキング】 種族：ドレイク",
       "（[7]〈未収録:生まれ表 ドレイク BB 7〉）"},
      {u"人間の冒険者", Join({kHumanAbilityDice, Sixes(6, 1)}), "", "（冒険者）なし"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.argument));
    const auto lines = Lines(WithDice(c.dice, [&] { return MakeCharacterFrom20(c.argument); }));
    const size_t first = c.heading[0] == '\0' ? 0 : 1;
    ASSERT_EQ(lines.size(), 5u + first);
    if (first == 1) {
      EXPECT_EQ(lines[0], c.heading);
    } else {
      EXPECT_EQ(lines[0], "器用度 = [ 2][ 2] =  4(+0)　　筋　 力 = [ 2][ 2] =  4(+0)");
    }
    EXPECT_EQ(lines[first + 3], c.birthLine);
  }
}

TEST(MakeCharacterFrom20, GroupsSearchAllRacesAndDrawRaces) {
  struct Case {
    const char16_t* argument;
    Dice dice;
    const char* heading;
    const char* birthLine;
  };
  const Case cases[] = {
      // Seven rule book I rows teach ソーサラー; the second is the elf's.
      {u"ランダムのソーサラーI", Join({{{7, 2}}, Sixes(11, 1)}), "【ＺＲ２キャラクターメイキング】 種族：ランダム -> エルフ",
       "（[I-7]魔術師）ソーサラー Lv1"},
      {u"人族のレンジャー", Join({{{4, 4}}, Sixes(7, 1)}), "【ＺＲ２キャラクターメイキング】 種族：人族ランダム -> メリア",
       "（[II-2]野伏）レンジャー Lv1"},
      {u"蛮族のレンジャー", Sixes(10, 1), "【ＺＲ２キャラクターメイキング】 種族：蛮族ランダム -> バルカン",
       "（[2]野伏）レンジャー Lv1"},
      // A human-side race is drawn again.
      {u"蛮族のランダム", Join({{{36, 1}, {36, 36}}, D6({1, 1}), Sixes(10, 1)}),
       "【ＺＲ２キャラクターメイキング】 種族：蛮族ランダム -> ティエンス", "（[2]射手）シューター Lv1"},
      // The draw skips the gap at 23.
      {u"ランダムのランダム", Join({{{36, 24}}, D6({3, 4}), Sixes(9, 1)}),
       "【ＺＲ２キャラクターメイキング】 種族：ランダム -> ヴァルキリー", "（[7]〈未収録:生まれ表 ヴァルキリー II 7〉）"},
      {u"ランダムのランダム", Join({{{36, 2}}, D6({3, 4}), kHumanAbilityDice, Sixes(6, 1)}),
       "【ＺＲ２キャラクターメイキング】 種族：ランダム -> 人間(冒険者)", "（[7]冒険者）なし"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.argument));
    const auto lines = Lines(WithDice(c.dice, [&] { return MakeCharacterFrom20(c.argument); }));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], c.heading);
    EXPECT_EQ(lines[4], c.birthLine);
  }
}

TEST(MakeCharacterFrom20, NoMatchGivesNothing) {
  for (const char16_t* argument : {u"ランダムの魔術師II", u"エルフの魔術師IB", u"エルフの魔術師4", u"蛮族の射手",
                                    u"xxのランダム", u"エルフの", u"の", u"人間のニート2", u"adの魔術師"})
    EXPECT_EQ(WithDice({}, [&] { return MakeCharacterFrom20(argument); }), "") << U8(argument);
}

TEST(MakeCharacterFrom25, SearchesTheEditionTablesWithMarkersIAndIIOnly) {
  // Five 2.5-II rows teach ソーサラー; the fifth is the ティエンス row.
  const Dice dice = Join({{{5, 5}}, Sixes(10, 1)});
  const auto lines = Lines(WithDice(dice, [] { return MakeCharacterFrom25(u"ランダムのソーサラーII"); }));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "【ZR2.5キャラクターメイキング】 種族：ランダム -> ティエンス");
  EXPECT_EQ(lines[4], "（[7]魔法戦士）ファイター Lv1 ＆ ソーサラー Lv1");

  const Dice randomDice = Join({{{2, 2}}, D6({3, 4}), Sixes(11, 1)});
  const auto random = Lines(WithDice(randomDice, [] { return MakeCharacterFrom25(u"エルフのランダム"); }));
  ASSERT_EQ(random.size(), 6u);
  EXPECT_EQ(random[4], "（[II-7]妖精使い）フェアリーテイマー Lv1");

  for (const char16_t* argument : {u"人族のランダム", u"エルフの射手4", u"ドレイクのニート"})
    EXPECT_EQ(WithDice({}, [&] { return MakeCharacterFrom25(argument); }), "") << U8(argument);
}

// The dispatcher hands over whatever was typed.
TEST(CharacterMaking, SurvivesHostileArguments) {
  const std::u16string longText(100'000, u'の');
  const std::u16string arguments[] = {longText, u"el B" + std::u16string(100'000, u'9'), u"el " + longText,
                                      u"ランダムの" + longText, u"エルフの(((", u"\"el", u"hm B-2147483648"};
  for (const std::u16string& argument : arguments) {
    MakeCharacter20(argument);
    MakeCharacter25(argument);
    MakeCharacterFrom20(argument);
    MakeCharacterFrom25(argument);
    EXPECT_FALSE(ListBirths(argument).empty());
  }
}

}  // namespace
}  // namespace zr2::test
