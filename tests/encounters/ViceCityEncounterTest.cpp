#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TestFolder.h"
#include "dice/RandomUnit.h"
#include "encounters/Encounters.h"

namespace zr2 {
namespace {

using test::U8;

struct Case {
  std::u16string word;
  int level;
  int members;
  int fellows;
  bool strongEnemy;
  bool boss;
  std::vector<std::pair<int, int>> dice;
  std::string expected;
};

// Known here: band 0 of 蛮族 (ダガーフッド x2, アローフッド x2, ゴブリン, サーベルフッド, フーグル, グレムリン)
// and ボルグ x2 (1-441) in band 2 at d6 = 1.
TEST(ViceCityEncounter, ThreatBandsGroupsAndMarks) {
  const std::string dagger = "ダガーフッド x2 (〈未収録:ヴァイスシティ 魔物ページ ダガーフッド〉)";
  const std::string goblin = "ゴブリン(〈未収録:ヴァイスシティ 魔物ページ ゴブリン〉)";
  const std::vector<Case> cases = {
      {u"蛮族+", 35, 1, 0, false, false, {{6, 1}}, "ヴァイスシティ 蛮族遭遇表 脅威度4 : ボルグ x2 (1-441)"},
      {u"ba", 20, 1, 0, false, false, {{6, 1}}, "ヴァイスシティ 蛮族遭遇表 脅威度2 : " + dagger},
      {u"蛮族",
       21,
       1,
       0,
       false,
       false,
       {{6, 1}},
       "ヴァイスシティ 蛮族遭遇表 脅威度2.1 : 〈未収録:ヴァイスシティ 蛮族 帯1 1〉"},
      {u"蛮族",
       71,
       1,
       0,
       false,
       false,
       {{6, 6}},
       "ヴァイスシティ 蛮族遭遇表 脅威度7.1 : 〈未収録:ヴァイスシティ 蛮族 帯5 6〉"},
      {u"蛮族",
       500,
       1,
       0,
       false,
       false,
       {{6, 2}},
       "ヴァイスシティ 蛮族遭遇表 脅威度50 : 〈未収録:ヴァイスシティ 蛮族 帯5 2〉"},
      // Plus signs: "++" two, "+3" three; the marks raise only the first group's band.
      {u"蛮族++", 10, 1, 0, false, false, {{6, 1}}, "ヴァイスシティ 蛮族遭遇表 脅威度2 : " + dagger},
      {u"蛮族+3",
       30,
       1,
       0,
       false,
       false,
       {{6, 1}},
       "ヴァイスシティ 蛮族遭遇表 脅威度4.5 : 〈未収録:ヴァイスシティ 蛮族 帯3 1〉"},
      {u"蛮族", 30, 1, 0, true, false, {{6, 1}}, "ヴァイスシティ 蛮族遭遇表 脅威度3 : ボルグ x2 (1-441)"},
      {u"蛮族", 1, 1, 0, false, true, {{6, 3}}, "ヴァイスシティ 蛮族遭遇表 脅威度0.1 : " + goblin + " ←ボス "},
      // Two groups from 2 characters; equal cells add up.
      {u"蛮族", 40, 2, 0, false, false, {{6, 1}, {6, 1}}, "ヴァイスシティ 蛮族遭遇表 脅威度4 : ボルグ x4 (1-441)"},
      {u"蛮族",
       40,
       2,
       0,
       false,
       true,
       {{6, 1}, {6, 3}},
       "ヴァイスシティ 蛮族遭遇表 脅威度4 : 〈未収録:ヴァイスシティ 蛮族 帯3 1〉 ←ボス 、〈未収録:ヴァイスシティ 蛮族 "
       "帯2 3〉"},
      // Size 7 (3 characters, 1 fellow) adds 5 to the threat of the further group.
      {u"蛮族",
       16,
       3,
       1,
       false,
       false,
       {{6, 3}, {6, 3}},
       "ヴァイスシティ 蛮族遭遇表 脅威度1.6 : " + goblin + "、〈未収録:ヴァイスシティ 蛮族 帯1 3〉"},
      // Size 10: three groups.
      {u"蛮族",
       0,
       5,
       0,
       false,
       false,
       {{6, 3}, {6, 1}, {6, 3}},
       "ヴァイスシティ 蛮族遭遇表 脅威度0 : ゴブリン x2 (〈未収録:ヴァイスシティ 魔物ページ ゴブリン〉)、" + dagger},
      // The other categories pick one of three cells.
      {u"UNDEAD",
       0,
       1,
       0,
       false,
       false,
       {{3, 2}},
       "ヴァイスシティ アンデッド遭遇表 脅威度0 : 〈未収録:ヴァイスシティ アンデッド 帯0 2〉"},
      {u"mc+",
       40,
       1,
       0,
       false,
       false,
       {{3, 3}},
       "ヴァイスシティ 魔動機遭遇表 脅威度4.5 : 〈未収録:ヴァイスシティ 魔動機 帯3 3〉"},
      // Nothing answers: no category list, or a threat below every band.
      {u"妖精", 40, 1, 0, false, false, {}, ""},
      {u"水辺", 40, 1, 0, false, false, {}, ""},
      {u"蛮族+-5", 10, 1, 0, false, true, {}, ""},
      {u"蛮族", -5, 2, 0, false, true, {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.word) + " " + std::to_string(c.level));
    ScopedDiceScript script(c.dice);
    EXPECT_EQ(U8(RollViceCityEncounter(c.word, c.level, c.members, c.fellows, c.strongEnemy, c.boss)), c.expected);
    EXPECT_EQ(script.Problem(), "");
  }
}

}  // namespace
}  // namespace zr2
