#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>

#include "CharacterTestSupport.h"
#include "Entries.h"
#include "characters/AbilityGrowth.h"
#include "characters/CstZR2FairyTable.h"
#include "characters/ImpurityFairy.h"
#include "platform/Platform.h"

namespace zr2::test {
namespace {

TEST(GrowthRolls, OneTrialOrRowsOfFive) {
  struct Case {
    int count;
    Dice dice;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {3, D6({1, 1, 5, 2, 6, 3}), {"【ＺＲ２キャラクター能力上昇】 試行回数：3回", "[器用度][敏捷度 ／ 知力][筋力 ／ 精神力]"}},
      {1, D6({4, 4}), {"【ＺＲ２キャラクター能力上昇】 上昇する能力：生命力"}},
      {-5, D6({6, 1}), {"【ＺＲ２キャラクター能力上昇】 上昇する能力：器用度 ／ 精神力"}},
      {7, D6({1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 3, 3, 3, 3}),
       {"【ＺＲ２キャラクター能力上昇】 試行回数：7回", "[器用度 ／ 敏捷度][器用度 ／ 敏捷度][器用度 ／ 敏捷度][器用度 ／ 敏捷度][器用度 ／ 敏捷度]",
        "[筋力][筋力]"}},
      {10, Sixes(20, 2),
       {"【ＺＲ２キャラクター能力上昇】 試行回数：10回", "[敏捷度][敏捷度][敏捷度][敏捷度][敏捷度]", "[敏捷度][敏捷度][敏捷度][敏捷度][敏捷度]"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    EXPECT_EQ(Lines(WithDice(c.dice, [&] { return GrowthRolls(c.count); })), c.lines);
  }
}

// Above ten trials the results are counted, lower face first, five to a line.
TEST(GrowthRolls, ManyTrialsAreCountedInFaceOrder) {
  const Dice dice = D6({2, 1, 2, 1, 1, 2, 1, 1, 6, 5, 5, 6, 3, 3, 4, 2, 5, 1, 2, 6, 4, 3});
  const std::vector<std::string> expected = {
      "【ＺＲ２キャラクター能力上昇 11回】",
      "[器用度][器用度 ／ 敏捷度 x 3][器用度 ／ 知力][敏捷度 ／ 生命力][敏捷度 ／ 精神力]",
      "[筋力][筋力 ／ 生命力][知力 ／ 精神力 x 2]",
  };
  EXPECT_EQ(Lines(WithDice(dice, [] { return GrowthRolls(11); })), expected);
  // Five items end the text without a line break after them.
  const Dice five = Join({Sixes(14, 1), D6({1, 2, 3, 1, 1, 4, 5, 1})});
  EXPECT_EQ(WithDice(five, [] { return GrowthRolls(11); }),
            "【ＺＲ２キャラクター能力上昇 11回】\r\n[器用度 x 7][器用度 ／ 敏捷度][器用度 ／ 筋力][器用度 ／ 生命力][器用度 ／ 知力]");
}

TEST(GrowthRolls, LargeCountsStayBounded) {
  const std::vector<std::string> million = Lines(U8(GrowthRolls(1'000'000)));
  ASSERT_EQ(million.size(), 6u);  // 21 results at most, five to a line
  EXPECT_EQ(million[0], "【ＺＲ２キャラクター能力上昇 1000000回】");
  EXPECT_EQ(GrowthRolls(INT_MAX), u"");
  EXPECT_GT(HeroProofRolls(INT_MAX).size(), 1024u);
}

// Huge counts must neither hang the host nor overrun its buffer: no reply, or an empty one.
TEST(GrowthEntries, HugeCountsEndQuickly) {
  TestFolder folder;
  struct Case {
    RequestEntry entry;
    const char* request;
    const char* reply;  // null: the buffer stays untouched
  };
  const Case cases[] = {
      {ZR2_UpStatus, "taro #t #勇者の証100000", nullptr},
      {ZR2_UpStatus, "taro #t #能力上昇2147483647", ""},
      {ZR2_MakeBirth, "taro #t #経歴表2147483647", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.request);
    char buffer[1100];
    std::memset(buffer, 0x7f, sizeof buffer);
    c.entry(platform::TextToAnsi(U16(c.request)).c_str(), buffer);
    if (c.reply == nullptr) {
      EXPECT_EQ(buffer[0], 0x7f);
    } else {
      EXPECT_STREQ(buffer, c.reply);
    }
  }
}

TEST(HeroProofRolls, SingleDieResults) {
  EXPECT_EQ(WithDice(D6({1}), [] { return HeroProofRolls(1); }), "【ＺＲ２勇者の証効果適用】 上昇する能力：器用度");
  const auto lines = Lines(WithDice(Sixes(20, 6), [] { return HeroProofRolls(20); }));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "【ＺＲ２勇者の証効果適用】 試行回数：20回");
  EXPECT_EQ(lines[4], "[精神力][精神力][精神力][精神力][精神力]");
}

TEST(ImpurityRoll, ModifierShownInBothPlacesOnlyWhenPositive) {
  struct Case {
    int modifier;
    Dice dice;
    const char* line;
  };
  const Case cases[] = {
      {3, D6({4, 5}), "2d+3 = [4,5]+3 = 12 (痣ができる(痣+1))"},
      {0, D6({1, 1}), "2d = [1,1] = 2 (特になし)"},
      {-2, D6({4, 4}), "2d = [4,4] = 8 (小さな角が生える/伸びる(角+1))"},
      {2, D6({6, 6}), "2d+2 = [6,6]+2 = 14 (〈未収録:穢れ表 14〉)"},
      {10, D6({6, 6}), "2d+10 = [6,6]+10 = 22 (〈未収録:穢れ表 21-25〉)"},
      {14, D6({6, 6}), "2d+14 = [6,6]+14 = 26 (皮膚が腐れ落ち始める。穢れ+3)"},
      {INT_MAX, D6({6, 6}), "2d+2147483647 = [6,6]+2147483647 = 2147483659 (皮膚が腐れ落ち始める。穢れ+3)"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithDice(c.dice, [&] { return ImpurityRoll(c.modifier); }), c.line);
}

TEST(FairyMischief, TablesAndComposedRows) {
  struct Case {
    char16_t letter;
    Dice dice;
    const char* text;
  };
  const Case cases[] = {
      {u'A', D6({3, 4}), "うきうきした気持ちになる。他には何も起こらない。"},
      {u'a', D6({6, 6}), "１日の間、性転換する。妖精郷同化度+1"},
      {u'B', D6({1, 1}), "〈未収録:妖精のいたずら表B 2-3〉"},
      {u'c', Join({D6({3, 3}), {{3, 3}}}), "１日の間、お尻が太陽のように光輝く。暗い場所では明かりになるが隠密判定に必ず失敗"},
      {u'C', Join({D6({4, 5}), D6({5})}), "１日の間、小妖精がつきまといマーチ(移動速度24)を歌い続ける。達成値は17"},
      {u'C', D6({5, 6}), "〈未収録:妖精のいたずら表C 10-12〉"},
      {u'D', D6({2, 3}), "光の樹にワープする。1TB経過。道はつながらない"},
      {u'E', D6({3, 4}), "優しい気持ちになる。他には何も起こらない"},
      {u'e', D6({6, 5}), "１日の間シェイドの姿になり、妖精として認識される。効果中はアビリティ【心の闇】が使える"},
      {u'F', D6({1, 1}), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WithDice(c.dice, [&] { return FairyMischief(c.letter); }), c.text);
}

TEST(ImpurityFairyData, RowCountsPerTable) {
  std::map<std::string, std::pair<int, int>> counts;
  for (const TableRowCount& count : ImpurityFairyRowCounts()) counts[U8(count.table)] = {count.real, count.missing};
  const std::map<std::string, std::pair<int, int>> expected = {
      {"穢れ表", {4, 8}},           {"妖精のいたずら表A", {2, 5}}, {"妖精のいたずら表B", {0, 7}},
      {"妖精のいたずら表C", {3, 3}}, {"妖精のいたずら表D", {7, 0}}, {"妖精のいたずら表E", {7, 0}},
  };
  EXPECT_EQ(counts, expected);
}

}  // namespace
}  // namespace zr2::test
