// Target numbers of the scenario books' checks at difficulty A (B adds 2, C adds 4).
#pragma once

namespace zr2 {

// Mist Castle (and Vice City), levels 1 to 8.
inline constexpr int kMistCastleTargets[] = {8, 9, 10, 12, 13, 14, 16, 17};
constexpr int kMistCastleFirstTargetLevel = 1;
// Cursed Land (and Mist Grave), levels 2 to 15.
inline constexpr int kCursedLandTargets[] = {9, 10, 11, 12, 13, 15, 16, 17, 18, 20, 22, 23, 24, 25};
constexpr int kCursedLandFirstTargetLevel = 2;

}  // namespace zr2
