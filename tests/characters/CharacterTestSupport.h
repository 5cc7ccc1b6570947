// Shared helpers of the character tests: scripted dice and reply lines.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "TestFolder.h"
#include "dice/RandomUnit.h"

namespace zr2::test {

using Dice = std::vector<std::pair<int, int>>;

// n six-sided dice all showing face.
inline Dice Sixes(int n, int face) { return Dice(static_cast<size_t>(n), {6, face}); }

// Six-sided dice with the given faces.
inline Dice D6(std::initializer_list<int> faces) {
  Dice dice;
  for (int face : faces) dice.push_back({6, face});
  return dice;
}

inline Dice Join(std::initializer_list<Dice> parts) {
  Dice all;
  for (const Dice& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Runs fn with exactly these dice (a die too many or too few fails the test).
inline std::string WithDice(const Dice& dice, const std::function<std::u16string()>& fn) {
  ScopedDiceScript script(dice);
  const std::u16string result = fn();
  EXPECT_EQ(script.Problem(), "");
  return U8(result);
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  while (true) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

}  // namespace zr2::test
