#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "CharacterTestSupport.h"
#include "characters/Backgrounds.h"
#include "characters/CstZR2BirthTable.h"

namespace zr2::test {
namespace {

// Each background row draws its set, then the two dice of its d66 position.
TEST(Backgrounds, HeadingThenOneDrawnPhrasePerLine) {
  struct Case {
    std::function<std::u16string()> draw;
    Dice dice;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {[] { return BackgroundRows(2); }, Join({{{4, 1}}, D6({1, 1}), {{4, 3}}, D6({4, 5})}),
       {"【ＺＲ２　生まれ表(経歴2個)】", "大恋愛をしたことがある", "〈未収録:経歴表 3-45〉"}},
      {[] { return BackgroundRowsAll(1); }, Join({{{6, 5}}, D6({1, 1})}),
       {"【ＺＲ２　生まれ表(蛮族対応 経歴1個)】", "○人族に拾われた"}},
      {[] { return BackgroundRowsBarbarian(2); }, Join({{{2, 1}}, D6({1, 1}), {{2, 2}}, D6({6, 6})}),
       {"【ＺＲ２　生まれ表(蛮族のみ 経歴2個)】", "○人族に拾われた", "〈未収録:経歴表 6-66〉"}},
      {[] { return BackgroundRows(0); }, {}, {"【ＺＲ２　生まれ表(経歴0個)】"}},
      {[] { return BackgroundRows(-3); }, {}, {"【ＺＲ２　生まれ表(経歴-3個)】"}},
      {[] { return GeneralSkills(1); }, Join({{{2, 2}}, D6({6, 6})}), {"【ＺＲ２　一般技能表】", "蝋燭職人(ワックスチャンドラー)"}},
      {[] { return GeneralSkills(2); }, Join({{{2, 1}}, D6({1, 2}), {{2, 1}}, D6({1, 3})}),
       {"【ＺＲ２　一般技能表(2個)】", "発明家(インベンター)", "〈未収録:一般技能表 1-13〉"}},
      {[] { return GeneralSkills(0); }, {}, {}},
      {[] { return GeneralSkills(-1); }, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines.empty() ? "(empty)" : c.lines[0]);
    EXPECT_EQ(Lines(WithDice(c.dice, c.draw)), c.lines);
  }
}

// No reply can carry a million rows, so a huge count must not hang or exhaust memory.
TEST(Backgrounds, HugeCountsStopDrawingPastAnySendableText) {
  const std::u16string rows = BackgroundRows(INT_MAX);
  EXPECT_TRUE(rows.starts_with(u"【ＺＲ２　生まれ表(経歴2147483647個)】"));
  EXPECT_GT(rows.size(), 1024u);
  EXPECT_LT(rows.size(), 100'000u);
  EXPECT_LT(GeneralSkills(INT_MAX).size(), 100'000u);
}

TEST(Backgrounds, RowCountsPerSet) {
  std::map<std::string, std::pair<int, int>> counts;
  for (const TableRowCount& count : BackgroundRowCounts()) counts[U8(count.table)] = {count.real, count.missing};
  const std::map<std::string, std::pair<int, int>> expected = {
      {"経歴表 1", {2, 34}}, {"経歴表 2", {0, 36}},     {"経歴表 3", {0, 36}},     {"経歴表 4", {0, 36}},
      {"経歴表 5", {1, 35}}, {"経歴表 6", {0, 36}},     {"一般技能表 1", {2, 34}}, {"一般技能表 2", {1, 35}},
  };
  EXPECT_EQ(counts, expected);
}

}  // namespace
}  // namespace zr2::test
