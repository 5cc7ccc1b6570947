#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TestFolder.h"
#include "dice/RandomUnit.h"
#include "encounters/Encounters.h"
#include "host/CIniLoader.h"

namespace zr2 {
namespace {

using test::U8;

void Register(std::u16string_view channel, std::u16string_view rule, int members, int level) {
  WriteSetting(SettingsFile::Library, channel, u"SupRule", rule);
  WriteIntSetting(SettingsFile::Library, channel, u"SupNin", members);
  WriteIntSetting(SettingsFile::Library, channel, u"SupLv", level);
}

struct Case {
  std::optional<char16_t> scenario;
  char16_t difficulty;
  std::u16string rest;
  std::vector<std::pair<int, int>> dice;
  std::string expected;
};

void ExpectChecks(std::u16string_view channel, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(std::u16string(1, c.scenario.value_or(u'-')) + c.difficulty + u" " + c.rest));
    ScopedDiceScript script(c.dice);
    EXPECT_EQ(U8(RollScenarioCheck(channel, c.scenario, c.difficulty, c.rest)), c.expected);
    EXPECT_EQ(script.Problem(), "");
  }
}

TEST(ScenarioCheck, LevelsTargetsAndVerdicts) {
  test::TestFolder folder;
  Register(u"#mc", u"M", 4, 3);
  ExpectChecks(
      u"#mc",
      {
          {std::nullopt, u'A', u"", {}, "ミストキャッスル Lv.3 A判定 目標値: 10"},
          {std::nullopt, u'A', u"3 2d6", {{6, 4}, {6, 5}}, "ミストキャッスル Lv.3 A判定 目標値: 10 [4,5] = 9 失敗..."},
          {std::nullopt,
           u'A',
           u"3 2D6+1",
           {{6, 4}, {6, 5}},
           "ミストキャッスル Lv.3 A判定 目標値: 10 [4,5]+1 = 10 成功！"},
          {std::nullopt,
           u'C',
           u"3 2d6+9",
           {{6, 1}, {6, 1}},
           "ミストキャッスル Lv.3 C判定 目標値: 14 [1,1]\x02(１ゾロ)\x02+9 = 11 自動失敗..."},
          {std::nullopt,
           u'C',
           u"3 2d6-5",
           {{6, 6}, {6, 6}},
           "ミストキャッスル Lv.3 C判定 目標値: 14 [6,6]\x02(６ゾロ)\x02-5 = 7 自動成功！"},
          // The level word is a plain number rounded to the nearest level; a word that is no number
          // takes the registered level and the expression still comes second.
          {std::nullopt, u'B', u"9", {}, "ミストキャッスル Lv.9 B判定 目標値: 19"},
          {std::nullopt, u'B', u"2.5", {}, "ミストキャッスル Lv.3 B判定 目標値: 12"},
          {std::nullopt,
           u'A',
           u"1+1 2d6",
           {{6, 3}, {6, 3}},
           "ミストキャッスル Lv.3 A判定 目標値: 10 [3,3] = 6 失敗..."},
          {std::nullopt, u'A', u"3 2d6d", {}, "ミストキャッスル Lv.3 A判定 目標値: 10"},
          // A given scenario overrides the registered one.
          {u'C', u'A', u"1", {}, "カースドランド Lv.1 A判定 目標値: 0"},
          {u'C', u'B', u"20", {}, "カースドランド Lv.20 B判定 目標値: 27"},
          {u'G', u'A', u"14", {}, "ミストグレイヴLv.14 A判定 目標値: 23"},
          {u'G', u'A', u"2", {}, "ミストグレイヴLv.2 A判定 目標値: 9"},
          {u'V', u'A', u"9.9", {}, "ヴァイスシティLv.9 A判定 目標値: 14"},
          // No level, or one past the tables' range.
          {std::nullopt, u'A', u"0", {}, ""},
          {std::nullopt, u'A', u"-1", {}, ""},
          {std::nullopt, u'A', u"256", {}, ""},
          {std::nullopt, u'A', u"1e999", {}, ""},
      });
}

TEST(ScenarioCheck, DefaultLevelComesFromTheRegistration) {
  test::TestFolder folder;
  Register(u"#vc", u"V", 6, 35);
  Register(u"#cl", u"c", 4, 5);
  ExpectChecks(u"#vc", {{std::nullopt, u'A', u"", {}, "ヴァイスシティLv.3 A判定 目標値: 10"},
                        {u'M', u'A', u"", {}, "ミストキャッスル Lv.35 A判定 目標値: 17"}});
  ExpectChecks(u"#cl", {{std::nullopt, u'A', u"", {}, "カースドランド Lv.5 A判定 目標値: 12"}});
  ExpectChecks(u"#none", {{std::nullopt, u'A', u"", {}, ""},
                          {std::nullopt, u'A', u"4", {}, "ミストキャッスル Lv.4 A判定 目標値: 12"}});
}

}  // namespace
}  // namespace zr2
