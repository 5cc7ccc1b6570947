// Impurity (穢れ) and fairy mischief tables.
#pragma once
#include <string>

namespace zr2 {

std::u16string ImpurityRoll(int modifier);
std::u16string FairyMischief(char16_t letter);  // A..E either case; empty otherwise

}  // namespace zr2
