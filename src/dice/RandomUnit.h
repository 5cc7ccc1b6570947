// The one random source: MT19937 with its standard seeding, twist and tempering.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace zr2 {

class TRandom {
 public:
  // Seeded from the tick count.
  TRandom();
  explicit TRandom(std::uint32_t seed);

  std::uint32_t NextWord() { return static_cast<std::uint32_t>(engine_()); }
  // 0..n-1; 0 without a draw when n is 0.
  std::uint32_t GetInteger(std::uint32_t n);
  // -n..n; 0 without a draw when n is 0.
  std::int64_t GetSignedInteger(std::uint32_t n);
  // [0, 1] times x, and [-x, x].
  double GetReal(double x);
  double GetSignedReal(double x);

  std::uint32_t Seed() const { return seed_; }
  void SetSeed(std::uint32_t seed);

 private:
  std::mt19937 engine_;
  std::uint32_t seed_ = 0;
};

// The shared instance, created when the library loads.
TRandom& SharedRandom();

// 0..n-1 from the shared instance (a die with s faces is Random(s) + 1); 0 without a draw for n <= 0.
int Random(int n);
// One six-sided die.
inline int D6() { return Random(6) + 1; }
// Seeds the shared instance again from the tick count.
void Reseed();
// base plus count six-sided dice, kept to 8 bits; base alone for count <= 0.
std::uint8_t RollD6(std::int8_t count, std::uint8_t base);

struct TwoDice {
  int first;
  int second;
  int sum() const { return first + second; }
};
TwoDice Roll2D6();

// Test seam: while one lives, Random(n) returns scripted dice instead of drawing. Each entry is
// (sides, face) with face counted from 1; a draw with other sides than scripted, or a draw past
// the end of the script, is recorded as a problem.
class ScopedDiceScript {
 public:
  explicit ScopedDiceScript(std::vector<std::pair<int, int>> dice);
  ~ScopedDiceScript();
  ScopedDiceScript(const ScopedDiceScript&) = delete;
  ScopedDiceScript& operator=(const ScopedDiceScript&) = delete;

  int Draw(int sides);
  // Empty when every die was drawn as scripted; otherwise what went wrong.
  std::string Problem() const;

 private:
  std::vector<std::pair<int, int>> dice_;
  size_t next_ = 0;
  std::string problem_;
  ScopedDiceScript* previous_;
};

}  // namespace zr2
