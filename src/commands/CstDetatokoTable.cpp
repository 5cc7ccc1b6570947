// でたとこサーガ: brands (烙印) and bad ends, and the small command language that reaches them.
#include <array>

#include "commands/OtherTables.h"
#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

// Indexed by 2d6 total 3..11.
constexpr std::array<std::u16string_view, 9> kBrandsHP = {u"痛手", u"流血", u"衰弱", u"苦悶", u"衝撃",
                                                         u"疲労", u"怒号", u"負傷", u"軽傷"};
constexpr std::array<std::u16string_view, 9> kBrandsMP = {u"絶望", u"号泣", u"後悔", u"恐怖", u"葛藤",
                                                         u"憎悪", u"呆然", u"迷い", u"悪夢"};

struct BadEndRow {
  bool known;
  std::u16string_view side;
  int total;
  std::u16string_view name;
  std::u16string_view effect;
};

constexpr BadEndRow kBadEnds[] = {
#include "detatoko_badend.inc"
};

std::u16string_view Brand(DetatokoSide side, int total) {
  return (side == DetatokoSide::HP ? kBrandsHP : kBrandsMP)[total - 3];
}

bool NoBrand(int total) { return total == 2 || total == 12; }

std::u16string Dice(int a, int b) { return u"[" + FormatInteger(a) + u"," + FormatInteger(b) + u"]"; }

}  // namespace

std::u16string RollBrand(DetatokoSide side) {
  const int a = D6(), b = D6();
  std::u16string text = Dice(a, b);
  const int total = a + b;
  if (total == 12) return text + u"【烙印】を受けなかった";
  if (total != 2) return text + u" -> " + std::u16string(Brand(side, total));
  // A double one rolls twice more.
  const int c = D6(), d = D6(), e = D6(), f = D6();
  text += Dice(c, d) + Dice(e, f) + u" -> ";
  const int x = c + d, y = e + f;
  if (NoBrand(x)) return text + (NoBrand(y) ? u"【烙印】を受けなかった" : std::u16string(Brand(side, y)));
  if (NoBrand(y)) return text + std::u16string(Brand(side, x));
  return text + std::u16string(Brand(side, x)) + u"," + std::u16string(Brand(side, y));
}

std::u16string RollBadEnd(DetatokoSide side) {
  const int a = D6(), b = D6();
  const std::u16string_view sideName = side == DetatokoSide::HP ? u"HP" : u"MP";
  for (const BadEndRow& row : kBadEnds) {
    if (row.side != sideName || row.total != a + b) continue;
    const std::u16string name = row.name.empty() ? u"" : u"【" + std::u16string(row.name) + u"】";
    return Dice(a, b) + name + std::u16string(row.effect);
  }
  return {};
}

std::u16string DetatokoTableCommand(std::u16string_view argument) {
  std::u16string rest(argument);
  const std::u16string word = NextToken(rest);
  const auto is = [&](std::initializer_list<std::u16string_view> words) { return IndexOfText(word, words) >= 0; };
  const auto sideOfNext = [&]() -> int {
    const std::u16string next = NextToken(rest);
    if (StartsWithText(u"H", next)) return 0;
    if (StartsWithText(u"M", next)) return 1;
    return -1;
  };
  if (is({u"HPD", u"hd"})) return RollBrand(DetatokoSide::HP);
  if (is({u"MPD", u"md"})) return RollBrand(DetatokoSide::MP);
  if (is({u"down"})) {
    const int side = sideOfNext();
    return side < 0 ? u"" : RollBrand(side == 0 ? DetatokoSide::HP : DetatokoSide::MP);
  }
  if (is({u"HPe", u"he"})) return RollBadEnd(DetatokoSide::HP);
  if (is({u"MPe", u"me"})) return RollBadEnd(DetatokoSide::MP);
  if (is({u"badend", u"be", u"dead", u"end", u"e"})) {
    const int side = sideOfNext();
    return side < 0 ? u"" : RollBadEnd(side == 0 ? DetatokoSide::HP : DetatokoSide::MP);
  }
  return {};
}

}  // namespace zr2
