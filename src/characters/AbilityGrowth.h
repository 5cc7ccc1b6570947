// Ability growth (能力上昇) and the effect of 勇者の証.
#pragma once
#include <string>

namespace zr2 {

// One trial for 1 or less, up to 10 trials listed in rows of five, above 10 a count per result
// (empty above 100,000,000 trials).
std::u16string GrowthRolls(int count);
// Single-die results, listed in rows of five.
std::u16string HeroProofRolls(int count);

}  // namespace zr2
