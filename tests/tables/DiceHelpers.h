// Runs a table operation on scripted dice and checks that exactly those dice were drawn.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TestFolder.h"
#include "dice/RandomUnit.h"

namespace zr2::test {

// Six-sided dice, the usual case.
inline std::vector<std::pair<int, int>> D6s(std::initializer_list<int> faces) {
  std::vector<std::pair<int, int>> dice;
  for (int face : faces) dice.emplace_back(6, face);
  return dice;
}

inline std::vector<std::pair<int, int>> Join(std::vector<std::pair<int, int>> a,
                                             const std::vector<std::pair<int, int>>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

template <class Roll>
std::string Rolled(const std::vector<std::pair<int, int>>& dice, Roll roll) {
  ScopedDiceScript script(dice);
  const std::u16string text = roll();
  EXPECT_EQ(script.Problem(), "") << "dice";
  return U8(text);
}

}  // namespace zr2::test
