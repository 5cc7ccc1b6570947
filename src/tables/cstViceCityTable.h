// Vice City data: the treasure items, grades and conditions, and the trap texts.
#pragma once
#include <cstdint>
#include <string_view>

namespace zr2 {

struct ViceCityItem {
  std::u16string_view name;
  int jewelledKind = 0;  // 0, or the kind whose item a further d6 picks (the price doubles)
};
// Kind and item d6 (1..6); an empty name outside.
ViceCityItem ViceCityTreasureItem(int kind, int d6);

struct ViceCityGrade {
  std::u16string_view name;
  int factor = 0;
};
ViceCityGrade ViceCityTreasureGrade(int index);  // 0..5

struct ViceCityCondition {
  std::u16string_view prefix;
  std::u16string_view ending;  // {} stands for the honour points
};
ViceCityCondition ViceCityTreasureCondition(int d6);

// Trap text template by kind d6 and further d6 (0 = the kind's own text). Placeholders: {c} {f}
// {h} targets, {n} the rolled number, {t} hours, {x} the further row.
std::u16string_view ViceCityTrapText(int kind, int further);

}  // namespace zr2
