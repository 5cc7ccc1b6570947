// Ability names of ability growth, named by one die.
#pragma once
#include <string_view>

namespace zr2 {

// Face 1-6: 器用度, 敏捷度, 筋力, 生命力, 知力, 精神力; empty for any other face.
std::u16string_view GrowthAbilityName(int face);

}  // namespace zr2
