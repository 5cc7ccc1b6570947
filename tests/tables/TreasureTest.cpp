#include "tables/Treasure.h"

#include "DiceHelpers.h"

namespace zr2 {
namespace {

using test::D6s;
using test::Join;
using test::Rolled;

struct Case {
  std::vector<std::pair<int, int>> dice;
  std::string expected;
};

TEST(LLTreasure, SubTablePicksRowsAndItemText) {
  struct LLCase {
    char16_t letter;
    int subTable;
    Case c;
  };
  const LLCase cases[] = {
      {u'A', 0, {Join({{3, 1}}, D6s({1, 2})), "[1][1,2]マナスピレータ(投擲A, 1000G) LL P.39 詳細:AW-101"}},
      {u'a', 1, {D6s({1, 1}), "[1,1]イフリートの髭(スタッフB) LL P.32 詳細:1-256"}},
      {u'A', 1, {D6s({3, 4}), "[3,4]タルワール(ソードA, 1210G) LL P.25"}},
      {u'A', 7, {Join({{3, 2}}, D6s({6, 6})), "[2][6,6]〈未収録:LL-A2 66〉"}},
      {u'B', 2, {D6s({2, 3}), "[2,3]〈未収録:LL-B2 23〉"}},
      {u'b', 3, {Join({{2, 1}}, D6s({1, 1})), "[1][1,1]〈未収録:LL-B1 11〉"}},
      {u'k', 5, {D6s({6, 6}), "[6,6]〈未収録:LL-K 66〉"}},
      {u'L', 0, {{}, ""}},
      {u'@', 0, {{}, ""}},
  };
  for (const LLCase& lc : cases) {
    SCOPED_TRACE(lc.c.expected);
    EXPECT_EQ(Rolled(lc.c.dice, [&] { return RollLLTreasure(lc.letter, lc.subTable); }), lc.c.expected);
  }
}

TEST(TreasureDrop, ExtraRollsSetTextAndPrice) {
  struct DropCase {
    std::u16string word;
    Case c;
  };
  // Rows of the drop tables are picked uniformly; a d72 face is the row position from 1.
  const DropCase cases[] = {
      {u"$A", {Join({{72, 44}}, D6s({3})),
               "【ZR2.5 トレジャードロップ表A】ウォーターバルーン(x3)(1200G/〈未収録:トレジャードロップ表A 44〉)"}},
      {u"$a", {{{72, 19}, {4, 3}}, "【ZR2.5 トレジャードロップ表a】能力増強の腕輪(筋力)(〈未収録:トレジャードロップ表A 19〉)"}},
      {u"$c", {Join({{36, 35}}, D6s({4, 5})),
               "【ZR2.5 トレジャードロップ表c】イフリートの髭(9回)(4500G/〈未収録:トレジャードロップ表C 35〉)"}},
      {u"$D", {{{36, 12}, {2, 1}}, "【ZR2.5 トレジャードロップ表D】ミニマムアーマー(6)(6120G/〈未収録:トレジャードロップ表D 12〉)"}},
      {u"$D", {{{36, 12}, {2, 2}}, "【ZR2.5 トレジャードロップ表D】ミニマムアーマー(3)(2120G/〈未収録:トレジャードロップ表D 12〉)"}},
      {u"$B", {{{36, 12}, {5, 5}}, "【ZR2.5 トレジャードロップ表B】マテリアルカードA10枚(金)(〈未収録:トレジャードロップ表B 12〉)"}},
      {u"$B", {{{36, 13}, {4, 4}}, "【ZR2.5 トレジャードロップ表B】マテリアルカードS(白)(〈未収録:トレジャードロップ表B 13〉)"}},
      {u"$J", {{{12, 2}, {5, 2}}, "【ZR2.5 トレジャードロップ表J】マテリアルカードSS(緑)(〈未収録:トレジャードロップ表J 2〉)"}},
      {u"$J", {Join({{12, 11}}, D6s({2})), "【ZR2.5 トレジャードロップ表J】一角獣の角(2回)(12000G/〈未収録:トレジャードロップ表J 11〉)"}},
      {u"$l", {{{24, 24}}, "【ZR2.5 トレジャードロップ表l】〈未収録:トレジャードロップ表L 24〉"}},
      {u"$M", {{}, ""}},
      {u"$", {{}, ""}},
  };
  for (const DropCase& dc : cases) {
    SCOPED_TRACE(dc.c.expected);
    EXPECT_EQ(Rolled(dc.c.dice, [&] { return RollTreasureDrop(dc.word); }), dc.c.expected);
  }
}

TEST(TreasureDrop, CompleteRowShowsPriceRuleAndPage) {
  const TreasureDropRow magisphere{true, {u"マギスフィア(大)", 1000, u"1-326", 108}};
  const TreasureDropRow wand{true, {u"我慢比べのワンド", 700, u"", 127}};
  EXPECT_EQ(test::U8(TreasureDropText(u'A', 1, magisphere, u"", 1000)),
            "【ZR2.5 トレジャードロップ表A】マギスフィア(大)(1000G/1-326/ET108)");
  EXPECT_EQ(test::U8(TreasureDropText(u'A', 2, wand, u"", 700)), "【ZR2.5 トレジャードロップ表A】我慢比べのワンド(700G/ET127)");
}

TEST(ScenarioTreasure, GradesPickListsAndHeadings) {
  struct GradeCase {
    std::u16string (*roll)(int);
    int grade;
    Case c;
  };
  const GradeCase cases[] = {
      {RollMistCastleTreasure, 1, {D6s({6, 1, 1}), "[ミストキャッスル 宝物 $] : 10G"}},
      {RollMistCastleTreasure, 1, {D6s({1, 6, 6}), "[ミストキャッスル 宝物 $] : トリートポーション"}},
      {RollMistCastleTreasure, 2, {D6s({3, 6, 6}), "[ミストキャッスル 宝物 $$] : 宝石をあしらった人形(800G)"}},
      {RollMistCastleTreasure, 2, {D6s({4, 1, 1}), "[ミストキャッスル 宝物 $$] : レイピアかショートスピア"}},
      {RollMistCastleTreasure, 3, {D6s({1, 1, 2}), "[ミストキャッスル 宝物 $$$] : 北向きの針"}},
      {RollMistCastleTreasure, 3, {D6s({6, 1, 1}), "[ミストキャッスル 宝物 $$$] : ツーハンドソードかファストスパイク"}},
      {RollMistCastleTreasure, 3, {D6s({2, 2, 3}), "[ミストキャッスル 宝物 $$$] : 〈未収録:ミストキャッスル宝物$$$(1-3) 5〉"}},
      {RollMistCastleTreasure, 4, {D6s({1, 1, 1, 3, 4, 5}), "[ミストキャッスル 闘技場の宝物] : 豪華な装飾品 1800G分"}},
      {RollMistCastleTreasure, 4, {D6s({1, 1, 1, 4, 1, 1}), "[ミストキャッスル 闘技場の宝物] : ザバールポイント 2000点"}},
      {RollMistCastleTreasure, 4, {D6s({1, 1, 1, 6, 6, 6}),
                                   "[ミストキャッスル 闘技場の宝物] : Aランク以下で基本取引価格 3600G以下の武器ベースの妖精の武器"}},
      {RollMistCastleTreasure, 4, {D6s({1, 1, 1, 5, 1, 1}), "[ミストキャッスル 闘技場の宝物] : 能力値上昇の腕輪　６個(組み合わせは任意)"}},
      {RollCursedLandTreasure, 1, {D6s({6, 6}), "[カースドランド 宝物 $] : 七色ハチミツorクールドロップ"}},
      {RollCursedLandTreasure, 2, {D6s({5, 6}), "[カースドランド 宝物 $$] : 研磨のやすり"}},
      {RollCursedLandTreasure, 2, {D6s({6, 6, 1, 1, 5}), "[カースドランド 宝物 $$] : デスサイズ"}},
      {RollCursedLandTreasure, 3, {D6s({4, 6}), "[カースドランド 宝物 $$$] : 消魔の守護石(10)"}},
      {RollCursedLandTreasure, 3, {D6s({5, 6, 6, 6, 4}), "[カースドランド 宝物 $$$] : テンペストブレイド"}},
      {RollCursedLandTreasure, 4, {D6s({1, 1, 4}), "[カースドランド 魔剣決定表] : ショートソード+1"}},
      {RollCursedLandTreasure, 4, {D6s({6, 6, 6}), "[カースドランド 魔剣決定表] : フェイタルランス"}},
      {RollCursedLandTreasure, 4, {D6s({3, 4, 2}), "[カースドランド 魔剣決定表] : 〈未収録:魔剣決定表(1-4) 7〉"}},
      {RollMistGraveTreasure, 1, {D6s({1, 1}), "[ミストグレイヴ 宝物 $] : 10G"}},
      {RollMistGraveTreasure, 2, {D6s({6, 6}), "[ミストグレイヴ 宝物 $$] : 虹色の宝石"}},
      {RollMistGraveTreasure, 3, {D6s({1, 1}), "[ミストグレイヴ 宝物 $$$] : 真鍮戦士勲章　2個"}},
      {RollMistGraveTreasure, 3, {D6s({6, 6}), "[ミストグレイヴ 宝物 $$$] : ガストボールK(大)"}},
      {RollMistGraveTreasure, 4, {D6s({3, 3}), "[ミストグレイヴ 宝物 $$$$] : "}},
      {RollMistCastleTreasure, 5, {{}, ""}},
      {RollCursedLandTreasure, 0, {{}, ""}},
  };
  for (const GradeCase& gc : cases) {
    SCOPED_TRACE(gc.c.expected);
    EXPECT_EQ(Rolled(gc.c.dice, [&] { return gc.roll(gc.grade); }), gc.c.expected);
  }
}

TEST(ViceCityTreasure, GradeConditionAndPrice) {
  struct ViceCase {
    int modifier;
    Case c;
  };
  const ViceCase cases[] = {
      {0, {D6s({3, 2, 1, 2, 5, 6}), "ヴァイスシティ宝物決定表:[3,2,1,2,5+6]醜い劣化品の宝石(220G、精神抵抗Bに成功しないと入手できない)"}},
      // Jewelled item: a further die picks from another kind and the price doubles.
      {0, {D6s({6, 6, 1, 5, 1, 1, 1}), "ヴァイスシティ宝物決定表:[6,6,1,5,1,1+1]優美な珍品の宝石付き時計(2000G)"}},
      {0, {D6s({1, 1, 2, 1, 1, 2}), "ヴァイスシティ宝物決定表:[1,1,2,1,1+2]薄汚れた劣化品の絵画(30G)"}},
      {-1, {D6s({4, 3, 3, 6, 2, 2}),
            "ヴァイスシティ宝物決定表:[4+-1,3,3,6,2+2]呪いの劣化品の仮面(80G、#呪い決定表 で決まる呪いが1個ついている 解除しないと売却不可能)"}},
      {10, {D6s({1, 5, 6, 6, 6, 6}), "ヴァイスシティ宝物決定表:[1+10,5,6,6,6+6]栄光の名品の画集(12000G、冒険者ギルドに収めると名誉点+15)"}},
      {5, {D6s({3, 6, 3, 1, 2, 2}), "ヴァイスシティ宝物決定表:[3+5,6,3,1,2+2]優美な名品の指輪(4000G)"}},
      {-9, {D6s({6, 4, 5, 2, 3, 3}),
            "ヴァイスシティ宝物決定表:[6+-9,4,5,2,3+3]癒やしの劣化品のドレス(120G、使うと呪いや病気の効果1つを解除できる。　使い捨て)"}},
      {0, {D6s({5, 5, 4, 3, 1, 1}), "ヴァイスシティ宝物決定表:[5,5,4,3,1+1]栄光の普及品の羅針盤(200G、冒険者ギルドに収めると名誉点+6)"}},
  };
  for (const ViceCase& vc : cases) {
    SCOPED_TRACE(vc.c.expected);
    EXPECT_EQ(Rolled(vc.c.dice, [&] { return RollViceCityTreasure(vc.modifier); }), vc.c.expected);
  }
}

TEST(Medals, SumWithModifierPicksMedal) {
  struct MedalCase {
    int modifier;
    Case c;
  };
  const MedalCase cases[] = {
      {30, {D6s({1, 1}), "[1,1]非所持"}},
      {0, {D6s({4, 4}), "[4,4]非所持"}},
      {0, {D6s({4, 5}), "[4,5]黒鉄剣士勲章　1個(50G)"}},
      {2, {D6s({6, 6}), "[6,6]黒鉄剣士勲章　2個(50Gx2)"}},
      {3, {D6s({6, 6}), "[6,6]真鍮戦士勲章　1個(250G)"}},
      {14, {D6s({6, 6}), "[6,6]白銀騎士勲章　2個(15000G)"}},
      {15, {D6s({6, 6}), "[6,6]黄金近衛勲章　1個(37500G)"}},
      {-20, {D6s({2, 3}), "[2,3]非所持"}},
  };
  for (const MedalCase& mc : cases) {
    SCOPED_TRACE(mc.c.expected);
    EXPECT_EQ(Rolled(mc.c.dice, [&] { return RollMedals(mc.modifier); }), mc.c.expected);
  }
}

TEST(DamageBonus, OneRollsTwoMoreEffects) {
  const Case cases[] = {
      {D6s({3}), "[3] : ダメージ＋最大レベル"},
      {D6s({6}), "[6] : 防護点無効"},
      {D6s({1, 1, 1}), "[1][1,1] :何もなし"},
      {D6s({1, 2, 5}), "[1][2,5] :ダメージ＋剣の欠片, ダメージ×２"},
      {D6s({1, 1, 4}), "[1][1,4] :ダメージ２回算出、高い方適用"},
      {D6s({1, 3, 1}), "[1][3,1] :ダメージ＋最大レベル"},
      {D6s({1, 6, 6}), "[1][6,6] :防護点無効"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(Rolled(c.dice, [] { return RollDamageBonus(); }), c.expected);
  }
}

}  // namespace
}  // namespace zr2
