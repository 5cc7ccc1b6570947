#include <gtest/gtest.h>

#include "TestFolder.h"
#include "commands/OtherTables.h"
#include "dice/RandomUnit.h"

namespace zr2 {
namespace {

using test::U16;
using test::U8;

std::vector<std::pair<int, int>> D6(std::initializer_list<int> faces) {
  std::vector<std::pair<int, int>> dice;
  for (int f : faces) dice.emplace_back(6, f);
  return dice;
}

template <class Roll>
std::string Rolled(std::vector<std::pair<int, int>> dice, Roll roll) {
  ScopedDiceScript script(std::move(dice));
  const std::string text = U8(roll());
  EXPECT_EQ(script.Problem(), "");
  return text;
}

TEST(UrgeValues, SixPairsAndTheUrge) {
  EXPECT_EQ(Rolled(D6({3, 4, 1, 1, 2, 2, 6, 5, 1, 3, 5, 5}), RollUrgeValues),
            "[3,4],[1,1],[2,2],[6,5],[1,3],[5,5]=[7,2,4,11,4,10](衝動 19)");
  EXPECT_EQ(Rolled(D6({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}), RollUrgeValues),
            "[3,3],[3,3],[3,3],[3,3],[3,3],[3,3]=[6,6,6,6,6,6](衝動 15)");
}

TEST(Brands, OrdinaryDoubleOneAndDoubleSix) {
  const auto hp = [] { return RollBrand(DetatokoSide::HP); };
  const auto mp = [] { return RollBrand(DetatokoSide::MP); };
  EXPECT_EQ(Rolled(D6({6, 6}), hp), "[6,6]【烙印】を受けなかった");
  EXPECT_EQ(Rolled(D6({3, 4}), hp), "[3,4] -> 衝撃");
  EXPECT_EQ(Rolled(D6({5, 6}), hp), "[5,6] -> 軽傷");
  EXPECT_EQ(Rolled(D6({1, 1, 6, 6, 2, 2}), mp), "[1,1][6,6][2,2] -> 号泣");
  EXPECT_EQ(Rolled(D6({1, 1, 1, 1, 6, 6}), mp), "[1,1][1,1][6,6] -> 【烙印】を受けなかった");
  EXPECT_EQ(Rolled(D6({1, 1, 2, 3, 6, 6}), hp), "[1,1][2,3][6,6] -> 衰弱");
  EXPECT_EQ(Rolled(D6({1, 1, 1, 2, 4, 4}), hp), "[1,1][1,2][4,4] -> 痛手,疲労");
}

TEST(BadEnds, RowsAndTheRowWithoutAName) {
  EXPECT_EQ(Rolled(D6({1, 1}), [] { return RollBadEnd(DetatokoSide::HP); }),
            "[1,1]【死亡】強制的に退場する。次セッション参加時、クラス１つを『モンスター』か『暗黒』に変更");
  EXPECT_EQ(Rolled(D6({6, 6}), [] { return RollBadEnd(DetatokoSide::MP); }),
            "[6,6]それでもまだ諦めない！あなたはバッドエンドを迎えなかった。あなたは気力の【烙印】を１つ打ち消してよい。");
}

TEST(DetatokoCommand, WordsChooseTheTableAndSide) {
  EXPECT_TRUE(Rolled(D6({1, 1}), [] { return DetatokoTableCommand(u"be m"); }).starts_with("[1,1]【自害】"));
  EXPECT_EQ(Rolled(D6({3, 4}), [] { return DetatokoTableCommand(u"DOWN Hp"); }), "[3,4] -> 衝撃");
  EXPECT_EQ(Rolled(D6({3, 4}), [] { return DetatokoTableCommand(u"md"); }), "[3,4] -> 葛藤");
  EXPECT_TRUE(Rolled(D6({6, 6}), [] { return DetatokoTableCommand(u"HPe"); }).starts_with("[6,6]【まだ立ち上がる】"));
  EXPECT_EQ(Rolled({}, [] { return DetatokoTableCommand(u"down x"); }), "");
  EXPECT_EQ(Rolled({}, [] { return DetatokoTableCommand(u"dead"); }), "");
  EXPECT_EQ(Rolled({}, [] { return DetatokoTableCommand(u"xyz"); }), "");
}

TEST(Ojousama, NamesAndMissingRows) {
  EXPECT_EQ(Rolled({{100, 2}, {100, 1}}, [] { return RollOjousamaName(OjousamaName::Full); }),
            "[2,1] = 相原　愛衣（あいはら　あい）");
  EXPECT_EQ(Rolled({{100, 1}}, [] { return RollOjousamaName(OjousamaName::Surname); }), "[1] = 相澤（あいざわ）");
  EXPECT_EQ(Rolled({{100, 37}}, [] { return RollOjousamaName(OjousamaName::GivenName); }),
            "[37] = 〈未収録:お嬢様名前表 37〉（）");
}

TEST(FlowerLanguage, RowsAndMissingParts) {
  EXPECT_EQ(Rolled({{100, 1}}, RollFlowerLanguage),
            "[1]アイリス:「吉報」「愛」「情熱」\r\nいつでも希望を忘れない。望めば必ず報われると知っているから。"
            "なにも悲しむことはない。泣くことは諦めだとわかっているから。");
  EXPECT_EQ(Rolled({{100, 100}}, RollFlowerLanguage),
            "[100]クロッカス:「信頼」「青春の喜び」「愛したことを後悔する」\r\n〈未収録:花言葉表 100〉");
  EXPECT_EQ(Rolled({{100, 50}}, RollFlowerLanguage), "[50]〈未収録:花言葉表 50〉");
}

TEST(Divination, ThresholdsCriticalsAndFumbles) {
  EXPECT_EQ(DivinationIndex(u"幸運の星の導きを知る"), 0);
  EXPECT_EQ(DivinationIndex(u"無色なる不備の幻影"), 23);
  EXPECT_EQ(DivinationIndex(u"幸運"), -1);
  const std::string entry2 = "効果なし。代償：MP3";
  const std::string entry5 = "効果あり。ラッキーカラーやアイテムを身に着けている場合、1度だけ任意の判定値+1。代償：MP3";
  EXPECT_EQ(U8(DivinationResult(0, u"", 9)), entry2);
  EXPECT_EQ(U8(DivinationResult(0, u"", 18)), entry5);
  EXPECT_EQ(U8(DivinationResult(0, u"", 30)), entry5);
  EXPECT_EQ(U8(DivinationResult(0, u"", 7)), "効果なし。代償：HP6");
  EXPECT_EQ(U8(DivinationResult(0, u"", 17)), "〈未収録:幸運の星の導きを知る 4〉");
  EXPECT_EQ(U8(DivinationResult(0, u"C", 0)), entry5);
  EXPECT_EQ(U8(DivinationResult(0, u"f", 30)), "効果なし。翌日まで占者の全ての行為判定に-1のペナルティ");
  EXPECT_EQ(U8(DivinationResult(0, u"[5,6][4,2](C) = 17", 17)), entry5);
  EXPECT_EQ(U8(DivinationResult(0, u"[1,1]\x02(１ゾロ)\x02 = 2", 2)), "効果なし。翌日まで占者の全ての行為判定に-1のペナルティ");
  // Index 1: only the last threshold (16) is known; above it the last entry is certain.
  EXPECT_EQ(U8(DivinationResult(1, u"", 30)), "〈未収録:幸運は手指を助ける 5〉");
  EXPECT_EQ(U8(DivinationResult(1, u"", 10)), "〈未収録:幸運は手指を助ける 目標値〉");
}

TEST(OtherTables, RowCountsPerTable) {
  int known = 0, missing = 0;
  for (const TableRowCount& c : OtherTableRowCounts()) {
    known += c.real;
    missing += c.missing;
    std::cout << U8(c.table) << ": " << c.real << " known, " << c.missing << " missing\n";
  }
  EXPECT_EQ(known + missing, 200 + 100 + 185);
  EXPECT_EQ(known, 3 + 1 + 6);
}

}  // namespace
}  // namespace zr2
