#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "TestFolder.h"
#include "characters/Backgrounds.h"
#include "characters/ImpurityFairy.h"
#include "dice/RandomUnit.h"
#include "encounters/Encounters.h"
#include "host/CIniLoader.h"
#include "tables/Hazards.h"
#include "tables/TableCommand.h"
#include "tables/Treasure.h"

namespace zr2 {
namespace {

using test::U8;
using Roll = std::function<std::u16string()>;

// Every die shows the same face, however many are drawn and whatever re-seeds the source, so a
// routed command and the table it should reach give the same text.
std::u16string WithFixedDice(const Roll& roll, int face) {
  ScopedDiceScript script(std::vector<std::pair<int, int>>(256, {0, face}));
  return roll();
}

void Register(std::u16string_view channel, std::u16string_view rule) {
  WriteSetting(SettingsFile::Library, channel, u"SupRule", rule);
  WriteIntSetting(SettingsFile::Library, channel, u"SupNin", 4);
  // Vice City keeps ten times the level.
  WriteIntSetting(SettingsFile::Library, channel, u"SupLv", rule == u"V" ? 35 : 3);
}

struct Route {
  std::u16string text;
  std::u16string channel;  // #m, #c, #g, #v (registered) or #none
  Roll expected;           // the call the text must reach; null: nothing answers
};

// The routing rows in their order, with the consequences of that order.
TEST(TableCommand, RoutesEachWordToItsTable) {
  test::TestFolder folder;
  Register(u"#m", u"M");
  Register(u"#c", u"C");
  Register(u"#g", u"G");
  Register(u"#v", u"V");
  const std::vector<Route> routes = {
      // 1: vanish; "ban" is the vanish table, not the 蛮族 encounter.
      {u"van", u"#m", [] { return RollVanish(); }},
      {u"BAN", u"#m", [] { return RollVanish(); }},
      // 2: LL treasure with an optional sub-table digit.
      {u"tr A", u"#m", [] { return RollLLTreasure(u'A', 0); }},
      {u"Treasure b2", u"#m", [] { return RollLLTreasure(u'b', 2); }},
      {u"tr A7", u"#m", [] { return RollLLTreasure(u'A', 7); }},
      {u"tr AB", u"#m", nullptr},
      {u"tr A12", u"#m", nullptr},
      {u"tr", u"#m", nullptr},
      // 3: "$" signs follow the registered scenario; Vice City takes a modifier.
      {u"$$", u"#m", [] { return RollMistCastleTreasure(2); }},
      {u"$$", u"#none", [] { return RollMistCastleTreasure(2); }},
      {u"$", u"#c", [] { return RollCursedLandTreasure(1); }},
      {u"$$$$", u"#g", [] { return RollMistGraveTreasure(4); }},
      {u"$$", u"#v", [] { return RollViceCityTreasure(1); }},
      {u"$$ 3", u"#v", [] { return RollViceCityTreasure(3); }},
      {u"$$ 0", u"#v", [] { return RollViceCityTreasure(1); }},
      {u"$$ x", u"#v", [] { return RollViceCityTreasure(1); }},
      // 4-7: a scenario letter before the signs wins over the registration.
      {u"m$$$", u"#v", [] { return RollMistCastleTreasure(3); }},
      {u"C$$", u"#m", [] { return RollCursedLandTreasure(2); }},
      {u"g$", u"#m", [] { return RollMistGraveTreasure(1); }},
      {u"v$$$", u"#m", [] { return RollViceCityTreasure(2); }},
      {u"V$ -2", u"#m", [] { return RollViceCityTreasure(-2); }},
      // 8: "$" and a letter A to L is treasure drop, as typed.
      {u"$c", u"#m", [] { return RollTreasureDrop(u"$c"); }},
      {u"$L", u"#m", [] { return RollTreasureDrop(u"$L"); }},
      {u"$M", u"#m", nullptr},
      // 9: backgrounds, three rows unless told.
      {u"live", u"#m", [] { return BackgroundRows(3); }},
      {u"BIRTH 2", u"#m", [] { return BackgroundRows(2); }},
      // 10: traps; without a table letter only a Vice City channel answers.
      {u"trap B", u"#m", [] { return RollTrap(u'B'); }},
      {u"trap V", u"#m", [] { return RollViceCityTrap(u"#m"); }},
      {u"trap", u"#v", [] { return RollViceCityTrap(u"#v"); }},
      {u"trap", u"#m", nullptr},
      {u"trap", u"#none", nullptr},
      // 11: encounters by scenario key; the way to Cursed Land.
      {u"en C 動物 3 2", u"#m", [] { return RollScenarioEncounter(u"C", u"動物", u"3 2"); }},
      {u"ENEMY M 蛮族 1 2", u"#c", [] { return RollScenarioEncounter(u"M", u"蛮族", u"1 2"); }},
      // 12: "C" is the check of difficulty C, never a Cursed Land encounter.
      {u"C 3 2d6", u"#m", [] { return RollScenarioCheck(u"#m", std::nullopt, u'C', u"3 2d6"); }},
      {u"a", u"#v", [] { return RollScenarioCheck(u"#v", std::nullopt, u'A', u""); }},
      // 13: scenario and difficulty in one word.
      {u"mB 5", u"#v", [] { return RollScenarioCheck(u"#v", u'M', u'B', u"5"); }},
      {u"vc 5 2d6", u"#m", [] { return RollScenarioCheck(u"#m", u'V', u'C', u"5 2d6"); }},
      {u"GA 4", u"#m", [] { return RollScenarioCheck(u"#m", u'G', u'A', u"4"); }},
      // 14: "F" and "f" are the damage bonus, never the fairy table.
      {u"f", u"#m", [] { return RollDamageBonus(); }},
      // 15: general skills; a word that is no number asks for -1.
      {u"ge", u"#m", [] { return GeneralSkills(1); }},
      {u"formal 3", u"#m", [] { return GeneralSkills(3); }},
      {u"ip x", u"#m", [] { return GeneralSkills(-1); }},
      // 16: transformations by scenario and by the second number.
      {u"heni 2", u"#m", [] { return RollCursedLandMutations(2); }},
      {u"変異 2 1", u"#m", [] { return RollMutationCount(2, 1); }},
      {u"魔神化 2 1", u"#v", [] { return RollDemonTraits(TraitForm::Character, 2).Result; }},
      {u"heni", u"#none", [] { return RollCursedLandMutations(0); }},
      // 17-22.
      {u"boost", u"#m", [] { return RollMonsterBoost(1); }},
      {u"強化 3", u"#m", [] { return RollMonsterBoost(3); }},
      {u"karami", u"#m", [] { return RollBindLocation(0); }},
      {u"bind 4", u"#m", [] { return RollBindLocation(4); }},
      {u"fairy ｃ", u"#m", [] { return FairyMischief(u'c'); }},
      {u"fairy", u"#m", nullptr},
      {u"k", u"#m", [] { return ImpurityRoll(0); }},
      {u"Kegare 2", u"#m", [] { return ImpurityRoll(2); }},
      {u"curse", u"#m", [] { return RollCurse(); }},
      {u"MGK 3", u"#m", [] { return RollMedals(3); }},
      {u"kunshou", u"#m", [] { return RollMedals(0); }},
      // 23: any other word is a scenario key.
      {u"xyz 蛮族 1 2", u"#m", [] { return RollScenarioEncounter(u"xyz", u"蛮族", u"1 2"); }},
      {u"G 水辺 3 2", u"#m", [] { return RollScenarioEncounter(u"G", u"水辺", u"3 2"); }},
      {u"M 山岳 3 4", u"#m", [] { return RollScenarioEncounter(u"M", u"山岳", u"3 4"); }},
      {u"xyz", u"#m", nullptr},
      {u"", u"#m", nullptr},
  };
  for (const Route& route : routes) {
    SCOPED_TRACE(U8(route.text + u" in " + route.channel));
    for (const int face : {1, 4}) {
      const std::u16string actual = WithFixedDice([&] { return RunTableCommand(route.text, route.channel); }, face);
      if (!route.expected) {
        EXPECT_EQ(U8(actual), "");
        continue;
      }
      EXPECT_EQ(U8(actual), U8(WithFixedDice(route.expected, face)));
    }
  }
}

// The routes above compare with the tables' own answers; these show that the arguments matter.
TEST(TableCommand, ArgumentsReachTheTables) {
  test::TestFolder folder;
  Register(u"#v", u"V");
  const auto rolled = [](std::u16string_view text) {
    return WithFixedDice([&] { return RunTableCommand(text, u"#v"); }, 1);
  };
  EXPECT_EQ(U8(rolled(u"en M 蛮族 1 2")), "ミストキャッスル 蛮族遭遇表Lv.1 : ゴブリン(1-341,BT-33)");
  EXPECT_EQ(U8(rolled(u"xyz 蛮族 1 4")), "ミストキャッスル 蛮族遭遇表Lv.1 : コボルド x2 (1-340,BT-32)");
  EXPECT_EQ(U8(rolled(u"mc 9")), "ミストキャッスル Lv.9 C判定 目標値: 21");
  EXPECT_EQ(U8(rolled(u"B")), "ヴァイスシティLv.3 B判定 目標値: 12");
  EXPECT_NE(rolled(u"$$"), rolled(u"$$ 3"));
}

}  // namespace
}  // namespace zr2
