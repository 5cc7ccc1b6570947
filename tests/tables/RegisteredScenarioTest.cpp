// The party registration written by the entry decides what the table words mean.
#include <gtest/gtest.h>

#include <cstring>

#include "DiceHelpers.h"
#include "host/EntryFrame.h"
#include "platform/Platform.h"
#include "tables/TableCommand.h"

extern "C" void RegMistEE(const char* request, char* reply);

namespace zr2 {
namespace {

using test::D6s;
using test::Rolled;

TEST(RegisteredScenario, ViceCityPartyMakesDollarAndTrapWordsViceCity) {
  test::TestFolder folder;
  char reply[kReplyCapacity] = {};
  RegMistEE(platform::TextToAnsi(test::U16("taro #t #遭遇表登録 ヴァイスシティ Lv3.45 3人 F1")).c_str(), reply);
  ASSERT_NE(std::strlen(reply), 0u);

  EXPECT_EQ(Rolled(D6s({3, 2, 1, 2, 5, 6}), [] { return RunTableCommand(u"$", u"#t"); }),
            "ヴァイスシティ宝物決定表:[3,2,1,2,5+6]醜い劣化品の宝石(220G、精神抵抗Bに成功しないと入手できない)");
  EXPECT_EQ(Rolled(D6s({1, 2}), [] { return RunTableCommand(u"trap", u"#t"); }),
            "落とし穴[探索目標14/発見すれば自動的に避けられる]6m落下。　脱出に1時間かかる");
}

TEST(RegisteredScenario, UnregisteredChannelMeansMistCastle) {
  test::TestFolder folder;
  EXPECT_EQ(Rolled(D6s({6, 1, 1}), [] { return RunTableCommand(u"$", u"#t"); }), "[ミストキャッスル 宝物 $] : 10G");
  EXPECT_EQ(Rolled({}, [] { return RunTableCommand(u"trap", u"#t"); }), "");
}

}  // namespace
}  // namespace zr2
