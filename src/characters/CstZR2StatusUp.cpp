#include "characters/CstZR2StatusUp.h"

#include <array>

namespace zr2 {

std::u16string_view GrowthAbilityName(int face) {
  static constexpr std::array<std::u16string_view, 6> kNames = {u"器用度", u"敏捷度", u"筋力",
                                                                 u"生命力", u"知力",   u"精神力"};
  return face >= 1 && face <= 6 ? kNames[face - 1] : std::u16string_view();
}

}  // namespace zr2
