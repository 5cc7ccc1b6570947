#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TestFolder.h"
#include "dice/RandomUnit.h"
#include "encounters/Encounters.h"
#include "tables/Hazards.h"

namespace zr2 {
namespace {

using test::U8;
using Dice = std::vector<std::pair<int, int>>;

struct Case {
  std::u16string scenario;
  std::u16string category;
  std::u16string rest;
  Dice dice;
  std::string expected;  // "" when nothing answers
};

void ExpectRolls(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.scenario + u" " + c.category + u" " + c.rest));
    ScopedDiceScript script(c.dice);
    EXPECT_EQ(U8(RollScenarioEncounter(c.scenario, c.category, c.rest)), c.expected);
    EXPECT_EQ(script.Problem(), "");
  }
}

// Row 1 of the Mist Castle 蛮族 grid is known: コボルド, ゴブリン, コボルド x2, レッドキャップ, グレムリン,
// ゴブリン x2, レッドキャップ x2, コボルド x3. Other rows print their missing-row marker.
TEST(ScenarioEncounter, MistCastleGroups) {
  const std::string head = "ミストキャッスル 蛮族遭遇表Lv.1 : ";
  ExpectRolls({
      {u"M", u"蛮族", u"1 2", {{6, 2}}, head + "コボルド x2 (1-340,BT-32)"},
      {u"M", u"蛮族", u"1 1", {{6, 2}}, head + "ゴブリン(1-341,BT-33)"},
      {u"M", u"b", u"1 3", {{6, 6}}, head + "コボルド x3 (1-340,BT-32)"},
      {u"M", u"蛮族", u"1 3", {{6, 2}}, head + "レッドキャップ(〈未収録:魔物ページ レッドキャップ〉)"},
      // Two groups: the second group's die comes first.
      {u"M", u"蛮族", u"1 4", {{6, 2}, {6, 1}}, head + "コボルド(1-340,BT-32) + ゴブリン(1-341,BT-33)"},
      {u"M", u"蛮族", u"1 4", {{6, 1}, {6, 3}}, head + "コボルド x3 (1-340,BT-32)"},
      {u"M", u"蛮族", u"1 4", {{6, 4}, {6, 4}}, head + "レッドキャップ x2 (〈未収録:魔物ページ レッドキャップ〉)"},
      {u"M",
       u"蛮族",
       u"1 6",
       {{6, 1}, {6, 2}},
       head + "レッドキャップ(〈未収録:魔物ページ レッドキャップ〉) + コボルド x2 (1-340,BT-32)"},
      // The boss takes the next row for the first group and is marked only beside a second group.
      {u"M",
       u"蛮族",
       u"1+ 4",
       {{6, 1}, {6, 5}},
       head + "〈未収録:ミストキャッスル 蛮族 Lv2 5〉←ボス + コボルド(1-340,BT-32)"},
      {u"M", u"蛮族", u"1 2 BOSS", {{6, 1}}, head + "〈未収録:ミストキャッスル 蛮族 Lv2 2〉"},
      {u"M", u"蛮族", u"0+ 2", {{6, 1}}, "ミストキャッスル 蛮族遭遇表Lv.0 : ゴブリン(1-341,BT-33)"},
      {u"M", u"人族", u"9+ 1", {{6, 3}}, "ミストキャッスル 人族遭遇表Lv.9 : 〈未収録:ミストキャッスル 人族 Lv7 3〉"},
      {u"xyz", u"蛮族", u"1 2", {{6, 2}}, head + "コボルド x2 (1-340,BT-32)"},
  });
}

TEST(ScenarioEncounter, PartyLimitsAndRefusals) {
  ExpectRolls({
      {u"M", u"蛮族", u"1 7", {}, "遭遇表エラー:霧の街は7人での冒険には対応していません。"},
      {u"M", u"蛮族", u"1 0", {}, "遭遇表エラー:霧の街は0人での冒険には対応していません。"},
      {u"C", u"蛮族", u"3 -1", {}, "遭遇表エラー:カースドランドは-1人での冒険には対応していません。"},
      {u"G", u"蛮族", u"3 0", {}, "遭遇表エラー:霧の街は0人での冒険には対応していません。"},
      // Mist Grave rolls a party of seven as six.
      {u"G",
       u"悪党",
       u"3 7",
       {{6, 6}, {6, 1}},
       "ミストグレイヴ 悪党遭遇表Lv.3 : 〈未収録:ミストグレイヴ 悪党 Lv3 3〉 + 〈未収録:ミストグレイヴ 悪党 Lv3 8〉"},
      // No table row: Mist Castle level 0, Mist Grave below 2 (below 1 with the boss).
      {u"M", u"蛮族", u"0 2", {}, ""},
      {u"M", u"蛮族", u"0+ 4", {}, ""},
      {u"G", u"蛮族", u"1 2", {}, ""},
      {u"G", u"蛮族", u"1+ 2", {{6, 1}}, "ミストグレイヴ 蛮族遭遇表Lv.1 : 〈未収録:ミストグレイヴ 蛮族 Lv2 2〉"},
      {u"M", u"蛮族", u"-1 2", {}, ""},
      {u"M", u"蛮族", u"x 2", {}, ""},
      {u"M", u"蛮族", u"1 x", {}, ""},
      {u"M", u"蛮族", u"1", {}, ""},
      {u"M", u"蛮族", u"1* 2", {}, ""},
      {u"M", u"ドラゴン", u"1 2", {}, ""},
  });
}

TEST(ScenarioEncounter, ScenarioKeysPickTheirBooks) {
  ExpectRolls({
      // The Mist Grave 遺跡 category has a grid of its own.
      {u"G", u"ruin", u"5 1", {{6, 1}}, "ミストグレイヴ 遺跡遭遇表Lv.5 : 〈未収録:ミストグレイヴ 遺跡 Lv5 1〉"},
      {u"G", u"動物", u"5 1", {}, ""},
      {u"C", u"水辺", u"5 1", {}, ""},
      {u"C", u"MD", u"1 1", {{6, 4}}, "カースドランド 魔動機遭遇表Lv.1 : 〈未収録:カースドランド 魔動機 Lv2 4〉"},
      {u"C", u"動物", u"20++ 2", {{6, 1}}, "カースドランド 動物遭遇表Lv.20 : 〈未収録:カースドランド 動物 Lv15 2〉"},
      // Scenario keys compare exactly: "g" is not Mist Grave.
      {u"g", u"悪党", u"5 1", {}, ""},
      // Outside G and C the Eternal Empire words follow the Mist Castle categories.
      {u"M",
       u"遺跡",
       u"5 1",
       {{3, 1}},
       "エターナルエンパイア 遺跡遭遇表Lv.5 : 〈未収録:エターナルエンパイア 遺跡1 Lv5 1〉"},
      {u"M",
       u"魔神",
       u"3 1",
       {},
       "エターナルエンパイア 遺跡の魔神遭遇表Lv.3 : 〈未収録:エターナルエンパイア 遺跡の魔神 Lv3〉"},
  });
}

TEST(ScenarioEncounter, CursedLandMutationWritesOneGroupAndTheMutations) {
  const Dice mutationDice = {{6, 1}, {6, 1}, {6, 2}, {6, 1}, {6, 3}, {6, 1}};
  std::u16string mutations;
  {
    ScopedDiceScript script(mutationDice);
    mutations = RollEncounterMutations(3);
  }
  ASSERT_FALSE(mutations.empty());
  Dice dice = {{6, 1}, {6, 2}};
  dice.insert(dice.end(), mutationDice.begin(), mutationDice.end());
  ScopedDiceScript script(dice);
  // Level 5 with the mutation mark reads row 7 and writes no boss mark even for six characters.
  EXPECT_EQ(U8(RollScenarioEncounter(u"C", u"動物", u"5*+ 6")),
            "カースドランド 動物遭遇表Lv.5 : 〈未収録:カースドランド 動物 Lv8 4〉←変異 ↓内容↓\r\n" + U8(mutations));
  EXPECT_EQ(script.Problem(), "");
}

TEST(ScenarioEncounter, EternalEmpireTerrain) {
  const std::string head = "エターナルエンパイア 山岳遭遇表Lv.3 : ";
  const std::string row = "〈未収録:エターナルエンパイア 山岳2 Lv3 ";
  ExpectRolls({
      {u"M", u"山岳", u"3 1", {{3, 2}}, head + row + "1〉"},
      {u"M", u"山岳", u"3 3", {{3, 2}}, head + row + "1〉 + " + row + "2〉"},
      {u"M", u"山岳", u"3 4", {{3, 2}}, head + row + "1〉 + " + row + "2〉 + " + row + "3〉"},
      {u"F",
       u"荒地",
       u"0 1",
       {{3, 3}},
       "エターナルエンパイア 荒れ地遭遇表Lv.0 : 〈未収録:エターナルエンパイア 荒れ地3 Lv1 1〉"},
      {u"M",
       u"湖畔",
       u"99 1",
       {{3, 1}},
       "エターナルエンパイア 湖畔遭遇表Lv.99 : 〈未収録:エターナルエンパイア 湖畔1 Lv14 1〉"},
      {u"M", u"山岳", u"3+ 4", {}, ""},
      {u"M", u"山岳", u"3", {}, ""},
  });
}

TEST(ScenarioEncounter, EternalEmpireRuins) {
  ExpectRolls({
      // Ruin type 3 (遺跡の幻獣) has nobody at level 3.
      {u"M", u"遺跡Ａ", u"3 2", {{3, 3}}, "エターナルエンパイア 遺跡Ａ遭遇表Lv.3 : 何も起こらなかった。"},
      {u"M",
       u"遺跡a",
       u"4 2",
       {{3, 3}},
       "エターナルエンパイア 遺跡Ａ遭遇表Lv.4 : 〈未収録:エターナルエンパイア 遺跡の幻獣 Lv4〉"},
      {u"M",
       u"遺跡②",
       u"20+ 4",
       {{3, 1}},
       "エターナルエンパイア 遺跡Ｂ遭遇表Lv.20 : 〈未収録:エターナルエンパイア 遺跡のアンデッド Lv16〉"},
      {u"M", u"偶然", u"5 2", {{6, 4}}, "エターナルエンパイア 偶然遭遇表Lv.5 : 何も起こらなかった。"},
      {u"M",
       u"偶然の",
       u"1 2",
       {{6, 5}, {6, 1}},
       "エターナルエンパイア 偶然遭遇表Lv.1 : 〈未収録:エターナルエンパイア 遺跡の蛮族 Lv3〉"},
      // Ruin rooms by prefix and suffix.
      {u"M", u"遺跡の幻獣の部屋", u"3 4", {}, "エターナルエンパイア 遺跡の幻獣遭遇表Lv.3 : 何も起こらなかった。"},
      {u"M",
       u"EE植物",
       u"7 1",
       {},
       "エターナルエンパイア 遺跡の動植物遭遇表Lv.7 : 〈未収録:エターナルエンパイア 遺跡の動植物 Lv7〉"},
      {u"M",
       u"undee",
       u"7 1",
       {},
       "エターナルエンパイア 遺跡のアンデッド遭遇表Lv.7 : 〈未収録:エターナルエンパイア 遺跡のアンデッド Lv7〉"},
      {u"M", u"遺跡の人族", u"7 1", {}, ""},
      {u"M", u"遺跡Ａ", u"x 1", {}, ""},
  });
}

}  // namespace
}  // namespace zr2
