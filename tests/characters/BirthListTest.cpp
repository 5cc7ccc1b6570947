#include <gtest/gtest.h>

#include <map>

#include "CharacterTestSupport.h"
#include "characters/CharacterMaking.h"
#include "characters/CstZR2BirthTable.h"

namespace zr2::test {
namespace {

TEST(ListBirths, ElfListsEveryTableWithItsCommandsAndBanners) {
  const std::vector<std::string> expected = {
      "【ＺＲ２キャラクター職業リスト】 種族：エルフ",
      "[#make zr2 el b2]:剣士(フェンサー Lv1) 2500Exp",
      "[#make zr2 el b4]:射手(シューター Lv1) 2500Exp",
      "[#make zr2 el b6]:妖術使い(フェアリーテイマー Lv1) 2000Exp",
      "[#make zr2 el b7]:魔術師(ソーサラー Lv1) 2000Exp",
      "[#make zr2 el b8]:操霊術師(コンジャラー Lv1) 2000Exp",
      "[#make zr2 el b9]:神官(プリースト Lv1) 2000Exp",
      "[#make zr2 el b11]:薬師(セージ Lv1 ＆ レンジャー Lv1) 2000Exp",
      "　 　 ＜＜　 　 ルールブックII　 　 ＞＞",
      "[#make zr2 el b22]:〈未収録:生まれ表 エルフ II 2-4〉",
      "[#make zr2 el b25]:野伏(レンジャー Lv1 ＆ シューター Lv1) 2000Exp",
      "[#make zr2 el b27]:〈未収録:生まれ表 エルフ II 7〉",
      "[#make zr2 el b28]:戦士(ファイター Lv1 ／ グラップラー Lv1) 2000Exp",
      "[#make zr2 el b210]:〈未収録:生まれ表 エルフ II 10-12〉",
      "　 　 ＜＜　 　イグニスブレイズ  　 ＞＞",
      "[#make zr2 el b42]:〈未収録:生まれ表 エルフ IB 2-4〉",
      "[#make zr2 el b45]:〈未収録:生まれ表 エルフ IB 5-6〉",
      "[#make zr2 el b47]:〈未収録:生まれ表 エルフ IB 7〉",
      "[#make zr2 el b48]:〈未収録:生まれ表 エルフ IB 8-10〉",
      "[#make zr2 el b411]:〈未収録:生まれ表 エルフ IB 11-12〉",
  };
  EXPECT_EQ(Lines(WithDice({}, [] { return ListBirths(u"el"); })), expected);
  // Only the word before a blank, full-width or not, names the race.
  EXPECT_EQ(Lines(WithDice({}, [] { return ListBirths(u"エルフ　hm"); })), expected);
  EXPECT_EQ(Lines(WithDice({}, [] { return ListBirths(u"el hm"); })), expected);
}

TEST(ListBirths, GroupsAndBannersFollowTheRace) {
  struct Case {
    const char16_t* code;
    size_t lines;
    std::vector<std::pair<size_t, std::string>> some;  // line number and text
  };
  const Case cases[] = {
      {u"dr", 18, {{6, "　 　 ＜＜　 　イグニスブレイズ  　 ＞＞"}, {12, "　 　 ＜＜　 　バルバロスブック  　 ＞＞"},
                   {13, "[#make zr2 dr b52]:〈未収録:生まれ表 ドレイク BB 2-4〉"}}},
      {u"fe", 12, {{6, "　 　 ＜＜　 　イグニスブレイズ  　 ＞＞"}, {11, "[#make zr2 fe b410]:〈未収録:生まれ表 フィー IB 10-12〉"}}},
      {u"hm", 28, {{9, "[#make zr2 hm b22]:〈未収録:生まれ表 人間 II 2〉"}, {14, "[#make zr2 hm b27]:傭兵(ファイター Lv1) 2000Exp"},
                   {19, "[#make zr2 hm b212]:〈未収録:生まれ表 人間 II 12〉"}}},
      // Two-book races have no banner; rule book II of バルカン lists rolls 2-7 only.
      {u"ba", 12, {{6, "[#make zr2 ba b22]:野伏(レンジャー Lv1) 2500Exp"}, {11, "[#make zr2 ba b27]:〈未収録:生まれ表 バルカン II 7〉"}}},
      {u"se2", 11, {{0, "【ＺＲ２キャラクター職業リスト】 種族：センティアン(イグニス系列)"},
                    {1, "[#make zr2 se2 b2]:〈未収録:生まれ表 センティアン I 2-4〉"}}},
      {u"ly", 11, {{10, "[#make zr2 ly b210]:神官(プリースト Lv1) 2000Exp"}}},
      {u"ad", 2, {{1, "[0]:冒険者(なし) 3000Exp"}}},
      {u"so", 1, {{0, "【ＺＲ２キャラクター職業リスト】 種族：ソレイユ"}}},
      {u"me", 1, {}},
      {u"zz", 17, {{0, "【ＺＲ２種族コード一覧】"}, {1, "人間： hm 　人間(冒険者生まれ) : ad"}, {10, "ラルヴァ： rv　ハイマン：hi"},
                   {16, "※種族の正式名でもきちんと生まれを出力できます"}}},
      {u"", 17, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.code));
    const auto lines = Lines(WithDice({}, [&] { return ListBirths(c.code); }));
    ASSERT_EQ(lines.size(), c.lines);
    for (const auto& [at, text] : c.some) EXPECT_EQ(lines[at], text);
  }
}

// Every listed command, typed back, makes a character from exactly the row it lists.
TEST(ListBirths, ListedCommandsMakeTheirOwnRow) {
  const char16_t* codes[] = {u"hm", u"el", u"dw", u"ta", u"ru", u"ni", u"lr", u"gr", u"dr", u"dt", u"lm",
                             u"lt", u"cb", u"sh", u"fe", u"fl", u"we", u"rv", u"hi", u"mi", u"dd", u"ba",
                             u"vl", u"dk", u"bs", u"li", u"ce", u"se1", u"se2", u"se3", u"ly"};
  int checked = 0;
  for (const char16_t* code : codes) {
    for (const std::string& line : Lines(U8(ListBirths(code)))) {
      if (!line.starts_with("[#make zr2 ")) continue;
      SCOPED_TRACE(line);
      const size_t close = line.find("]:");
      const std::string command = line.substr(11, close - 11);
      const std::string row = line.substr(close + 2);
      const auto made = Lines(U8(MakeCharacter20(U16(command))));
      ASSERT_EQ(made.size(), 6u);
      if (row.starts_with("〈")) {
        EXPECT_NE(made[4].find("]" + row + "）"), std::string::npos);
      } else {
        const size_t open = row.find('('), shut = row.rfind(") ");
        const std::string birth = row.substr(0, open), job = row.substr(open + 1, shut - open - 1);
        EXPECT_NE(made[4].find("]" + birth + "）" + job), std::string::npos);
        EXPECT_TRUE(made[5].ends_with("：" + row.substr(shut + 2, row.size() - shut - 5)));
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, 408);  // the rows of all 31 lists
}

TEST(ListBirths, MakingFromTheListedElfRowUsesThatRow) {
  const auto lines = Lines(WithDice(Join({{{3, 1}}, Sixes(11, 2)}), [] { return MakeCharacter20(u"el b25"); }));
  ASSERT_EQ(lines.size(), 6u);
  // The book gives this row's base values nowhere we can reach: they print as none, the marker says so.
  EXPECT_EQ(lines[1], "器用度 = [  ][ 4] =  4(+0)　　筋　 力 = [  ][ 2] =  2(+0)");
  EXPECT_EQ(lines[4], "（[II-5]野伏）レンジャー Lv1 ＆ シューター Lv1 〈未収録:生まれ表 エルフ II 5-6〉");
  EXPECT_EQ(lines[5], "　　　　　所持金：1200　　初期経験点：2000");
}

TEST(BirthData, EveryRowFitsATableAndCountsAreKept) {
  EXPECT_EQ(StrayBirthDataRows(), std::vector<std::u16string>{});
  const std::vector<TableRowCount> counts = BirthTableRowCounts();
  EXPECT_EQ(counts.size(), 101u);
  std::map<std::string, std::pair<int, int>> byTable;
  for (const TableRowCount& count : counts) byTable[U8(count.table)] = {count.real, count.missing};
  const std::map<std::string, std::pair<int, int>> some = {
      {"生まれ表 人間 I", {7, 0}},      {"生まれ表 人間 II", {1, 10}},    {"生まれ表 人間 IB", {0, 7}},
      {"生まれ表 エルフ II", {1, 4}},   {"生まれ表 エルフ IB", {0, 5}},   {"生まれ表 バルカン II", {1, 5}},
      {"生まれ表 ドレイク BB", {0, 5}}, {"生まれ表 センティアン I", {0, 5}}, {"生まれ表 エルフ 2.5-I", {6, 0}},
      {"生まれ表 タビット 2.5-II", {4, 0}}, {"生まれ表 ティエンス 2.5-II", {5, 0}},
  };
  for (const auto& [table, count] : some) EXPECT_EQ(byTable[table], count) << table;
  int real = 0;
  for (const TableRowCount& count : counts) real += count.real;
  EXPECT_EQ(real, 157 + 3);  // the published rows and the three quoted in full
}

}  // namespace
}  // namespace zr2::test
