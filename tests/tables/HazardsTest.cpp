#include "tables/Hazards.h"

#include <set>

#include "DiceHelpers.h"
#include "host/CIniLoader.h"

namespace zr2 {
namespace {

using test::D6s;
using test::Join;
using test::Rolled;
using test::U8;

struct Case {
  std::vector<std::pair<int, int>> dice;
  std::string expected;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

TEST(Trap, RowsRollTheirNumbers) {
  struct TrapCase {
    char16_t table;
    Case c;
  };
  const TrapCase cases[] = {
      {u'A', {D6s({1, 3, 4}), "毒針が突き出る、解除挑戦者が 7 点の毒属性魔法ダメージを受ける。"}},
      {u'a', {D6s({4}), "落とし穴に落ちる。深さ5m。15点の落下ダメージを受ける。"}},
      {u'C', {D6s({5, 1, 1, 6, 6, 2, 3, 4, 5}),
              "毒矢が２本飛んでくる。解除挑戦者に 10 点と、その他誰か一人に 20 点の物理ダメージ。さらに生命抵抗を行い、"
              "解除目標値に届かない場合は解除挑戦者なら 5 点、もう一人なら 9 点の毒ダメージを追加で与える。"}},
      // Rows nobody has still roll their numbers, shown after the marker.
      {u'B', {D6s({1}), "〈未収録:トラップ表B 1〉"}},
      {u'B', {D6s({5, 1, 2, 3, 4}), "〈未収録:トラップ表B 5〉(11, 15)"}},
      {u'C', {D6s({6, 3, 4}), "〈未収録:トラップ表C 6〉(11)"}},
      {u'D', {{}, ""}},
  };
  for (const TrapCase& tc : cases) {
    SCOPED_TRACE(tc.c.expected);
    EXPECT_EQ(Rolled(tc.c.dice, [&] { return RollTrap(tc.table); }), tc.c.expected);
  }
}

class ViceCityTrap : public testing::Test {
 protected:
  void Register(int level) { WriteIntSetting(SettingsFile::Library, u"#vc", u"SupLv", level); }
  std::string Roll(const std::vector<int>& faces) {
    std::vector<std::pair<int, int>> dice;
    for (int face : faces) dice.emplace_back(6, face);
    return Rolled(dice, [] { return RollViceCityTrap(u"#vc"); });
  }
  test::TestFolder folder_;
};

TEST_F(ViceCityTrap, PowerAndTargetsFollowTheRegisteredLevel) {
  // 大岩 with a 2 shows the targets c and f and 2 + twice the power.
  const struct {
    int level;
    std::string expected;
  } cases[] = {
      {35, "大岩[探索目標10/解除目標12]10点の物理ダメージ"},
      {0, "大岩[探索目標0/解除目標2]2点の物理ダメージ"},
      {36, "大岩[探索目標12/解除目標14]10点の物理ダメージ"},
      {25, "大岩[探索目標9/解除目標11]8点の物理ダメージ"},
      {10, "大岩[探索目標8/解除目標10]4点の物理ダメージ"},
      {5, "大岩[探索目標0/解除目標2]4点の物理ダメージ"},
      {100, "大岩[探索目標14/解除目標16]22点の物理ダメージ"},
      {-7, "大岩[探索目標0/解除目標2]2点の物理ダメージ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    Register(c.level);
    EXPECT_EQ(Roll({5, 1, 1}), c.expected);
  }
}

TEST_F(ViceCityTrap, KindsAtLevelThreeAndAHalf) {
  Register(35);
  EXPECT_EQ(Roll({1, 2}), "落とし穴[探索目標14/発見すれば自動的に避けられる]6m落下。　脱出に1時間かかる");
  EXPECT_EQ(Roll({2, 4}), "魔法攻撃[探索目標12/解除目標14]魔力7のポイズンクラウド(毒属性/6Rの間手番終了時3ダメージ/抵抗消滅)が飛んでくる");
  EXPECT_EQ(Roll({3, 3, 4}), "酸噴射[探索目標12/解除目標12]11点の毒ダメージと鎧の防護点-1 修理は基本取引価格の1割+7日、売却価格は4割になる");
  EXPECT_EQ(Roll({4, 1, 3, 4, 5}), "麻痺ガス[探索目標12/解除目標12]11点の毒ダメージ(達成値12)と5時間の間命中回避-2");
  EXPECT_EQ(Roll({4, 5, 1, 1}),
            "昏倒ガス[探索目標12/解除目標12]6点の毒ダメージ(達成値12)を受けて生命抵抗(目標12)を行い失敗すると1時間昏倒して起きない");
  EXPECT_EQ(Roll({4, 6, 1, 2, 3}), "出血ガス[探索目標12/解除目標12]14点の毒ダメージ(達成値12)");
  // Big rolls are pushed further: 11 counts 19, 10 counts 14.
  EXPECT_EQ(Roll({5, 5, 6}), "大岩[探索目標10/解除目標12]27点の物理ダメージ");
  EXPECT_EQ(Roll({6, 4, 6}), "仕掛け矢[探索目標10/解除目標10]18点の物理ダメージ");
  EXPECT_EQ(Roll({6, 4, 5}), "仕掛け矢[探索目標10/解除目標10]13点の物理ダメージ");
}

TEST(Curse, GridCellOrMarker) {
  const Case cases[] = {
      {D6s({1, 1}), "[1,1] -> [睡眠障害]睡眠可能時間が3時間になる"},
      {D6s({2, 6}), "[2,6] -> [穢れ]1点の穢れを一時的に得る"},
      {D6s({6, 6}), "[6,6] -> [風呂に入る機会を逃さない]"},
      {D6s({3, 2}), "[3,2] -> 〈未収録:呪い表 3-4/2〉"},
  };
  for (const Case& c : cases) EXPECT_EQ(Rolled(c.dice, [] { return RollCurse(); }), c.expected);
}

TEST(Vanish, RollIsRightAlignedInTwoCharacters) {
  const Case cases[] = {
      {D6s({1, 1}), "バニッシュ表：[ 2] バーサークする。命中+2/回避-2"},
      {D6s({3, 4}), "バニッシュ表：[ 7] 18Rの間、命中/回避/行使判定に-1"},
      {D6s({4, 5}), "バニッシュ表：[ 9] 18Rの間、命中/回避/行使判定に-1"},
      {D6s({4, 6}), "バニッシュ表：[10] 逃げ去る。不可能なら1R一切行動不能"},
      {D6s({6, 6}), "バニッシュ表：[12] 逃げ去る。不可能なら1R一切行動不能"},
  };
  for (const Case& c : cases) EXPECT_EQ(Rolled(c.dice, [] { return RollVanish(); }), c.expected);
}

TEST(BindLocation, UnlistedNumbersMeanTheArm) {
  const std::string arm = "腕や手：武器側の手なら命中が-2/盾側の手なら盾が使用不能になる。";
  EXPECT_EQ(Rolled(D6s({4}), [] { return RollBindLocation(0); }), "[4] 足：(絡み武器が手放されても)移動ができなくなり、回避に-2。");
  EXPECT_EQ(Rolled({}, [] { return RollBindLocation(1); }), "[1] 頭や顔：「牙」や「噛みつき」、「魔法の行使」「ブレス」に-2の修正");
  EXPECT_EQ(Rolled({}, [] { return RollBindLocation(3); }), "[3] " + arm);
  EXPECT_EQ(Rolled({}, [] { return RollBindLocation(9); }), "[9] " + arm);
  EXPECT_EQ(Rolled({}, [] { return RollBindLocation(-2); }), "[-2] " + arm);
}

TEST(DemonTraits, RepeatedCellsAreRedrawnAndPartsNamed) {
  ScopedDiceScript script(D6s({1, 2, 3, 1, 1, 2, 2, 1, 6, 6}));
  const TBonusAndMemo memo = RollDemonTraits(TraitForm::Monster, 2);
  EXPECT_EQ(script.Problem(), "");
  EXPECT_EQ(U8(memo.Result),
            "[1,2]狂気の肉体:背中(計算済)\r\n[2,1]腕が生える:左足の甲(腕が生えた部位の主動作回数に+1)\r\n");
  EXPECT_EQ(memo.Bonus, 1);
}

TEST(DemonTraits, CharacterFormAndMissingEffect) {
  ScopedDiceScript script(D6s({4, 1, 3, 3}));
  const TBonusAndMemo memo = RollDemonTraits(TraitForm::Character, 2);
  EXPECT_EQ(script.Problem(), "");
  EXPECT_EQ(U8(memo.Result), "[4,1]羽根が生える(魔神化+2/飛行を得る)\r\n[3,3]魔神の影〈未収録:魔神化表 3-4/3〉\r\n");
  EXPECT_EQ(memo.Bonus, 0);
}

TEST(DemonTraits, CountIsLimitedToEighteenDistinctCells) {
  for (int count : {18, 30, -1}) {
    const std::vector<std::string> lines = Lines(U8(RollDemonTraits(TraitForm::Monster, count).Result));
    ASSERT_EQ(lines.size(), 19u) << count;  // 18 lines and the empty text after the last break
    std::set<std::string> cells;
    for (size_t i = 0; i < 18; ++i) cells.insert(lines[i].substr(0, lines[i].find(']')));
    EXPECT_EQ(cells.size(), 18u);
  }
  // Only the low 8 bits of the count are used.
  for (int count : {0, 256}) EXPECT_EQ(Rolled({}, [&] { return RollDemonTraits(TraitForm::Monster, count).Result; }), "");
}

TEST(MonsterBoost, CountersFromRollsAndTraits) {
  const Case cases[] = {
      {Join(D6s({4, 1, 6, 6}), D6s({3, 5})),
       "[3,5]HP,MP+10/命中+3/回避力+1\r\n[4,1]羽根が生える(飛行を得る。該当部位のHPがなくなったら失われる)\r\n"
       "[6,6]魔神の指先(魔神化+1/[補]MPlvの半分消費/射程10m/起点・lv点の呪い属性ダメージ/R1回まで)"},
      // 狂気の肉体 adds one to hit, damage and evasion.
      {Join(D6s({2, 2, 1, 1}), D6s({1})), "[1]HP,MP+5/命中+2/弱点値+3/打撃点+1/回避力+1\r\n[2,2]狂気の肉体:頭頂部(計算済)"},
      {Join(D6s({4, 1, 6, 6, 3, 3}), D6s({2, 4, 6})),
       "[2,4,6]HP,MP+15/命中+3/生命・精神抵抗+2/打撃点+3/防護点+3\r\n[4,1]羽根が生える(飛行を得る。該当部位のHPがなくなったら失われる)\r\n"
       "[6,6]魔神の指先(魔神化+1/[補]MPlvの半分消費/射程10m/起点・lv点の呪い属性ダメージ/R1回まで)\r\n"
       "[3,3]魔神の影〈未収録:魔神化表(魔物) 3-4/3〉"},
  };
  const int counts[] = {2, 1, 3};
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(Rolled(cases[i].dice, [&] { return RollMonsterBoost(counts[i]); }), cases[i].expected);
  for (int count : {0, -3}) EXPECT_EQ(Rolled({}, [&] { return RollMonsterBoost(count); }), "");
}

TEST(CursedLandMutations, HeadingsWastedTrialsAndBlades) {
  const std::string blackArm = "黒い腕 : 片腕が変異。その腕に装備した「用法：1H」の武器で近接攻撃を行う時、命中力判定に+1。隠すのは難しい";
  const std::string fullBelly = "完腹主義 : 全ての能力値に+1、ただし空腹のペナルティ修正が3TBごとに蓄積。隠すのは簡単。";
  const struct {
    int trials;
    Case c;
  } cases[] = {
      {1, {D6s({1, 1}), "【カースドランド変異表】" + blackArm}},
      {3, {D6s({6, 6, 6, 1, 1}), "【カースドランド変異表】試行回数：3回\r\n" + fullBelly + "\r\n" + blackArm}},
      {2, {D6s({2, 2, 2}), "【カースドランド変異表】〈未収録:カースドランド変異表 22〉"}},
      // The blade row rolls its blade (list die, then 2d6) even though its effect is missing.
      {1, {D6s({1, 3, 5, 1, 1}), "【カースドランド変異表】魔剣封入・腕 : 〈未収録:カースドランド変異表 13〉[デスサイズ]"}},
      {0, {{}, "【カースドランド変異表】変異は発生しませんでした。"}},
      {-4, {{}, "【カースドランド変異表】変異は発生しませんでした。"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.c.expected);
    EXPECT_EQ(Rolled(c.c.dice, [&] { return RollCursedLandMutations(c.trials); }), c.c.expected);
  }
  const std::vector<std::string> lines = Lines(U8(RollCursedLandMutations(10)));
  EXPECT_LE(lines.size(), 7u);  // heading line and at most six mutations
}

TEST(EncounterMutations, TakenFirstDiceAreRolledAgain) {
  EXPECT_EQ(Rolled(D6s({1, 1, 1, 6, 6}), [] { return RollEncounterMutations(2); }),
            "黒い腕 : 片腕が変異。その腕に装備した「用法：1H」の武器で近接攻撃を行う時、命中力判定に+1。隠すのは難しい\r\n"
            "完腹主義 : 全ての能力値に+1、ただし空腹のペナルティ修正が3TBごとに蓄積。隠すのは簡単。");
  EXPECT_EQ(Rolled({}, [] { return RollEncounterMutations(0); }), "");
  EXPECT_EQ(Lines(U8(RollEncounterMutations(9))).size(), 6u);
}

TEST(MutationCount, RollsGiveTrials) {
  // 6+6+4 = 16 gives three trials; the second repeats its first die.
  EXPECT_EQ(Rolled(D6s({6, 6, 1, 1, 1, 6, 6}), [] { return RollMutationCount(1, 4); }),
            "【カースドランド変異表】試行回数：3回\r\n"
            "黒い腕 : 片腕が変異。その腕に装備した「用法：1H」の武器で近接攻撃を行う時、命中力判定に+1。隠すのは難しい\r\n"
            "完腹主義 : 全ての能力値に+1、ただし空腹のペナルティ修正が3TBごとに蓄積。隠すのは簡単。");
  EXPECT_EQ(Rolled(D6s({6, 6, 6, 6, 6, 6}), [] { return RollMutationCount(3, -10); }),
            "【カースドランド変異表】変異は発生しませんでした。");
}

}  // namespace
}  // namespace zr2
