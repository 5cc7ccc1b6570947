#include <gtest/gtest.h>

#include <string>

#include "TestFolder.h"
#include "dice/RandomUnit.h"
#include "encounters/Encounters.h"
#include "host/CIniLoader.h"

namespace zr2 {
namespace {

using test::U8;

std::string Urge(std::u16string_view command, std::vector<std::pair<int, int>> dice) {
  ScopedDiceScript script(std::move(dice));
  const std::string reply = U8(RollUrge(command, u"taro", u"#pb"));
  EXPECT_EQ(script.Problem(), "") << U8(std::u16string(command));
  return reply;
}

std::int32_t Counter() { return CounterOrZero(u"#pb", u"taro"); }

TEST(UrgeTable, StoresEachLevelInItsFieldAndRefusesASecondRoll) {
  test::TestFolder folder;
  EXPECT_EQ(Urge(u"URGE1", {{6, 1}, {6, 1}}),
            "[1,1]:怒り(\x02"
            "20\x02"
            "Exp:0 → 20)突然強い怒りに駆られる。最も近い対象を罵倒し、そのターンの終了まで[行動不能]となる。");
  EXPECT_EQ(Counter(), 2);

  EXPECT_EQ(Urge(u"1", {}), "その衝動は既に振っています。振り直す時は #table pb 1R と入力してください。");
  EXPECT_EQ(Counter(), 2);

  EXPECT_EQ(Urge(u"urge5 extra", {{6, 6}, {6, 6}}),
            "[6,6]:絶望(\x02"
            "30\x02"
            "Exp:20 → 50)全身が絶望に満たされ、全てを破壊したくなる。次のターンの終了まで、ダメージに+15。");
  EXPECT_EQ(Counter(), 2 | 12 << 16);

  // A re-roll replaces the level's result and its experience.
  EXPECT_EQ(Urge(u"1r", {{6, 3}, {6, 4}}),
            "[3,4]:抑制(\x02"
            "0\x02"
            "Exp:50 → 30)衝動を抑制した。影響なし。");
  EXPECT_EQ(Counter(), 7 | 12 << 16);
  EXPECT_EQ(Urge(u"URGE1R", {{6, 4}, {6, 3}}),
            "[4,3]:抑制(\x02"
            "0\x02"
            "Exp:30)衝動を抑制した。影響なし。");
}

TEST(UrgeTable, WordsThatNameNoLevelAnswerNothing) {
  test::TestFolder folder;
  WriteCounter(u"#pb", u"taro", 5);
  for (const std::u16string_view command : {u"", u"0", u"6", u"URGE", u"x", u"URGE-1", u"2.5", u"URGEURGE2"}) {
    EXPECT_EQ(Urge(command, {}), "") << U8(std::u16string(command));
  }
  EXPECT_EQ(Counter(), 5);
}

// Fields holding anything but a 2d6 result add nothing; the values match the counter display's table.
TEST(UrgeTable, ExperienceValues) {
  const int expected[5][11] = {{20, 20, 10, 10, 0, 0, 0, 10, 10, 10, 20},
                               {20, 20, 20, 10, 10, 10, 0, 0, 0, 10, 20},
                               {20, 20, 20, 10, 10, 0, 10, 10, 20, 20, 20},
                               {20, 20, 20, 20, 10, 10, 20, 20, 20, 20, 20},
                               {30, 30, 20, 20, 20, 20, 20, 20, 20, 30, 30}};
  for (int level = 1; level <= 5; ++level)
    for (int result = 2; result <= 12; ++result)
      EXPECT_EQ(UrgeExperience(level, result), expected[level - 1][result - 2]) << level << " " << result;
  EXPECT_EQ(UrgeExperience(1, 0), 0);
  EXPECT_EQ(UrgeExperience(1, 13), 0);
  EXPECT_EQ(UrgeExperience(0, 2), 0);
  EXPECT_EQ(UrgeExperience(6, 2), 0);
}

}  // namespace
}  // namespace zr2
